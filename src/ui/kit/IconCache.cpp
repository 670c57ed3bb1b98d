#include "ui/kit/IconCache.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>

namespace sorbeta::IconCache {

namespace {

QHash<QString, QIcon>& table() {
    static QHash<QString, QIcon> cache;
    return cache;
}

std::function<QIcon(const QString&)>& providerOverride() {
    static std::function<QIcon(const QString&)> provider;
    return provider;
}

QIcon fetch(const QString& path) {
    if (providerOverride()) return providerOverride()(path);
    static const QFileIconProvider provider;
    QIcon icon = provider.icon(QFileInfo(path));
    if (icon.isNull()) icon = provider.icon(QFileIconProvider::File);
    return icon;
}

}  // namespace

QIcon icon(const QString& path) {
    auto& cache = table();
    auto found = cache.constFind(path);
    if (found != cache.constEnd()) return *found;
    return *cache.insert(path, fetch(path));
}

qsizetype size() { return table().size(); }

void setProviderForTesting(std::function<QIcon(const QString&)> provider) { providerOverride() = std::move(provider); }

void clearForTesting() { table().clear(); }

}  // namespace sorbeta::IconCache
