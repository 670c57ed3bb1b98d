#include "platform/RevealFiles.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QUrl>

namespace sorbeta::platform {

QByteArray fileUri(const std::filesystem::path& path) {
    return "file://" + QByteArray::fromStdString(path.native()).toPercentEncoding("/");
}

QUrl fileUrl(const std::filesystem::path& path) { return QUrl::fromEncoded(fileUri(path)); }

void revealFiles(const std::vector<std::filesystem::path>& items, std::function<void(bool)> done) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (items.empty() || !bus.isConnected()) {
        if (done) done(false);
        return;
    }
    QStringList uris;
    for (const auto& item : items) uris << QString::fromLatin1(fileUri(item));
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << uris << QString();
    // Asynchronous: a slow or missing file manager never blocks the interface.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [done = std::move(done)](QDBusPendingCallWatcher* finished) {
                         const bool shown = !finished->isError();
                         finished->deleteLater();
                         if (done) done(shown);
                     });
}

}  // namespace sorbeta::platform
