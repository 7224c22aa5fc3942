# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Quick start on Debian 12:  make run  (builds and opens velmora)  and  make test.
# Each target installs the Debian packages it is missing (as root) first.

PROGRAM ?= velmora
# CMake's project version, read once here for the scripts that name the downloads.
VERSION := $(shell sed -n 's/^project(.* VERSION \([0-9.]*\)).*/\1/p' CMakeLists.txt)
BUILD ?= build
# Every option the builds rely on is stated, so a build folder configured
# otherwise by hand is set back: hardened as the package ships, no
# sanitizers, with the icon, the HTML pages and the translations the package
# holds (LANGUAGES=de builds the one language alone, as a translator checks it). Each
# target adds the parts it needs: the tests, the benchmarks.
SANITIZE_FLAG = -DSANITIZE=OFF
CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHARDEN=ON $(SANITIZE_FLAG) \
              -DVELMORA_ICON=ON -DVELMORA_BUILD_DOCS=ON -DVELMORA_BUILD_BENCHMARKS=OFF \
              -DVELMORA_TRANSLATIONS=ON -DVELMORA_LANGUAGES="$(LANGUAGES)" -DWEB_PAGES_DIR="$(WEB_PAGES_DIR)"
# Empty: every language of po/LINGUAS.
LANGUAGES ?=
# Empty: the pages without the programs' web pages (make web writes them;
# make test and make release hand them over).
WEB_PAGES_DIR ?=

# make test SANITIZE=1: the whole suite built with ASan and UBSan, in a build
# directory of its own; every executable carries the sanitizers' settings
# (tools/sanitizer_support.cpp), so ctest needs no environment of its own.
ifeq ($(SANITIZE),1)
BUILD = build-sanitize
SANITIZE_FLAG = -DSANITIZE=ON
endif
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# The programs need the first line alone; make build adds the icon (librsvg2-bin,
# libpng-dev), the HTML pages and the model's figures (pandoc, libboost-dev),
# and the translations (gettext, po4a, python3; gnuplot-nox for the translated plots).
BUILD_PACKAGES = cmake g++ make freeglut3-dev libglu1-mesa-dev libgl-dev libgl1-mesa-dri libx11-dev \
                 libpng-dev librsvg2-bin pandoc libboost-dev dpkg-dev file gettext po4a python3 gnuplot-nox
# The web pages: Emscripten, and the browser build's sources unpacked by dpkg-source.
WEB_PACKAGES = cmake make emscripten dpkg-dev zip
TEST_PACKAGES = $(BUILD_PACKAGES) $(WEB_PACKAGES) libgtest-dev xvfb lintian desktop-file-utils appstream groff-base devscripts \
                chromium chromium-driver python3-selenium python3-pil fonts-lmodern fonts-wqy-microhei fonts-noto-cjk \
                fonts-noto-core
BENCH_PACKAGES = $(TEST_PACKAGES) libbenchmark-dev gnuplot-nox
DOCS_PACKAGES = $(BUILD_PACKAGES) gnuplot-nox fonts-dejavu-core gettext-base
LINT_PACKAGES = $(BENCH_PACKAGES) clang-tidy clang-format cppcheck reuse python3
WINDOWS_PACKAGES = cmake make g++-mingw-w64-x86-64-win32 dpkg-dev librsvg2-bin icoutils nsis zip pandoc \
                   gettext po4a python3
# The Raspberry Pi OS packages: Debian's cross compilers and, through
# multiarch, the libraries of each architecture (make adds the architecture).
PI_ARCHITECTURES = arm64 armhf
PI_PACKAGES = crossbuild-essential-arm64 crossbuild-essential-armhf \
              $(foreach arch,$(PI_ARCHITECTURES),freeglut3-dev:$(arch) libglu1-mesa-dev:$(arch) \
                  libgl-dev:$(arch) libx11-dev:$(arch) libpng-dev:$(arch))
# CPack's Debian generator needs file; the bill of materials reuse and python3.
RELEASE_PACKAGES = $(BUILD_PACKAGES) $(WINDOWS_PACKAGES) $(PI_PACKAGES) $(WEB_PACKAGES) git file reuse python3

.PHONY: all build run web test screenshot docs bench lint windows test-windows release test-release pi-test-builds test-pi test-pi-model clean

all: build

build:
	@sh scripts/ensure-packages.sh $(BUILD_PACKAGES)
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@sh scripts/check-display.sh
	$(BUILD)/$(PROGRAM)

# Both programs as web pages, $(WEB_BUILD)/velmora.html and tarnwick.html,
# each a file of its own, built with Emscripten on libraries built from
# pinned sources (scripts/pinned-sources.txt); VELMORA_SOURCES_DIR names a
# folder that holds those files, for a build without network.
WEB_BUILD ?= build-web
web:
	@sh scripts/ensure-packages.sh $(WEB_PACKAGES)
	@JOBS=$(JOBS) sh scripts/build-web.sh $(WEB_BUILD)

# The tests are switched on whatever the build folder held, and no test found
# is a failure; ctest shows no skipped test's output, so its reason is shown
# here. The web pages are built first, and tested against the programs.
test:
	@sh scripts/ensure-packages.sh $(TEST_PACKAGES)
	@$(MAKE) --no-print-directory web
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DBUILD_TESTING=ON -DWEB_PAGES_DIR="$(CURDIR)/$(WEB_BUILD)" >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure --no-tests=error -j $(JOBS); status=$$?; \
	    grep -h ': skipped, ' $(BUILD)/Testing/Temporary/LastTest.log 2>/dev/null; exit $$status

# The pages' pictures: a still of each program, both on a desktop with a
# task bar, and two seconds of tarnwick as a looping GIF put together by
# ImageMagick, each frame shown for its real time on screen.
screenshot:
	@sh scripts/ensure-packages.sh $(TEST_PACKAGES) imagemagick openbox tint2 xdotool
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DBUILD_TESTING=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target velmora tarnwick window_screenshot
	$(BUILD)/tools/window_screenshot $(BUILD)/velmora docs/velmora.png
	$(BUILD)/tools/window_screenshot $(BUILD)/tarnwick docs/tarnwick.png
	sh scripts/desktop-screenshot.sh $(BUILD) docs/desktop.png
	@frames=$$(mktemp -d) && trap 'rm -rf "$$frames"' EXIT && \
	    $(BUILD)/tools/window_screenshot --frames 50 $(BUILD)/tarnwick "$$frames/frame.png" 300 >"$$frames/sequence" && \
	    /usr/bin/convert -loop 0 $$(cat "$$frames/sequence") -layers Optimize docs/pendulum.gif
	@echo "Wrote docs/velmora.png, docs/tarnwick.png, docs/desktop.png and docs/pendulum.gif."

# docs/model.md and its plots: the programs' model measured against the exact
# pendulum and the classical Runge-Kutta scheme; the manual pages' MODEL
# section from the same figures; then every page as HTML. The plot data and
# the HTML stay in the build.
docs:
	@sh scripts/ensure-packages.sh $(DOCS_PACKAGES)
	@$(MAKE) --no-print-directory build
	@mkdir -p $(BUILD)/model-data
	$(BUILD)/docs/model_figures docs/source/model_page.md.in docs/model.md $(BUILD)/model-data
	$(BUILD)/docs/model_figures docs/source/model.man.in $(BUILD)/model.man $(BUILD)/model-data
	sh docs/source/man-model.sh $(BUILD)/model.man packaging/velmora.1 packaging/tarnwick.1
	sh docs/source/plot-labels.sh >$(BUILD)/model-data/labels.gp
	sh docs/source/draw-plots.sh gnuplot $(BUILD)/model-data docs $(BUILD)/model-data/labels.gp
	@cmake --build $(BUILD) --target html_pages >/dev/null
	@echo "Wrote docs/model.md, its four plots (SVG), the manual pages' MODEL section and $(BUILD)/html/."

# Release build of its own, and the web pages; no benchmark runs inside make test. Ends with a
# warning where other processes took too much of the machine for the verdicts.
bench:
	@sh scripts/ensure-packages.sh $(BENCH_PACKAGES)
	@cmake -S . -B $(BUILD)-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVELMORA_BUILD_BENCHMARKS=ON >/dev/null
	@cmake --build $(BUILD)-release -j $(JOBS)
	@$(MAKE) --no-print-directory web
	sh bench/run.sh $(BUILD)-release $(WEB_BUILD)

# clang-format over every source; clang-tidy over every .cpp but the
# *_windows.cpp files, which need Windows' headers and are compiled by make
# windows; cppcheck over what the lint build compiles (the benchmarks and the
# sanitizer build's settings included); with the
# checks in .clang-tidy, the formatting of .clang-format, and every file's
# licence (reuse lint); any finding fails. (Newer cppcheck also notes where it
# limits its branch analysis: a note, not a finding.) The sources are the
# checkout's or, without git, the release tarball's.
SOURCES = $(shell sh scripts/source-files.sh '*.cpp' '*.h')
lint:
	@sh scripts/ensure-packages.sh $(LINT_PACKAGES)
	@cmake -S . -B build-lint -DBUILD_TESTING=ON -DVELMORA_ICON=ON -DVELMORA_BUILD_DOCS=ON \
	    -DVELMORA_BUILD_BENCHMARKS=ON -DSANITIZE=ON >/dev/null
	@cmake --build build-lint -j $(JOBS) >/dev/null
	clang-format --dry-run -Werror $(SOURCES)
	clang-tidy -p build-lint --quiet $(filter-out %_windows.cpp %_web.cpp,$(filter %.cpp,$(SOURCES)))
	cppcheck --quiet --enable=warning,style,performance,portability --std=c++17 --inline-suppr \
	    --suppress=normalCheckLevelMaxBranches --error-exitcode=1 --project=build-lint/compile_commands.json
	sh scripts/reuse-lint.sh

# Both programs for 64-bit Windows, cross-built with MinGW-w64 against a static
# freeglut built from Debian's source package: build-windows/bin/*.exe. The
# translated pages' plots are the host build's, which draws them from the
# model's data (the cross build cannot run the figure maker).
WINDOWS_BUILD ?= build-windows
windows:
	@sh scripts/ensure-packages.sh $(WINDOWS_PACKAGES)
	@$(MAKE) --no-print-directory build web
	@LANGUAGES="$(LANGUAGES)" sh scripts/build-windows.sh $(WINDOWS_BUILD) $(BUILD) $(WEB_BUILD)

# The Windows executables' headers, then the programs under Wine and Xvfb,
# started by a test program of the host build. The locales package holds the
# data the test builds its German and Chinese locales from.
test-windows: windows
	@sh scripts/ensure-packages.sh $(TEST_PACKAGES) wine64 unzip xdotool locales
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DBUILD_TESTING=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target windows_program_test
	sh tests/windows_test.sh $(WINDOWS_BUILD)/bin $(BUILD) $(VERSION) $(WINDOWS_BUILD)/programs

# Every download of a release, rebuildable bit for bit: dist/ with the source
# tarball and its bill of materials (SPDX), the .deb, the Windows zip and
# installer, and SHA256SUMS.
release:
	@sh scripts/ensure-packages.sh $(RELEASE_PACKAGES)
	VELMORA_WEB_LIBRARIES="$(CURDIR)/$(WEB_BUILD)" sh scripts/release.sh dist $(VERSION)

# A second release from a clone in another folder, under another umask, later:
# the same checksums as dist/. A release already in dist/ is the one checked,
# as it is; only where dist/ holds none is one made first.
test-release:
	@sh scripts/ensure-packages.sh $(RELEASE_PACKAGES) diffoscope-minimal unzip
	@[ -f dist/SHA256SUMS ] || $(MAKE) --no-print-directory release
	VELMORA_WEB_LIBRARIES="$(CURDIR)/$(WEB_BUILD)" sh tests/release_test.sh dist $(VERSION)

# Test builds for arm64 and armhf (the toolchain files' emulator runs their
# tests): the model test, the trace test and the call recorder.
PI_TEST_BUILDS = build-aarch64-linux-gnu build-arm-linux-gnueabihf
PI_TEST_PACKAGES = $(TEST_PACKAGES) $(PI_PACKAGES) qemu-user-static \
                   $(foreach arch,$(PI_ARCHITECTURES),libgtest-dev:$(arch) libboost-dev:$(arch) libgl1-mesa-dri:$(arch))
pi-test-builds:
	@sh scripts/ensure-packages.sh $(PI_TEST_PACKAGES)
	@for build in $(PI_TEST_BUILDS); do \
	    cmake -S . -B $$build -DCMAKE_TOOLCHAIN_FILE="$(CURDIR)/cmake/$${build#build-}.cmake" $(CMAKE_FLAGS) \
	        -DVELMORA_BUILD_DOCS=OFF -DBUILD_TESTING=ON >/dev/null && \
	    cmake --build $$build -j $(JOBS) --target model_test program_trace_test || exit 1; \
	done

# The Raspberry Pi OS packages of the release in dist/ as a Pi user gets
# them: each installed with apt beside this machine's own architecture, its
# programs run through qemu-user under Xvfb with that architecture's Mesa:
# the window's pixels, and every call of a run. Afterwards everything the
# test installed is purged again. Needs root.
test-pi: pi-test-builds
	@[ -f dist/SHA256SUMS ] || $(MAKE) --no-print-directory release
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DBUILD_TESTING=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target program_window_test
	sh tests/pi_package_test.sh dist $(VERSION) $(BUILD) $(PI_TEST_BUILDS)

# The model's exact figures and every call of a run of the test builds' own
# programs on arm64 and armhf, run through qemu-user by ctest.
test-pi-model: pi-test-builds
	@for build in $(PI_TEST_BUILDS); do \
	    ctest --test-dir $$build --output-on-failure --no-tests=error -R 'model_test|ProgramTrace' || exit 1; \
	done

clean:
	rm -rf build build-release build-sanitize build-lint build-windows build-web build-dist dist \
	    build-aarch64-linux-gnu build-arm-linux-gnueabihf
