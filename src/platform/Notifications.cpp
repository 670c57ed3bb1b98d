#include "platform/Notifications.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QStringList>
#include <QVariantMap>

#include "platform/Autostart.h"

namespace sorbeta::platform {

QString notificationBody(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'&')
            out += QLatin1String("&amp;");
        else if (c == u'<')
            out += QLatin1String("&lt;");
        else if (c == u'>')
            out += QLatin1String("&gt;");
        else
            out += c;
    }
    return out;
}

QDBusMessage notificationMessage(const QString& title, const QString& body) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    QString appName = QCoreApplication::applicationName();
    if (appName.isEmpty()) appName = QStringLiteral("Sorbeta");
    // The desktop entry lets the server show our icon and name.
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QString::fromLatin1(Autostart::kAppId)}};
    call << appName << uint(0) << QString::fromLatin1(Autostart::kAppId) << title << notificationBody(body)
         << QStringList() << hints << int(-1);
    return call;
}

void postNotification(const QString& title, const QString& body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    // Nobody waits for the answer: a missing server costs nothing.
    bus.asyncCall(notificationMessage(title, body));
}

}  // namespace sorbeta::platform
