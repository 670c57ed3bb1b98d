#include "model/disk/Access.h"

#include <array>
#include <memory>
#include <mutex>
#include <string_view>

#include "platform/EntryInfo.h"
#include "platform/PathText.h"
#include "platform/Places.h"

namespace sorbeta::Access {
namespace {

// The folders whose contents the privacy gate guards, written as the user
// sees them. The two container folders end in "/": only what lies inside
// them is guarded, not the folder itself.
constexpr std::array<std::string_view, 19> kPromptPrefixes = {
    "~/Documents",
    "~/Downloads",
    "~/Desktop",
    "~/Pictures",
    "~/Movies",
    "~/Music",
    "~/Library/Mobile Documents",
    "~/Library/Photos",
    "~/Library/Calendars",
    "~/Library/Reminders",
    "~/Library/Application Support/AddressBook",
    "~/Library/Application Support/com.apple.TCC",
    "~/Library/Containers/",
    "~/Library/Group Containers/",
    "~/Library/Application Support/MobileSync",
    "~/Library/Mail",
    "~/Library/Messages",
    "~/Library/Safari",
    "~/.Trash",
};

// A prefix of names, not a folder: every cache of the system's own apps.
constexpr std::string_view kPromptNamePrefix = "~/Library/Caches/com.apple.";

// The expanded tables belong to one home folder; they are built again when a
// caller asks about another one.
struct Tables {
    std::string home;
    std::string namePrefix;
    // Each entry with the form that flags what lies below it.
    std::vector<std::pair<std::string, std::string>> prefixes;
};

std::shared_ptr<const Tables> tablesFor(const platform::Places& places) {
    static std::mutex mutex;
    static std::shared_ptr<const Tables> cached;
    std::lock_guard lock(mutex);
    if (cached && cached->home == places.home.native()) return cached;
    auto tables = std::make_shared<Tables>();
    tables->home = places.home.native();
    tables->namePrefix = places.expandTilde(std::string(kPromptNamePrefix)).native();
    for (std::string_view entry : kPromptPrefixes) {
        std::string expanded = places.expandTilde(std::string(entry)).native();
        std::string below = expanded.ends_with('/') ? expanded : expanded + '/';
        tables->prefixes.emplace_back(std::move(expanded), std::move(below));
    }
    cached = std::move(tables);
    return cached;
}

bool endsWithCaseless(std::string_view text, std::string_view lowerSuffix) {
    if (text.size() < lowerSuffix.size()) return false;
    const std::string_view tail = text.substr(text.size() - lowerSuffix.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        char c = tail[i];
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        if (c != lowerSuffix[i]) return false;
    }
    return true;
}

}  // namespace

const std::vector<std::string>& promptingPackageSuffixes() {
    static const std::vector<std::string> suffixes = {".photoslibrary", ".musiclibrary", ".tvlibrary", ".photolibrary"};
    return suffixes;
}

bool wouldPrompt(const std::filesystem::path& path, const platform::Places& places) {
    // A path names its item without a trailing slash, as a file URL's path does.
    const std::string_view text = platform::withoutTrailingSlashes(std::string_view(path.native()));

    const auto tables = tablesFor(places);
    if (text.starts_with(tables->namePrefix)) return true;
    for (const std::string& suffix : promptingPackageSuffixes())
        if (endsWithCaseless(text, suffix)) return true;
    for (const auto& [entry, below] : tables->prefixes)
        if (text == entry || text.starts_with(below)) return true;
    return false;
}

bool hasPrivacyGate() { return false; }

QUrl settingsURL() {
    return QUrl(QStringLiteral("x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles"));
}

bool fullDiskProbe(const platform::Places& places) {
    const std::string home = places.home.native();
    const std::array<std::string, 3> probes = {home + "/Library/Application Support/com.apple.TCC/TCC.db",
                                               home + "/Library/Safari/CloudTabs.db",
                                               home + "/Library/Safari/Bookmarks.plist"};
    for (const std::string& probe : probes) {
        // Existence shows even without access; only the first existing file counts.
        if (!platform::exists(probe)) continue;
        return platform::opensForReading(probe);
    }
    return platform::opensAsFolder(home + "/Library/Safari");
}

bool hasFullDisk() {
    // Linux has no privacy gate: everything the user owns is as readable as
    // its permissions say, so the app never runs limited.
    return true;
}

}  // namespace sorbeta::Access
