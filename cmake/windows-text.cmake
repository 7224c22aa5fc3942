# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# A text of the Windows downloads as Windows keeps them (CRLF), its
# @PROJECT_VERSION@ filled in; for a text the build makes, such as a
# translated README.txt.
#   cmake -DIN=... -DOUT=... -DPROJECT_VERSION=... -P windows-text.cmake
configure_file(${IN} ${OUT} @ONLY NEWLINE_STYLE CRLF)
