#include "library_Orv/Firewall.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace Orv;

namespace {
constexpr HResult kAccessDenied = static_cast<HResult>(0x80070005);

// A firewall whose every step can be made to fail; it remembers what was added and what was released.
struct FakeFirewall {
    HResult initialize = kHrOk;
    HResult createManager = kHrOk;
    HResult localPolicy = kHrOk;
    HResult currentProfile = kHrOk;
    HResult authorizedApplications = kHrOk;
    HResult createApplication = kHrOk;
    HResult putImage = kHrOk;
    HResult putName = kHrOk;
    HResult getEnabled = kHrOk;
    HResult add = kHrOk;
    int failAllocation = 0; // the n-th allocation (1-based) fails
    bool emptyAllocation = false;
    std::map<std::wstring, bool> listed; // path -> enabled
    std::vector<std::wstring> added;
    int allocations = 0;
    int liveObjects = 0;
    bool uninitialized = false;
};

struct FakeString : IFirewallString {
    explicit FakeString(std::wstring t, FakeFirewall& f) : text(std::move(t)), fw(f) { ++fw.liveObjects; }
    ~FakeString() override { --fw.liveObjects; }
    size_t Length() const override { return text.size(); }
    std::wstring text;
    FakeFirewall& fw;
};

struct FakeApplication : IFirewallApplication {
    FakeApplication(FakeFirewall& f, bool e) : fw(f), enabled(e) { ++fw.liveObjects; }
    ~FakeApplication() override { --fw.liveObjects; }
    HResult GetEnabled(bool& out) override {
        out = enabled;
        return fw.getEnabled;
    }
    HResult PutProcessImageFileName(const IFirewallString& path) override {
        image = static_cast<const FakeString&>(path).text;
        return fw.putImage;
    }
    HResult PutName(const IFirewallString& n) override {
        name = static_cast<const FakeString&>(n).text;
        return fw.putName;
    }
    FakeFirewall& fw;
    bool enabled;
    std::wstring image, name;
};

struct FakeApplications : IFirewallApplications {
    explicit FakeApplications(FakeFirewall& f) : fw(f) { ++fw.liveObjects; }
    ~FakeApplications() override { --fw.liveObjects; }
    HResult Item(const IFirewallString& path, std::unique_ptr<IFirewallApplication>& out) override {
        auto found = fw.listed.find(static_cast<const FakeString&>(path).text);
        if (found == fw.listed.end())
            return static_cast<HResult>(0x80070002);
        out = std::make_unique<FakeApplication>(fw, found->second);
        return kHrOk;
    }
    HResult Add(IFirewallApplication& application) override {
        if (HrSucceeded(fw.add))
            fw.added.push_back(static_cast<FakeApplication&>(application).image);
        return fw.add;
    }
    FakeFirewall& fw;
};

struct FakeProfile : IFirewallProfile {
    explicit FakeProfile(FakeFirewall& f) : fw(f) { ++fw.liveObjects; }
    ~FakeProfile() override { --fw.liveObjects; }
    HResult GetAuthorizedApplications(std::unique_ptr<IFirewallApplications>& out) override {
        if (HrSucceeded(fw.authorizedApplications))
            out = std::make_unique<FakeApplications>(fw);
        return fw.authorizedApplications;
    }
    FakeFirewall& fw;
};

struct FakePolicy : IFirewallPolicy {
    explicit FakePolicy(FakeFirewall& f) : fw(f) { ++fw.liveObjects; }
    ~FakePolicy() override { --fw.liveObjects; }
    HResult GetCurrentProfile(std::unique_ptr<IFirewallProfile>& out) override {
        if (HrSucceeded(fw.currentProfile))
            out = std::make_unique<FakeProfile>(fw);
        return fw.currentProfile;
    }
    FakeFirewall& fw;
};

struct FakeManager : IFirewallManager {
    explicit FakeManager(FakeFirewall& f) : fw(f) { ++fw.liveObjects; }
    ~FakeManager() override { --fw.liveObjects; }
    HResult GetLocalPolicy(std::unique_ptr<IFirewallPolicy>& out) override {
        if (HrSucceeded(fw.localPolicy))
            out = std::make_unique<FakePolicy>(fw);
        return fw.localPolicy;
    }
    FakeFirewall& fw;
};

struct FakeApi : IFirewallApi {
    explicit FakeApi(FakeFirewall& f) : fw(f) {}
    HResult Initialize() override { return fw.initialize; }
    void Uninitialize() override { fw.uninitialized = true; }
    HResult CreateManager(std::unique_ptr<IFirewallManager>& out) override {
        if (HrSucceeded(fw.createManager))
            out = std::make_unique<FakeManager>(fw);
        return fw.createManager;
    }
    HResult CreateAuthorizedApplication(std::unique_ptr<IFirewallApplication>& out) override {
        if (HrSucceeded(fw.createApplication))
            out = std::make_unique<FakeApplication>(fw, false);
        return fw.createApplication;
    }
    std::unique_ptr<IFirewallString> AllocString(const std::wstring& text) override {
        if (++fw.allocations == fw.failAllocation)
            return nullptr;
        return std::make_unique<FakeString>(fw.emptyAllocation ? std::wstring() : text, fw);
    }
    FakeFirewall& fw;
};

const std::wstring kPath = L"C:\\Tools\\SkorvaneDiagnostics.exe";
const std::string kPathText = "C:\\Tools\\SkorvaneDiagnostics.exe";

std::string Register(FakeFirewall& fw) {
    FakeApi api(fw);
    std::string out;
    RegisterWithFirewall(api, kPath, L"SkorvaneDiagnostics", [&](const std::string& line) { out += line; });
    EXPECT_EQ(fw.liveObjects, 0) << "every object is released";
    return out;
}
} // namespace

TEST(FirewallRegistration, AlreadyEnabledPrintsOneLineAndAddsNothing) {
    FakeFirewall fw;
    fw.listed[kPath] = true;
    EXPECT_EQ(Register(fw), "Authorized application " + kPathText + " is enabled in the firewall.\n");
    EXPECT_TRUE(fw.added.empty());
    EXPECT_TRUE(fw.uninitialized);
}

TEST(FirewallRegistration, ListedButDisabledIsAddedAgain) {
    FakeFirewall fw;
    fw.listed[kPath] = false;
    EXPECT_EQ(Register(fw), "Authorized application " + kPathText +
                                " is disabled in the firewall.\n"
                                "Authorized application " +
                                kPathText + " is now enabled in the firewall.\n");
    EXPECT_EQ(fw.added, std::vector<std::wstring>{kPath});
}

TEST(FirewallRegistration, NotListedIsAdded) {
    FakeFirewall fw;
    EXPECT_EQ(Register(fw), "Authorized application " + kPathText +
                                " is disabled in the firewall.\n"
                                "Authorized application " +
                                kPathText + " is now enabled in the firewall.\n");
    EXPECT_EQ(fw.added.size(), 1u);
}

TEST(FirewallRegistration, AddRefusedWithoutRights) {
    FakeFirewall fw;
    fw.add = kAccessDenied;
    EXPECT_EQ(Register(fw), "Authorized application " + kPathText +
                                " is disabled in the firewall.\n"
                                "Add failed: 0x80070005\nWindowsFirewallAddApp failed: 0x80070005\n");
}

TEST(FirewallRegistration, ChangedModeIsSilentAndSkipsUninitialize) {
    FakeFirewall fw;
    fw.initialize = kHrChangedMode;
    fw.listed[kPath] = true;
    EXPECT_EQ(Register(fw), "Authorized application " + kPathText + " is enabled in the firewall.\n");
    EXPECT_FALSE(fw.uninitialized);
}

TEST(FirewallRegistration, OtherInitializeFailureIsPrintedAndRegistrationGoesOn) {
    FakeFirewall fw;
    fw.initialize = static_cast<HResult>(0x8000FFFF);
    fw.listed[kPath] = true;
    EXPECT_EQ(Register(fw), "CoInitializeEx failed: 0x8000ffff\nAuthorized application " + kPathText +
                                " is enabled in the firewall.\n");
    EXPECT_FALSE(fw.uninitialized);
}

TEST(FirewallRegistration, EachEarlyFailurePrintsItsLine) {
    struct Case {
        HResult FakeFirewall::*step;
        std::string expected;
    };
    const Case cases[] = {
        {&FakeFirewall::createManager, "CoCreateInstance failed: 0x80070005\n"},
        {&FakeFirewall::localPolicy, "get_LocalPolicy failed: 0x80070005\n"},
        {&FakeFirewall::currentProfile, "get_CurrentProfile failed: 0x80070005\n"},
        {&FakeFirewall::authorizedApplications, "get_AuthorizedApplications failed: 0x80070005\n"
                                                "WindowsFirewallAppIsEnabled failed: 0x80070005\n"
                                                "WindowsFirewallAddApp failed: 0x80070005\n"},
        {&FakeFirewall::createApplication, "Authorized application " + kPathText +
                                               " is disabled in the firewall.\nCoCreateInstance failed: 0x80070005\n"
                                               "WindowsFirewallAddApp failed: 0x80070005\n"},
        {&FakeFirewall::putImage, "Authorized application " + kPathText +
                                      " is disabled in the firewall.\nput_ProcessImageFileName failed: 0x80070005\n"
                                      "WindowsFirewallAddApp failed: 0x80070005\n"},
        {&FakeFirewall::putName, "Authorized application " + kPathText +
                                     " is disabled in the firewall.\nput_Name failed: 0x80070005\n"
                                     "WindowsFirewallAddApp failed: 0x80070005\n"},
    };
    for (const Case& c : cases) {
        FakeFirewall fw;
        fw.*c.step = kAccessDenied;
        EXPECT_EQ(Register(fw), c.expected);
        EXPECT_TRUE(fw.added.empty());
        EXPECT_TRUE(fw.uninitialized);
    }
}

TEST(FirewallRegistration, GetEnabledFailureIsReportedAsIsEnabledFailure) {
    FakeFirewall fw;
    fw.listed[kPath] = true;
    fw.getEnabled = kAccessDenied;
    EXPECT_EQ(Register(fw), "get_Enabled failed: 0x80070005\nWindowsFirewallAppIsEnabled failed: 0x80070005\n"
                            "WindowsFirewallAddApp failed: 0x80070005\n");
}

TEST(FirewallRegistration, StringAllocationFailures) {
    const std::string disabled = "Authorized application " + kPathText + " is disabled in the firewall.\n";
    {
        FakeFirewall fw; // the path for the lookup
        fw.failAllocation = 1;
        EXPECT_EQ(Register(fw), "SysAllocString failed: 0x8007000e\nWindowsFirewallAppIsEnabled failed: 0x8007000e\n"
                                "WindowsFirewallAddApp failed: 0x8007000e\n");
    }
    {
        FakeFirewall fw; // the path for the new entry
        fw.failAllocation = 2;
        EXPECT_EQ(Register(fw),
                  disabled + "SysAllocString failed: 0x8007000e\nWindowsFirewallAddApp failed: 0x8007000e\n");
    }
    {
        FakeFirewall fw; // the name
        fw.failAllocation = 3;
        EXPECT_EQ(Register(fw),
                  disabled + "SysAllocString failed: 0x8007000e\nWindowsFirewallAddApp failed: 0x8007000e\n");
        EXPECT_TRUE(fw.added.empty());
    }
}
