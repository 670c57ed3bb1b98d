#pragma once
// The application's name, version and build as the about page and the share
// card show them, with stand-ins for values that are missing.
#include <QIcon>
#include <QString>
#include <QVariant>

namespace sorbeta {

struct AppInfo {
    QString displayName;   // "Sorbeta" when missing
    QString shortVersion;  // "1.0" when missing
    QString build;         // "1" when missing

    // Each value counts only when it is a text that is not empty.
    static AppInfo from(const QVariant& displayName, const QVariant& shortVersion, const QVariant& build);
    // The running application's display name and version, and the build's number.
    static AppInfo current();

    // "版本 1.0（1）"
    QString versionLine() const;

    // The running application's icon; the one embedded in the program when
    // the application set none.
    static QIcon icon();
};

}  // namespace sorbeta
