#!/bin/sh
# Installs the build with cmake --install, packages it as a .deb, checks the
# package's dependencies, unpacks it into a scratch root and runs the installed
# programs under Xvfb.   usage: package_install_test.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "package_install_test: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
for program in velmora tarnwick; do
    [ -x "$scratch/prefix/bin/$program" ] || fail "cmake --install put no bin/$program"
done

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null) || fail "cpack failed"
deb=$(ls "$scratch"/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
# GL comes through GLVND's libOpenGL (libopengl0) or the classic libGL (libgl1).
for library in libglut3.12 libglu1-mesa "libopengl0|libgl1"; do
    echo "$depends" | grep -Eq "(^|, )($library)( |,|$)" || fail "no $library in Depends: $depends"
done
case "$depends" in *-dev*) fail "a -dev package in Depends: $depends" ;; esac

dpkg -x "$deb" "$scratch/root"
for program in velmora tarnwick; do
    "$build/window_screenshot" "$scratch/root/usr/bin/$program" "$scratch/$program.png" 300 ||
        fail "the installed $program showed no window"
done
echo "installed and ran velmora and tarnwick from $(basename "$deb"); Depends: $depends"
