#pragma once
// Our login item: the XDG autostart entry $XDG_CONFIG_HOME/autostart/<id>.desktop.
// Its state is read from disk on every call; it is written atomically and
// removed when switched off.
#include <QString>
#include <filesystem>

#include "platform/Places.h"

namespace sorbeta::platform::Autostart {

// The application id the entry is named after.
inline constexpr const char* kAppId = "com.rovek.sorbeta";

std::filesystem::path entryPath(const Places& places);
// The entry that starts `program` (an absolute path) at login.
QString entryText(const QString& program);
// An entry is there as a regular file and not hidden or switched off.
bool isEnabled(const Places& places);
// True when the entry was written.
bool enable(const Places& places, const QString& program);
// True when no entry is left.
bool disable(const Places& places);
// This executable as the login item should start it (an AppImage's own file
// when running from one).
QString ownProgram();

}  // namespace sorbeta::platform::Autostart
