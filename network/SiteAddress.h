#pragma once

#include <QString>

namespace Orv {

// The base address of the maker's web site: SKV_SITE_URL when set, else the "address" of the "Site" setting
// (data/GlobalConfig.xml, or the user's own configuration), else the built-in one.
QString SiteAddress();
// An address on the site: the base address, without trailing slashes, followed by pathAndQuery ("/...").
QString SiteUrl(const QString& pathAndQuery);
constexpr const char* kDefaultSiteAddress = "https://brindlecote.example";
// Why nothing may be sent to the address: empty when it is an https:// address with a host. A report carries an
// e-mail address, a screenshot and the machine's data, and the installer is run: neither goes over plain HTTP, nor
// to an address without a scheme (which Qt would take for http://).
QString SiteAddressProblem(const QString& address = SiteAddress());

} // namespace Orv
