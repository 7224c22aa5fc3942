#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Writes the third-party notices of the Windows executables from their link
# maps: every archive member and object file the linker took in, by origin
# (freeglut from the fetched source, MinGW-w64 and GCC from the installed
# toolchain's Debian packages), each group with its licence texts in full as
# the source or the package's copyright file gives them. A library the maps
# name whose origin is not known here stops the build, so the notices cannot
# silently fall behind the link; so does anything else that fails, and then
# OUTPUT is not there at all (not even an earlier one).
#   usage: third-party-notices.sh OUTPUT FREEGLUT_SOURCE_DIR FREEGLUT_LIBRARY TITLE MAP...
# FREEGLUT_SOURCE_DIR holds what fetch-pinned.sh fetched. Archives the
# maps name by a relative path are the programs' own, built beside the maps.
# OBJDUMP names the toolchain's objdump (x86_64-w64-mingw32-objdump by default).
set -eu
output=$1 freeglut_source=$2 freeglut_library=$3 title=$4
shift 4
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
ar=${AR:-x86_64-w64-mingw32-ar}
fail() { printf 'third-party-notices: %s\n' "$*" >&2; exit 1; }
tab=$(printf '\t')
rm -f "$output"
work=$(mktemp -d)
partial=""
trap 'rm -rf "$work" ${partial:+"$partial"}' EXIT
trap 'exit 1' HUP INT TERM
for map in "$@"; do [ -r "$map" ] || fail "no link map $map"; done

# What each map says was linked: "ARCHIVE MEMBER" for archive members, "OBJECT -"
# for object files loaded whole; the programs' own (relative paths) left out.
# Each step writes a file, so that a failed one stops the script.
awk '/^Archive member included/ { inside = 1; next }
     /^(Discarded input sections|Memory Configuration)/ { inside = 0 }
     inside && /^[^ ].*\(.*\)/ { sub(/\).*/, ""); split($0, part, "("); if (part[1] ~ /^\//) print part[1] "\t" part[2] }
     /^LOAD \/.*\.o$/ { sub(/^LOAD /, ""); print $0 "\t-" }' "$@" >"$work/named"
while IFS="$tab" read -r path member; do
    real=$(realpath "$path") || fail "the link maps name $path, which is not there"
    printf '%s\t%s\n' "$real" "$member"
done <"$work/named" >"$work/resolved"
sort -u "$work/resolved" >"$work/linked"
[ -s "$work/linked" ] || fail "the link maps name nothing: $*"

# Sorts each linked file into its origin: freeglut, or the Debian package that installed it.
freeglut_library=$(realpath "$freeglut_library")
: >"$work/freeglut" && : >"$work/mingw-w64" && : >"$work/gcc"
while IFS="$tab" read -r path member; do
    if [ "$path" = "$freeglut_library" ]; then
        printf '%s\t%s\n' "$path" "$member" >>"$work/freeglut"
        continue
    fi
    package=$(dpkg-query -S "$path" 2>/dev/null | sed -n '1s/:.*//p')
    source=$(dpkg-query -W -f '${source:Package}' "$package" 2>/dev/null || true)
    case $source in
    mingw-w64) printf '%s\t%s\t%s\n' "$path" "$member" "$package" >>"$work/mingw-w64" ;;
    gcc-mingw-w64) printf '%s\t%s\t%s\n' "$path" "$member" "$package" >>"$work/gcc" ;;
    *)
        [ "$member" = - ] || path="$path($member)"
        fail "no notice known for $path (package: ${package:-none})"
        ;;
    esac
done <"$work/linked"

# The name a map entry goes by in the notices: archive(member), or the object file.
entry() { if [ "$2" = - ]; then basename "$1"; else printf '%s(%s)\n' "$(basename "$1")" "$2"; fi; }
# A package's name, version and source package, as dpkg knows them.
package_line() { dpkg-query -W -f '${Package} ${Version} (Debian source package ${source:Package} ${source:Version})' "$1"; }
# part NUMBER TITLE [PARTS]: a part's heading, and the Debian package of each
# of PARTS (a file of path, member and package a line).
part() {
    printf '\n\n%s. %s\n\n' "$1" "$2"
    [ -n "${3:-}" ] || return 0
    for package in $(cut -f3 "$3" | sort -u); do
        line=$(package_line "$package") || fail "dpkg-query knows no package $package"
        echo "Source: $line."
    done
}

# Debian's machine-readable copyright file, one record per Files stanza:
# stanza.N.files (its patterns), stanza.N.copyright, stanza.N.license; and
# license.NAME, the text of each licence the file spells out.
split_copyright() {
    awk -v dir="$work" '
        function flush() { if (name != "" && text != "" && !((name) in done)) { done[name] = 1; printf "%s", text > (dir "/license." name) ; close(dir "/license." name) } text = "" }
        /^$/ { flush(); field = ""; files = 0; name = ""; next }
        /^Files:/ { n++; files = 1; field = "files"; sub(/^Files:[ \t]*/, ""); print > (dir "/stanza." n ".files"); next }
        /^Copyright:/ { field = files ? "copyright" : ""; sub(/^Copyright:[ \t]*/, ""); if (files) print > (dir "/stanza." n ".copyright"); next }
        /^License:/ { field = "license"; sub(/^License:[ \t]*/, ""); name = $0; gsub(/[^A-Za-z0-9.+-]/, "_", name); if (files) print name > (dir "/stanza." n ".license"); next }
        /^[A-Za-z-]+:/ { field = ""; next }
        /^[ \t]/ && field == "files" { sub(/^[ \t]+/, ""); print > (dir "/stanza." n ".files"); next }
        /^[ \t]/ && field == "copyright" { sub(/^[ \t]+/, ""); print > (dir "/stanza." n ".copyright"); next }
        /^[ \t]/ && field == "license" { sub(/^ /, ""); if ($0 == ".") $0 = ""; text = text $0 "\n"; next }
        END { flush() }' "$1"
}

# The stanzas whose patterns name a source file (the catch-all "*" only where
# no other does); a file known by its bare name matches patterns ending in it.
stanzas_for() {
    found=""
    for patterns in "$work"/stanza.*.files; do
        stanza=${patterns%.files}
        while read -r pattern; do
            [ "$pattern" != "*" ] || continue
            case $1 in
            */*) case $1 in $pattern) found="$found $stanza" && break ;; esac ;;
            *) case $1 in ${pattern##*/}) [ "${pattern##*/}" = "*" ] || { found="$found $stanza" && break; } ;; esac ;;
            esac
        done <"$patterns"
    done
    [ -n "$found" ] || found=$(grep -lx '\*' "$work"/stanza.*.files | sed 's/\.files$//')
    [ -n "$found" ] || fail "no stanza of mingw-w64's copyright file covers $1"
    echo "$found"
}

# The source file an object was compiled from, as its debugging information
# names it; nothing for an object without that information.
source_of() {
    object=$1
    if [ "$2" != - ]; then
        (cd "$work" && "$ar" x "$1" "$2") || fail "cannot take $2 out of $1"
        object=$work/$2
    fi
    "$objdump" --dwarf=info "$object" >"$work/dwarf" 2>/dev/null || fail "$objdump cannot read $object"
    [ "$2" = - ] || rm -f "$object"
    sed -n 's/.*DW_AT_name *: *(.*): *\(.*\)$/\1/p; s/.*DW_AT_name *: *\([^(].*\)$/\1/p' "$work/dwarf" |
        head -n 1 | sed 's|^\./||'
}

# The comments near a source file's top that speak of copyright: those under
# freeglut's own permission (COPYING) give their copyright lines here; any
# other is a notice of its own, appended whole to OWN_NOTICES.
#   license_comments SOURCE NAME OWN_NOTICES
license_comments() {
    awk -v name="$2" -v own="$3" '
        NR > 80 && !inside { exit }
        !inside && /\/\*/ { inside = 1; block = "" }
        inside { block = block $0 "\n" }
        inside && /\*\// {
            inside = 0
            if (tolower(block) !~ /copyright/) next
            if (block ~ /Permission is hereby granted, free of charge/) {
                n = split(block, line, "\n")
                for (i = 1; i <= n; i++)
                    if (tolower(line[i]) ~ /copyright/ && line[i] ~ /\([cC]\)|[0-9][0-9][0-9][0-9]/ &&
                        line[i] !~ /above copyright/) {
                        sub(/^[ \t\/*]*/, "", line[i])
                        print "    " line[i]
                    }
            } else {
                gsub(/^\/\*|\*\/\n$/, "", block)
                printf "\n--- freeglut: %s, a notice of its own ---\n%s", name, block >> own
            }
        }' "$1"
}

# The text, written to a file by the script's own shell (no pipeline), so
# that a fail inside it ends the script.
{
    printf '%s\n' "$title"
    echo
    echo "velmora.exe and tarnwick.exe are linked statically: besides the programs'"
    echo "own code (MIT licence, LICENSE.txt) each holds parts of the libraries below."
    echo "What is listed is what the linker's map of each program says it took in,"
    echo "grouped by the licence the parts' source files carry, with each licence's"
    echo "text in full as the source or its Debian copyright file gives it."

    # freeglut: the fetched source's own licence.
    tarball=$(ls "$freeglut_source"/freeglut_*.orig.tar.* 2>/dev/null | head -n 1)
    [ -n "$tarball" ] || fail "no upstream tarball of freeglut in $freeglut_source"
    upstream=$(basename "$tarball" | sed 's/^freeglut_\(.*\)\.orig\.tar\..*/\1/')
    debian=$(ls "$freeglut_source"/freeglut_*.dsc "$freeglut_source"/freeglut_*.debian.tar.* 2>/dev/null |
        head -n 1 | sed 's|.*/freeglut_||; s/\.dsc$//; s/\.debian\.tar\..*//')
    [ -f "$freeglut_source/freeglut/COPYING" ] || fail "no COPYING in $freeglut_source/freeglut"
    part 1 "freeglut $upstream"
    echo "Source: Debian source package freeglut ${debian:-$upstream (upstream tarball only)},"
    echo "upstream tarball $(basename "$tarball"),"
    sum=$(sha256sum "$tarball")
    echo "SHA-256 ${sum%% *}."
    echo "Built by the build as a static library; its licence asks that its copyright"
    echo "and permission notice be included in all copies: COPYING, below. Each"
    echo "part's source file names its authors' copyright under that permission;"
    echo "a source file under a notice of its own has it given in full after COPYING."
    echo
    echo "Linked, from libfreeglut_static.a, with the copyright its source file states:"
    : >"$work/freeglut.own"
    while IFS="$tab" read -r path member; do
        file=$(cd "$freeglut_source/freeglut" && find src -name "${member%.obj}" | head -n 1)
        [ -n "$file" ] || fail "no source file of $member in freeglut's source"
        echo "  $(entry "$path" "$member") from $file"
        license_comments "$freeglut_source/freeglut/$file" "$file" "$work/freeglut.own"
    done <"$work/freeglut"
    echo
    echo "--- freeglut: COPYING ---"
    cat "$freeglut_source/freeglut/COPYING"
    cat "$work/freeglut.own"

    # MinGW-w64: Debian's copyright file of the package, stanza by stanza.
    part 2 "MinGW-w64 runtime" "$work/mingw-w64"
    echo "The licence of each part is that of its source file (named by the part's"
    echo "debugging information) in /usr/share/doc/mingw-w64-common/copyright."
    split_copyright /usr/share/doc/mingw-w64-common/copyright
    while IFS="$tab" read -r path member package; do
        name=$(entry "$path" "$member")
        source=$(source_of "$path" "$member")
        lookup=$source
        if [ -z "$source" ]; then
            # dlltool's import stubs carry no debugging information: they come
            # from the .def file of the DLL they import from; one line for them all.
            dll=$(basename "$path" .a | sed 's/^lib//')
            name=$(basename "$path") source="import stubs of $dll.dll" lookup=mingw-w64-crt/lib64/$dll.def
        fi
        cache=$work/cache.$(echo "$lookup" | tr / _)
        [ -f "$cache" ] || stanzas_for "$lookup" >"$cache"
        for stanza in $(cat "$cache"); do printf '%s\t%s\t%s\n' "$(basename "$stanza")" "$name" "$source"; done
    done <"$work/mingw-w64" >"$work/mingw-w64.found"
    sort -u "$work/mingw-w64.found" >"$work/mingw-w64.unique"
    sort -t. -k2,2n -k3 "$work/mingw-w64.unique" >"$work/mingw-w64.parts"
    for stanza in $(cut -f1 "$work/mingw-w64.parts" | uniq); do
        license=$(cat "$work/$stanza.license")
        echo
        echo "Under $license (Copyright: $(paste -sd ';' "$work/$stanza.copyright" | sed 's/;/; /g')):"
        [ "$license" != public-domain ] || echo "(in the public domain: asks for no notice)"
        awk -F '\t' -v s="$stanza" '$1 == s { print "  " $2 " from " $3 }' "$work/mingw-w64.parts"
    done
    # A stanza under "A and B" carries both texts.
    for license in $(for stanza in $(cut -f1 "$work/mingw-w64.parts" | uniq); do cat "$work/$stanza.license"; done |
        sed 's/_and_/\n/g; s/_or_/\n/g' | sort -u); do
        [ -f "$work/license.$license" ] || fail "mingw-w64's copyright file spells out no text of $license"
        echo
        echo "--- MinGW-w64: $license ---"
        cat "$work/license.$license"
    done

    # GCC's runtime libraries: its copyright file and the exception.
    part 3 "GCC runtime libraries" "$work/gcc"
    echo "Under the GNU General Public License, version 3 or later, with version 3.1"
    echo "of the GCC Runtime Library Exception (/usr/share/doc/gcc-mingw-w64-base/copyright)."
    echo "The exception lets a program compiled by GCC carry these parts under terms of"
    echo "its own choice: it asks for no notice. They are listed for completeness."
    echo
    while IFS="$tab" read -r path member package; do echo "  $(entry "$path" "$member")"; done <"$work/gcc"
    echo
    echo "--- GCC Runtime Library Exception ---"
    # From its title to the end of its last section, "2.", a heading and a paragraph.
    awk '/^GCC RUNTIME LIBRARY EXCEPTION$/ { on = 1 } on && /^2\. / { last = 1 } last && /^$/ && ++blank == 2 { exit } on { print }' \
        /usr/share/doc/gcc-mingw-w64-base/copyright >"$work/exception"
    [ -s "$work/exception" ] || fail "no GCC Runtime Library Exception in gcc-mingw-w64-base's copyright file"
    cat "$work/exception"
} >"$work/text"
[ -s "$work/gcc" ] || [ -s "$work/mingw-w64" ] || fail "the link maps name no runtime library"
# Windows line endings; moved into place whole, beside OUTPUT first so that the move is one step.
partial=$(mktemp "$output.XXXXXX")
sed 's/\r$//; s/$/\r/' "$work/text" >"$partial"
chmod 644 "$partial"
mv "$partial" "$output"
partial=""
