/* A stand-in for the product's Explorer shell extension: a DLL with a version resource. */
int SkorvaneShellExtensionStandIn(void) { return 1; }
