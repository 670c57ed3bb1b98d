#pragma once
// What the uninstaller knows of one installed application and of the files
// it left outside itself. Plain values, copied freely between threads.
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "model/common/PathId.h"

namespace sorbeta {

using Path = std::filesystem::path;

// One file or folder an application keeps outside its bundle.
struct Leftover {
    enum class Kind { support, cache, prefs, container, state, logs, web, agent, other };

    Path url;
    Kind kind = Kind::other;
    int64_t bytes = 0;

    QString id() const { return pathId(url); }
    // The short name shown on the row and its one-line explanation, translated.
    static QString label(Kind kind);
    static QString hint(Kind kind);

    bool operator==(const Leftover&) const = default;
};

// What an application is on disk: a macOS-style bundle (a folder named
// *.app), an AppImage, or an unpacked application folder.
enum class AppKind { bundle, appImage, folder };

// What the user's desktop entry for a Linux application adds to the record.
struct DesktopIdentity {
    Path entry;                    // the desktop entry that runs it; empty when none does
    std::vector<QString> aliases;  // its untranslated Name and StartupWMClass, matched like the name
    Path program;                  // what the entry runs, links resolved; empty when unknown
    QString icon;                  // the entry's Icon: a path or a theme name

    bool operator==(const DesktopIdentity&) const = default;
};

struct InstalledApp {
    Path url;
    QString name;
    QString bundleID;  // the identifier the leftover search and process search go by
    QString version;
    int64_t appBytes = 0;
    std::optional<QDateTime> lastUsed;
    std::vector<Leftover> leftovers;
    AppKind kind = AppKind::bundle;
    DesktopIdentity desktop;

    QString id() const { return pathId(url); }
    int64_t totalBytes() const;

    // Equal when the same bundle weighs the same with the same leftovers, so
    // a re-measured application compares unequal.
    bool operator==(const InstalledApp& other) const {
        return url.native() == other.url.native() && totalBytes() == other.totalBytes() && leftovers == other.leftovers;
    }
};

}  // namespace sorbeta
