#include "model/holding/HoldingArea.h"
#include "model/common/Bytes.h"

#include <QUuid>
#include <algorithm>
#include <ranges>
#include <set>
#include <system_error>

#include "model/disk/Measure.h"
#include "model/disk/TrashPairs.h"
#include "model/holding/RestoreTargets.h"
#include "platform/EntryInfo.h"
#include "platform/FileOps.h"
#include "platform/HeldFolders.h"
#include "platform/Listing.h"
#include "platform/PathText.h"

namespace sorbeta {

using platform::Create;
using platform::ParentLinks;
using platform::UniqueFd;

namespace {

using Result = platform::OpenedFolder::Result;

using Bytes::plus;

// What a batch folder holds, as read now.
struct BatchRead {
    enum class Kind {
        batch,
        notABatch,     // no manifest or journal that reads as this folder's batch: an orphan
        unreadable,    // something is there that cannot be read right now: leave it be
        beingWritten,  // a writer still works on it
    };
    Kind kind = Kind::notABatch;
    std::optional<HoldBatch> batch;
};

BatchRead readBatchAt(int folderFd, const std::string& name) {
    using Kind = BatchRead::Kind;
    using platform::ReadOutcome;
    // A running writer keeps its journal locked.
    const platform::FileLock writer = platform::lockFileAt(folderFd, HoldingArea::kJournal, platform::LockMode::shared,
                                                           platform::LockWait::tryOnly, Create::no);
    if (writer.state == platform::FileLock::State::busy) return {Kind::beingWritten, {}};
    if (writer.state == platform::FileLock::State::failed) return {Kind::unreadable, {}};

    std::string bytes;
    std::optional<HoldBatch> batch;
    bool fromJournal = false;
    switch (platform::readRegularFileAt(folderFd, HoldingArea::kManifest, HoldingManifest::kMaxFileBytes, bytes)) {
        case ReadOutcome::ok: batch = HoldingManifest::decode(bytes); break;
        case ReadOutcome::failed: return {Kind::unreadable, {}};
        case ReadOutcome::refused: return {};
        case ReadOutcome::missing:
            // No manifest yet: the clean never got to its commit. Its journal
            // lists every item that may have moved.
            switch (
                platform::readRegularFileAt(folderFd, HoldingArea::kJournal, HoldingManifest::kMaxFileBytes, bytes)) {
                case ReadOutcome::ok: break;
                case ReadOutcome::failed: return {Kind::unreadable, {}};
                default: return {};
            }
            batch = HoldingManifest::decodeJournal(bytes);
            fromJournal = true;
            break;
    }
    if (!batch || batch->id != name) return {};
    // Keep the items whose file really is held. A journal lists moves that
    // may never have happened, and a manifest that could not be written anew
    // after a restore (a full disk) still lists what went back.
    bool filesMissing = false;
    const UniqueFd files = platform::openChildFolder(folderFd, HoldingArea::kFiles, &filesMissing);
    if (!files.valid() && !filesMissing) {
        // Cannot look now: a manifest stays as it is, with every item it lists.
        if (fromJournal) return {Kind::unreadable, {}};
        return {Kind::batch, std::move(batch)};
    }
    std::erase_if(batch->items, [&](const HoldBatch::Item& item) {
        return !files.valid() || platform::presenceAt(files.get(), item.stored) == platform::Presence::absent;
    });
    // Still a batch when nothing it lists is left: its date tells how long
    // whatever else its files folder holds must be kept.
    return {Kind::batch, std::move(batch)};
}

// Removes the entry `name` of a folder of the holding area. Held items
// that the user's tools made read-only (module caches) are ours now: they are
// opened up so that they can go, or they would never leave.
platform::Removal removeHeld(int folderFd, const std::string& name) {
    return platform::removeTreeAt(folderFd, name, platform::LockedFolders::openUp);
}

// Writes a batch's manifest anew; the journal is then no longer needed.
void rewrite(int folderFd, const HoldBatch& batch) {
    const auto bytes = HoldingManifest::encode(batch);
    if (bytes && platform::writeFileAtomicallyAt(folderFd, HoldingArea::kManifest, *bytes))
        platform::removeFileAt(folderFd, HoldingArea::kJournal);
}

// Removes a batch folder whose listed items are all gone: its empty files
// folder first, and only once that is gone its journal, its manifest and the
// folder. Held files that nothing lists (a journal line a power cut took)
// keep the batch's record, and with it the batch's date, beside them.
int64_t dropEmptyBatch(int rootFd, int folderFd, const std::string& name) {
    platform::removeEmptyFolderAt(folderFd, HoldingArea::kFiles);
    if (platform::presenceAt(folderFd, HoldingArea::kFiles) != platform::Presence::absent) return 0;
    int64_t freed = platform::removeTreeAt(folderFd, HoldingArea::kJournal).bytes;
    freed = plus(freed, platform::removeTreeAt(folderFd, HoldingArea::kManifest).bytes);
    platform::removeEmptyFolderAt(rootFd, name);
    return freed;
}

// Deletes the items a batch lists; what cannot go stays listed.
int64_t deleteListed(int rootFd, int folderFd, HoldBatch batch) {
    bool filesMissing = false;
    const UniqueFd files = platform::openChildFolder(folderFd, HoldingArea::kFiles, &filesMissing);
    int64_t freed = 0;
    std::vector<HoldBatch::Item> left;
    for (HoldBatch::Item item : batch.items) {
        if (!files.valid()) {
            if (!filesMissing) left.push_back(std::move(item));
            continue;
        }
        const platform::Removal removal = removeHeld(files.get(), item.stored);
        freed = plus(freed, removal.bytes);
        if (removal.complete || platform::presenceAt(files.get(), item.stored) == platform::Presence::absent) continue;
        item.bytes = std::max<int64_t>(0, item.bytes - removal.bytes);
        left.push_back(std::move(item));
    }
    if (!left.empty()) {
        batch.items = std::move(left);
        rewrite(folderFd, batch);
        return freed;
    }
    return plus(freed, dropEmptyBatch(rootFd, folderFd, batch.id));
}

std::optional<QDateTime> changedAt(int folderFd, const std::string& name) {
    const auto info = platform::entryInfoAt(folderFd, name);
    if (!info) return std::nullopt;
    const int64_t ms = info->modifiedSeconds * 1000 + info->modifiedNanoseconds / 1000000;
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

QDateTime modifiedAt(int folderFd, const std::string& name) {
    return changedAt(folderFd, name).value_or(DiskScanner::distantPast());
}

// Whether a batch folder's files folder holds anything; when that cannot be
// told, it may.
bool holdsFiles(int folderFd) {
    bool missing = false;
    const UniqueFd files = platform::openChildFolder(folderFd, HoldingArea::kFiles, &missing);
    if (!files.valid()) return !missing;
    const auto names = platform::listNamesAt(files.get());
    return !names || !names->empty();
}

}  // namespace

HoldingArea::HoldingArea(Path root) : HoldingArea(std::move(root), platform::Places::fromEnvironment().home) {}

HoldingArea::HoldingArea(Path root, Path home) : root_(std::move(root)), home_(std::move(home)) {}

std::shared_ptr<HoldingArea> HoldingArea::standard(const platform::Places& places) {
    return std::make_shared<HoldingArea>(places.holdingFolder(), places.home);
}

std::unique_ptr<HoldingWriter> HoldingArea::makeWriter() {
    const std::string id = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper().toStdString();
    return std::make_unique<HoldingWriter>(*this, id);
}

UniqueFd HoldingArea::openRoot(bool create) const {
    // The root and the data folder that holds it must be real folders of
    // ours: a link there could send expiry or a restore anywhere.
    const Path data = platform::parentOf(root_);
    const Path base = platform::parentOf(data);
    const std::string dataName = platform::lastComponent(data);
    const std::string rootName = platform::lastComponent(root_);
    if (!platform::isPlainName(dataName) || !platform::isPlainName(rootName)) return {};
    if (create && !platform::makeAppFolder(base)) return {};
    const UniqueFd baseFd = platform::openFolder(base, ParentLinks::follow);
    if (!baseFd.valid()) return {};
    const Create making = create ? Create::yes : Create::no;
    const platform::OpenedFolder dataFolder = platform::openOwnFolderAt(baseFd.get(), dataName, making);
    if (!dataFolder.valid()) return {};
    platform::OpenedFolder rootFolder = platform::openOwnFolderAt(dataFolder.fd.get(), rootName, making);
    return rootFolder.valid() ? std::move(rootFolder.fd) : UniqueFd();
}

HoldingArea::Session HoldingArea::open(bool create) const {
    Session session;
    session.root = openRoot(create);
    if (!session.root.valid()) return session;
    platform::FileLock lock = platform::lockFileAt(session.root.get(), kLock, platform::LockMode::exclusive,
                                                   platform::LockWait::block, Create::yes);
    if (lock.held()) session.lock = std::move(lock.fd);
    return session;
}

std::optional<HoldBatch> HoldingArea::commit(HoldingWriter& writer, const QString& title, const QDateTime& date) {
    if (!writer.folder_.valid()) {
        writer.finish();
        return std::nullopt;
    }
    const platform::FileLock lock = platform::lockFileAt(writer.root_.get(), kLock, platform::LockMode::exclusive,
                                                         platform::LockWait::block, Create::yes);
    if (writer.items_.empty()) {
        // Only what the writer made itself: its journal and empty folders.
        dropEmptyBatch(writer.root_.get(), writer.folder_.get(), writer.id_);
        writer.finish();
        return std::nullopt;
    }
    // The caller gets back the date it gave; only the manifest keeps it in
    // whole seconds, so a batch read back later may differ below a second.
    HoldBatch batch{writer.id_, date, title, writer.items_};
    // The manifest now lists everything the journal did.
    rewrite(writer.folder_.get(), batch);
    writer.finish();
    return batch;
}

std::vector<HoldBatch> HoldingArea::batches() const {
    std::vector<HoldBatch> list;
    const UniqueFd root = openRoot(false);
    if (!root.valid()) return list;
    for (const std::string& name : platform::listNamesAt(root.get()).value_or(std::vector<std::string>{})) {
        const platform::OpenedFolder folder = platform::openOwnFolderAt(root.get(), name, Create::no);
        if (!folder.valid()) continue;
        BatchRead read = readBatchAt(folder.fd.get(), name);
        // One whose held files are all gone has nothing to show.
        if (read.kind == BatchRead::Kind::batch && !read.batch->items.empty()) list.push_back(std::move(*read.batch));
    }
    std::stable_sort(list.begin(), list.end(), [](const HoldBatch& a, const HoldBatch& b) { return a.date > b.date; });
    return list;
}

HoldingArea::RestoreResult HoldingArea::restore(const HoldBatch& handed) {
    RestoreResult result;
    if (!platform::isPlainName(handed.id)) return result;
    // A batch that is there but cannot be looked at now stays held whole,
    // and says so; one that is gone (restored or deleted already) has
    // nothing to report.
    const auto nothingWentBack = [&] {
        for (const HoldBatch::Item& item : handed.items) result.failed.push_back(item.original);
        return result;
    };
    const Session session = open(false);
    if (!session.valid()) return nothingWentBack();
    const platform::OpenedFolder folder = platform::openOwnFolderAt(session.root.get(), handed.id, Create::no);
    if (!folder.valid()) {
        if (platform::presenceAt(session.root.get(), handed.id) == platform::Presence::absent) return result;
        return nothingWentBack();
    }
    // What the batch lists now, never a copy read earlier.
    BatchRead read = readBatchAt(folder.fd.get(), handed.id);
    if (read.kind == BatchRead::Kind::unreadable || read.kind == BatchRead::Kind::beingWritten)
        return nothingWentBack();
    if (read.kind != BatchRead::Kind::batch) return result;
    HoldBatch batch = std::move(*read.batch);

    // Tell "gone" apart from "cannot look": only a held file that is really
    // gone is dropped.
    bool filesMissing = false;
    const UniqueFd files = platform::openChildFolder(folder.fd.get(), kFiles, &filesMissing);
    RestoreTargets targets(home_);
    // A trashed item and its .trashinfo go back together or stay together.
    std::vector<std::string> originals;
    for (const HoldBatch::Item& item : batch.items) originals.push_back(item.original);
    const std::set<std::string> blocked =
        TrashPairs::blockedPairs(originals, [](const std::string& path) { return platform::entryExists(path); });
    // Back in the reverse of the order they were held: a folder is held only
    // after whatever was taken out of it, so it goes back first and what came
    // out of it then goes back into it, never into an empty folder made in its
    // place (which would leave the folder itself with something in its way).
    std::vector<HoldBatch::Item> kept;
    for (const HoldBatch::Item& item : batch.items | std::views::reverse) {
        if (blocked.count(item.original)) {
            result.skipped.push_back(item.original);
            kept.push_back(item);
            continue;
        }
        if (!files.valid()) {
            if (!filesMissing) {
                kept.push_back(item);
                result.failed.push_back(item.original);
            }
            continue;
        }
        const platform::Presence held = platform::presenceAt(files.get(), item.stored);
        if (held != platform::Presence::present) {
            if (held == platform::Presence::unknown) {
                kept.push_back(item);
                result.failed.push_back(item.original);
            }
            continue;
        }
        kept.push_back(item);  // taken back out below once it moved
        const RestoreTargets::Place place = targets.placeOf(item.original);
        if (place.kind == RestoreTargets::Kind::outside || place.kind == RestoreTargets::Kind::blocked) {
            result.skipped.push_back(item.original);
            continue;
        }
        if (place.kind != RestoreTargets::Kind::ready) {
            result.failed.push_back(item.original);
            continue;
        }
        // A dangling link at the original place is something too.
        const platform::Presence there = platform::presenceAt(place.folderFd, place.name);
        if (there != platform::Presence::absent) {
            (there == platform::Presence::present ? result.skipped : result.failed).push_back(item.original);
            continue;
        }
        const int error = platform::moveNoReplace(files.get(), item.stored, place.folderFd, place.name);
        if (error == 0) {
            ++result.restored;
            kept.pop_back();
        } else {
            (error == int(std::errc::file_exists) ? result.skipped : result.failed).push_back(item.original);
        }
    }
    // Reported, and kept listed, in the order they were held.
    std::reverse(kept.begin(), kept.end());
    std::reverse(result.skipped.begin(), result.skipped.end());
    std::reverse(result.failed.begin(), result.failed.end());
    if (kept.empty()) {
        dropEmptyBatch(session.root.get(), folder.fd.get(), batch.id);
    } else {
        batch.items = std::move(kept);
        rewrite(folder.fd.get(), batch);
    }
    return result;
}

int64_t HoldingArea::purge(const HoldBatch& handed) {
    if (!platform::isPlainName(handed.id)) return 0;
    const Session session = open(false);
    if (!session.valid()) return 0;
    const platform::OpenedFolder folder = platform::openOwnFolderAt(session.root.get(), handed.id, Create::no);
    if (folder.result == Result::notAFolder) {
        // A link or file in a batch's place goes itself, never what it points to.
        platform::removeFileAt(session.root.get(), handed.id);
        return 0;
    }
    if (!folder.valid()) return 0;
    BatchRead read = readBatchAt(folder.fd.get(), handed.id);
    if (read.kind != BatchRead::Kind::batch) return 0;
    return deleteListed(session.root.get(), folder.fd.get(), std::move(*read.batch));
}

int64_t HoldingArea::purgeExpired(int days, const QDateTime& now) {
    const Session session = open(false);
    if (!session.valid()) return 0;
    const int root = session.root.get();
    const QDateTime cutoff = now.addSecs(-int64_t(days) * 86400);
    const QDateTime orphanCutoff = now.addSecs(-86400);
    int64_t total = 0;
    for (const std::string& name : platform::listNamesAt(root).value_or(std::vector<std::string>{})) {
        if (name.front() == '.') continue;  // our lock file, and anything hidden
        const platform::OpenedFolder folder = platform::openOwnFolderAt(root, name, Create::no);
        BatchRead read;
        if (folder.valid()) {
            read = readBatchAt(folder.fd.get(), name);
        } else if (folder.result != Result::notAFolder) {
            continue;  // another user's, or not readable now: left alone
        }
        switch (read.kind) {
            case BatchRead::Kind::batch: {
                const HoldBatch& batch = *read.batch;
                if (batch.date < cutoff) {
                    // With nothing listed left, whatever its files folder
                    // still holds was held with it: its time is up too.
                    const int64_t freed =
                        batch.items.empty() ? removeHeld(root, name).bytes : deleteListed(root, folder.fd.get(), batch);
                    total = plus(total, freed);
                } else if (batch.items.empty() && !holdsFiles(folder.fd.get()) &&
                           modifiedAt(root, name) < orphanCutoff) {
                    // Nothing held: the record of a clean that moved nothing.
                    total = plus(total, removeHeld(root, name).bytes);
                }
                break;
            }
            case BatchRead::Kind::notABatch:
                if (folder.valid() && holdsFiles(folder.fd.get())) {
                    // Held files with no record that reads (a journal whose
                    // header a power cut took) wait out the full time too,
                    // counted from the last change to the files folder: every
                    // move in or out touches it, while the batch folder
                    // changes only with its record, maybe before the last
                    // item moved in. Never by a time that cannot be read.
                    const auto changed = changedAt(folder.fd.get(), HoldingArea::kFiles);
                    if (changed && *changed < cutoff) total = plus(total, removeHeld(root, name).bytes);
                } else if (modifiedAt(root, name) < orphanCutoff) {
                    // Anything else without a batch: an orphan once a day old.
                    total = plus(total, removeHeld(root, name).bytes);
                }
                break;
            case BatchRead::Kind::unreadable:
            case BatchRead::Kind::beingWritten: break;
        }
    }
    return total;
}

}  // namespace sorbeta
