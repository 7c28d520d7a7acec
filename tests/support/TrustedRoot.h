#pragma once

#include <string>

// Makes a test root certificate (a PEM file) trusted for Authenticode verification: added to the system's root
// store on Windows (under Wine too), named by SKV_TRUSTED_ROOTS on POSIX.
bool TrustTestRoot(const std::wstring& pemPath);
