#include "ui/kit/IconCache.h"

#include <QFileIconProvider>
#include <QFileInfo>

namespace sorbeta {

QIcon IconCache::platformIcon(const QString& path) {
    static const QFileIconProvider provider;
    QIcon icon = provider.icon(QFileInfo(path));
    if (icon.isNull()) icon = provider.icon(QFileIconProvider::File);
    return icon;
}

QIcon IconCache::icon(const QString& path) {
    static IconCache process;  // lives as long as the process, as its icons do
    return process.lookup(path);
}

IconCache::IconCache(Provider provider) : provider_(std::move(provider)) {}

QIcon IconCache::lookup(const QString& path) {
    auto found = icons_.constFind(path);
    if (found != icons_.constEnd()) return *found;
    return *icons_.insert(path, provider_(path));
}

}  // namespace sorbeta
