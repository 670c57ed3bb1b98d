#pragma once
// Moving one file the user picked on the files page to the Trash.
#include <filesystem>

#include "platform/Places.h"

namespace sorbeta::FileFinder {

// Moves one regular file that lies in the home folder (outside ~/Library) or
// in one of the searched user folders where it really is (a Downloads folder
// that links to a second disk), and outside any trash, to the Trash of its
// file system; true when it was moved. The folder holding it is resolved
// first, so a link on the way never leads the move anywhere else; the file
// itself is never followed: a link, a folder or a special file is refused.
// Never deletes, never copies.
bool trash(const std::filesystem::path& url, const platform::Places& places);

}  // namespace sorbeta::FileFinder
