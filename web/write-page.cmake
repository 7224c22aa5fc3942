# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# One page from the template and the program's script:
#   cmake -DPROGRAM=name -DTEMPLATE=page.html.in -DSCRIPT=name.js -DPAGE=name.html -P write-page.cmake
# Emscripten's own page writer needs Debian's HTML minifier, which fails.
file(READ ${SCRIPT} PROGRAM_SCRIPT)
# A script inside the page ends at the first "</script": none may be in it.
string(FIND "${PROGRAM_SCRIPT}" "</script" end)
if(NOT end EQUAL -1)
  message(FATAL_ERROR "${SCRIPT} holds </script and cannot go into a page")
endif()
configure_file(${TEMPLATE} ${PAGE} @ONLY)
