#include "model/holding/HoldingWriter.h"

#include "platform/FileOps.h"
#include "platform/HeldFolders.h"
#include "platform/PathText.h"

namespace sorbeta {

using platform::Create;
using platform::ParentLinks;
using platform::UniqueFd;

HoldingWriter::HoldingWriter(const HoldingArea& area, std::string id, std::size_t journalLimit, Flush flush)
    : area_(area), id_(std::move(id)), batch_(area.root() / id_), journalLimit_(journalLimit), flush_(flush) {}

HoldingWriter::~HoldingWriter() { finish(); }

void HoldingWriter::finish() {
    if (finished_) return;
    finished_ = true;
    journal_.reset();  // releases the journal's lock: the batch is no longer being written
    files_.reset();
    folder_.reset();
    root_.reset();
    lastParentFd_.reset();
}

bool HoldingWriter::prepare() {
    if (journal_.valid()) return true;
    if (broken_ || finished_) return false;
    // Made while holding the area's lock, and locked before it is let go: no
    // other process ever sees this batch as anything but one being written.
    if (!root_.valid()) root_ = area_.openRoot(true);
    if (!root_.valid()) return false;
    const platform::FileLock lock = platform::lockFileAt(root_.get(), HoldingArea::kLock, platform::LockMode::exclusive,
                                                         platform::LockWait::block, Create::yes);
    if (!lock.held()) return false;
    platform::OpenedFolder folder = platform::openOwnFolderAt(root_.get(), id_, Create::yes);
    if (!folder.valid()) return false;
    platform::OpenedFolder files = platform::openOwnFolderAt(folder.fd.get(), HoldingArea::kFiles, Create::yes);
    UniqueFd journal =
        files.valid() ? platform::openForAppendingAt(folder.fd.get(), HoldingArea::kJournal) : UniqueFd();
    if (!journal.valid() ||
        !platform::lockOpenFile(journal.get(), platform::LockMode::exclusive, platform::LockWait::block)) {
        // Leave nothing half made behind.
        platform::removeFileAt(folder.fd.get(), HoldingArea::kJournal);
        platform::removeEmptyFolderAt(folder.fd.get(), HoldingArea::kFiles);
        platform::removeEmptyFolderAt(root_.get(), id_);
        return false;
    }
    nameMax_ = platform::nameMax(files.fd.get());
    folder_ = std::move(folder.fd);
    files_ = std::move(files.fd);
    journal_ = std::move(journal);
    const auto header = HoldingManifest::journalHeader(id_, QDateTime::currentDateTimeUtc());
    if (!header || !append(*header, Durable::yes)) {
        broken_ = true;
        return false;
    }
    return true;
}

bool HoldingWriter::append(const std::string& line, Durable durable) {
    // A torn line is taken back; whatever happens, nothing more is written.
    if (!platform::appendWhole(journal_.get(), line)) {
        broken_ = true;
        return false;
    }
    journalBytes_ += line.size();
    // Written is not yet on the disk: after a power cut the move that follows
    // could be there without the line, and the file would be held with
    // nothing listing it. A line that may not be there moves nothing.
    if (durable == Durable::yes && !flush_(journal_.get())) {
        broken_ = true;
        return false;
    }
    return true;
}

bool HoldingWriter::hold(const Path& url, int64_t bytes) {
    if (finished_ || broken_) return false;
    const Path parent = platform::parentOf(url);
    if (!lastParentFd_.valid() || parent != lastParent_) {
        lastParentFd_ = platform::openFolder(parent, ParentLinks::refuse);
        lastParent_ = lastParentFd_.valid() ? parent : Path();
        if (!lastParentFd_.valid()) return false;
    }
    return holdAt(lastParentFd_.get(), platform::lastComponent(url), url, bytes);
}

bool HoldingWriter::holdAt(int folderFd, const std::string& name, const Path& url, int64_t bytes) {
    if (finished_ || broken_) return false;
    const std::string& path = url.native();
    if (!platform::isPlainName(name) || !HoldingManifest::isValidOriginal(path)) return false;
    if (!prepare()) return false;

    // The number is the count of items held so far; shortened names stay
    // unique because no two items share a number.
    HoldBatch::Item item{path, platform::fitName(std::to_string(items_.size()) + "-", name, nameMax_), bytes};
    const std::string line = HoldingManifest::journalItem(item);
    if (journalBytes_ + line.size() > journalLimit_) return false;  // the batch is full: leave it in place
    // Journal first, on the disk: a crash between the two leaves an entry
    // whose file never arrived, which the listing drops, never a file that
    // nothing lists.
    if (!append(line, Durable::yes)) return false;
    if (platform::moveNoReplace(folderFd, name, files_.get(), item.stored) != 0) {
        // Not flushed by itself: the next item's flush carries it, and without
        // it the entry is still dropped, since its file never arrived.
        append(HoldingManifest::journalUndo(item.stored), Durable::no);
        return false;
    }
    items_.push_back(std::move(item));
    return true;
}

}  // namespace sorbeta
