#pragma once

#include <QString>

namespace Orv {

// The base address of the maker's web site: SKV_SITE_URL when set, else the "address" of the "Site" setting
// (data/GlobalConfig.xml, or the user's own configuration), else the built-in one.
QString SiteAddress();
// An address on the site: the base address, without trailing slashes, followed by pathAndQuery ("/...").
QString SiteUrl(const QString& pathAndQuery);
constexpr const char* kDefaultSiteAddress = "https://brindlecote.example";

// Adds the certificates of the PEM files named by SKV_TRUSTED_ROOTS (":"-separated; ";" on Windows) to the
// authorities Qt's connections trust, as the same variable does for signatures. Returns how many were added.
int TrustConfiguredRoots();

} // namespace Orv
