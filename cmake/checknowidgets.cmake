cmake_minimum_required(VERSION 3.25)

# Fails when one of PROGRAMS (a list of executables) is linked against Qt Widgets: the command-line
# tool and the companion programs run where no window can open. Run with
# `cmake "-DPROGRAMS=a;b" -P checknowidgets.cmake`.
foreach(program ${PROGRAMS})
  execute_process(COMMAND ldd ${program} OUTPUT_VARIABLE libraries RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "ldd could not read ${program}")
  endif()
  if(libraries MATCHES "libQt6Widgets")
    message(FATAL_ERROR "${program} links Qt Widgets")
  endif()
  message(STATUS "${program}: no Qt Widgets")
endforeach()
