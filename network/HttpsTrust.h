#pragma once

namespace Orv {

// Adds the certificates of the PEM files named by SKV_TRUSTED_ROOTS (":"-separated; ";" on Windows) to the
// authorities Qt's connections trust, as the same variable does for signatures: every HTTPS connection of the
// program (the report, the download) trusts what this sets up, and nothing else is added anywhere. Returns how many
// were added.
int TrustConfiguredRoots();

} // namespace Orv
