#include "Registry.h"

#include <algorithm>

namespace Orv {

CRegKeyOrv::CRegKeyOrv() : valueBuffer_(kValueBufferSize, '\0') {}

CRegKeyOrv::~CRegKeyOrv() = default;

void CRegKeyOrv::Close() {
    key_.reset();
    open_ = false;
}

bool CRegKeyOrv::Open(const std::string& path) {
    Close();
    flag_ = true;
    keyPath_ = path;
    open_ = OpenKey_sys(path, key_);
    return open_;
}

std::string CRegKeyOrv::GetValue(const std::string& name) {
    if (!open_)
        return {};
    valueBuffer_.assign(valueBufferSize_, '\0');
    size_t size = 0;
    if (!QueryValue_sys(key_.get(), keyPath_, name, valueBuffer_, size))
        return {};
    // The text ends at its first null, or where the value's bytes end.
    return valueBuffer_.substr(0, std::min(valueBuffer_.find('\0'), size));
}

} // namespace Orv
