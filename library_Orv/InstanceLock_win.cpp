#include "InstanceLock.h"

#include <windows.h>

namespace Orv {

InstanceLock::InstanceLock(const std::wstring& name) {
    // Creating the mutex is the test and the taking in one step: whoever creates it holds the lock while the named
    // object lives, which is as long as its handle is open.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, (L"Local\\" + name).c_str());
    if (!mutex)
        return;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return;
    }
    native_ = reinterpret_cast<intptr_t>(mutex);
}

InstanceLock::~InstanceLock() {
    if (native_ != kNone)
        CloseHandle(reinterpret_cast<HANDLE>(native_));
}

} // namespace Orv
