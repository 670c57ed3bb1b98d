#include "model/disk/TrashPairs.h"

#include "model/disk/Measure.h"
#include "platform/EntryInfo.h"

namespace sorbeta::TrashPairs {
namespace {

constexpr std::string_view kInfoSuffix = ".trashinfo";

// Holds or deletes one item that passed the safety test; the bytes that went.
int64_t take(const Path& item, DiskScanner::HoldSink* hold, int* stayed) {
    const int64_t bytes = DiskScanner::size(item);
    const int64_t went = hold ? (hold->hold(item, bytes) ? bytes : 0) : DiskScanner::removeMeasured(item, bytes);
    if (stayed && platform::presenceOf(item) != platform::Presence::absent) ++*stayed;
    return went;
}

// A file beside the emptied folder, taken only when it passes the safety
// test itself, as its normalised path.
int64_t takeBeside(const Path& path, DiskScanner::HoldSink* hold, const platform::Places& places, int* stayed) {
    if (!platform::entryExists(path)) return 0;
    const auto normal = DiskScanner::normalised(path);
    if (!normal || !DiskScanner::isSafeToTouch(*normal, false, true, places)) return 0;
    return take(*normal, hold, stayed);
}

bool isPairFolder(const Path& folder, const char* name) {
    return folder.filename() == name && folder.parent_path().filename() == "Trash";
}

}  // namespace

Part partOf(const Path& folder, const platform::Places& places) {
    const Path trash = places.dataHome / "Trash";
    if (const auto files = DiskScanner::normalised(trash / "files"); files && *files == folder) return Part::files;
    if (const auto info = DiskScanner::normalised(trash / "info"); info && *info == folder) return Part::info;
    return Part::none;
}

int64_t empty(const Path& folder, Part part, DiskScanner::HoldSink* hold, const platform::Places& places,
              const DiskScanner::FolderEntries* only, int* stayed) {
    const Path trash = folder.parent_path();
    int64_t freed = 0;
    if (part == Part::files) {
        for (const Path& item : DiskScanner::contentsOf(folder)) {
            if (!DiskScanner::isListed(only, item)) continue;
            freed += take(item, hold, stayed);
            // An item that stays keeps its description.
            if (platform::entryExists(item)) continue;
            const std::string described = item.filename().native() + std::string(kInfoSuffix);
            freed += takeBeside(trash / "info" / described, hold, places, stayed);
        }
        // The sizes of folders that are no longer there.
        freed += takeBeside(trash / "directorysizes", hold, places, stayed);
    } else if (part == Part::info) {
        for (const Path& description : DiskScanner::contentsOf(folder)) {
            const std::string name = description.filename().native();
            if (name.size() <= kInfoSuffix.size() || !name.ends_with(kInfoSuffix)) continue;
            const Path item = trash / "files" / name.substr(0, name.size() - kInfoSuffix.size());
            if (platform::presenceOf(item) != platform::Presence::absent) continue;
            if (!DiskScanner::isListed(only, description)) continue;
            freed += take(description, hold, stayed);
        }
    }
    return freed;
}

std::string partnerOf(const std::string& path) {
    const Path item(path);
    const std::string name = item.filename().native();
    const Path folder = item.parent_path();
    if (name.empty()) return {};
    if (isPairFolder(folder, "files"))
        return (folder.parent_path() / "info" / (name + std::string(kInfoSuffix))).native();
    if (isPairFolder(folder, "info") && name.size() > kInfoSuffix.size() && name.ends_with(kInfoSuffix))
        return (folder.parent_path() / "files" / name.substr(0, name.size() - kInfoSuffix.size())).native();
    return {};
}

std::set<std::string> blockedPairs(const std::vector<std::string>& originals,
                                   const std::function<bool(const std::string&)>& occupied) {
    const std::set<std::string> held(originals.begin(), originals.end());
    std::set<std::string> blocked;
    for (const std::string& original : originals) {
        const std::string partner = partnerOf(original);
        if (partner.empty() || !held.count(partner)) continue;
        if (occupied(original) || occupied(partner)) blocked.insert({original, partner});
    }
    return blocked;
}

}  // namespace sorbeta::TrashPairs
