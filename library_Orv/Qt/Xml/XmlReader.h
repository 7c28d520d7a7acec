#pragma once

#include "XmlFile.h"

namespace Orv {

class XmlReader {
public:
    // The attribute key of the element (empty when absent). A null element is reported as an error.
    static std::wstring Get(const XmlElementPtr& element, const std::wstring& key);
};

} // namespace Orv
