/* A DLL that carries nothing but a version resource. */
int VersionedDllMarker(void) { return 42; }
