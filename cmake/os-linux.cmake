# POSIX: the core's platform files are the *_unix.cpp twins.
set(ORV_PLATFORM_SUFFIX _unix)
set(ORV_PLATFORM_LIBS)
