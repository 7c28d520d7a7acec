# cmake -DOBJDUMP=... -DEXE=... -P CheckLinkedLibraries.cmake: the console runner loads Qt's core and none of its
# GUI libraries (it must run where no display and no GUI plug-in is available).
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE headers RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} could not read ${EXE}")
endif()
if(NOT headers MATCHES "Qt5Core")
    message(FATAL_ERROR "no Qt5Core among the libraries of ${EXE}: the check reads the wrong headers")
endif()
if(headers MATCHES "Qt5(Widgets|Gui)")
    message(FATAL_ERROR "${EXE} loads ${CMAKE_MATCH_0}")
endif()
