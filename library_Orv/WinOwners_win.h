#pragma once

// The owners of Win32 and COM resources, for the core's *_win.cpp files only: each releases what it holds when it
// goes, on every path, and none can be copied (a copy would release twice).
#include <windows.h>
#include <oleauto.h>

#include <utility>

namespace Orv::Win {

// A resource of type T that Traits::Free releases; Traits::Valid tells whether a value is one.
template <typename T, typename Traits> class Owner {
public:
    Owner() = default;
    explicit Owner(T value) : value_(value) {}
    ~Owner() { Reset(); }
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;
    Owner(Owner&& other) noexcept : value_(std::exchange(other.value_, T())) {}
    Owner& operator=(Owner&& other) noexcept {
        if (this != &other) {
            Reset();
            value_ = std::exchange(other.value_, T());
        }
        return *this;
    }

    T Get() const { return value_; }
    // For the calls that return the resource through a pointer; what was held is released first.
    T* Out() {
        Reset();
        return &value_;
    }
    bool Valid() const { return Traits::Valid(value_); }
    // Hands the resource over to another owner.
    T Detach() { return std::exchange(value_, T()); }
    void Reset(T value = T()) {
        if (Valid())
            Traits::Free(value_);
        value_ = value;
    }

private:
    T value_ = T();
};

namespace detail {
struct HandleTraits {
    static bool Valid(HANDLE handle) { return handle && handle != INVALID_HANDLE_VALUE; }
    static void Free(HANDLE handle) { CloseHandle(handle); }
};
struct RegistryKeyTraits {
    static bool Valid(HKEY key) { return key != nullptr; }
    static void Free(HKEY key) { RegCloseKey(key); }
};
struct FindTraits {
    static bool Valid(HANDLE find) { return find && find != INVALID_HANDLE_VALUE; }
    static void Free(HANDLE find) { FindClose(find); }
};
struct LocalMemoryTraits {
    static bool Valid(HLOCAL memory) { return memory != nullptr; }
    static void Free(HLOCAL memory) { LocalFree(memory); }
};
struct BstrTraits {
    static bool Valid(BSTR text) { return text != nullptr; }
    static void Free(BSTR text) { SysFreeString(text); }
};
} // namespace detail

// A kernel handle (file, pipe, process, thread, token, event, snapshot); INVALID_HANDLE_VALUE is none too.
using Handle = Owner<HANDLE, detail::HandleTraits>;
// A FindFirstFileW search.
using FindHandle = Owner<HANDLE, detail::FindTraits>;
using RegistryKey = Owner<HKEY, detail::RegistryKeyTraits>;
using LocalMemory = Owner<HLOCAL, detail::LocalMemoryTraits>;
using Bstr = Owner<BSTR, detail::BstrTraits>;

// A COM interface pointer, released when it goes.
template <typename T> class ComPtr {
public:
    ComPtr() = default;
    explicit ComPtr(T* pointer) : pointer_(pointer) {}
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }

    T* Get() const { return pointer_; }
    T* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    T** Out() {
        Reset();
        return &pointer_;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }
    // Hands the pointer (and its reference) to the caller.
    T* Detach() { return std::exchange(pointer_, nullptr); }
    void Reset() {
        if (pointer_)
            pointer_->Release();
        pointer_ = nullptr;
    }

private:
    T* pointer_ = nullptr;
};

// COM on the calling thread for the owner's lifetime when the thread had none, or one of the same kind; what it did
// not initialise it never uninitialises.
class ComInitialization {
public:
    explicit ComInitialization(DWORD flags = COINIT_APARTMENTTHREADED) : result_(CoInitializeEx(nullptr, flags)) {}
    ~ComInitialization() {
        if (SUCCEEDED(result_))
            CoUninitialize(); // S_FALSE too: the call was counted
    }
    ComInitialization(const ComInitialization&) = delete;
    ComInitialization& operator=(const ComInitialization&) = delete;

    HRESULT Result() const { return result_; }

private:
    HRESULT result_;
};

} // namespace Orv::Win
