#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The programs configure with every part off and none of the parts'
# libraries; a part on without its library stops naming its package and option.
#   usage: configure_parts_test.sh CMAKE SOURCE_DIR
set -eu
cmake=$1
source=$2
. "$(dirname "$0")/test_lib.sh"

libraries="GTest Boost PNG benchmark"
# found LIBRARY...: the options that hide every other library of the parts
found() {
    for library in $libraries; do
        case " $* " in
        *" $library "*) echo "-DCMAKE_DISABLE_FIND_PACKAGE_$library=OFF" ;;
        *) echo "-DCMAKE_DISABLE_FIND_PACKAGE_$library=ON" ;;
        esac
    done
}
# shellcheck disable=SC2046 # the options are words
"$cmake" -S "$source" -B "$scratch/build" $(found) -DBUILD_TESTING=OFF -DVELMORA_ICON=OFF \
    -DVELMORA_BUILD_DOCS=OFF -DVELMORA_BUILD_BENCHMARKS=OFF >"$scratch/log" 2>&1 ||
    fail "the programs alone do not configure without the parts' libraries: $(cat "$scratch/log")"

# option, the library it misses, its Debian package, the other libraries it needs
while read -r option library package others; do
    # shellcheck disable=SC2046,SC2086 # the options are words
    "$cmake" -S "$source" -B "$scratch/build" $(found $others) "-D$option=ON" >"$scratch/log" 2>&1 &&
        fail "$option=ON configured without $library"
    line="$library not found: install the Debian package $package, or configure with -D$option=OFF"
    grep -qxF "$line" "$scratch/log" || fail "$option=ON without $library did not say: $line"
    "$cmake" -S "$source" -B "$scratch/build" "-D$option=OFF" >/dev/null 2>&1
done <<'PARTS'
BUILD_TESTING GTest libgtest-dev PNG
VELMORA_BUILD_DOCS Boost libboost-dev
VELMORA_ICON PNG libpng-dev
VELMORA_BUILD_BENCHMARKS benchmark libbenchmark-dev PNG
PARTS

# The tests need none of the pages' libraries (Boost).
# shellcheck disable=SC2046 # the options are words
"$cmake" -S "$source" -B "$scratch/build" $(found GTest PNG) -DBUILD_TESTING=ON >"$scratch/log" 2>&1 ||
    fail "the tests do not configure without the pages' libraries: $(cat "$scratch/log")"
