#pragma once
// Desktop notifications through org.freedesktop.Notifications on the session
// bus: posted without waiting for an answer, failures ignored (no server, no
// bus). Servers may read markup in bodies, so <, > and & are escaped.
#include <QDBusMessage>
#include <QString>

namespace sorbeta::platform {

// The body with <, > and & written as entities.
QString notificationBody(const QString& text);
// The Notify call for one notification shown at once (no actions, no sound,
// the server's own timeout).
QDBusMessage notificationMessage(const QString& title, const QString& body);
// Sends it on the session bus and returns at once.
void postNotification(const QString& title, const QString& body);
// Desktop notification servers ask for no permission: nothing to do.
inline void requestNotificationPermission() {}

}  // namespace sorbeta::platform
