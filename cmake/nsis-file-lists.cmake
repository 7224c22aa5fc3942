# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The installer's two lists of what it installs, from the folder it installs:
# INSTALL_LIST, NSIS's SetOutPath and File lines in sorted order (the same
# installer whatever order the file system gives), and UNINSTALL_LIST, the
# Delete and RMDir lines that take exactly those files and folders away.
#   cmake -DFOLDER=path -DINSTALL_LIST=path -DUNINSTALL_LIST=path -P nsis-file-lists.cmake
file(GLOB_RECURSE files LIST_DIRECTORIES true RELATIVE ${FOLDER} ${FOLDER}/*)
list(SORT files)
# A file's folder is taken before its name turns Windows': CMake reads a
# backslash as a separator and gives the folder back with slashes.
set(install "")
set(uninstall "")
set(folders "")
set(out_path "")
foreach(file ${files})
  string(REPLACE "/" "\\" windows_name "${file}")
  if(IS_DIRECTORY ${FOLDER}/${file})
    list(PREPEND folders "RMDir \"$INSTDIR\\${windows_name}\"\n")
  else()
    get_filename_component(parent "${file}" DIRECTORY)
    string(REPLACE "/" "\\" parent "$INSTDIR\\${parent}")
    string(REGEX REPLACE "\\\\$" "" parent "${parent}")
    if(NOT parent STREQUAL out_path)
      string(APPEND install "SetOutPath \"${parent}\"\n")
      set(out_path "${parent}")
    endif()
    string(APPEND install "File \"${FOLDER}/${file}\"\n")
    string(APPEND uninstall "Delete \"$INSTDIR\\${windows_name}\"\n")
  endif()
endforeach()
string(REPLACE ";" "" folders "${folders}")
file(WRITE ${INSTALL_LIST} "${install}")
file(WRITE ${UNINSTALL_LIST} "${uninstall}${folders}")
