#pragma once
// How pages show places on disk and hand them to the file manager.
#include <QString>
#include <filesystem>
#include <vector>

namespace sorbeta {

// `path` as a text with the home folder written "~" wherever it stands as
// whole components ("/home/u/x" → "~/x"; "/home/u2" stays as it is).
QString tildePath(const std::filesystem::path& path, const std::filesystem::path& home);

// Shows the items selected in the file manager; where no file manager
// answers, opens the folder that holds the first one.
void revealInFileViewer(const std::vector<std::filesystem::path>& items);

}  // namespace sorbeta
