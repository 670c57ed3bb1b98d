#pragma once
// The platform's icon of a file or folder, fetched once per path text and kept
// for the life of the cache. Main thread only.
#include <QHash>
#include <QIcon>
#include <QString>
#include <functional>

namespace sorbeta {

class IconCache {
public:
    // How an icon is fetched the first time its path is asked for.
    using Provider = std::function<QIcon(const QString& path)>;

    // The platform's icon of the file at `path`; its generic file icon when
    // the path is missing or has none.
    static QIcon platformIcon(const QString& path);

    // The process's cache over the platform's icons, for the whole interface.
    static QIcon icon(const QString& path);
    // From now on the process's cache answers `icon` for `path` (a page that
    // knows better than the platform, such as an application's own icon).
    static void remember(const QString& path, const QIcon& icon);

    explicit IconCache(Provider provider = platformIcon);

    // The same icon object (same cacheKey) for the same text; paths naming one
    // file by different texts are separate entries. Whatever the provider
    // answers is cached, a generic icon too.
    QIcon lookup(const QString& path);
    // Number of paths cached so far.
    qsizetype size() const { return icons_.size(); }
    void insert(const QString& path, const QIcon& icon) { icons_.insert(path, icon); }

private:
    static IconCache& process();

    Provider provider_;
    QHash<QString, QIcon> icons_;
};

}  // namespace sorbeta
