// SkorvaneInstaller: the product's installer as the download serves it. Run with "/S" (silent, as the diagnostics
// tool runs it), it installs the stand-in product where the tool looks for it, from the payload that the sandbox
// prepared (SKV_INSTALLER_PAYLOAD: install.sh and what it copies), and records its command line in the payload
// folder's installer-args.txt (or in SKV_INSTALLER_RECORD). Without "/S" it refuses: there is no interactive setup.
// As installers do, it reads its whole command line: the tool starts it with the command line "/S" alone, which a
// C run-time takes for the program's own name (argv[0]). On Windows its manifest requires administrator rights, as
// an installer into "Program Files" does, and it records on a second line whether it runs elevated.
#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
#ifdef _WIN32
    (void)argc;
    (void)argv;
    const std::string arguments = GetCommandLineA();
#else
    std::string arguments;
    for (int i = 0; i < argc; ++i)
        arguments += (i > 0 ? " " : "") + std::string(argv[i]);
#endif
    const char* payload = std::getenv("SKV_INSTALLER_PAYLOAD");
    const char* record = std::getenv("SKV_INSTALLER_RECORD");
    std::string recordPath = record ? record : (payload ? std::string(payload) + "/installer-args.txt" : "");
    if (!recordPath.empty()) {
        std::ofstream record(recordPath, std::ios::app);
        record << arguments << '\n';
#ifdef _WIN32
        HANDLE token = nullptr;
        TOKEN_ELEVATION elevation{};
        DWORD size = 0;
        const bool elevated = OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token) &&
                              GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) &&
                              elevation.TokenIsElevated != 0;
        if (token)
            CloseHandle(token);
        record << (elevated ? "elevated" : "not elevated") << '\n';
#endif
    }
    const bool endsSilent = arguments.size() > 3 && arguments.compare(arguments.size() - 3, 3, " /S") == 0;
    const bool silent = arguments == "/S" || endsSilent;
    if (!silent) {
        std::fprintf(stderr, "SkorvaneInstaller: only the silent installation (/S) is supported\n");
        return 2;
    }
#ifdef _WIN32
    return 0; // under Wine the installation is laid out by standin/wine-install.sh; this records the launch
#else
    if (!payload) {
        std::fprintf(stderr, "SkorvaneInstaller: no payload (SKV_INSTALLER_PAYLOAD)\n");
        return 1;
    }
    const std::string script = "sh '" + std::string(payload) + "/install.sh'";
    return std::system(script.c_str()) == 0 ? 0 : 1;
#endif
}
