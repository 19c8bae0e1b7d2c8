# The shipped folder, dist/: exactly what an installer packages.
#   programs   placed here by name below; every other program builds in tests-bin/
#   assets     config.xml, device/, language/, skins/ (assets/CMakeLists.txt)
#   runtime    the mingw runtime DLLs (cmake/ThirdParty.cmake)
#   licenses/  the notice of everything above, and the project's own licence
# The test shipped_folder lists dist/ and fails on anything missing or not named here.
# Included by the top-level list after every target exists.

# mirevoctl ships as the command-line companion of the program.
set(shipped_programs mirevoctl)
if(WIN32)
  list(APPEND shipped_programs Mirevo Kelvo hidapi)
endif()
set(shipped_entries config.xml device language skins licenses)
foreach(program ${shipped_programs})
  if(NOT TARGET ${program})
    message(FATAL_ERROR "the shipped program ${program} is not built by this tree")
  endif()
  set_target_properties(${program} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${MIREVO_DIST_DIR} LIBRARY_OUTPUT_DIRECTORY ${MIREVO_DIST_DIR})
  list(APPEND shipped_entries $<TARGET_FILE_NAME:${program}>)
endforeach()

# The Windows programs ship without their debug information, which is kept apart
# (mirevo_ship_without_debug_info in cmake/Mirevo.cmake); the mingw runtime copied into
# dist/ is stripped alike (cmake/ThirdParty.cmake).
if(WIN32)
  foreach(dll ${MIREVO_RUNTIME_DLLS})
    get_filename_component(name ${dll} NAME)
    list(APPEND shipped_entries ${name})
  endforeach()
endif()

# A copy of a shipped program left in tests-bin/ by an earlier layout of the tree would
# be loaded by the tests beside it in place of the one in dist/; none is kept there.
foreach(program ${shipped_programs})
  get_target_property(name ${program} OUTPUT_NAME)
  if(NOT name)
    set(name ${program})
  endif()
  file(GLOB stale ${MIREVO_TESTS_BIN}/${name} ${MIREVO_TESTS_BIN}/${name}.* ${MIREVO_TESTS_BIN}/lib${name}.*)
  foreach(file ${stale})
    message(STATUS "Removing ${file}: a shipped program lives in dist/ only")
    file(REMOVE ${file})
  endforeach()
endforeach()

# The Debian package's copyright file for a file it installed: the notice that must
# travel with anything built from or copied out of that file.
function(mirevo_debian_notice file out_var)
  file(REAL_PATH "${file}" real)
  execute_process(COMMAND dpkg-query -S "${real}" OUTPUT_VARIABLE owner RESULT_VARIABLE failed ERROR_QUIET)
  # "package[:arch][, other]: path"; the first package that installed it has the notice.
  string(REGEX MATCH "^[^:, ]+" package "${owner}")
  set(copyright /usr/share/doc/${package}/copyright)
  if(failed OR package STREQUAL "" OR NOT EXISTS ${copyright})
    message(FATAL_ERROR "cannot find the licence of ${real}: it must ship beside it, and no Debian package's "
                        "copyright file was found for it")
  endif()
  set(${out_var} ${copyright} PARENT_SCOPE)
endfunction()

# Each notice: its name in licenses/, where it comes from, and a phrase it must hold.
set(notices
  "Mirevo.txt|${PROJECT_SOURCE_DIR}/LICENSE|Permission is hereby granted"
  "SQLite.txt|${PROJECT_SOURCE_DIR}/assets/licenses/SQLite.txt|public domain")
if(WIN32)
  # Kelvo.dll carries the Open Sans faces, licensed under Apache 2.0.
  mirevo_debian_notice(${KELVO_FONT_DIR}/OpenSans-Regular.ttf open_sans_notice)
  # The C++ runtime, libgcc and winpthreads ship as DLLs; the mingw-w64 start-up code
  # is in every program. Their packages' copyright files hold the licences, with the
  # GCC Runtime Library Exception.
  foreach(dll ${MIREVO_RUNTIME_DLLS})
    get_filename_component(name ${dll} NAME)
    if(name MATCHES "^libwinpthread")
      mirevo_debian_notice(${dll} mingw_notice)
    else()
      mirevo_debian_notice(${dll} gcc_notice)
    endif()
  endforeach()
  list(APPEND notices
    "OpenSans.txt|${open_sans_notice}|Open Sans"
    "Apache-2.0.txt|/usr/share/common-licenses/Apache-2.0|Apache License"
    "hidapi.txt|${MIREVO_THIRD_PARTY}/hidapi/LICENSE.txt|HIDAPI can be used under one of three licenses"
    "hidapi-bsd.txt|${MIREVO_THIRD_PARTY}/hidapi/LICENSE-bsd.txt|Alan Ott"
    "gcc-runtime.txt|${gcc_notice}|GCC RUNTIME LIBRARY EXCEPTION"
    "mingw-w64-runtime.txt|${mingw_notice}|winpthreads")
endif()

set(notice_files)
set(notice_checks)
foreach(notice ${notices})
  string(REPLACE "|" ";" fields "${notice}")
  list(GET fields 0 name)
  list(GET fields 1 source)
  list(GET fields 2 phrase)
  if(NOT EXISTS ${source})
    message(FATAL_ERROR "the licence notice ${name} is missing: ${source} does not exist")
  endif()
  set(target_file ${MIREVO_DIST_DIR}/licenses/${name})
  add_custom_command(OUTPUT ${target_file}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${target_file}
    DEPENDS ${source}
    COMMENT "Shipping the licence notice ${name}")
  list(APPEND notice_files ${target_file})
  list(APPEND notice_checks "${name}=${phrase}")
endforeach()
add_custom_target(mirevo_licenses ALL DEPENDS ${notice_files})

string(REPLACE ";" "|" entries_arg "${shipped_entries}")
string(REPLACE ";" "|" notices_arg "${notice_checks}")
add_test(NAME shipped_folder COMMAND ${CMAKE_COMMAND}
  -DDIST=${MIREVO_DIST_DIR} "-DENTRIES=${entries_arg}" "-DNOTICES=${notices_arg}"
  -P ${PROJECT_SOURCE_DIR}/cmake/CheckShippedFolder.cmake)
