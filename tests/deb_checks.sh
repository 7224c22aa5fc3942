# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# What every built package must meet (sourced after test_lib.sh).

# check_depends DEB: freeglut, GLU and GL (libOpenGL or the classic libGL), no -dev package.
check_depends() {
    depends=$(dpkg-deb -f "$1" Depends) || fail "dpkg-deb cannot read $1"
    for library in libglut3.12 libglu1-mesa "libopengl0|libgl1"; do
        echo "$depends" | grep -Eq "(^|, )($library)( |,|$)" || fail "no $library in the Depends of $1: $depends"
    done
    case "$depends" in *-dev*) fail "a -dev package in the Depends of $1: $depends" ;; esac
}

# check_programs ROOT [hardened]: ROOT/usr/bin stripped as dh_strip strips, and hardened as Debian's.
check_programs() {
    for program in "$1"/usr/bin/*; do
        report=$(hardening-check "$program" 2>/dev/null || true) # non-zero for the lines below the five
        for line in "Position Independent Executable" "Stack protected" "Fortify Source functions" \
            "Read-only relocations" "Immediate binding"; do
            [ "${2:-}" != hardened ] || echo "$report" | grep -q "^ $line: yes" || fail "$report"
        done
        sections=$(readelf -S -W "$program") || fail "readelf cannot read $program"
        echo "$sections" | grep -Eq ' \.(comment|note) ' && fail "$program keeps .comment or .note"
    done
    return 0
}
