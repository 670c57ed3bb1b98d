#include "model/holding/HoldingArea.h"

#include <QUuid>
#include <algorithm>
#include <map>
#include <mutex>
#include <set>
#include <system_error>

#include "model/disk/Measure.h"
#include "model/disk/Removal.h"
#include "platform/EntryInfo.h"
#include "platform/FileOps.h"
#include "platform/Listing.h"
#include "platform/PathText.h"

namespace sorbeta {

using platform::ParentLinks;
using platform::UniqueFd;

// State every area on one root shares, so that two instances on the same
// folder still take turns.
struct HoldingArea::Shared {
    std::mutex operations;  // restore, purge, expiry and commit, one at a time
    mutable std::mutex activeLock;
    std::set<std::string> active;  // batches whose writer is still at work
};

namespace {

std::shared_ptr<HoldingArea::Shared> sharedFor(const std::filesystem::path& root) {
    static std::mutex registryLock;
    static std::map<std::string, std::weak_ptr<HoldingArea::Shared>> registry;
    std::lock_guard lock(registryLock);
    auto& slot = registry[root.lexically_normal().native()];
    auto shared = slot.lock();
    if (!shared) {
        shared = std::make_shared<HoldingArea::Shared>();
        slot = shared;
    }
    return shared;
}

// The names in a folder; none when it cannot be listed.
std::vector<std::string> entryNames(const std::filesystem::path& folder) {
    return platform::listNames(folder).value_or(std::vector<std::string>{});
}

}  // namespace

HoldingArea::HoldingArea(Path root) : root_(std::move(root)), shared_(sharedFor(root_)) {}

std::shared_ptr<HoldingArea> HoldingArea::standard(const platform::Places& places) {
    return std::make_shared<HoldingArea>(places.holdingFolder());
}

std::unique_ptr<HoldingWriter> HoldingArea::makeWriter() {
    const std::string id = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper().toStdString();
    return std::make_unique<HoldingWriter>(*this, id);
}

bool HoldingArea::isWriting(const std::string& id) const {
    std::lock_guard lock(shared_->activeLock);
    return shared_->active.count(id) > 0;
}

std::optional<HoldBatch> HoldingArea::commit(HoldingWriter& writer, const QString& title, const QDateTime& date) {
    std::lock_guard lock(shared_->operations);
    if (writer.items_.empty()) {
        writer.finish();
        platform::removeTree(writer.batch_, ParentLinks::follow);
        return std::nullopt;
    }
    // The caller gets back the date it gave; only the manifest keeps it in
    // whole seconds, so a batch read back later may differ below a second.
    HoldBatch batch{writer.id_, date, title, writer.items_};
    const auto bytes = HoldingManifest::encode(batch);
    if (bytes && platform::writeFileAtomically(writer.batch_ / kManifest, *bytes)) {
        // The manifest now lists everything the journal did.
        platform::removeFile(writer.batch_ / kJournal);
    }
    writer.finish();
    return batch;
}

std::optional<HoldBatch> HoldingArea::readBatch(const std::string& name) const {
    // A batch's folder is the folder its manifest was read from, and only a
    // real folder (never a link) whose manifest names it.
    const Path folder = root_ / name;
    if (!platform::isPlainName(name)) return std::nullopt;
    const auto info = platform::entryInfo(folder);
    if (!info || info->kind != platform::EntryKind::folder) return std::nullopt;
    std::string bytes;
    const Path manifest = folder / kManifest;
    if (platform::entryExists(manifest)) {
        if (!platform::readSmallFile(manifest, HoldingManifest::kMaxFileBytes, bytes)) return std::nullopt;
        auto batch = HoldingManifest::decode(bytes);
        if (!batch || batch->id != name) return std::nullopt;
        return batch;
    }
    // No manifest yet: the clean never got to its commit. Its journal lists
    // every item that may have moved; keep those that really did.
    if (!platform::readSmallFile(folder / kJournal, HoldingManifest::kMaxFileBytes, bytes)) return std::nullopt;
    auto batch = HoldingManifest::decodeJournal(bytes);
    if (!batch || batch->id != name) return std::nullopt;
    const Path files = folder / kFiles;
    std::erase_if(batch->items,
                  [&](const HoldBatch::Item& item) { return !platform::entryExists(files / item.stored); });
    if (batch->items.empty()) return std::nullopt;
    return batch;
}

std::vector<HoldBatch> HoldingArea::batches() const {
    std::vector<HoldBatch> list;
    for (const std::string& name : entryNames(root_)) {
        if (isWriting(name)) continue;
        if (auto batch = readBatch(name)) list.push_back(std::move(*batch));
    }
    std::stable_sort(list.begin(), list.end(), [](const HoldBatch& a, const HoldBatch& b) { return a.date > b.date; });
    return list;
}

HoldingArea::RestoreResult HoldingArea::restore(const HoldBatch& batch) {
    std::lock_guard lock(shared_->operations);
    RestoreResult result;
    if (!platform::isPlainName(batch.id) || isWriting(batch.id)) return result;

    // Open the batch's folders without following links, and tell "gone" apart
    // from "cannot look": only a held file that is really gone is dropped.
    bool folderMissing = false, filesMissing = false;
    const UniqueFd rootFd = platform::openFolder(root_, ParentLinks::follow, &folderMissing);
    const UniqueFd folderFd =
        rootFd.valid() ? platform::openChildFolder(rootFd.get(), batch.id, &folderMissing) : UniqueFd();
    const UniqueFd filesFd =
        folderFd.valid() ? platform::openChildFolder(folderFd.get(), kFiles, &filesMissing) : UniqueFd();
    if (!folderFd.valid()) filesMissing = folderMissing;

    std::vector<HoldBatch::Item> kept;
    for (const HoldBatch::Item& item : batch.items) {
        if (!platform::isPlainName(item.stored) || !HoldingManifest::isValidOriginal(item.original)) {
            kept.push_back(item);
            continue;
        }
        if (!filesFd.valid()) {
            if (!filesMissing) kept.push_back(item);
            continue;
        }
        const platform::Presence held = platform::presenceAt(filesFd.get(), item.stored);
        if (held != platform::Presence::present) {
            if (held == platform::Presence::unknown) kept.push_back(item);
            continue;
        }
        // A dangling link at the original place is something too.
        if (platform::entryExists(item.original)) {
            result.skipped.push_back(item.original);
            kept.push_back(item);
            continue;
        }
        std::error_code ignored;
        std::filesystem::create_directories(platform::parentOf(item.original), ignored);
        const int error = platform::moveNoReplace(filesFd.get(), item.stored, Path(item.original));
        if (error == 0) {
            ++result.restored;
            continue;
        }
        if (error == int(std::errc::file_exists)) result.skipped.push_back(item.original);
        kept.push_back(item);
    }

    const Path folder = root_ / batch.id;
    // A batch folder that is gone, or that is no longer a real folder, gets
    // no manifest written through it.
    if (!folderFd.valid()) return result;
    if (kept.empty()) {
        platform::removeTree(folder, ParentLinks::follow);
        return result;
    }
    HoldBatch rest = batch;
    rest.items = std::move(kept);
    const auto bytes = HoldingManifest::encode(rest);
    if (bytes && platform::writeFileAtomically(folder / kManifest, *bytes)) platform::removeFile(folder / kJournal);
    return result;
}

int64_t HoldingArea::purgeFolder(const std::string& name) {
    const Path folder = root_ / name;
    return DiskScanner::removeMeasured(folder, DiskScanner::size(folder), ParentLinks::follow);
}

int64_t HoldingArea::purge(const HoldBatch& batch) {
    std::lock_guard lock(shared_->operations);
    if (!platform::isPlainName(batch.id) || isWriting(batch.id)) return 0;
    return purgeFolder(batch.id);
}

int64_t HoldingArea::purgeExpired(int days, const QDateTime& now) {
    std::lock_guard lock(shared_->operations);
    const QDateTime cutoff = now.addSecs(-int64_t(days) * 86400);
    const QDateTime orphanCutoff = now.addSecs(-86400);
    int64_t total = 0;
    std::set<std::string> known;
    for (const HoldBatch& batch : batches()) {
        known.insert(batch.id);
        if (batch.date < cutoff) total += purgeFolder(batch.id);
    }
    for (const std::string& name : entryNames(root_)) {
        if (known.count(name) || name.front() == '.' || isWriting(name)) continue;
        if (DiskScanner::modified(root_ / name) < orphanCutoff) total += purgeFolder(name);
    }
    return total;
}

// ---------------------------------------------------------------------------

HoldingWriter::HoldingWriter(const HoldingArea& area, std::string id, std::size_t journalLimit)
    : shared_(area.shared_), id_(std::move(id)), batch_(area.root() / id_), journalLimit_(journalLimit) {
    std::lock_guard lock(shared_->activeLock);
    shared_->active.insert(id_);
}

HoldingWriter::~HoldingWriter() { finish(); }

void HoldingWriter::finish() {
    if (finished_) return;
    finished_ = true;
    files_ = UniqueFd();
    journal_ = UniqueFd();
    lastParentFd_ = UniqueFd();
    std::lock_guard lock(shared_->activeLock);
    shared_->active.erase(id_);
}

bool HoldingWriter::prepare() {
    if (files_.valid() && journal_.valid()) return true;
    const Path files = batch_ / HoldingArea::kFiles;
    platform::makeAppFolder(files);
    files_ = platform::openFolder(files, ParentLinks::follow);
    if (!files_.valid()) return false;
    nameMax_ = platform::nameMax(files_.get());
    const Path journal = batch_ / HoldingArea::kJournal;
    journal_ = platform::openForAppending(journal);
    if (!journal_.valid()) return false;
    const auto header = HoldingManifest::journalHeader(id_, QDateTime::currentDateTimeUtc());
    if (!header || !append(*header)) {
        journal_ = UniqueFd();
        broken_ = true;
        return false;
    }
    return true;
}

bool HoldingWriter::append(const std::string& line) {
    // A torn line is taken back; whatever happens, nothing more is written.
    if (!platform::appendWhole(journal_.get(), line)) {
        broken_ = true;
        return false;
    }
    journalBytes_ += line.size();
    return true;
}

bool HoldingWriter::hold(const Path& url, int64_t bytes) {
    if (finished_ || broken_) return false;
    const std::string& path = url.native();
    const std::string leaf = platform::lastComponent(url);
    if (!platform::isPlainName(leaf) || !HoldingManifest::isValidOriginal(path)) return false;
    if (!prepare()) return false;

    const Path parent = platform::parentOf(url);
    if (!lastParentFd_.valid() || parent != lastParent_) {
        lastParentFd_ = platform::openFolder(parent, ParentLinks::refuse);
        lastParent_ = lastParentFd_.valid() ? parent : Path();
        if (!lastParentFd_.valid()) return false;
    }

    // The number is the count of items held so far; shortened names stay
    // unique because no two items share a number.
    HoldBatch::Item item{path, platform::fitName(std::to_string(items_.size()) + "-", leaf, nameMax_), bytes};
    const std::string line = HoldingManifest::journalItem(item);
    if (journalBytes_ + line.size() > journalLimit_) return false;  // the batch is full: leave it in place
    // Journal first: a crash between the two leaves an entry whose file never
    // arrived, which the listing drops, never a file that nothing lists.
    if (!append(line)) return false;
    if (platform::moveNoReplace(lastParentFd_.get(), leaf, files_.get(), item.stored) != 0) {
        append(HoldingManifest::journalUndo(item.stored));
        return false;
    }
    items_.push_back(std::move(item));
    return true;
}

}  // namespace sorbeta
