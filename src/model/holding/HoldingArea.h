#pragma once
// The holding area: cleaned items wait here for 7 days, one folder per batch
// (<root>/<id>/files/<n>-<name> and <root>/<id>/manifest.json), and can be
// put back or deleted for good. All of it is synchronous file work; run it off
// the GUI thread. Nothing throws; failures are passed over item by item.
//
// The root must be a real folder of ours inside a real data folder of ours;
// otherwise nothing runs there. Every change takes the root's lock (a lock
// file, so two processes take turns too), and a batch whose writer is still
// at work (its journal is locked) is left alone by every operation.
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/disk/Removal.h"
#include "model/holding/HoldingManifest.h"
#include "platform/Places.h"
#include "platform/UniqueFd.h"

namespace sorbeta {

class HoldingWriter;

class HoldingArea {
public:
    using Path = std::filesystem::path;
    using Writer = HoldingWriter;

    struct RestoreResult {
        int64_t restored = 0;
        // Originals left alone: something is in their place, a folder on the
        // way became a link, or they lie outside the home folder.
        std::vector<std::string> skipped;
        // Originals that could not go back for any other reason (no
        // permission, a folder that cannot be made, a disk that is full):
        // they stay held too.
        std::vector<std::string> failed;
        bool operator==(const RestoreResult&) const = default;
    };

    // Items are restored only below `home`; the first form reads the home
    // folder from the environment now.
    explicit HoldingArea(Path root);
    HoldingArea(Path root, Path home);

    // The area in the data folder of `places`. The folder is made by the
    // first hold.
    static std::shared_ptr<HoldingArea> standard(const platform::Places& places);

    const Path& root() const { return root_; }

    // A writer for a new batch named by a fresh upper-case UUID.
    std::unique_ptr<HoldingWriter> makeWriter();

    // Ends a writer's batch: writes its manifest, or removes the empty folder
    // and answers nothing when the writer held nothing.
    std::optional<HoldBatch> commit(HoldingWriter& writer, const QString& title, const QDateTime& date);

    // Every readable batch, newest first. A batch whose clean never reached
    // its commit is read from its journal.
    std::vector<HoldBatch> batches() const;

    // Puts back the items the batch lists on disk now (only its id is taken
    // from `batch`). The batch folder goes once nothing is left in it.
    RestoreResult restore(const HoldBatch& batch);
    // Deletes the items the batch lists on disk now, then its manifest;
    // answers the bytes that really went. What could not go stays listed.
    int64_t purge(const HoldBatch& batch);
    // Deletes batches dated more than `days` days before `now` and folders
    // without a batch that are more than a day old; answers the bytes freed.
    // A folder whose files folder still holds anything is kept the full
    // `days`, by its batch's date or, with no record that reads, by the last
    // change to its files folder. A batch whose manifest cannot be read right
    // now is left for a later run.
    int64_t purgeExpired(int days, const QDateTime& now);

    // Names inside a batch folder and in the root.
    static constexpr const char* kManifest = "manifest.json";
    static constexpr const char* kJournal = "manifest.journal";
    static constexpr const char* kFiles = "files";
    static constexpr const char* kLock = ".lock";

private:
    friend class HoldingWriter;

    // The root opened as a real folder of ours (made with its data folder
    // when `create`), with the area's lock held until it is dropped.
    struct Session {
        platform::UniqueFd root;
        platform::UniqueFd lock;
        bool valid() const { return root.valid() && lock.valid(); }
    };
    Session open(bool create) const;
    platform::UniqueFd openRoot(bool create) const;

    Path root_;
    Path home_;
};

}  // namespace sorbeta

#include "model/holding/HoldingWriter.h"  // IWYU pragma: export
