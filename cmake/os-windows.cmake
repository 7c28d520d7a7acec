# Windows: the core's platform files are the *_win.cpp twins, and it links the Win32 and COM libraries it calls.
set(ORV_PLATFORM_SUFFIX _win)
set(ORV_PLATFORM_LIBS ole32 oleaut32 uuid advapi32 shell32 user32 kernel32 version wbemuuid wintrust crypt32 dwmapi secur32)
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)

# orv_self_contained(target): the executable carries the toolchain's runtime, so that it runs wherever it is copied
# (the stand-in product in an installation folder) without the runtime DLLs beside it.
function(orv_self_contained target)
    if(MINGW)
        target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
    endif()
endfunction()

# Without Qt every executable is self-contained. With Qt, the programs share the runtime DLLs that Qt's own DLLs
# use (one C++ runtime per process), and the deploy step puts them beside the executables.
if(MINGW AND NOT SKV_WITH_QT)
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()
