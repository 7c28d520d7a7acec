# Lays out what a Windows user gets, in one folder and one .zip: the executables, the Qt, OpenSSL and toolchain
# runtime DLLs, the plug-ins and the data folder. Run by the "deploy" target with:
#   -DOUT=<folder> -DZIP=<zip file> -DQT_PREFIX=<Qt for Windows> -DPLUGINS=<this build's plug-ins>
#   -DEXECUTABLES=<exe;...> -DRUNTIME_DLLS=<dll;...> -DDATA=<data folder> -DSTRIP=<the toolchain's strip>
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})

file(COPY ${EXECUTABLES} ${RUNTIME_DLLS} DESTINATION ${OUT})
# A user gets no debugging symbols: the toolchain's runtime DLLs carry some 20 MB of them.
foreach(file IN LISTS EXECUTABLES RUNTIME_DLLS)
    get_filename_component(name ${file} NAME)
    execute_process(COMMAND ${STRIP} --strip-unneeded ${OUT}/${name} RESULT_VARIABLE stripped)
    if(NOT stripped EQUAL 0)
        message(FATAL_ERROR "${name} could not be stripped")
    endif()
endforeach()
foreach(module Core Gui Widgets Network Xml Svg)
    file(COPY ${QT_PREFIX}/bin/Qt5${module}.dll DESTINATION ${OUT})
endforeach()
file(GLOB openssl_dlls ${QT_PREFIX}/bin/libssl-*.dll ${QT_PREFIX}/bin/libcrypto-*.dll)
if(NOT openssl_dlls)
    message(FATAL_ERROR "OpenSSL's DLLs are missing from ${QT_PREFIX}/bin")
endif()
file(COPY ${openssl_dlls} DESTINATION ${OUT})

# The windows platform for the window (the console runner uses no platform); images, icons and the native style.
set(plugins
    platforms/qwindows.dll
    imageformats/qsvg.dll
    imageformats/qico.dll
    imageformats/qjpeg.dll
    imageformats/qgif.dll
    iconengines/qsvgicon.dll
    styles/qwindowsvistastyle.dll)
foreach(plugin IN LISTS plugins)
    get_filename_component(folder ${plugin} DIRECTORY)
    file(COPY ${QT_PREFIX}/plugins/${plugin} DESTINATION ${OUT}/${folder})
endforeach()
file(COPY ${PLUGINS}/imageformats/qskvwebp.dll DESTINATION ${OUT}/imageformats)
file(COPY ${DATA} DESTINATION ${OUT})

get_filename_component(parent ${OUT} DIRECTORY)
get_filename_component(name ${OUT} NAME)
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${name} WORKING_DIRECTORY ${parent}
                RESULT_VARIABLE zipped)
if(NOT zipped EQUAL 0)
    message(FATAL_ERROR "The .zip could not be made")
endif()
file(SIZE ${ZIP} size)
math(EXPR kib "${size} / 1024")
message(STATUS "Deployed ${OUT} and ${ZIP} (${kib} KiB)")
