#include "app/MenuBarExtra.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>

#include "platform/Translate.h"
#include "ui/kit/Theme.h"

namespace sorbeta {

Flavor menuBarFlavor(int64_t totalBytes, int64_t freeBytes) {
    if (totalBytes < 1) return Flavor::cloud;
    const double ratio = double(freeBytes) / double(totalBytes);
    if (ratio < 0.05) return Flavor::cherry;
    if (ratio < 0.12) return Flavor::mango;
    return Flavor::lime;
}

QIcon menuBarJellyIcon(Flavor flavor) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(18 * scale, 16 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const JellyPalette colours = palette(flavor);
        const QRectF body(1.5, 2, 15, 12.5);
        QPainterPath blob;
        blob.addRoundedRect(body, 5.5, 5.5);
        QLinearGradient fill(body.topLeft(), body.bottomLeft());
        fill.setColorAt(0, colours.light);
        fill.setColorAt(0.55, colours.base);
        fill.setColorAt(1, colours.deep);
        painter.setPen(QPen(colours.deep, 1.0));
        painter.setBrush(fill);
        painter.drawPath(blob);
        painter.setPen(Qt::NoPen);
        painter.setBrush(rgba(255, 255, 255, 0.6));
        painter.drawRoundedRect(QRectF(4.5, 3.8, 6, 2.4), 1.2, 1.2);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

MenuBarExtra::MenuBarExtra(QObject* parent) : QObject(parent) {
    panel_ = std::make_unique<QWidget>(nullptr, Qt::Popup | Qt::FramelessWindowHint);
    panel_->setAttribute(Qt::WA_TranslucentBackground);
    panel_->resize(320, 420);

    tray_ = new QSystemTrayIcon(menuBarJellyIcon(flavor_), this);
    tray_->setToolTip(QStringLiteral("Sorbeta"));
    // Desktops without a window for the tray panel still get the two things a
    // status item must offer: the main window and quitting.
    contextMenu_ = std::make_unique<QMenu>();
    connect(contextMenu_->addAction(sorbeta::tr("打开冰沙")), &QAction::triggered, this, &MenuBarExtra::openMainWindow);
    contextMenu_->addSeparator();
    connect(contextMenu_->addAction(sorbeta::tr("退出")), &QAction::triggered, this, &MenuBarExtra::quitRequested);
    tray_->setContextMenu(contextMenu_.get());
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger) togglePanel();
    });
}

MenuBarExtra::~MenuBarExtra() = default;

bool MenuBarExtra::trayAvailable() { return QSystemTrayIcon::isSystemTrayAvailable(); }

void MenuBarExtra::show() {
    if (trayAvailable()) tray_->show();
}

void MenuBarExtra::setVolume(qint64 totalBytes, qint64 freeBytes) {
    const Flavor next = menuBarFlavor(totalBytes, freeBytes);
    if (next == flavor_) return;
    flavor_ = next;
    tray_->setIcon(menuBarJellyIcon(flavor_));
}

void MenuBarExtra::togglePanel() {
    if (panel_->isVisible()) {
        panel_->hide();
        return;
    }
    // Under the icon when the tray tells where it is, else under the pointer.
    QRect anchor = tray_->geometry();
    if (!anchor.isValid()) anchor = QRect(QCursor::pos(), QSize(1, 1));
    QPoint place(anchor.center().x() - panel_->width() / 2, anchor.bottom() + 6);
    if (QScreen* screen = QGuiApplication::screenAt(anchor.center())) {
        const QRect area = screen->availableGeometry();
        if (place.y() + panel_->height() > area.bottom()) place.setY(anchor.top() - 6 - panel_->height());
        place.setX(std::clamp(place.x(), area.left(), std::max(area.left(), area.right() - panel_->width())));
        place.setY(std::clamp(place.y(), area.top(), std::max(area.top(), area.bottom() - panel_->height())));
    }
    panel_->move(place);
    panel_->show();
    panel_->raise();
    panel_->activateWindow();
}

}  // namespace sorbeta
