#pragma once
// The holding area: cleaned items wait here for 7 days, one folder per batch
// (<root>/<id>/files/<n>-<name> and <root>/<id>/manifest.json), and can be
// put back or deleted for good. All of it is synchronous file work; run it off
// the GUI thread. Nothing throws; failures are passed over item by item.
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
        std::vector<std::string> skipped;  // originals left alone because something is there
        bool operator==(const RestoreResult&) const = default;
    };

    explicit HoldingArea(Path root);

    struct Shared;  // per-root state, defined in Holding.cpp

    // The area in the data folder of `places`. Areas on one folder share
    // their lock, however many are made. The folder is made by the first hold.
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

    RestoreResult restore(const HoldBatch& batch);
    // Deletes a batch; answers the bytes that really went.
    int64_t purge(const HoldBatch& batch);
    // Deletes batches dated more than `days` days before `now` and folders
    // without a batch that are more than a day old; answers the bytes freed.
    int64_t purgeExpired(int days, const QDateTime& now);

    // Names inside a batch folder.
    static constexpr const char* kManifest = "manifest.json";
    static constexpr const char* kJournal = "manifest.journal";
    static constexpr const char* kFiles = "files";

private:
    friend class HoldingWriter;

    std::optional<HoldBatch> readBatch(const std::string& name) const;
    int64_t purgeFolder(const std::string& name);
    bool isWriting(const std::string& id) const;

    Path root_;
    std::shared_ptr<Shared> shared_;  // one per root: the lock and the batches being written
};

// Collects one batch while a clean runs. Each hold is written to the batch's
// journal before the item moves, so a clean that dies at any moment leaves
// every moved item listed. One writer is used by one task at a time.
class HoldingWriter final : public DiskScanner::HoldSink {
public:
    using Path = std::filesystem::path;

    // A batch whose manifest grew past what the listing reads would turn into
    // an orphan and be deleted unseen a day later, so a writer takes no more
    // once its journal reaches `journalLimit` (by default half the read
    // limit, leaving room for the title).
    static constexpr std::size_t kJournalLimit = HoldingManifest::kMaxFileBytes / 2;

    HoldingWriter(const HoldingArea& area, std::string id, std::size_t journalLimit = kJournalLimit);
    ~HoldingWriter() override;
    HoldingWriter(const HoldingWriter&) = delete;
    HoldingWriter& operator=(const HoldingWriter&) = delete;

    const std::string& id() const { return id_; }
    const Path& batch() const { return batch_; }
    const std::vector<HoldBatch::Item>& items() const { return items_; }

    // Moves one item into the batch. `url` is a path as the safety test
    // normalised it (no links among its folders). True when it moved.
    bool hold(const Path& url, int64_t bytes) override;

private:
    friend class HoldingArea;
    bool prepare();
    bool append(const std::string& line);
    void finish();

    std::shared_ptr<HoldingArea::Shared> shared_;
    std::string id_;
    Path batch_;
    std::vector<HoldBatch::Item> items_;
    platform::UniqueFd files_;
    platform::UniqueFd journal_;
    std::size_t nameMax_ = 255;
    std::size_t journalLimit_;
    std::size_t journalBytes_ = 0;
    Path lastParent_;
    platform::UniqueFd lastParentFd_;
    bool broken_ = false;  // the journal could not be written: take nothing more
    bool finished_ = false;
};

}  // namespace sorbeta
