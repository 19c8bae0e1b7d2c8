# Runs mirevoctl twice on the same fresh mice, once with a named form and once with
# its numeric form, and requires the mice to keep exactly the same thing: the named
# form sends the same bytes. Each form starts from its own empty mice and store.
#   -DEXE=path [-DEMULATOR=wine-run] [-DLIBDIR=folder] -DSCENARIO=text -DWORK=folder -DWORK_ARG=folder
#   -DNAMED=a|b -DNUMERIC=a|b [-DSETUP=a|b] [-DOPTIONS=a|b]
#   WORK is where the memory files and stores live; WORK_ARG is the same folder as
#   the program sees it (Wine's Z: drive). SETUP runs first in both (a macro to
#   upload, a function to restore; a status read by default); the form must change
#   what the mice keep.
if(DEFINED LIBDIR)
  set(ENV{LD_LIBRARY_PATH} "${LIBDIR}")
endif()
set(ENV{MIREVO_SIM_SCENARIO} "inline:${SCENARIO}")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
string(REPLACE "|" ";" options "${OPTIONS}")
# Without a setup of its own a form starts from the mice as a status read leaves them.
if(NOT DEFINED SETUP)
  set(SETUP status)
endif()

function(run_form form words out_var)
  set(memory "${WORK}/${form}.memory")
  set(ENV{MIREVO_SIM_MEMORY} "${memory}")
  file(MAKE_DIRECTORY "${WORK}/${form}")
  set(data --data "${WORK_ARG}/${form}")
  string(REPLACE "|" ";" setup "${SETUP}")
  execute_process(COMMAND ${EMULATOR} ${EXE} ${data} ${options} ${setup}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
  if(NOT code STREQUAL "0")
    message(FATAL_ERROR "${form}: the setup run ended with exit code ${code}: ${out}${err}")
  endif()
  file(READ "${memory}" before)
  string(REPLACE "|" ";" args "${words}")
  execute_process(COMMAND ${EMULATOR} ${EXE} ${data} ${options} ${args}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
  message("${form}: ${out}${err}")
  if(NOT code STREQUAL "0")
    message(FATAL_ERROR "${form} form ended with exit code ${code}")
  endif()
  file(READ "${memory}" after)
  if(after STREQUAL before)
    message(FATAL_ERROR "${form} form left the mice as they were")
  endif()
  set(${out_var} "${after}" PARENT_SCOPE)
endfunction()

run_form(numeric "${NUMERIC}" numeric_memory)
run_form(named "${NAMED}" named_memory)
if(NOT named_memory STREQUAL numeric_memory)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/numeric.memory" "${WORK}/named.memory")
  message(FATAL_ERROR "the named form left the mice with other bytes than the numeric form:\n"
    "numeric:\n${numeric_memory}\nnamed:\n${named_memory}")
endif()
