#pragma once
// What the build fixed about this copy of Sorbeta: its version and build
// number, the address of the release feed the update check reads, and the
// product's web address shown on the share card. Set through CMake cache
// variables (SORBETA_BUILD_NUMBER, SORBETA_UPDATE_FEED, SORBETA_WEB_ADDRESS).
#include <QString>
#include <QUrl>

namespace sorbeta::platform::BuildInfo {

// The project's version, "1.0.0".
QString version();
// The build number; empty when the build set none.
QString buildNumber();
// The release feed's address; empty when the build set none (no update checks).
QUrl updateFeed();
// The product's web address as shown to the user, without a scheme.
QString webAddress();

}  // namespace sorbeta::platform::BuildInfo
