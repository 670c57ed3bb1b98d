#pragma once
// Full disk access: whether the process may read the places the system
// guards, and which paths would raise a privacy prompt when touched.
#include <QUrl>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/Places.h"

namespace sorbeta::Access {

// Whether the process has full disk access, probed afresh on every call; safe
// on any thread. Linux has no privacy gate: it answers true.
bool hasFullDisk();

// The question as the models ask it: hasFullDisk in the application, a
// stand-in ("no access") in tests of the limited mode. Handed in by the
// service container.
using Probe = std::function<bool()>;

// Pure string test on the path (for the home folder of `places`); never
// touches the file system.
bool wouldPrompt(const std::filesystem::path& path, const platform::Places& places);

// ".photoslibrary", ".musiclibrary", ".tvlibrary", ".photolibrary"
const std::vector<std::string>& promptingPackageSuffixes();

// Whether the system guards places behind a privacy gate that the user opens
// in its settings. Linux has none, so nothing offers to open that page.
bool hasPrivacyGate();

// The system settings page for full disk access (opens nothing on Linux).
QUrl settingsURL();

// The privacy-gate probe of a system that has one: the first existing of
// three protected files opened for reading, else the Safari folder listed.
bool fullDiskProbe(const platform::Places& places);

}  // namespace sorbeta::Access
