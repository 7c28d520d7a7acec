#include "Firewall.h"

#include "WinOwners_win.h"

#include <netfw.h>
#include <oleauto.h>

namespace Orv {

namespace {
// The published identifiers, spelled out so that no import library has to provide them.
constexpr GUID kClsidNetFwMgr = {0x304CE942, 0x6E39, 0x40D8, {0x94, 0x3A, 0xB9, 0x13, 0xC4, 0x0C, 0x9C, 0xD4}};
constexpr GUID kIidINetFwMgr = {0xF7898AF5, 0xCAC4, 0x4632, {0xA2, 0xEC, 0xDA, 0x06, 0xE5, 0x11, 0x1A, 0xF2}};
constexpr GUID kClsidNetFwAuthorizedApplication = {
    0xEC9846B3, 0x2762, 0x4A6B, {0xA2, 0x14, 0x6A, 0xCB, 0x60, 0x34, 0x62, 0xD2}};
constexpr GUID kIidINetFwAuthorizedApplication = {
    0xB5E64FFA, 0xC2C5, 0x444E, {0xA3, 0x01, 0xFB, 0x5E, 0x00, 0x01, 0x80, 0x50}};

using Win::ComPtr;

class Bstr : public IFirewallString {
public:
    explicit Bstr(BSTR value) : value_(value) {}
    size_t Length() const override { return SysStringLen(value_.Get()); }
    BSTR Get() const { return value_.Get(); }

private:
    Win::Bstr value_;
};

BSTR AsBstr(const IFirewallString& text) {
    return static_cast<const Bstr&>(text).Get();
}

class Application : public IFirewallApplication {
public:
    explicit Application(INetFwAuthorizedApplication* application) : application_(application) {}
    HResult GetEnabled(bool& enabled) override {
        VARIANT_BOOL value = VARIANT_FALSE;
        const HRESULT hr = application_->get_Enabled(&value);
        enabled = value != VARIANT_FALSE;
        return hr;
    }
    HResult PutProcessImageFileName(const IFirewallString& path) override {
        return application_->put_ProcessImageFileName(AsBstr(path));
    }
    HResult PutName(const IFirewallString& name) override { return application_->put_Name(AsBstr(name)); }
    INetFwAuthorizedApplication* Get() const { return application_.Get(); }

private:
    ComPtr<INetFwAuthorizedApplication> application_;
};

class Applications : public IFirewallApplications {
public:
    explicit Applications(INetFwAuthorizedApplications* applications) : applications_(applications) {}
    HResult Item(const IFirewallString& path, std::unique_ptr<IFirewallApplication>& application) override {
        ComPtr<INetFwAuthorizedApplication> found;
        const HRESULT hr = applications_->Item(AsBstr(path), found.Out());
        if (SUCCEEDED(hr) && found.Get())
            application = std::make_unique<Application>(found.Detach());
        return hr;
    }
    HResult Add(IFirewallApplication& application) override {
        return applications_->Add(static_cast<Application&>(application).Get());
    }

private:
    ComPtr<INetFwAuthorizedApplications> applications_;
};

class Profile : public IFirewallProfile {
public:
    explicit Profile(INetFwProfile* profile) : profile_(profile) {}
    HResult GetAuthorizedApplications(std::unique_ptr<IFirewallApplications>& applications) override {
        ComPtr<INetFwAuthorizedApplications> collection;
        const HRESULT hr = profile_->get_AuthorizedApplications(collection.Out());
        if (SUCCEEDED(hr) && collection.Get())
            applications = std::make_unique<Applications>(collection.Detach());
        return SUCCEEDED(hr) && !applications ? E_POINTER : hr;
    }

private:
    ComPtr<INetFwProfile> profile_;
};

class Policy : public IFirewallPolicy {
public:
    explicit Policy(INetFwPolicy* policy) : policy_(policy) {}
    HResult GetCurrentProfile(std::unique_ptr<IFirewallProfile>& profile) override {
        ComPtr<INetFwProfile> current;
        const HRESULT hr = policy_->get_CurrentProfile(current.Out());
        if (SUCCEEDED(hr) && current.Get())
            profile = std::make_unique<Profile>(current.Detach());
        return hr;
    }

private:
    ComPtr<INetFwPolicy> policy_;
};

class Manager : public IFirewallManager {
public:
    explicit Manager(INetFwMgr* manager) : manager_(manager) {}
    HResult GetLocalPolicy(std::unique_ptr<IFirewallPolicy>& policy) override {
        ComPtr<INetFwPolicy> local;
        const HRESULT hr = manager_->get_LocalPolicy(local.Out());
        if (SUCCEEDED(hr) && local.Get())
            policy = std::make_unique<Policy>(local.Detach());
        return hr;
    }

private:
    ComPtr<INetFwMgr> manager_;
};

class SystemFirewallApi : public IFirewallApi {
public:
    HResult Initialize() override { return CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE); }
    void Uninitialize() override { CoUninitialize(); }
    HResult CreateManager(std::unique_ptr<IFirewallManager>& manager) override {
        ComPtr<INetFwMgr> created;
        const HRESULT hr = CoCreateInstance(kClsidNetFwMgr, nullptr, CLSCTX_INPROC_SERVER, kIidINetFwMgr,
                                            reinterpret_cast<void**>(created.Out()));
        if (SUCCEEDED(hr) && created.Get())
            manager = std::make_unique<Manager>(created.Detach());
        return hr;
    }
    HResult CreateAuthorizedApplication(std::unique_ptr<IFirewallApplication>& application) override {
        ComPtr<INetFwAuthorizedApplication> created;
        const HRESULT hr = CoCreateInstance(kClsidNetFwAuthorizedApplication, nullptr, CLSCTX_INPROC_SERVER,
                                            kIidINetFwAuthorizedApplication, reinterpret_cast<void**>(created.Out()));
        if (SUCCEEDED(hr) && created.Get())
            application = std::make_unique<Application>(created.Detach());
        return hr;
    }
    std::unique_ptr<IFirewallString> AllocString(const std::wstring& text) override {
        BSTR value = SysAllocString(text.c_str());
        if (!value)
            return nullptr;
        return std::make_unique<Bstr>(value);
    }
};
} // namespace

std::unique_ptr<IFirewallApi> CreateSystemFirewallApi() {
    return std::make_unique<SystemFirewallApi>();
}

} // namespace Orv
