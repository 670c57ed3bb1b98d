#include "ui/views/FilePlaces.h"

#include "model/dev/DevPaths.h"

namespace sorbeta {

QString tildePath(const std::filesystem::path& path, const std::filesystem::path& home) {
    return DevPaths::homeRelative(path, home);
}

QString leftToRightRun(const QString& text) {
    static const QChar isolate(0x2066), popIsolate(0x2069);  // LEFT-TO-RIGHT ISOLATE … POP DIRECTIONAL ISOLATE
    return isolate + text + popIsolate;
}

}  // namespace sorbeta
