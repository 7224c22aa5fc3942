# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Run by CPack before it packages (CPACK_PRE_BUILD_SCRIPTS): strips the staged
# programs as Debian's dh_strip does, symbols and debug information, and with
# them the compiler's .comment and the .note section, which no one reads at
# run time.
file(GLOB programs ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*)
foreach(program ${programs})
  execute_process(COMMAND ${CPACK_STRIP_PROGRAM} --remove-section=.comment --remove-section=.note ${program}
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
