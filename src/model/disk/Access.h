#pragma once
// Full disk access: whether the process may read the places the system
// guards, and which paths would raise a privacy prompt when touched.
#include <QUrl>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace sorbeta::Access {

// Probed on every read; safe on any thread.
bool hasFullDisk();

// Pure string test on the path; never touches the file system.
bool wouldPrompt(const std::filesystem::path& path);

// ".photoslibrary", ".musiclibrary", ".tvlibrary", ".photolibrary"
const std::vector<std::string>& promptingPackageSuffixes();

// The system settings page for full disk access (opens nothing on Linux).
QUrl settingsURL();

// The probe used on this platform. Linux has no privacy gate, so the default
// answers true; tests install their own to exercise the limited mode. The
// privacy-gate probe itself is fullDiskProbe().
void setProbeForTesting(std::function<bool()> probe);  // empty restores the default
bool fullDiskProbe();

}  // namespace sorbeta::Access
