#include "model/shell/RenameMigration.h"

#include <QFileInfo>
#include <optional>
#include <vector>

#include "model/shell/AppSettings.h"
#include "platform/Defaults.h"
#include "platform/EntryInfo.h"
#include "platform/FileOps.h"

namespace sorbeta::RenameMigration {
namespace {

using platform::Defaults;

// A domain "has stored values" when its settings file exists; values are
// read straight from the file so they are copied exactly as stored.
std::optional<Defaults> storedDomain(const QString& name, const std::filesystem::path& configFolder) {
    Defaults domain(name, configFolder);
    if (!QFileInfo::exists(domain.filePath())) return std::nullopt;
    return domain;
}

// The chosen languages as the settings read them back: a list. The INI
// format keeps a string list of one as a bare text, which reads back as a
// text, not a list.
QVariant languageList(const QVariant& stored) {
    if (stored.typeId() == QMetaType::QString) return QVariantList{stored};
    if (stored.typeId() != QMetaType::QStringList) return stored;
    QVariantList list;
    for (const QString& code : stored.toStringList()) list << code;
    return list;
}

}  // namespace

const QStringList& keys() {
    static const QStringList list = {
        QString::fromLatin1(AppSettings::kAccessGuideDone), QString::fromLatin1(AppSettings::kCareSettings),
        QString::fromLatin1(AppSettings::kHoldCleaned), QString::fromLatin1(AppSettings::kSoundEffects),
        QString::fromLatin1(AppSettings::kAppleLanguages)};
    return list;
}

const QStringList& formerDomains() {
    static const QStringList list = {QStringLiteral("com.vantolier.sorbeta"), QStringLiteral("com.vantolier.plinto")};
    return list;
}

void run(const platform::Places& places, const QString& domain, const QStringList& olds) {
    Defaults current(domain, places.configHome);
    AppSettings settings(current);
    if (settings.migratedFromOldName()) return;

    std::vector<Defaults> formers;
    for (const QString& old : olds) {
        if (old == domain) continue;
        if (auto stored = storedDomain(old, places.configHome)) formers.push_back(*stored);
    }
    for (const QString& key : keys()) {
        if (current.contains(key)) continue;
        for (const Defaults& former : formers) {
            if (!former.contains(key)) continue;
            current.setValue(key, key == QLatin1String(AppSettings::kAppleLanguages) ? languageList(former.value(key))
                                                                                     : former.value(key));
            break;
        }
    }

    const auto oldFolder = places.dataHome / formerFolder;
    const auto newFolder = places.dataHome / currentFolder;
    if (platform::entryExists(oldFolder) && !platform::entryExists(newFolder)) {
        // No-replace rename: a folder that appears in between is never
        // overwritten or merged into. A failure is left as it is.
        platform::moveNoReplace(oldFolder, newFolder);
    }

    settings.setMigratedFromOldName();
}

}  // namespace sorbeta::RenameMigration
