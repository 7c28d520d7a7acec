#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Desktop.h"
#include "library_Orv/Firewall.h"

#include <gtest/gtest.h>

using namespace Orv;

// Runs the registration against the system's own firewall: Wine's Windows Firewall COM classes under Wine, and
// the absence of a firewall on POSIX.
TEST(SystemFirewall, RegistrationRunsToItsEnd) {
    const std::wstring path = OwnExecutablePath();
    ASSERT_FALSE(path.empty());
    std::string out;
    RegisterWithSystemFirewall(path, L"SkorvaneDiagnostics", [&](const std::string& line) { out += line; });
    if (!CreateSystemFirewallApi()) {
        EXPECT_EQ(out, "No Windows Firewall on this platform: firewall registration skipped.\n");
        return;
    }
    // The lookup prints one line; an entry that is missing or disabled is then added.
    const std::string pathText = WStringToUtf8(path);
    const std::string enabled = "Authorized application " + pathText + " is enabled in the firewall.\n";
    const std::string added = "Authorized application " + pathText +
                              " is disabled in the firewall.\n"
                              "Authorized application " +
                              pathText + " is now enabled in the firewall.\n";
    EXPECT_TRUE(out == enabled || out == added) << out;
}
