#pragma once
// The writer that fills one holding batch while a clean runs (see
// HoldingArea.h, which includes this header).
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "model/disk/Removal.h"
#include "model/holding/HoldingArea.h"
#include "model/holding/HoldingManifest.h"
#include "platform/FileOps.h"
#include "platform/UniqueFd.h"

namespace sorbeta {

// Collects one batch while a clean runs. Each hold is written to the batch's
// journal, and that line flushed to the disk, before the item moves, so a
// clean that dies at any moment (the machine's power included) leaves every
// moved item listed; the journal stays locked while the writer works.
// One writer is used by one task at a time.
class HoldingWriter final : public DiskScanner::HoldSink {
public:
    using Path = std::filesystem::path;

    // A batch whose manifest grew past what the listing reads would turn into
    // an orphan and be deleted unseen a day later, so a writer takes no more
    // once its journal reaches `journalLimit` (by default half the read
    // limit, leaving room for the title).
    static constexpr std::size_t kJournalLimit = HoldingManifest::kMaxFileBytes / 2;

    // How the journal is forced to the disk.
    using Flush = bool (*)(int journalFd);

    HoldingWriter(const HoldingArea& area, std::string id, std::size_t journalLimit = kJournalLimit,
                  Flush flush = platform::flushData);
    ~HoldingWriter() override;
    HoldingWriter(const HoldingWriter&) = delete;
    HoldingWriter& operator=(const HoldingWriter&) = delete;

    const std::string& id() const { return id_; }
    const Path& batch() const { return batch_; }
    const std::vector<HoldBatch::Item>& items() const { return items_; }

    // Moves one item into the batch. `url` is a path as the safety test
    // normalised it (no links among its folders). True when it moved.
    bool hold(const Path& url, int64_t bytes) override;
    bool holdAt(int folderFd, const std::string& name, const Path& url, int64_t bytes) override;

private:
    friend class HoldingArea;
    bool prepare();
    enum class Durable { no, yes };
    bool append(const std::string& line, Durable durable);
    void finish();

    HoldingArea area_;  // a copy: two paths
    std::string id_;
    Path batch_;
    std::vector<HoldBatch::Item> items_;
    platform::UniqueFd root_;
    platform::UniqueFd folder_;
    platform::UniqueFd files_;
    platform::UniqueFd journal_;  // locked while the writer works
    std::size_t nameMax_ = 255;
    std::size_t journalLimit_;
    Flush flush_;
    std::size_t journalBytes_ = 0;
    Path lastParent_;
    platform::UniqueFd lastParentFd_;
    bool broken_ = false;  // the batch cannot be written: take nothing more
    bool finished_ = false;
};

}  // namespace sorbeta
