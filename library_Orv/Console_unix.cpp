#include "Console.h"

#include <unistd.h>

namespace Orv {

std::FILE* TakeStandardOutput() {
    std::fflush(stdout);
    const int kept = dup(STDOUT_FILENO);
    if (kept < 0)
        return nullptr;
    if (dup2(STDERR_FILENO, STDOUT_FILENO) < 0) {
        close(kept);
        return nullptr;
    }
    return fdopen(kept, "w");
}

} // namespace Orv
