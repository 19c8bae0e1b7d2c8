# Makes the installer and the portable zip from the shipped folder.
# cmake -DDIST=... -DVERSION=... -DOUT_DIR=... -DWORK_DIR=... -DMAKENSIS=... -DNSI=... -DICON=...
#       -P MakePackages.cmake
# Both hold exactly what DIST holds: its files are listed once here and the installer,
# its uninstaller and the zip all follow that list.

cmake_minimum_required(VERSION 3.25)

foreach(var DIST VERSION OUT_DIR WORK_DIR MAKENSIS NSI ICON)
  if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
    message(FATAL_ERROR "MakePackages.cmake: ${var} is not set")
  endif()
endforeach()

file(GLOB_RECURSE files RELATIVE ${DIST} LIST_DIRECTORIES false ${DIST}/*)
file(GLOB_RECURSE entries RELATIVE ${DIST} LIST_DIRECTORIES true ${DIST}/*)
if(NOT "Mirevo.exe" IN_LIST files)
  message(FATAL_ERROR "${DIST} holds no Mirevo.exe: build the shipped programs first")
endif()
set(folders ${entries})
list(REMOVE_ITEM folders ${files})

# The uninstaller removes these files, then the folders deepest first, each only once
# empty, so nothing the user put beside the program is lost.
set(lines)
foreach(file ${files})
  string(REPLACE "/" "\\" file "${file}")
  list(APPEND lines "Delete \"$INSTDIR\\${file}\"")
endforeach()
list(SORT folders ORDER DESCENDING)
foreach(folder ${folders})
  string(REPLACE "/" "\\" folder "${folder}")
  list(APPEND lines "RMDir \"$INSTDIR\\${folder}\"")
endforeach()
file(MAKE_DIRECTORY ${WORK_DIR} ${OUT_DIR})
set(uninstall_list ${WORK_DIR}/uninstall-files.nsh)
list(JOIN lines "\n" text)
file(WRITE ${uninstall_list} "${text}\n")

set(setup ${OUT_DIR}/Mirevo-${VERSION}-setup.exe)
execute_process(
  COMMAND ${MAKENSIS} -V2 -NOCD
    -DVERSION=${VERSION} -DDIST=${DIST} -DOUTFILE=${setup}
    -DUNINSTALL_LIST=${uninstall_list} -DICON=${ICON} ${NSI}
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "makensis could not make ${setup}")
endif()

# The zip unpacks into one folder named after the version, so it never spills its files
# into the folder it is unpacked in.
set(top Mirevo-${VERSION})
set(stage ${WORK_DIR}/portable)
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage}/${top})
file(COPY ${DIST}/ DESTINATION ${stage}/${top})
set(zip ${OUT_DIR}/Mirevo-${VERSION}-portable.zip)
file(REMOVE ${zip})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip -- ${top}
  WORKING_DIRECTORY ${stage} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "could not make ${zip}")
endif()
file(REMOVE_RECURSE ${stage})
