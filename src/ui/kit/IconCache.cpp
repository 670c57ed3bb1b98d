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

IconCache& IconCache::process() {
    static IconCache cache;  // lives as long as the process, as its icons do
    return cache;
}

QIcon IconCache::icon(const QString& path) { return process().lookup(path); }

void IconCache::remember(const QString& path, const QIcon& icon) { process().insert(path, icon); }

IconCache::IconCache(Provider provider) : provider_(std::move(provider)) {}

QIcon IconCache::lookup(const QString& path) {
    auto found = icons_.constFind(path);
    if (found != icons_.constEnd()) return *found;
    return *icons_.insert(path, provider_(path));
}

}  // namespace sorbeta
