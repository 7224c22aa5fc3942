#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The Raspberry Pi OS packages checked as the amd64 one is, installed with
# apt-get and run through qemu-user: the window (program_window_test of
# BUILD) and every call (the architecture's program_trace_test). Needs root.
#   usage: pi_package_test.sh DIST_DIR VERSION BUILD ARM64_TEST_BUILD ARMHF_TEST_BUILD
set -eu
dist=$(cd "$1" && pwd)
version=$2
build=$(cd "$3" && pwd)
. "$(dirname "$0")/test_lib.sh"
. "$(dirname "$0")/deb_checks.sh"
[ "$(id -u)" -eq 0 ] || fail "needs root: it installs the packages with apt-get"
if dpkg-query -W -f='${Status}' velmora 2>/dev/null | grep -q "install ok installed"; then
    fail "velmora is installed here, and each Pi package would take its place: remove it first"
fi
amd64=$dist/velmora_${version}_amd64.deb
[ -f "$amd64" ] || fail "no $amd64: make release first"
# The packages installed here, sorted; listed whole first, so that a failing
# dpkg-query is seen (an empty list before would purge every package after).
installed() { packages=$(dpkg-query -W -f='${binary:Package}\n') && printf '%s\n' "$packages" | sort; }
installed >"$scratch/installed-before" || fail "dpkg-query cannot list the installed packages"
# Whatever the test installed goes again, whether it passed or not.
clean_up() {
    if ! after=$(installed); then
        echo "pi_package_test: dpkg-query cannot list the installed packages: what the test installed stays" >&2
    elif printf '%s\n' "$after" | comm -13 "$scratch/installed-before" - >"$scratch/added" && [ -s "$scratch/added" ]; then
        DEBIAN_FRONTEND=noninteractive xargs apt-get purge -y -qq <"$scratch/added" >/dev/null 2>&1 ||
            echo "pi_package_test: could not purge what it installed: $(paste -sd ' ' "$scratch/added")" >&2
    fi
    rm -rf "$scratch"
}
trap clean_up EXIT
# files DEB FILE: the files the package DEB holds, one a line, into FILE.
files() {
    listing=$(dpkg-deb -c "$1") || fail "dpkg-deb cannot list $1"
    printf '%s\n' "$listing" | awk '{print $NF}' >"$2"
}

for pair in arm64:aarch64:$4 armhf:arm:$5; do
    arch=${pair%%:*} rest=${pair#*:}
    cpu=${rest%%:*} tests=$(cd "${rest#*:}" && pwd)
    deb=$dist/velmora_${version}_$arch.deb
    [ -f "$deb" ] || fail "no $deb: make release first"

    [ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] || fail "$deb is not for $arch"
    lintian --fail-on error,warning "$deb" >/dev/null 2>&1 || fail "lintian on $deb: $(lintian "$deb" 2>&1)"
    files "$amd64" "$scratch/amd64.files"
    files "$deb" "$scratch/$arch.files"
    diff "$scratch/amd64.files" "$scratch/$arch.files" >"$scratch/difference" ||
        fail "$deb does not hold the files the amd64 package holds: $(cat "$scratch/difference")"
    check_depends "$deb"
    rm -rf "$scratch/root" && dpkg -x "$deb" "$scratch/root"
    check_programs "$scratch/root" hardened

    # As on the Pi: apt-get fetches the libraries of the package's architecture.
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >"$scratch/apt.log" 2>&1 ||
        fail "apt-get could not install $deb: $(tail -n 5 "$scratch/apt.log")"
    mkdir -p "$scratch/$arch"
    for program in velmora tarnwick; do
        printf '#!/bin/sh\nexec qemu-%s-static /usr/bin/%s "$@"\n' "$cpu" "$program" >"$scratch/$arch/$program"
        chmod +x "$scratch/$arch/$program"
    done
    PROGRAMS_UNDER_TEST=$scratch/$arch "$build/tests/program_window_test" \
        --gtest_filter='*ProgramWindow.ShowsThePendulumAdvancesAndEndsOnClose*' >"$scratch/run.log" 2>&1 ||
        fail "the installed $arch programs, in their window: $(grep -v '^\[ *\(RUN\|OK\) ' "$scratch/run.log" | tail -n 30)"
    # The call recorder is preloaded into the emulated programs, not into the
    # shell that starts qemu, which says so on stderr.
    PROGRAMS_UNDER_TEST=$scratch/$arch "qemu-$cpu-static" "$tests/tests/program_trace_test" >"$scratch/run.log" 2>&1 ||
        fail "the installed $arch programs' calls: $(grep -v '^\[ *\(RUN\|OK\) \|LD_PRELOAD' "$scratch/run.log" | tail -n 30)"
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq velmora >"$scratch/apt.log" 2>&1 ||
        fail "apt-get could not purge velmora:$arch: $(tail -n 5 "$scratch/apt.log")"
    echo "pi_package_test: $arch: validated, installed with apt (Depends: $depends), and both programs drew the pendulum and every call of a run under qemu-$cpu"
done
