#include "Console.h"

#include <io.h>

namespace Orv {

// _dup2 onto descriptor 1 also makes the error stream the process's standard output handle, which programs it
// starts inherit.
std::FILE* TakeStandardOutput() {
    std::fflush(stdout);
    const int kept = _dup(_fileno(stdout));
    if (kept < 0)
        return nullptr;
    if (_dup2(_fileno(stderr), _fileno(stdout)) != 0) {
        _close(kept);
        return nullptr;
    }
    return _fdopen(kept, "w");
}

} // namespace Orv
