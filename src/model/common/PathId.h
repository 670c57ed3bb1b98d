#pragma once
// A path's identity as text, for lists that tell their rows apart by text.
#include <QString>
#include <filesystem>

namespace sorbeta {

// The path itself, or, for a path that is not UTF-8 (as text its odd bytes
// would all read as one replacement character), "bytes:" and the path with
// each byte outside ASCII written as %XX. Two paths never share one.
QString pathId(const std::filesystem::path& path);

}  // namespace sorbeta
