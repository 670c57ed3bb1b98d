#pragma once
// The values behind the developer and files pages: groups of removable
// entries, each entry carrying how it is removed.
#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <variant>
#include <vector>

#include "model/common/Flavor.h"

namespace sorbeta {

struct DevEntry {
    using Path = std::filesystem::path;

    // Delete a simulator runtime through the simulator tool.
    struct SimRuntime {
        QString identifier;
        bool operator==(const SimRuntime&) const = default;
    };
    // Delete a simulator device through the simulator tool.
    struct SimDevice {
        QString udid;
        bool operator==(const SimDevice&) const = default;
    };
    // Move the items to the Trash, only inside the developer folders the removal allows.
    struct Trash {
        std::vector<Path> urls;
        bool operator==(const Trash&) const = default;
    };
    // Delete project dependency and build folders outright.
    struct Artifacts {
        std::vector<Path> urls;
        bool operator==(const Artifacts&) const = default;
    };
    // What a file was when it was offered; a file that no longer matches is
    // not the one the user saw.
    struct FileIdentity {
        uint64_t device = 0;
        uint64_t inode = 0;
        int64_t length = 0;
        int64_t modifiedSeconds = 0, modifiedNanoseconds = 0;  // the content's last change
        bool operator==(const FileIdentity&) const = default;
        // The regular file at `url` as it is now; nothing for anything else.
        static std::optional<FileIdentity> of(const std::filesystem::path& url);
    };
    // Move one user file to the Trash. With an identity, only while the file
    // still matches it; with a kept copy (a duplicate), only while that copy
    // is still there and matches its own identity. Without either, by path.
    struct TrashFile {
        Path url;
        std::optional<FileIdentity> identity;
        Path kept;
        std::optional<FileIdentity> keptIdentity;
        bool operator==(const TrashFile&) const = default;
    };
    // Nothing is removed: the page only shows the item in the file manager.
    struct Reveal {
        Path url;
        bool operator==(const Reveal&) const = default;
    };
    // Prune the container engine's unused data.
    struct DockerPrune {
        bool operator==(const DockerPrune&) const = default;
    };
    // The alternatives in their fixed order (reveal is the sixth); equal by kind and payload.
    using Action = std::variant<SimRuntime, SimDevice, Trash, Artifacts, TrashFile, Reveal, DockerPrune>;

    QString id;      // unique across the groups of one page: the group's prefix and a key
    QString title;   // first line
    QString detail;  // second line
    int64_t bytes = 0;
    Action action;
    bool recommended = false;    // a safe pick, ticked after every load
    std::optional<int> cluster;  // set of like entries (duplicate files), coloured alike

    // Entries that can only be shown are never ticked or counted.
    bool onlyRevealed() const { return std::holds_alternative<Reveal>(action); }
    bool operator==(const DevEntry&) const = default;
};

struct DevGroup {
    QString id;  // fixed per kind of group ("runtimes", "dups"…)
    QString title;
    QString icon;  // symbol name
    Flavor flavor = Flavor::cloud;
    QString note;  // what the group holds and how it is removed
    std::vector<DevEntry> entries;

    // Bytes of the recommended entries that can really be removed.
    int64_t recommendedBytes() const;
    bool operator==(const DevGroup&) const = default;
};

// Largest first; entries of equal size keep their order.
void sortLargestFirst(std::vector<DevEntry>& entries);

}  // namespace sorbeta
