# Build settings shared by every target of the project.

option(MIREVO_SANITIZE "Build our code with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(MIREVO_WERROR "Treat warnings in our own code as errors" OFF)

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_C_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

# Output folders. dist/ is exactly what an installer packages: the shipped programs
# are placed there by name (cmake/Shipping.cmake) and a test fails on anything else.
# Every other program (tests, benchmarks, fuzzers) lands in tests-bin/ by default, so
# nothing reaches the shipped folder by accident.
set(MIREVO_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(MIREVO_TESTS_BIN ${CMAKE_BINARY_DIR}/tests-bin)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${MIREVO_TESTS_BIN})
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${MIREVO_TESTS_BIN})
set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)

# Where a test program finds the source and build trees (tests/support/TestPaths.h). They
# reach the tests through the environment, never as constants compiled into test objects,
# so that a clone in another folder compiles to the same objects and reuses the cache.
set(MIREVO_TEST_PATHS_ENV "MIREVO_SOURCE_DIR=${PROJECT_SOURCE_DIR}" "MIREVO_BUILD_DIR=${CMAKE_BINARY_DIR}")

# Debug information names source files relative to the tree instead of by the clone's
# absolute path; with ccache's base_dir (set by our scripts) this lets a clone in another
# folder hit the cache, which otherwise hashes the build folder into every -g compile.
add_compile_options(-fdebug-prefix-map=${PROJECT_SOURCE_DIR}=.)

# CI=true turns every "tool not found, tests dropped" into an error that names the tool.
if("$ENV{CI}" STREQUAL "true")
  set(MIREVO_CI ON)
else()
  set(MIREVO_CI OFF)
endif()

if(MIREVO_SANITIZE)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  add_compile_definitions(_WIN32_WINNT=0x0A00 WINVER=0x0A00)
endif()

# Applies the project's warning level (and the sanitizers in the host build) to one of our targets.
function(mirevo_target target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual
    -Wnull-dereference -Wformat=2 -Wimplicit-fallthrough)
  if(MIREVO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(MIREVO_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  endif()
  target_compile_features(${target} PUBLIC cxx_std_20)
  if(WIN32)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
  endif()
endfunction()

# A shipped Windows program leaves its debug information in symbols/NAME.debug and ships
# without it (Mirevo.exe is 44 MB with it, under 3 MB without). A user's crash address is
# read with: x86_64-w64-mingw32-addr2line -e build/win/symbols/Mirevo.exe.debug 0x...
# Called in the folder that creates the target, as a post-build step must be.
set(MIREVO_SYMBOLS_DIR ${CMAKE_BINARY_DIR}/symbols)
function(mirevo_ship_without_debug_info target)
  if(NOT WIN32)
    return()
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MIREVO_SYMBOLS_DIR}
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> ${MIREVO_SYMBOLS_DIR}/$<TARGET_FILE_NAME:${target}>.debug
    COMMAND ${CMAKE_STRIP} --strip-debug $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()

# One test executable is one ctest entry, so that Wine starts once per executable.
# It links the project's test main (tests/support): a run in which no test ran fails.
# mirevo_add_test(name SOURCES ... LIBS ... [ENV VAR=value ...] [DISPLAY])
function(mirevo_add_test name)
  cmake_parse_arguments(T "DISPLAY" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  mirevo_target(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${MIREVO_TESTS_BIN})
  target_link_libraries(${name} PRIVATE ${T_LIBS} mirevo_test_main)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set(env ${MIREVO_TEST_PATHS_ENV} ${T_ENV})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  if(T_DISPLAY)
    # Tests with windows share one X display and its one pointer: a window that opens
    # under another test's real input takes its hover and its clicks, so they take the
    # desktop in turn.
    set_tests_properties(${name} PROPERTIES LABELS display RESOURCE_LOCK desktop_input)
  endif()
endfunction()

# A tool that some tests need is missing. Under CI=true that fails the configuration
# with the tool's name; elsewhere a test entry stands in for the dropped tests and is
# reported as skipped with the reason, so the gap shows in every summary.
# mirevo_missing_tool(tool "what it is needed for")
function(mirevo_missing_tool tool why)
  if(MIREVO_CI)
    message(FATAL_ERROR "CI=true and the required tool '${tool}' is missing: it is needed for ${why}")
  endif()
  message(WARNING "'${tool}' is missing: ${why} will not run")
  string(MAKE_C_IDENTIFIER "${tool}" id)
  add_test(NAME missing_tool_${id}
    COMMAND ${CMAKE_COMMAND} -E echo "mirevo-skip: missing_tool_${id}: '${tool}' is not installed, so ${why} did not run")
  # cmake -E echo cannot exit with the skip code; the regex turns its output into one.
  set_tests_properties(missing_tool_${id} PROPERTIES SKIP_REGULAR_EXPRESSION "mirevo-skip:")
endfunction()

# Gives a Windows program its application manifest (resource 1 of type RT_MANIFEST):
# common controls 6, per-monitor DPI awareness, Windows 10/11, run as the invoker.
# mirevo_add_manifest(target "description")
function(mirevo_add_manifest target description)
  set(MANIFEST_NAME ${target})
  set(MANIFEST_DESCRIPTION "${description}")
  get_target_property(MANIFEST_FILE ${target} OUTPUT_NAME)
  if(NOT MANIFEST_FILE)
    set(MANIFEST_FILE ${target})
  endif()
  set(MANIFEST_FILE ${MANIFEST_FILE}${CMAKE_EXECUTABLE_SUFFIX})
  set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/app.manifest.in ${manifest} @ONLY)
  file(WRITE ${rc}.in "// The application manifest of ${MANIFEST_FILE}.\n1 24 \"${manifest}\"\n")
  configure_file(${rc}.in ${rc} COPYONLY)
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${manifest})
  target_sources(${target} PRIVATE ${rc})
endfunction()
