#include "app/MenuBarExtra.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "model/dialog/CandyDialog.h"
#include "platform/Translate.h"
#include "ui/kit/CandyDialogView.h"
#include "ui/views/menubar/MenuBarIcon.h"
#include "ui/views/menubar/MenuPanel.h"

namespace sorbeta {
namespace {

QIcon jellyIcon(Flavor flavor) {
    QIcon icon;
    icon.addPixmap(MenuBarIcon::image(flavor, 1));
    icon.addPixmap(MenuBarIcon::image(flavor, 2));
    return icon;
}

// The platform's quit keys, or Ctrl+Q where its theme names none (Qt's own
// fallback theme, as on the vnc, eglfs, linuxfb and offscreen platforms).
QList<QKeySequence> quitKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (keys.isEmpty()) keys.append(QKeySequence(Qt::CTRL | Qt::Key_Q));
    return keys;
}

// A click on the icon while the panel is open first closes the popup (a
// click outside it); the same click must not open it again at once.
constexpr qint64 kReopenGuardMs = 250;

}  // namespace

MenuBarExtra::MenuBarExtra(AppModel& model, StatusModel& status, Maintenance& care, CandyDialogCenter& dialogs,
                           std::function<MemoryBreakdown()> memory, QObject* parent)
    : QObject(parent), dialogs_(dialogs) {
    window_ = std::make_unique<QWidget>(nullptr, Qt::Popup | Qt::FramelessWindowHint);
    window_->setObjectName(QStringLiteral("menuBarPanel"));
    auto* layout = new QVBoxLayout(window_.get());
    layout->setContentsMargins(0, 0, 0, 0);
    panel_ = new MenuPanel(model, status, care, std::move(memory));
    layout->addWidget(candyDialogHost(panel_, CandyDialog::Host::menuBar, dialogs_));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    window_->installEventFilter(this);
    connect(panel_, &MenuPanel::openMainWindow, this, [this] {
        hidePanel();
        emit openMainWindow();
    });
    connect(panel_, &MenuPanel::openSettings, this, [this] {
        hidePanel();
        emit openSettings();
    });
    // The platform's quit command, for the panel and every window that
    // carries it: one action, so Ctrl+Q never finds two.
    quit_ = new QAction(sorbeta::tr("退出"), window_.get());
    quit_->setShortcuts(quitKeys());
    quit_->setShortcutContext(Qt::ApplicationShortcut);
    connect(quit_, &QAction::triggered, this, &MenuBarExtra::quitRequested);
    window_->addAction(quit_);

    // A dialog for the panel shows the panel.
    connect(&dialogs_, &CandyDialogCenter::currentChanged, this, [this] {
        if (dialogWaiting() && !window_->isVisible()) showPanel();
    });

    tray_ = new QSystemTrayIcon(jellyIcon(flavor_), this);
    tray_->setToolTip(QStringLiteral("Sorbeta"));
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context) togglePanel();
    });
    sinceHidden_.start();
}

MenuBarExtra::~MenuBarExtra() { window_->removeEventFilter(this); }

bool MenuBarExtra::trayAvailable() { return QSystemTrayIcon::isSystemTrayAvailable(); }

void MenuBarExtra::show() {
    if (trayAvailable()) tray_->show();
}

void MenuBarExtra::setVolume(qint64 totalBytes, qint64 freeBytes) {
    const Flavor next = MenuBarIcon::flavor(totalBytes, freeBytes);
    if (next == flavor_) return;
    flavor_ = next;
    tray_->setIcon(jellyIcon(flavor_));
}

bool MenuBarExtra::dialogWaiting() const { return dialogs_.currentFor(CandyDialog::Host::menuBar) != nullptr; }

void MenuBarExtra::togglePanel() {
    if (window_->isVisible()) {
        hidePanel();
        return;
    }
    if (sinceHidden_.elapsed() < kReopenGuardMs) return;
    showPanel();
}

void MenuBarExtra::showPanel() {
    panel_->rebuild();  // a fresh memory sample each time it opens
    window_->adjustSize();
    place();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void MenuBarExtra::hidePanel() {
    if (dialogWaiting()) return;  // the question must stay answerable
    window_->hide();
}

bool MenuBarExtra::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_.get() && event->type() == QEvent::Hide) {
        sinceHidden_.restart();
        // Closed by a click elsewhere while a question waits: back it comes.
        if (dialogWaiting())
            QTimer::singleShot(0, this, [this] {
                if (dialogWaiting() && !window_->isVisible()) showPanel();
            });
    }
    return QObject::eventFilter(watched, event);
}

void MenuBarExtra::place() {
    // Wayland compositors place popups themselves.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    const QSize size = window_->size();
    // Under the icon when the tray tells where it is, else under the pointer.
    QRect anchor = tray_->geometry();
    if (!anchor.isValid() || anchor.isEmpty()) anchor = QRect(QCursor::pos(), QSize(1, 1));
    QPoint place(anchor.center().x() - size.width() / 2, anchor.bottom() + 6);
    QScreen* screen = QGuiApplication::screenAt(anchor.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        if (place.y() + size.height() > area.bottom()) place.setY(anchor.top() - 6 - size.height());
        place.setX(std::clamp(place.x(), area.left(), std::max(area.left(), area.right() - size.width())));
        place.setY(std::clamp(place.y(), area.top(), std::max(area.top(), area.bottom() - size.height())));
    }
    window_->move(place);
}

}  // namespace sorbeta
