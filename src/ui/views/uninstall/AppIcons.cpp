#include "ui/views/uninstall/AppIcons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QSet>

#include "ui/kit/IconCache.h"
#include "ui/kit/SymbolIcons.h"
#include "ui/kit/Theme.h"

namespace sorbeta::AppIcons {
namespace {

QString text(const std::filesystem::path& path) { return QFile::decodeName(QByteArray::fromStdString(path.native())); }

bool readable(const QString& file) {
    // Only a regular file (or a link to one) is opened: opening a named pipe
    // or a device an entry names could wait on the GUI thread for ever.
    if (file.isEmpty() || !QFileInfo(file).isFile()) return false;
    QImageReader reader(file);
    return reader.canRead();
}

// The icon files an AppImage integration or a user puts in the user's icon folder.
QStringList userIconFiles(const QString& name, const std::filesystem::path& dataHome) {
    const QString icons = text(dataHome / "icons");
    QStringList files;
    for (const char* size : {"scalable", "512x512", "256x256", "128x128", "96x96", "64x64", "48x48"})
        for (const char* suffix : {".svg", ".png"})
            files << icons + QStringLiteral("/hicolor/") + QLatin1String(size) + QStringLiteral("/apps/") + name +
                         QLatin1String(suffix);
    for (const char* suffix : {".svg", ".png"}) files << icons + QLatin1Char('/') + name + QLatin1String(suffix);
    return files;
}

QIcon bundleIcon(const InstalledApp& app) {
    const QDir resources(text(app.url / "Contents/Resources"));
    for (const QString& name : resources.entryList({QStringLiteral("*.icns"), QStringLiteral("*.png")}, QDir::Files)) {
        const QString file = resources.filePath(name);
        if (readable(file)) return QIcon(file);
    }
    return {};
}

QIcon resolve(const InstalledApp& app, const std::filesystem::path& dataHome) {
    const QString key = app.desktop.icon.trimmed();
    if (!key.isEmpty()) {
        if (const std::filesystem::path file = iconFile(key, dataHome); !file.empty()) return QIcon(text(file));
        if (!key.contains(QLatin1Char('/'))) {
            const QIcon themed = QIcon::fromTheme(key);
            if (!themed.isNull()) return themed;
        }
    }
    if (app.kind == AppKind::bundle) {
        const QIcon own = bundleIcon(app);
        if (!own.isNull()) return own;
    }
    return genericIcon();
}

}  // namespace

std::filesystem::path iconFile(const QString& iconKey, const std::filesystem::path& dataHome) {
    if (iconKey.startsWith(QLatin1Char('/'))) {
        return readable(iconKey) ? std::filesystem::path(QFile::encodeName(iconKey).toStdString())
                                 : std::filesystem::path();
    }
    if (iconKey.isEmpty() || iconKey.contains(QLatin1Char('/'))) return {};
    for (const QString& file : userIconFiles(iconKey, dataHome))
        if (readable(file)) return QFile::encodeName(file).toStdString();
    return {};
}

QIcon genericIcon() {
    static const QIcon generic = [] {
        QPixmap tile(128, 128);
        tile.fill(Qt::transparent);
        QPainter painter(&tile);
        painter.setRenderHint(QPainter::Antialiasing);
        const JellyPalette colours = palette(Flavor::grape);
        QLinearGradient fill(0, 8, 0, 120);
        fill.setColorAt(0, colours.light);
        fill.setColorAt(0.5, colours.base);
        fill.setColorAt(1, colours.deep);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(8, 8, 112, 112), 28, 28);
        painter.fillPath(shape, fill);
        paintSymbol(painter, QStringLiteral("macwindow"), QRectF(34, 34, 60, 60), Qt::white, SymbolWeight::bold);
        return QIcon(tile);
    }();
    return generic;
}

QIcon icon(const InstalledApp& app, const std::filesystem::path& dataHome) {
    static QSet<QString> resolved;
    const QString id = app.id();
    if (!resolved.contains(id)) {
        resolved.insert(id);
        IconCache::remember(id, resolve(app, dataHome));
    }
    return IconCache::icon(id);
}

}  // namespace sorbeta::AppIcons
