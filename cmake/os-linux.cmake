# POSIX: the core's platform files are the *_unix.cpp twins.
set(ORV_PLATFORM_SUFFIX _unix)
set(ORV_PLATFORM_LIBS)

# orv_self_contained(target): nothing to do where the toolchain's runtime is the system's.
function(orv_self_contained target)
endfunction()
