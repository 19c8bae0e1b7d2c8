# Dependencies: fetched and checked by scripts/setup into third_party/, or Debian's packages.

set(MIREVO_THIRD_PARTY ${PROJECT_SOURCE_DIR}/third_party)
foreach(dep sqlite hidapi)
  if(NOT EXISTS ${MIREVO_THIRD_PARTY}/${dep}/.pinned)
    message(FATAL_ERROR "third_party/${dep} is missing: run scripts/setup first")
  endif()
endforeach()

# SQLite amalgamation, built once per tree as a static library for both builds.
add_library(sqlite3 STATIC ${MIREVO_THIRD_PARTY}/sqlite/sqlite3.c)
target_include_directories(sqlite3 SYSTEM PUBLIC ${MIREVO_THIRD_PARTY}/sqlite)
target_compile_definitions(sqlite3 PRIVATE
  SQLITE_THREADSAFE=1 SQLITE_DEFAULT_MEMSTATUS=0 SQLITE_OMIT_LOAD_EXTENSION SQLITE_DQS=0)
set_target_properties(sqlite3 PROPERTIES POSITION_INDEPENDENT_CODE ON)
if(NOT WIN32)
  find_package(Threads REQUIRED)
  target_link_libraries(sqlite3 PUBLIC Threads::Threads ${CMAKE_DL_LIBS} m)
endif()

# hidapi: only the public header is shared; the Windows back end becomes hidapi.dll,
# which the programs load from beside them so the virtual mouse can stand in for it.
add_library(hidapi_headers INTERFACE)
target_include_directories(hidapi_headers SYSTEM INTERFACE ${MIREVO_THIRD_PARTY}/hidapi/hidapi)

if(WIN32)
  add_library(hidapi SHARED ${MIREVO_THIRD_PARTY}/hidapi/windows/hid.c)
  target_include_directories(hidapi SYSTEM PUBLIC ${MIREVO_THIRD_PARTY}/hidapi/hidapi ${MIREVO_THIRD_PARTY}/hidapi/windows)
  target_compile_definitions(hidapi PRIVATE HID_API_EXPORTS)
  set_target_properties(hidapi PROPERTIES PREFIX "" OUTPUT_NAME hidapi)
  mirevo_ship_without_debug_info(hidapi)
else()
  # Debian's hidapi (hidraw back end) for running the native tools with real mice.
  find_library(HIDAPI_HIDRAW_LIB NAMES hidapi-hidraw)
endif()

# GoogleTest from Debian's source package, built for each tree.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
if(NOT TARGET GTest::gtest_main)
  add_library(GTest::gtest_main ALIAS gtest_main)
  add_library(GTest::gtest ALIAS gtest)
endif()

# The mingw runtime ships beside the programs (not linked statically into both the exe and the DLL).
# MIREVO_RUNTIME_DLLS names the files taken, for their licence notices (cmake/Shipping.cmake).
set(MIREVO_RUNTIME_DLLS)
if(WIN32)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT EXISTS "${dll_path}")
      message(FATAL_ERROR "mingw runtime ${dll} not found")
    endif()
    file(REAL_PATH "${dll_path}" dll_path)
    file(COPY ${dll_path} DESTINATION ${MIREVO_DIST_DIR})
    # Debian's runtime carries its debug information (libstdc++ is 24 MB with it, 4 without).
    execute_process(COMMAND ${CMAKE_STRIP} --strip-debug ${MIREVO_DIST_DIR}/${dll} RESULT_VARIABLE strip_failed)
    if(strip_failed)
      message(FATAL_ERROR "could not strip the mingw runtime ${dll} in ${MIREVO_DIST_DIR}")
    endif()
    list(APPEND MIREVO_RUNTIME_DLLS ${dll_path})
  endforeach()
endif()
