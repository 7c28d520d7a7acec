// The registry through CRegKeyOrv and the value readers: real keys of the test registry (Wine's, or the export file
// that stands for it on POSIX).
#include "TestRegistry.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Registry.h"
#include "library_Orv/WinUtils.h"

#include <gtest/gtest.h>

using namespace Orv;

TEST(Registry, ClassKeysThroughCRegKeyOrv) {
    TestRegistry registry;
    const std::wstring key = L"CLSID\\{5B3D2F4A-0000-4000-8000-00000000AB01}\\InprocServer32";
    registry.SetString(RegistryRoot::ClassesRoot, key, L"", L"C:\\Skorvane\\SkorvaneShellDLL.dll");
    registry.SetString(RegistryRoot::ClassesRoot, key, L"ThreadingModel", L"Apartment");
    registry.SetString(RegistryRoot::ClassesRoot, key, L"Long", std::wstring(600, L'x'));
    // A folder named in another language, read wide: no character is lost on the way.
    const std::wstring accented = L"C:\\Programme\\Skorv\u00e5ne\\Jos\u00e9\\SkorvaneShellDLL.dll";
    registry.SetString(RegistryRoot::ClassesRoot, key, L"Accented", accented);
    registry.SetRaw(RegistryRoot::ClassesRoot, key, L"Multi", 7, TestRegistry::Utf16Bytes(L"Apartment"));
    CRegKeyOrv reader;
    EXPECT_EQ(reader.GetValue(""), "");
    ASSERT_TRUE(reader.Open("CLSID\\{5B3D2F4A-0000-4000-8000-00000000AB01}\\InprocServer32"));
    EXPECT_EQ(reader.GetValue(""), "C:\\Skorvane\\SkorvaneShellDLL.dll");
    EXPECT_EQ(reader.GetValue("ThreadingModel"), "Apartment");
    EXPECT_EQ(reader.GetValue("Missing"), "");
    EXPECT_EQ(reader.GetValue("Long"), std::string(600, 'x'));
    EXPECT_EQ(reader.GetValueW("Accented"), accented);
    EXPECT_EQ(Utf8ToWString(reader.GetValue("Accented")), accented);
    EXPECT_EQ(reader.GetValue("Multi"), ""); // no string
    EXPECT_FALSE(reader.Open("CLSID\\{5B3D2F4A-0000-4000-8000-00000000AB02}"));
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_EQ(reader.GetValue("ThreadingModel"), "");
}

// A value's type and its bytes, as the registry keeps them: a string ends at its first null, and only a string is
// text.
TEST(Registry, ValuesOfEveryTypeAndShape) {
    TestRegistry registry;
    const std::wstring key = L"SOFTWARE\\SkorvaneTest\\Values";
    registry.SetRaw(RegistryRoot::LocalMachine, key, L"Nul", 1,
                    TestRegistry::Utf16Bytes(std::wstring(L"C:\\a\0junk", 10)));
    registry.SetRaw(RegistryRoot::LocalMachine, key, L"Multi", 7,
                    TestRegistry::Utf16Bytes(std::wstring(L"C:\\a\0C:\\b\0", 10)));
    registry.SetRaw(RegistryRoot::LocalMachine, key, L"Dword", 4, {1, 2, 0, 0});
    registry.SetRaw(RegistryRoot::LocalMachine, key, L"ShortDword", 4, {1, 2});
    registry.SetRaw(RegistryRoot::LocalMachine, key, L"Odd", 1, {'C', 0, ':', 0, 'x'});
    RegistryValue value;
    ASSERT_TRUE(ReadRegistryValue(RegistryRoot::LocalMachine, key, L"Nul", value));
    EXPECT_EQ(value.type, RegistryValue::String);
    EXPECT_EQ(value.text, L"C:\\a");
    ASSERT_TRUE(ReadRegistryValue(RegistryRoot::LocalMachine, key, L"Multi", value));
    EXPECT_EQ(value.type, RegistryValue::MultiString);
    EXPECT_FALSE(value.IsText());
    EXPECT_EQ(value.text, std::wstring(L"C:\\a\0C:\\b", 9));
    ASSERT_TRUE(ReadRegistryValue(RegistryRoot::LocalMachine, key, L"Dword", value));
    EXPECT_EQ(value.type, RegistryValue::Dword);
    EXPECT_EQ(value.number, 0x201u);
    ASSERT_TRUE(ReadRegistryValue(RegistryRoot::LocalMachine, key, L"ShortDword", value));
    EXPECT_EQ(value.type, RegistryValue::Other);
    ASSERT_TRUE(ReadRegistryValue(RegistryRoot::LocalMachine, key, L"Odd", value));
    EXPECT_EQ(value.text, L"C:");
}
