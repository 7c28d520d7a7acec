#include "UserInterface.h"

#include <cstdlib>

namespace Orv {

std::string UserUiLanguage() {
    // The first variable that is set decides, as for setlocale(LC_MESSAGES, ""); "C" and "POSIX" name no language.
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (!value || !*value)
            continue;
        std::string tag(value);
        tag = tag.substr(0, tag.find_first_of(".@"));
        if (tag == "C" || tag == "POSIX")
            return std::string();
        for (char& c : tag)
            if (c == '_')
                c = '-';
        return tag;
    }
    return std::string();
}

bool SystemHighContrast() {
    return false;
}

} // namespace Orv
