#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# A translated manual page as Debian ships it: compressed with gzip -9n, and
# first the coding line that tells preconv (man-db, groff -k) it is UTF-8,
# whatever the reader's locale. groff breaks lines only at spaces, which
# Chinese and Japanese do not have, so a break point (\:) follows each of
# their characters but where the language's rules forbid a break: before a
# closing mark or a small kana, after an opening mark.
#   usage: man-page.sh PAGE OUTPUT.gz
set -eu
[ $# -eq 2 ] || { echo "usage: man-page.sh PAGE OUTPUT.gz" >&2; exit 2; }
python3 - "$1" "$2.page" <<'PY'
import re
import sys

wide = "\u3000-\u9fff\uff00-\uffef"
no_line_start = "、。，．・：；？！）」』】〕〉》”’ーぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ々"
no_line_end = "（「『【〔〈《“‘"
breakable = re.compile(f"([{wide}])(?=[^{re.escape(no_line_start)}\n])")
with open(sys.argv[1], encoding="utf-8") as source:
    lines = source.read().split("\n")
with open(sys.argv[2], "w", encoding="utf-8") as page:
    page.write(".\\\" -*- coding: UTF-8 -*-\n")
    for line in lines[:-1] if lines[-1] == "" else lines:
        if not line.startswith((".TH", ".\\\"")):
            line = breakable.sub(lambda m: m.group(1) if m.group(1) in no_line_end else m.group(1) + "\\:", line)
        page.write(line + "\n")
PY
gzip -9n <"$2.page" >"$2.new"
rm -f "$2.page"
mv "$2.new" "$2"
