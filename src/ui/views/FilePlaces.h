#pragma once
// How pages show places on disk and hand them to the file manager.
#include <QString>
#include <filesystem>
#include <vector>

#include "ui/kit/FileViewer.h"

namespace sorbeta {

// `path` as a text with the home folder written "~" where the path starts
// with it as whole components ("/home/u/x" → "~/x"; "/home/u2" stays as it is).
QString tildePath(const std::filesystem::path& path, const std::filesystem::path& home);

// `text` set apart to read left to right inside a line of either direction:
// a path stays "~/Downloads" in a right-to-left interface, not "Downloads/~".
QString leftToRightRun(const QString& text);

}  // namespace sorbeta
