#pragma once
// The interface language: nine shipped languages or the system's order. A
// choice is stored as a one-element list in our own settings
// (AppSettings::chosenLanguage) and takes effect in a new instance: the
// localisation and the layout direction are fixed when the process starts.
#include <QLocale>
#include <QString>
#include <QStringList>
#include <Qt>
#include <array>
#include <functional>
#include <optional>

namespace sorbeta::AppLanguage {

struct Language {
    const char* code;  // localisation identifier
    const char* name;  // the language's own name, shown as it stands
};

inline constexpr std::array<Language, 9> languages = {{
    {"zh-Hans", "简体中文"},
    {"en", "English"},
    {"ko", "한국어"},
    {"ja", "日本語"},
    {"zh-Hant", "繁體中文"},
    {"th", "ไทย"},
    {"vi", "Tiếng Việt"},
    {"es", "Español"},
    {"ar", "العربية"},
}};

// The language the texts are written in; it needs no translation file.
inline constexpr const char* sourceLocalization = "zh-Hans";

// The stored override (AppSettings::chosenLanguage), read from our own
// domain on every call.
std::optional<QString> chosen();

// The localisation the running interface is shown in ("zh-Hans" when none was
// picked at start-up).
QString current();

// Starts a new instance of the application and quits this one; the service
// container hands in the real one (platform::relaunchSelf).
using Relaunch = std::function<void()>;

// Stores the code (a one-element list) or removes the key for none, then
// calls `relaunch`. Neither checks the code nor compares with the stored one.
void choose(const std::optional<QString>& code, const Relaunch& relaunch);

// --- Start-up --------------------------------------------------------------

// The shipped localisation that serves a language tag such as "en-US",
// "zh-TW" or "zh_Hant_HK"; empty when none does.
QString localizationFor(const QString& languageTag, const QStringList& shipped);

// The localisations in order of preference: the override when a shipped
// localisation serves it, else the system's languages that one serves.
QStringList preferredLocalizations(const std::optional<QString>& override, const QStringList& systemLanguages,
                                   const QStringList& shipped);

// "zh-Hans" and every code whose translation file is embedded.
QStringList shippedLocalizations();

// The translation file of a localisation inside the resources.
QString translationResource(const QString& code);

// The locale that writes dates, times, numbers and lists for a localisation.
QLocale localeOf(const QString& code);

// Picks the localisation from the override or the system's languages,
// makes its locale the default one and installs its translator into the
// application. Call once, after the
// application object exists and before any interface text is built. Returns
// the localisation picked.
QString startUp();

// Right to left for a right-to-left language ("ar"), else left to right.
Qt::LayoutDirection layoutDirectionFor(const QString& code);
Qt::LayoutDirection layoutDirection();  // of current()

}  // namespace sorbeta::AppLanguage
