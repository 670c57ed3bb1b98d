#pragma once
// The platform's icon of a file or folder, fetched once per path text and kept
// for the life of the process. Main thread only.
#include <QIcon>
#include <QString>
#include <functional>

namespace sorbeta::IconCache {

// The same icon object (same cacheKey) for the same text; paths naming one
// file by different texts are separate entries. A missing path gets the
// provider's generic icon, cached like any other.
QIcon icon(const QString& path);

// Number of paths cached so far.
qsizetype size();

// Replaces how icons are fetched (tests); an empty function restores the
// platform's provider. Does not clear the cache.
void setProviderForTesting(std::function<QIcon(const QString&)> provider);
void clearForTesting();

}  // namespace sorbeta::IconCache
