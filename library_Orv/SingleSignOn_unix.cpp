#include "SingleSignOn.h"

namespace Orv {

struct SingleSignOn::Context {};

SingleSignOn::SingleSignOn(const std::string&, const std::string&) {}
SingleSignOn::~SingleSignOn() = default;

bool SingleSignOn::Available() {
    return false;
}

bool SingleSignOn::Step(const std::string&, std::string*, std::string* error) {
    *error = "no single sign-on on this system";
    return false;
}

} // namespace Orv
