#pragma once

#include "BaseClass.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace Orv {

// The Windows Firewall registration of the tool, written over a thin layer that mirrors the COM interfaces it
// uses (INetFwMgr, INetFwPolicy, INetFwProfile, INetFwAuthorizedApplications, INetFwAuthorizedApplication), so
// that the same steps and messages run against Windows and against a fake.
using HResult = int32_t;
constexpr HResult kHrOk = 0;
constexpr HResult kHrOutOfMemory = static_cast<HResult>(0x8007000E);
constexpr HResult kHrChangedMode = static_cast<HResult>(0x80010106); // RPC_E_CHANGED_MODE
inline bool HrFailed(HResult hr) {
    return hr < 0;
}
inline bool HrSucceeded(HResult hr) {
    return hr >= 0;
}

// A string allocated for the firewall (a BSTR on Windows).
class IFirewallString : public BaseClassVirtualNonCopyable {
public:
    virtual size_t Length() const = 0;
};

class IFirewallApplication : public BaseClassVirtualNonCopyable {
public:
    virtual HResult GetEnabled(bool& enabled) = 0;
    virtual HResult PutProcessImageFileName(const IFirewallString& path) = 0;
    virtual HResult PutName(const IFirewallString& name) = 0;
};

class IFirewallApplications : public BaseClassVirtualNonCopyable {
public:
    virtual HResult Item(const IFirewallString& path, std::unique_ptr<IFirewallApplication>& application) = 0;
    virtual HResult Add(IFirewallApplication& application) = 0;
};

class IFirewallProfile : public BaseClassVirtualNonCopyable {
public:
    virtual HResult GetAuthorizedApplications(std::unique_ptr<IFirewallApplications>& applications) = 0;
};

class IFirewallPolicy : public BaseClassVirtualNonCopyable {
public:
    virtual HResult GetCurrentProfile(std::unique_ptr<IFirewallProfile>& profile) = 0;
};

class IFirewallManager : public BaseClassVirtualNonCopyable {
public:
    virtual HResult GetLocalPolicy(std::unique_ptr<IFirewallPolicy>& policy) = 0;
};

// COM itself and the two classes the registration creates. Objects are released when their owner is destroyed.
class IFirewallApi : public BaseClassVirtualNonCopyable {
public:
    virtual HResult Initialize() = 0; // CoInitializeEx(NULL, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)
    virtual void Uninitialize() = 0;
    virtual HResult CreateManager(std::unique_ptr<IFirewallManager>& manager) = 0;
    virtual HResult CreateAuthorizedApplication(std::unique_ptr<IFirewallApplication>& application) = 0;
    // nullptr when the allocation fails (SysAllocString returning NULL).
    virtual std::unique_ptr<IFirewallString> AllocString(const std::wstring& text) = 0;
};

// Where the registration's lines go; standard output unless a test captures them.
using FirewallPrinter = std::function<void(const std::string& line)>;

struct FirewallAppState {
    HResult hr = kHrOk;
    bool enabled = false;
};

FirewallAppState WindowsFirewallAppIsEnabled(IFirewallApi& api, IFirewallProfile& profile, const std::wstring& path,
                                             const FirewallPrinter& print);
HResult WindowsFirewallAddApp(IFirewallApi& api, IFirewallProfile& profile, const std::wstring& path,
                              const std::wstring& name, const FirewallPrinter& print);

// Makes the executable an enabled authorised application of the current profile. Every failure is printed and
// the caller goes on.
void RegisterWithFirewall(IFirewallApi& api, const std::wstring& executablePath, const std::wstring& name,
                          const FirewallPrinter& print);

// The system's firewall, or nullptr where there is none.
std::unique_ptr<IFirewallApi> CreateSystemFirewallApi();

// Registers with the system's firewall, or prints one line saying that the platform has none.
void RegisterWithSystemFirewall(const std::wstring& executablePath, const std::wstring& name,
                                const FirewallPrinter& print);

void PrintToStandardOutput(const std::string& line);

} // namespace Orv
