#include "library_Orv/UserInterface.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {
#ifdef _WIN32
// Windows' own high-contrast switch, set and restored around a test.
class HighContrastSwitch {
public:
    HighContrastSwitch() { saved_ = Get(); }
    ~HighContrastSwitch() { Set(saved_); }
    static DWORD Get() {
        HIGHCONTRASTW contrast = {};
        contrast.cbSize = sizeof(contrast);
        SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0);
        return contrast.dwFlags;
    }
    static bool Set(DWORD flags) {
        HIGHCONTRASTW contrast = {};
        contrast.cbSize = sizeof(contrast);
        contrast.dwFlags = flags;
        return SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof(contrast), &contrast, 0) != FALSE;
    }

private:
    DWORD saved_ = 0;
};
#else
// The locale variables, set for one test and restored after it.
class LocaleVariables {
public:
    LocaleVariables() {
        for (int i = 0; i < 3; ++i)
            if (const char* value = std::getenv(kNames[i]))
                saved_[i] = value, had_[i] = true;
    }
    ~LocaleVariables() {
        for (int i = 0; i < 3; ++i)
            had_[i] ? setenv(kNames[i], saved_[i].c_str(), 1) : unsetenv(kNames[i]);
    }
    void Set(const char* all, const char* messages, const char* lang) {
        const char* values[] = {all, messages, lang};
        for (int i = 0; i < 3; ++i)
            values[i] ? setenv(kNames[i], values[i], 1) : unsetenv(kNames[i]);
    }

private:
    static constexpr const char* kNames[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::string saved_[3];
    bool had_[3] = {};
};
#endif
} // namespace

#ifdef _WIN32
TEST(UserInterface, UiLanguageIsATag) {
    const std::string tag = Orv::UserUiLanguage();
    ASSERT_GE(tag.size(), 2u);
    EXPECT_EQ(tag.find('_'), std::string::npos) << tag;
}

TEST(UserInterface, HighContrastFollowsTheSystemSwitch) {
    HighContrastSwitch restore;
    if (!HighContrastSwitch::Set(HCF_AVAILABLE | HCF_HIGHCONTRASTON)) {
        // Wine keeps no such switch, and says so: it never reports one either.
        EXPECT_EQ(HighContrastSwitch::Get() & HCF_HIGHCONTRASTON, 0u);
        EXPECT_FALSE(Orv::SystemHighContrast());
        GTEST_SKIP() << "this system cannot switch high contrast on (Wine)";
    }
    EXPECT_TRUE(Orv::SystemHighContrast());
    ASSERT_TRUE(HighContrastSwitch::Set(HCF_AVAILABLE));
    EXPECT_FALSE(Orv::SystemHighContrast());
}
#else
TEST(UserInterface, UiLanguageIsTheMessagesLocaleAsATag) {
    LocaleVariables restore;
    restore.Set(nullptr, nullptr, "fr_FR.UTF-8");
    EXPECT_EQ(Orv::UserUiLanguage(), "fr-FR");
    restore.Set(nullptr, "de_AT@euro", "fr_FR.UTF-8");
    EXPECT_EQ(Orv::UserUiLanguage(), "de-AT");
    restore.Set("en_GB.UTF-8", "de_AT", "fr_FR");
    EXPECT_EQ(Orv::UserUiLanguage(), "en-GB");
    restore.Set("", "", "de");
    EXPECT_EQ(Orv::UserUiLanguage(), "de");
    restore.Set(nullptr, nullptr, "C.UTF-8");
    EXPECT_EQ(Orv::UserUiLanguage(), "");
    restore.Set(nullptr, nullptr, nullptr);
    EXPECT_EQ(Orv::UserUiLanguage(), "");
    EXPECT_FALSE(Orv::SystemHighContrast());
}
#endif
