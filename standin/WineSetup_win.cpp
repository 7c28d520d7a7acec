// What an installer does on Windows that Wine's own tools cannot do from a script: used by standin/wine-install.sh.
//   skv_wine_setup trust-root ROOT.pem          adds a test root to the machine's trusted root store
//   skv_wine_setup shortcut LINK.lnk TARGET     makes a shell link to TARGET, started in TARGET's folder
//   skv_wine_setup running PID                  exit code 0 while the process runs, 1 otherwise
//   skv_wine_setup end PID                      ends the process
// %NAME% references in the paths are expanded (%APPDATA%, %ProgramData%); a missing folder of LINK is created.
// Exit code 0 on success, 1 on failure (with a line on standard error), 2 for a usage error.
#include "TrustedRoot.h"

#include "library_Orv/WinOwners_win.h"

#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {
std::wstring Expanded(const wchar_t* text) {
    const DWORD size = ExpandEnvironmentStringsW(text, nullptr, 0);
    std::wstring expanded(size, L'\0');
    if (size == 0 || ExpandEnvironmentStringsW(text, &expanded[0], size) != size)
        return text;
    expanded.resize(size - 1);
    return expanded;
}

bool MakeShortcut(const std::wstring& link, const std::wstring& target) {
    const size_t linkSlash = link.find_last_of(L'\\');
    if (linkSlash != std::wstring::npos)
        SHCreateDirectoryExW(nullptr, link.substr(0, linkSlash).c_str(), nullptr);
    const size_t slash = target.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : target.substr(0, slash);
    const Orv::Win::ComInitialization com;
    Orv::Win::ComPtr<IShellLinkW> shellLink;
    Orv::Win::ComPtr<IPersistFile> file;
    return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                      shellLink.OutVoid())) &&
           SUCCEEDED(shellLink->SetPath(target.c_str())) && SUCCEEDED(shellLink->SetWorkingDirectory(folder.c_str())) &&
           SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, file.OutVoid())) &&
           SUCCEEDED(file->Save(link.c_str(), TRUE));
}
// Whether the process runs (with "end": ended it).
bool Process(const std::wstring& id, bool end) {
    const DWORD processId = static_cast<DWORD>(std::wcstoul(id.c_str(), nullptr, 10));
    const Orv::Win::Handle process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, processId));
    if (!process.Valid())
        return end; // no such process: not running, so nothing to end
    DWORD exitCode = 0;
    bool running = GetExitCodeProcess(process.Get(), &exitCode) && exitCode == STILL_ACTIVE;
    if (running && end)
        running = !(TerminateProcess(process.Get(), 1) && WaitForSingleObject(process.Get(), 5000) == WAIT_OBJECT_0);
    return end ? !running : running;
}
} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"trust-root" && argc == 3) {
        if (TrustTestRoot(argv[2]))
            return 0;
        std::fprintf(stderr, "skv_wine_setup: the root %ls could not be trusted\n", argv[2]);
        return 1;
    }
    if (command == L"shortcut" && argc == 4) {
        if (MakeShortcut(Expanded(argv[2]), Expanded(argv[3])))
            return 0;
        std::fprintf(stderr, "skv_wine_setup: the shortcut %ls could not be made\n", argv[2]);
        return 1;
    }
    if ((command == L"running" || command == L"end") && argc == 3)
        return Process(argv[2], command == L"end") ? 0 : 1;
    std::fputs("Usage: skv_wine_setup trust-root ROOT.pem | shortcut LINK.lnk TARGET | running PID | end PID\n",
               stderr);
    return 2;
}
