// Feeds arbitrary bytes to the regedit-export reader and looks up what a registry user would.
#include "library_Orv/RegFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Orv::RegFile file;
    if (!file.Parse(std::string(reinterpret_cast<const char*>(data), size)))
        return 0;
    for (const wchar_t* key : {L"HKEY_CLASSES_ROOT\\k", L"HKCU\\Software\\x", L"hklm\\a\\b"}) {
        file.HasKey(key);
        for (const wchar_t* name : {L"", L"a", L"ThreadingModel"})
            if (const Orv::RegistryValue* value = file.Find(key, name))
                (void)value->text.size();
    }
    return 0;
}
