#include "library_Orv/RegFile.h"

#include <gtest/gtest.h>

#include <chrono>

using Orv::RegFile;
using Orv::RegistryValue;

namespace {
std::string Utf16Le(const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    for (const wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    return bytes;
}

const wchar_t* const kExport = LR"(Windows Registry Editor Version 5.00

; the shell extension
[HKEY_CLASSES_ROOT\CLSID\{1}\InprocServer32]
@="C:\\Program Files\\Skorvane\\SkorvaneShellDLL.dll"
"ThreadingModel"="Apartment"

[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\StartupFolder]
"Skorvane.lnk"=hex:02,00,00,00,00,00,00,00,\
  00,00,00,00
"Count"=dword:0000002a
"Path"=hex(2):43,00,3a,00,5c,00,00,00
"Quote"="say \"hi\""

[HKEY_LOCAL_MACHINE\Gone]
"x"="y"

[-HKEY_LOCAL_MACHINE\Gone]
)";
} // namespace

TEST(RegistryExport, ReadsTheValueForms) {
    for (const bool wide : {true, false}) {
        RegFile file;
        std::string bytes;
        if (wide) {
            bytes = Utf16Le(kExport);
        } else {
            for (const wchar_t c : std::wstring(kExport))
                bytes += static_cast<char>(c);
        }
        ASSERT_TRUE(file.Parse(bytes)) << wide;
        const RegistryValue* dll = file.Find(L"HKCR\\clsid\\{1}\\InprocServer32", L"");
        ASSERT_TRUE(dll);
        EXPECT_EQ(dll->text, L"C:\\Program Files\\Skorvane\\SkorvaneShellDLL.dll");
        EXPECT_EQ(file.Find(L"HKEY_CLASSES_ROOT\\CLSID\\{1}\\InprocServer32", L"threadingmodel")->text, L"Apartment");
        const std::wstring approved =
            L"HKEY_CURRENT_"
            L"USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder";
        const RegistryValue* link = file.Find(approved, L"Skorvane.lnk");
        ASSERT_TRUE(link);
        EXPECT_EQ(link->type, RegistryValue::Binary);
        EXPECT_EQ(link->bytes, (std::vector<uint8_t>{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(file.Find(approved, L"Count")->number, 42u);
        EXPECT_EQ(file.Find(approved, L"Path")->text, L"C:\\");
        EXPECT_EQ(file.Find(approved, L"Quote")->text, L"say \"hi\"");
        EXPECT_FALSE(file.HasKey(L"HKLM\\Gone"));
        EXPECT_FALSE(file.Find(approved, L"missing"));
    }
}

TEST(RegistryExport, MalformedInputIsSkippedOrRefused) {
    RegFile file;
    EXPECT_FALSE(file.Parse(""));
    EXPECT_FALSE(file.Parse("not a registry export\n[HKEY_CLASSES_ROOT\\x]\n"));
    EXPECT_FALSE(file.Parse("\xFF\xFE"));
    EXPECT_FALSE(file.Parse("\xFF\xFE\x57")); // half a UTF-16 unit
    ASSERT_TRUE(file.Parse("REGEDIT4\n[HKEY_CLASSES_ROOT\\k]\n\"a\"=\"unterminated\n\"b\"=dword:123456789\n"
                           "\"c\"=hex:zz\n\"d\"=hex:1,2,3\n\"e\"\n[\n[]\n\"f\"=\"orphan\"\n[HKEY_CLASSES_ROOT\\k2"));
    EXPECT_TRUE(file.HasKey(L"HKCR\\k"));
    EXPECT_FALSE(file.Find(L"HKCR\\k", L"a"));
    EXPECT_FALSE(file.Find(L"HKCR\\k", L"b"));
    EXPECT_FALSE(file.Find(L"HKCR\\k", L"c"));
    ASSERT_TRUE(file.Find(L"HKCR\\k", L"d"));
    EXPECT_EQ(file.Find(L"HKCR\\k", L"d")->bytes, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_FALSE(file.HasKey(L"HKCR\\k2"));
}

// A deleted key takes its subkeys and nothing else, however many keys the file holds: deleting used to visit every
// key, so that many deletions in a large file took minutes.
TEST(RegistryExport, DeletedKeysTakeTheirSubkeysOnly) {
    std::string text = "Windows Registry Editor Version 5.00\r\n";
    constexpr int kKeys = 20000;
    for (int i = 0; i < kKeys; ++i)
        text += "[HKEY_CLASSES_ROOT\\k" + std::to_string(i) + "\\sub]\r\n\"v\"=\"x\"\r\n";
    text += "[HKEY_CLASSES_ROOT\\a]\r\n[HKEY_CLASSES_ROOT\\a\\b]\r\n[HKEY_CLASSES_ROOT\\a b]\r\n"
            "[HKEY_CLASSES_ROOT\\a-c]\r\n[HKEY_CLASSES_ROOT\\ab]\r\n";
    for (int i = 0; i < kKeys; i += 2)
        text += "[-HKEY_CLASSES_ROOT\\k" + std::to_string(i) + "]\r\n";
    text += "[-hkcr\\A]\r\n";
    const auto started = std::chrono::steady_clock::now();
    RegFile file;
    ASSERT_TRUE(file.Parse(text));
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::seconds>(took).count(), 10); // minutes when quadratic
    EXPECT_FALSE(file.HasKey(L"HKCR\\k0\\sub"));
    EXPECT_TRUE(file.HasKey(L"HKCR\\k1\\sub"));
    EXPECT_TRUE(file.Find(L"HKCR\\k19999\\sub", L"v"));
    EXPECT_FALSE(file.HasKey(L"HKCR\\a"));
    EXPECT_FALSE(file.HasKey(L"HKCR\\a\\b"));
    EXPECT_TRUE(file.HasKey(L"HKCR\\a b"));
    EXPECT_TRUE(file.HasKey(L"HKCR\\a-c"));
    EXPECT_TRUE(file.HasKey(L"HKCR\\ab"));
}
