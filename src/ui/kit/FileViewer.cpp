#include "ui/kit/FileViewer.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/RevealFiles.h"

namespace sorbeta {

void revealInFileViewer(const std::vector<std::filesystem::path>& items) {
    if (items.empty()) return;
    platform::revealFiles(items, [first = items.front()](bool shown) {
        if (shown) return;
        QDesktopServices::openUrl(platform::fileUrl(first.parent_path()));
    });
}

}  // namespace sorbeta
