# The Windows build with Qt, run under Wine: where the DLLs live that the programs need (Qt's, OpenSSL's and the
# toolchain's runtime), and an emulator that finds them without a deployed folder.

# Qt's prefix: the folder above lib/cmake/Qt5.
get_filename_component(SKV_QT_PREFIX "${Qt5_DIR}/../../.." ABSOLUTE)
set(SKV_QT_PREFIX ${SKV_QT_PREFIX} CACHE INTERNAL "Qt for Windows")

# The toolchain's runtime DLLs, as Qt's DLLs were linked against them (i686 unwinds with DWARF-2, x86_64 with SEH).
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(libgcc libgcc_s_dw2-1.dll)
else()
    set(libgcc libgcc_s_seh-1.dll)
endif()
set(SKV_MINGW_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll ${libgcc} libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE path
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "The toolchain's ${dll} was not found")
    endif()
    list(APPEND SKV_MINGW_RUNTIME_DLLS ${path})
endforeach()
set(SKV_MINGW_RUNTIME_DLLS ${SKV_MINGW_RUNTIME_DLLS} CACHE INTERNAL "The toolchain's runtime DLLs")

set(dll_dirs ${SKV_QT_PREFIX}/bin)
foreach(dll IN LISTS SKV_MINGW_RUNTIME_DLLS)
    get_filename_component(dir ${dll} DIRECTORY)
    list(APPEND dll_dirs ${dir})
endforeach()
list(REMOVE_DUPLICATES dll_dirs)
string(REPLACE ";" ":" SKV_WINE_DLL_DIRS "${dll_dirs}")

# The plug-ins of this build (our WebP image format).
set(SKV_PLUGIN_DIR ${CMAKE_BINARY_DIR}/plugins)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run-qt.sh.in ${CMAKE_BINARY_DIR}/wine-run-qt.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run-qt.sh)
