#include "ui/views/AppInfo.h"

#include <QGuiApplication>

#include "platform/BuildInfo.h"
#include "platform/Translate.h"

namespace sorbeta {
namespace {

QString textOr(const QVariant& value, const char* fallback) {
    if (value.typeId() == QMetaType::QString && !value.toString().trimmed().isEmpty()) return value.toString();
    return QString::fromLatin1(fallback);
}

}  // namespace

AppInfo AppInfo::from(const QVariant& displayName, const QVariant& shortVersion, const QVariant& build) {
    return {textOr(displayName, "Sorbeta"), textOr(shortVersion, "1.0"), textOr(build, "1")};
}

AppInfo AppInfo::current() {
    return from(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationVersion(),
                platform::BuildInfo::buildNumber());
}

QString AppInfo::versionLine() const {
    // The brackets are the language's own: full width only in Chinese and Japanese.
    return sorbeta::tr("版本 %1（%2）").arg(shortVersion, build);
}

QIcon AppInfo::icon() {
    const QIcon own = QGuiApplication::windowIcon();
    if (!own.isNull()) return own;
    return QIcon(QStringLiteral(":/icons/com.rovek.sorbeta.svg"));
}

}  // namespace sorbeta
