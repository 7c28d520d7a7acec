#include "TestRegistry.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/PosixWorld.h"

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {
std::wstring Escape(const std::wstring& text) {
    std::wstring out;
    for (const wchar_t c : text) {
        if (c == L'\\' || c == L'"')
            out += L'\\';
        out += c;
    }
    return out;
}

const wchar_t* RootName(Orv::RegistryRoot root) {
    switch (root) {
    case Orv::RegistryRoot::ClassesRoot:
        return L"HKEY_CLASSES_ROOT";
    case Orv::RegistryRoot::CurrentUser:
        return L"HKEY_CURRENT_USER";
    default:
        return L"HKEY_LOCAL_MACHINE";
    }
}
} // namespace

TestRegistry::TestRegistry() {
    std::random_device random;
    file_ = Orv::GetSystemTempFolder() + L"/skv-registry-" + std::to_wstring(random()) + L".reg";
    Write();
    setenv(Orv::kEnvRegistryFile, Orv::WStringToUtf8(file_).c_str(), 1);
}

TestRegistry::~TestRegistry() {
    unsetenv(Orv::kEnvRegistryFile);
    Orv::DeleteOneFile(file_);
}

void TestRegistry::SetString(Orv::RegistryRoot root, const std::wstring& key, const std::wstring& name,
                             const std::wstring& value) {
    entries_.push_back({root, key, name, value, 1, {}});
    Write();
}

void TestRegistry::SetRaw(Orv::RegistryRoot root, const std::wstring& key, const std::wstring& name, uint32_t typeCode,
                          const std::vector<uint8_t>& bytes) {
    entries_.push_back({root, key, name, std::wstring(), typeCode, bytes});
    Write();
}

void TestRegistry::Write() {
    std::wstring text = L"Windows Registry Editor Version 5.00\r\n";
    for (const Entry& entry : entries_) {
        text += L"\r\n[" + std::wstring(RootName(entry.root)) + L"\\" + entry.key + L"]\r\n";
        text += entry.name.empty() ? L"@=" : L"\"" + Escape(entry.name) + L"\"=";
        if (entry.bytes.empty() && entry.typeCode == 1) {
            text += L"\"" + Escape(entry.value) + L"\"\r\n";
            continue;
        }
        wchar_t kind[16];
        std::swprintf(kind, 16, L"hex(%x):", static_cast<unsigned>(entry.typeCode));
        text += kind;
        for (size_t i = 0; i < entry.bytes.size(); ++i) {
            wchar_t digits[4];
            std::swprintf(digits, 4, i + 1 < entry.bytes.size() ? L"%02x," : L"%02x", entry.bytes[i]);
            text += digits;
        }
        text += L"\r\n";
    }
    Orv::WriteWideTextFile(file_, text);
}
