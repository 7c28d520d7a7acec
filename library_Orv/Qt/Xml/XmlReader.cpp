#include "XmlReader.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Error.h"

namespace Orv {

std::wstring XmlReader::Get(const XmlElementPtr& element, const std::wstring& key) {
    if (!element || element->IsNull()) {
        // The element's path is not known through a null handle, hence the empty quotes.
        const std::string message = key.empty() ? "Handle: Try to open this xml path '" + std::string("'")
                                                : "Handle: Try to Get '" + WStringToUtf8(key) + "' from '" + "'";
        Error::Report(message, false, kErrorLevelError, "library_Orv/Qt/Xml/XmlReader.cpp", 180);
        return {};
    }
    return element->GetAttribute(key);
}

} // namespace Orv
