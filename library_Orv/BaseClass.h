#pragma once

namespace Orv {

// A class with a virtual destructor whose objects cannot be copied.
class BaseClassNonCopyable {
public:
    BaseClassNonCopyable() = default;
    virtual ~BaseClassNonCopyable() = default;
    BaseClassNonCopyable(const BaseClassNonCopyable&) = delete;
    BaseClassNonCopyable& operator=(const BaseClassNonCopyable&) = delete;
};

// The base of the library's interfaces.
class BaseClassVirtualNonCopyable {
public:
    BaseClassVirtualNonCopyable() = default;
    virtual ~BaseClassVirtualNonCopyable() = default;
    BaseClassVirtualNonCopyable(const BaseClassVirtualNonCopyable&) = delete;
    BaseClassVirtualNonCopyable& operator=(const BaseClassVirtualNonCopyable&) = delete;
};

} // namespace Orv
