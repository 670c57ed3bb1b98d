#include "platform/BuildInfo.h"

// The values come from CMake as definitions of this file only, so changing
// one rebuilds one file.
#ifndef SORBETA_VERSION
#define SORBETA_VERSION ""
#endif
#ifndef SORBETA_BUILD_NUMBER
#define SORBETA_BUILD_NUMBER ""
#endif
#ifndef SORBETA_UPDATE_FEED
#define SORBETA_UPDATE_FEED ""
#endif
#ifndef SORBETA_WEB_ADDRESS
#define SORBETA_WEB_ADDRESS ""
#endif

namespace sorbeta::platform::BuildInfo {

QString version() { return QStringLiteral(SORBETA_VERSION); }

QString buildNumber() { return QStringLiteral(SORBETA_BUILD_NUMBER); }

QUrl updateFeed() {
    const QString address = QStringLiteral(SORBETA_UPDATE_FEED).trimmed();
    if (address.isEmpty()) return {};
    const QUrl url(address, QUrl::StrictMode);
    return url.isValid() ? url : QUrl();
}

QString webAddress() { return QStringLiteral(SORBETA_WEB_ADDRESS); }

}  // namespace sorbeta::platform::BuildInfo
