#pragma once
// The application's own settings, every key it stores in one place, each
// read and written through a named accessor over the app's defaults domain.
// Bools use the strict reading: only a stored bool true or the text "true".
#include <QString>
#include <optional>

#include "platform/Defaults.h"
#include "platform/Places.h"

namespace sorbeta {

class AppSettings {
public:
    // The keys as stored; earlier versions and the rename migration use them too.
    static constexpr const char* kAccessGuideDone = "accessGuideDone";
    static constexpr const char* kHoldCleaned = "holdCleaned";
    static constexpr const char* kSoundEffects = "soundEffects";
    static constexpr const char* kCareSettings = "careSettings";
    static constexpr const char* kAppleLanguages = "AppleLanguages";
    static constexpr const char* kMigratedFromOldName = "migratedFromOldName";

    // The app's domain in the configuration folder the environment names now.
    AppSettings();
    // The app's domain in the configuration folder of `places`.
    explicit AppSettings(const platform::Places& places);
    // The same keys in another domain (the rename migration runs on any).
    explicit AppSettings(platform::Defaults domain);

    // The full-disk-access guide was finished or skipped once.
    bool accessGuideDone() const;
    void setAccessGuideDone(bool done);

    // Cleaned files go to the holding area instead of being deleted.
    bool holdCleaned() const;
    void setHoldCleaned(bool hold);

    // Interface sounds play.
    bool soundEffects() const;
    void setSoundEffects(bool on);

    // The interface language the user picked: the first element of the
    // stored list; none for a missing key, another type or an empty list.
    std::optional<QString> chosenLanguage() const;
    // Stores a one-element list, or removes the key for none.
    void setChosenLanguage(const std::optional<QString>& code);

    // The settings of the former identifiers were carried over once.
    bool migratedFromOldName() const;
    void setMigratedFromOldName();

    const platform::Defaults& defaults() const { return defaults_; }

private:
    platform::Defaults defaults_;
};

}  // namespace sorbeta
