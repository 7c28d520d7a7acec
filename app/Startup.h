#pragma once

// The program's main routine: firewall registration, Qt set-up, the diagnostics window shown top-most, the event
// loop. Returns the event loop's exit code.
int RunApplication(int argc, char** argv);
