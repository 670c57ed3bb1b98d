#include "model/shell/AppSettings.h"

#include <QStringList>
#include <QVariantList>

namespace sorbeta {
namespace {

QString key(const char* name) { return QString::fromLatin1(name); }

}  // namespace

AppSettings::AppSettings() = default;

AppSettings::AppSettings(const platform::Places& places)
    : defaults_(QString::fromLatin1(platform::Defaults::appDomain), places.configHome) {}

AppSettings::AppSettings(platform::Defaults domain) : defaults_(std::move(domain)) {}

bool AppSettings::accessGuideDone() const { return defaults_.boolValue(key(kAccessGuideDone)); }
void AppSettings::setAccessGuideDone(bool done) { defaults_.setValue(key(kAccessGuideDone), done); }

bool AppSettings::holdCleaned() const { return defaults_.boolValue(key(kHoldCleaned)); }

bool AppSettings::soundEffects() const { return defaults_.boolValue(key(kSoundEffects)); }

void AppSettings::setHoldCleaned(bool hold) { defaults_.setValue(key(kHoldCleaned), hold); }

void AppSettings::setSoundEffects(bool on) { defaults_.setValue(key(kSoundEffects), on); }

std::optional<QString> AppSettings::chosenLanguage() const {
    const std::optional<QStringList> list = defaults_.stringList(key(kAppleLanguages));
    if (!list || list->isEmpty()) return std::nullopt;
    return list->first();
}

void AppSettings::setChosenLanguage(const std::optional<QString>& code) {
    // A list, not a QStringList: the INI format stores a one-element string
    // list as a bare text, which reads back as no choice.
    if (code)
        defaults_.setValue(key(kAppleLanguages), QVariantList{*code});
    else
        defaults_.remove(key(kAppleLanguages));
}

bool AppSettings::migratedFromOldName() const { return defaults_.boolValue(key(kMigratedFromOldName)); }
void AppSettings::setMigratedFromOldName() { defaults_.setValue(key(kMigratedFromOldName), true); }

}  // namespace sorbeta
