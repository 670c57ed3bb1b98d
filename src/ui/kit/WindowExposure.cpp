#include "ui/kit/WindowExposure.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace sorbeta {

WindowExposure::WindowExposure(QWidget* widget) : QObject(widget), widget_(widget) {
    widget_->installEventFilter(this);
    follow();
    seen_ = seen();
}

bool WindowExposure::seen() const {
    if (!widget_->isVisible() || !window_ || !handle_) return false;
    return handle_->isExposed() && !(window_->windowState() & Qt::WindowMinimized);
}

void WindowExposure::follow() {
    // The window, and its native handle, can change while the widget lives.
    QWidget* window = widget_->window();
    if (window != window_) {
        if (window_) window_->removeEventFilter(this);
        window_ = window;
        if (window_ && window_ != widget_) window_->installEventFilter(this);
    }
    QWindow* handle = window_ ? window_->windowHandle() : nullptr;
    if (handle != handle_) {
        if (handle_) handle_->removeEventFilter(this);
        handle_ = handle;
        if (handle_) handle_->installEventFilter(this);
    }
}

void WindowExposure::recheck() {
    follow();
    const bool now = seen();
    if (now == seen_) return;
    seen_ = now;
    emit seenChanged(now);
}

bool WindowExposure::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ParentChange:
        case QEvent::WindowStateChange:
        case QEvent::Expose:
        case QEvent::PlatformSurface: recheck(); break;
        default: break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace sorbeta
