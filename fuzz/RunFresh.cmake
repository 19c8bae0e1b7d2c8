# Runs the fuzzer on a corpus folder emptied first, so that the inputs a run
# adds (up to 1 MB each) do not pile up from one test pass to the next.
#   cmake -DFUZZER=... -DWORK=... -P RunFresh.cmake -- <fuzzer arguments>
set(arguments "")
set(collect OFF)
foreach(i RANGE 0 ${CMAKE_ARGC})
  if(collect)
    list(APPEND arguments "${CMAKE_ARGV${i}}")
  elseif("${CMAKE_ARGV${i}}" STREQUAL "--")
    set(collect ON)
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${FUZZER} ${WORK} ${arguments} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result})")
endif()
