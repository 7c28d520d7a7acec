#include "Firewall.h"

namespace Orv {

std::unique_ptr<IFirewallApi> CreateSystemFirewallApi() {
    return nullptr;
}

} // namespace Orv
