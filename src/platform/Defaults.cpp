#include "platform/Defaults.h"

#include <QSettings>

#include "platform/FileOps.h"
#include "platform/Places.h"

namespace sorbeta::platform {
namespace {

// Keys are stored verbatim in the [General] section; QSettings would turn "/"
// into groups, which no key of ours uses.
QSettings open(const QString& path) { return QSettings(path, QSettings::IniFormat); }

}  // namespace

Defaults::Defaults(QString domain) : Defaults(std::move(domain), Places::fromEnvironment().configHome) {}

Defaults::Defaults(QString domain, std::filesystem::path configFolder)
    : domain_(std::move(domain)), configFolder_(std::move(configFolder)) {}

QString Defaults::filePath() const {
    return QString::fromStdString((configFolder_ / (domain_.toStdString() + ".ini")).string());
}

bool Defaults::contains(const QString& key) const { return open(filePath()).contains(key); }

QVariant Defaults::value(const QString& key) const { return open(filePath()).value(key); }

void Defaults::setValue(const QString& key, const QVariant& value) {
    makeAppFolder(configFolder_);
    QSettings settings(filePath(), QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
}

void Defaults::remove(const QString& key) {
    QSettings settings(filePath(), QSettings::IniFormat);
    settings.remove(key);
    settings.sync();
}

std::optional<bool> Defaults::optionalBool(const QString& key) const {
    const QVariant stored = value(key);
    if (!stored.isValid()) return std::nullopt;
    if (stored.typeId() == QMetaType::Bool) return stored.toBool();
    if (stored.typeId() == QMetaType::QString) {
        const QString text = stored.toString();
        if (text == QLatin1String("true")) return true;
        if (text == QLatin1String("false")) return false;
    }
    return std::nullopt;
}

bool Defaults::boolValue(const QString& key) const { return optionalBool(key).value_or(false); }

QString Defaults::string(const QString& key) const {
    const QVariant stored = value(key);
    return stored.typeId() == QMetaType::QString ? stored.toString() : QString();
}

std::optional<QStringList> Defaults::stringList(const QString& key) const {
    const QVariant stored = value(key);
    if (stored.typeId() != QMetaType::QStringList && stored.typeId() != QMetaType::QVariantList) return std::nullopt;
    QStringList result;
    for (const QVariant& element : stored.toList()) {
        if (element.typeId() != QMetaType::QString) return std::nullopt;
        result << element.toString();
    }
    return result;
}

}  // namespace sorbeta::platform
