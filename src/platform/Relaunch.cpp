#include "platform/Relaunch.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QProcess>

#include "platform/SingleInstance.h"

namespace sorbeta::platform {
namespace {

std::function<void()>& beforeRelaunch() {
    static std::function<void()> action;
    return action;
}

}  // namespace

void setBeforeRelaunch(std::function<void()> action) { beforeRelaunch() = std::move(action); }

void relaunchSelf() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    if (auto& release = beforeRelaunch()) release();
    // The outcome is not examined: this instance quits even when the new one
    // could not start, as the user asked for a restart.
    QProcess::startDetached(QCoreApplication::applicationFilePath(),
                            SingleInstance::relaunchArguments(QCoreApplication::arguments().mid(1)));
    // exit() rather than quit(): a window that refuses to close must not keep
    // the old instance alive next to the new one.
    QMetaObject::invokeMethod(
        app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

}  // namespace sorbeta::platform
