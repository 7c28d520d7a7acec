// Times registry queries against the regedit export named by SKV_REGISTRY_FILE: the first query (which parses the
// file), then QUERIES more (the file unchanged). Prints the figures in milliseconds.
#include "library_Orv/Registry.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const int queries = argc > 1 ? std::atoi(argv[1]) : 30;
    using Clock = std::chrono::steady_clock;
    const auto query = [] {
        Orv::RegistryValue value;
        return Orv::ReadRegistryValue(Orv::RegistryRoot::LocalMachine, L"SOFTWARE\\Skorvane", L"x", value);
    };
    auto started = Clock::now();
    query();
    const auto first = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count();
    started = Clock::now();
    for (int i = 0; i < queries; ++i)
        query();
    const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count();
    std::printf("first query: %lld ms; %d more queries: %lld ms\n", static_cast<long long>(first), queries,
                static_cast<long long>(rest));
    return 0;
}
