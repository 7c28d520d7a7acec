# orv_platform_sources(OUT module...) appends, for each module, "<module>.cpp" when it exists and the platform
# twin "<module>_win.cpp" or "<module>_unix.cpp".
function(orv_platform_sources out)
    set(files ${${out}})
    foreach(module IN LISTS ARGN)
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${module}.cpp)
            list(APPEND files ${module}.cpp)
        endif()
        list(APPEND files ${module}${ORV_PLATFORM_SUFFIX}.cpp)
    endforeach()
    set(${out} ${files} PARENT_SCOPE)
endfunction()
