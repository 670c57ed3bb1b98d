#include "ui/views/FilePlaces.h"

#include "model/dev/DevPaths.h"

namespace sorbeta {

QString tildePath(const std::filesystem::path& path, const std::filesystem::path& home) {
    return DevPaths::homeRelative(path, home);
}

}  // namespace sorbeta
