#include "Firewall.h"

#include "CStringUtilsOrv.h"
#include "Console.h"

#include <cstdio>

namespace Orv {

namespace {
void PrintHr(const FirewallPrinter& print, const char* format, HResult hr) {
    print(FormatString(format, static_cast<unsigned long>(static_cast<uint32_t>(hr))));
}

void PrintPath(const FirewallPrinter& print, const char* format, const std::wstring& path) {
    print(FormatString(format, WStringToUtf8(path).c_str()));
}
} // namespace

void PrintToStandardOutput(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fflush(stdout);
}

FirewallAppState WindowsFirewallAppIsEnabled(IFirewallApi& api, IFirewallProfile& profile, const std::wstring& path,
                                             const FirewallPrinter& print) {
    FirewallAppState state;
    std::unique_ptr<IFirewallApplications> applications;
    state.hr = profile.GetAuthorizedApplications(applications);
    if (HrFailed(state.hr)) {
        PrintHr(print, "get_AuthorizedApplications failed: 0x%08lx\n", state.hr);
        return state;
    }
    const std::unique_ptr<IFirewallString> pathString = api.AllocString(path);
    if (!pathString) {
        state.hr = kHrOutOfMemory;
        PrintHr(print, "SysAllocString failed: 0x%08lx\n", state.hr);
        return state;
    }
    std::unique_ptr<IFirewallApplication> application;
    if (HrFailed(applications->Item(*pathString, application)) || !application) {
        // Not in the list.
        state.hr = kHrOk;
        PrintPath(print, "Authorized application %s is disabled in the firewall.\n", path);
        return state;
    }
    bool enabled = false;
    state.hr = application->GetEnabled(enabled);
    if (HrFailed(state.hr)) {
        PrintHr(print, "get_Enabled failed: 0x%08lx\n", state.hr);
    } else if (enabled) {
        state.enabled = true;
        PrintPath(print, "Authorized application %s is enabled in the firewall.\n", path);
    } else {
        PrintPath(print, "Authorized application %s is disabled in the firewall.\n", path);
    }
    return state;
}

HResult WindowsFirewallAddApp(IFirewallApi& api, IFirewallProfile& profile, const std::wstring& path,
                              const std::wstring& name, const FirewallPrinter& print) {
    const FirewallAppState state = WindowsFirewallAppIsEnabled(api, profile, path, print);
    if (HrFailed(state.hr)) {
        PrintHr(print, "WindowsFirewallAppIsEnabled failed: 0x%08lx\n", state.hr);
        return state.hr;
    }
    if (state.enabled)
        return kHrOk;

    // Listed but disabled, or not listed: a new entry is added (never re-enabled in place).
    std::unique_ptr<IFirewallApplications> applications;
    HResult hr = profile.GetAuthorizedApplications(applications);
    if (HrFailed(hr)) {
        PrintHr(print, "get_AuthorizedApplications failed: 0x%08lx\n", hr);
        return hr;
    }
    std::unique_ptr<IFirewallApplication> application;
    hr = api.CreateAuthorizedApplication(application);
    if (HrFailed(hr)) {
        PrintHr(print, "CoCreateInstance failed: 0x%08lx\n", hr);
        return hr;
    }
    const std::unique_ptr<IFirewallString> pathString = api.AllocString(path);
    if (!pathString) {
        PrintHr(print, "SysAllocString failed: 0x%08lx\n", kHrOutOfMemory);
        return kHrOutOfMemory;
    }
    hr = application->PutProcessImageFileName(*pathString);
    if (HrFailed(hr)) {
        PrintHr(print, "put_ProcessImageFileName failed: 0x%08lx\n", hr);
        return hr;
    }
    const std::unique_ptr<IFirewallString> nameString = api.AllocString(name);
    if (!nameString || nameString->Length() == 0) {
        PrintHr(print, "SysAllocString failed: 0x%08lx\n", kHrOutOfMemory);
        return kHrOutOfMemory;
    }
    hr = application->PutName(*nameString);
    if (HrFailed(hr)) {
        PrintHr(print, "put_Name failed: 0x%08lx\n", hr);
        return hr;
    }
    hr = applications->Add(*application);
    if (HrFailed(hr)) {
        PrintHr(print, "Add failed: 0x%08lx\n", hr);
        return hr;
    }
    PrintPath(print, "Authorized application %s is now enabled in the firewall.\n", path);
    return hr;
}

void RegisterWithFirewall(IFirewallApi& api, const std::wstring& executablePath, const std::wstring& name,
                          const FirewallPrinter& print) {
    const HResult initResult = api.Initialize();
    if (HrFailed(initResult) && initResult != kHrChangedMode)
        PrintHr(print, "CoInitializeEx failed: 0x%08lx\n", initResult);

    std::unique_ptr<IFirewallProfile> profile;
    {
        std::unique_ptr<IFirewallManager> manager;
        std::unique_ptr<IFirewallPolicy> policy;
        HResult hr = api.CreateManager(manager);
        if (HrFailed(hr) || !manager) {
            PrintHr(print, "CoCreateInstance failed: 0x%08lx\n", hr);
        } else if (HrFailed(hr = manager->GetLocalPolicy(policy)) || !policy) {
            PrintHr(print, "get_LocalPolicy failed: 0x%08lx\n", hr);
        } else if (HrFailed(hr = policy->GetCurrentProfile(profile))) {
            PrintHr(print, "get_CurrentProfile failed: 0x%08lx\n", hr);
            profile.reset();
        }
        // The policy and the manager are released here.
    }
    if (profile) {
        const HResult hr = WindowsFirewallAddApp(api, *profile, executablePath, name, print);
        if (HrFailed(hr))
            PrintHr(print, "WindowsFirewallAddApp failed: 0x%08lx\n", hr);
        profile.reset();
    }
    if (HrSucceeded(initResult))
        api.Uninitialize();
}

void RegisterWithSystemFirewall(const std::wstring& executablePath, const std::wstring& name,
                                const FirewallPrinter& print) {
    const std::unique_ptr<IFirewallApi> api = CreateSystemFirewallApi();
    if (!api) {
        print("No Windows Firewall on this platform: firewall registration skipped.\n");
        return;
    }
    RegisterWithFirewall(*api, executablePath, name, print);
}

} // namespace Orv
