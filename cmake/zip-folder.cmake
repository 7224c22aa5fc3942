# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Zips a folder as the same bytes whatever the file system and the clock:
# its files in sorted order, each with the time TIME, without zip's extra
# fields (owner, access and change times), in UTC.
#   cmake -DFOLDER=name -DZIP=path -DTIME="YYYY-MM-DD hh:mm:ss UTC" -P zip-folder.cmake
# run in the folder's parent.
file(GLOB_RECURSE files LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${FOLDER}/*)
list(SORT files)
execute_process(COMMAND touch --date=${TIME} ${FOLDER} ${files} COMMAND_ERROR_IS_FATAL ANY)
set(regular "")
foreach(file ${files})
  if(NOT IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${file})
    string(APPEND regular "${file}\n")
  endif()
endforeach()
file(WRITE ${ZIP}.list "${regular}")
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC zip -X -q ${ZIP} -@ INPUT_FILE ${ZIP}.list COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${ZIP}.list)
