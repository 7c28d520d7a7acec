#include "WinUtils.h"

#include "Console.h"
#include "WinUtils_p.h"

#include "WinOwners_win.h"

#include <wbemidl.h>

#include <vector>

namespace Orv {

std::wstring QueryOSCaptionText() {
    const Win::ComInitialization com; // first, so that it ends last
    HRESULT hr = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                                      RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
    const auto fail = [](const wchar_t* message) {
        ConsolePrint(message);
        return std::wstring();
    };
    if (FAILED(hr) && hr != RPC_E_TOO_LATE) // security set earlier in the process is fine
        return fail(L"Failed to initialize security.");
    Win::ComPtr<IWbemLocator> locator;
    hr = CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator, locator.OutVoid());
    if (FAILED(hr))
        return fail(L"Failed to create IWbemLocator object.");
    Win::ComPtr<IWbemServices> services;
    const Win::Bstr space(SysAllocString(L"ROOT\\CIMV2"));
    hr = locator->ConnectServer(space.Get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr, services.Out());
    if (FAILED(hr))
        return fail(L"Could not connect to WMI.");
    hr = CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                           RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    if (FAILED(hr))
        return fail(L"Could not set proxy blanket.");
    Win::ComPtr<IEnumWbemClassObject> enumerator;
    const Win::Bstr language(SysAllocString(L"WQL"));
    const Win::Bstr query(SysAllocString(L"SELECT Caption FROM Win32_OperatingSystem"));
    hr = services->ExecQuery(language.Get(), query.Get(), WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY,
                             nullptr, enumerator.Out());
    if (FAILED(hr))
        return fail(L"Query for OS name failed.");
    std::wstring caption;
    for (;;) {
        Win::ComPtr<IWbemClassObject> object;
        ULONG returned = 0;
        constexpr LONG kWaitForever = -1; // WBEM_INFINITE
        enumerator->Next(kWaitForever, 1, object.Out(), &returned);
        if (returned == 0)
            break;
        VARIANT value;
        VariantInit(&value);
        if (SUCCEEDED(object->Get(L"Caption", 0, &value, nullptr, nullptr)) && value.vt == VT_BSTR)
            caption = value.bstrVal;
        VariantClear(&value);
    }
    return caption;
}

bool ReadFixedFileVersion_sys(const std::wstring& path, uint16_t parts[4], std::string* diagnostic) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return false;
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) {
        if (diagnostic)
            *diagnostic = "error in GetFileVersionInfo";
        return false;
    }
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info) {
        if (diagnostic)
            *diagnostic = "error in VerQueryValue";
        return false;
    }
    parts[0] = HIWORD(info->dwFileVersionMS);
    parts[1] = LOWORD(info->dwFileVersionMS);
    parts[2] = HIWORD(info->dwFileVersionLS);
    parts[3] = LOWORD(info->dwFileVersionLS);
    return true;
}

} // namespace Orv
