#pragma once

#include <string>
#include <vector>

// Who may open a pipe that this process serves, as the system keeps it: on Windows the SIDs its DACL allows (as
// "S-1-..." strings, "everyone" for S-1-1-0); on POSIX "owner" when the socket file admits its owner alone, else
// "others". Empty when the pipe's security cannot be read.
std::vector<std::string> PipeAccessHolders(const std::wstring& pipeName);
// The SID of the user this process runs as ("S-1-..."; on POSIX "owner").
std::string CurrentUserAccessHolder();
