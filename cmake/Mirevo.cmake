# Build settings shared by every target of the project.

option(MIREVO_SANITIZE "Build our code with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(MIREVO_WERROR "Treat warnings in our own code as errors" OFF)

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_C_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
set(MIREVO_DIST_DIR ${CMAKE_BINARY_DIR}/bin)

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

# One test executable is one ctest entry, so that Wine starts once per executable.
# mirevo_add_test(name SOURCES ... LIBS ... [ENV VAR=value ...] [DISPLAY])
function(mirevo_add_test name)
  cmake_parse_arguments(T "DISPLAY" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  mirevo_target(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE MIREVO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set(env "MIREVO_SOURCE_DIR=${PROJECT_SOURCE_DIR}" ${T_ENV})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  if(T_DISPLAY)
    set_tests_properties(${name} PROPERTIES LABELS display)
  endif()
endfunction()
