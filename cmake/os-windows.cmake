# Windows: the core's platform files are the *_win.cpp twins, and it links the Win32 and COM libraries it calls.
set(ORV_PLATFORM_SUFFIX _win)
set(ORV_PLATFORM_LIBS ole32 oleaut32 uuid advapi32 shell32 user32 kernel32 version wbemuuid wintrust crypt32)
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)

if(MINGW)
    # Self-contained executables: nothing of the toolchain's runtime has to be found beside them under Wine.
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()
