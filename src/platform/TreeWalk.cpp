#include "platform/TreeWalk.h"

#include <fts.h>

#include <string>
#include <utility>

#include "platform/StatInfo.h"

namespace sorbeta::platform {

struct TreeWalk::State {
    std::string root;  // fts keeps pointers into it for the whole walk
    FTS* fts = nullptr;
    WalkOptions options;
    WalkEntry entry;
    std::string folderPath;     // a folder's path outlives the read that looks past it
    FTSENT* pending = nullptr;  // read ahead, not reported yet
    bool over = false;

    ~State() {
        if (fts) ::fts_close(fts);
    }

    FTSENT* read() {
        if (pending) return std::exchange(pending, nullptr);
        if (over) return nullptr;
        FTSENT* found = ::fts_read(fts);
        over = found == nullptr;
        return found;
    }

    // Fills `entry` from one fts record; false for records that are not
    // reported on their own (a folder's second, post-order visit).
    bool describe(FTSENT* found) {
        entry = WalkEntry{std::string_view(found->fts_path, found->fts_pathlen), {}, WalkError::none};
        switch (found->fts_info) {
            case FTS_D: describeFolder(found); return true;
            case FTS_DP: return false;
            case FTS_F:
            case FTS_SL:
            case FTS_SLNONE:
            case FTS_DEFAULT: entry.info = entryInfoOf(*found->fts_statp); return true;
            case FTS_DNR:
                entry.info = entryInfoOf(*found->fts_statp);
                entry.error = WalkError::unreadableFolder;
                return true;
            case FTS_DC:
                entry.info = entryInfoOf(*found->fts_statp);
                entry.error = WalkError::cycle;
                return true;
            case FTS_NS:
            case FTS_NSOK: entry.error = WalkError::failedStat; return true;
            default: entry.error = WalkError::failed; return true;
        }
    }

    // fts shows a folder it cannot list twice: first as a folder, then, once
    // the listing failed, as unreadable. Reading one step ahead makes that
    // one record. The skip decision is taken before the folder is read.
    void describeFolder(FTSENT* folder) {
        folderPath.assign(folder->fts_path, folder->fts_pathlen);
        entry.path = folderPath;
        entry.info = entryInfoOf(*folder->fts_statp);
        if (options.skipFolder && options.skipFolder(entry.path)) ::fts_set(fts, folder, FTS_SKIP);
        FTSENT* next = read();
        if (next == folder && next->fts_info == FTS_DNR) {
            entry.error = WalkError::unreadableFolder;
            return;
        }
        pending = next;
    }
};

TreeWalk::TreeWalk(const std::filesystem::path& root, WalkOptions options) : state_(std::make_unique<State>()) {
    state_->root = root.native();
    state_->options = std::move(options);
    char* roots[] = {state_->root.data(), nullptr};
    // By path rather than by changing folders, so walks on several threads
    // never disturb each other; links and other file systems stay unentered.
    state_->fts = ::fts_open(roots, FTS_NOCHDIR | FTS_PHYSICAL | FTS_XDEV, nullptr);
    state_->over = state_->fts == nullptr;
}

TreeWalk::~TreeWalk() = default;

const WalkEntry* TreeWalk::next() {
    while (FTSENT* found = state_->read()) {
        if (state_->describe(found)) return &state_->entry;
    }
    return nullptr;
}

}  // namespace sorbeta::platform
