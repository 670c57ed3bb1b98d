#pragma once
// Where the user's running programs hold on to the file system: the program
// each one runs, the folder it works in, the files it maps (libraries,
// native modules) and the paths its command line names (the script an
// interpreter runs). A folder holding any of these is in use: deleting it
// pulls files out from under a running program. The parsers are pure
// functions over the text /proc gives.
#include <string_view>
#include <vector>

#include "platform/ProcessTable.h"

namespace sorbeta::platform {

// The files a maps file names, each once, in order, without the mark the
// kernel adds to a deleted one; anonymous and special mappings name none.
std::vector<Path> mappedFiles(std::string_view maps);

// The arguments of a command line (NUL-separated, as /proc gives it) that
// name a path, "." and ".." removed: an absolute one as written, a relative
// one holding a "/" taken from `workingFolder`, and the value of an
// "--option=/path". Flags and plain words name none.
std::vector<Path> commandLinePaths(std::string_view cmdline, const Path& workingFolder);

// Everything the user's processes (this program excepted) hold on to, as
// above; command-line paths also with their folder's links resolved, since
// the kernel gives every other place resolved. What cannot be read of a
// process adds nothing.
std::vector<Path> placesInUse(const ProcFolder& proc);

// Whether one of `places` is `folder` or lies inside it (whole components).
bool anyLiesIn(const std::vector<Path>& places, const Path& folder);

}  // namespace sorbeta::platform
