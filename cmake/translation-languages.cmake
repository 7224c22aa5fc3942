# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# What every part that carries the translations reads (po/, docs/,
# packaging/windows/), set once before any of them, so the order in which
# they are added does not matter: TRANSLATED_LANGUAGES, the languages built
# (VELMORA_LANGUAGES, each of po/LINGUAS; empty: all of them), and
# TRANSLATIONS_DIR, the build's folder where po/ puts what it makes; and
# MANUAL_PAGE_LANGUAGES, those of them that get manual pages.
set(VELMORA_LANGUAGES "" CACHE STRING "The languages to build, of po/LINGUAS (a list; empty: all of them)")
file(STRINGS ${PROJECT_SOURCE_DIR}/po/LINGUAS ALL_TRANSLATED_LANGUAGES REGEX "^[^#]")
set(TRANSLATED_LANGUAGES ${VELMORA_LANGUAGES})
if(NOT TRANSLATED_LANGUAGES)
  set(TRANSLATED_LANGUAGES ${ALL_TRANSLATED_LANGUAGES})
endif()
foreach(language ${TRANSLATED_LANGUAGES})
  if(NOT language IN_LIST ALL_TRANSLATED_LANGUAGES)
    message(FATAL_ERROR "VELMORA_LANGUAGES names ${language}, which po/LINGUAS does not list")
  endif()
endforeach()
set(TRANSLATIONS_DIR ${PROJECT_BINARY_DIR}/translations)
# Manual pages come in every language but those a terminal does not show
# legibly through man: Devanagari's vowel signs and virama are lost in
# xterm and in man's plain text (col), so प्रकाशित reads परकाशित, and groff
# counts each sign as a column, so the lines come out ragged. man shows a
# Hindi reader the English page instead.
set(MANUAL_PAGE_LANGUAGES ${TRANSLATED_LANGUAGES})
list(REMOVE_ITEM MANUAL_PAGE_LANGUAGES hi)
