#include "app/FirstFrameTrace.h"

#include <QEvent>
#include <QExposeEvent>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>

namespace sorbeta {
namespace {

void logTime(const char* what) {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::fprintf(stderr, "sorbeta: %s %.6f\n", what, std::chrono::duration<double>(now).count());
    std::fflush(stderr);
}

}  // namespace

void FirstFrameTrace::attachIfAsked(QWidget* window, QWidget* background) {
    if (qEnvironmentVariableIsEmpty("SORBETA_TRACE_FIRST_FRAME")) return;
    new FirstFrameTrace(window, background);
}

FirstFrameTrace::FirstFrameTrace(QWidget* window, QWidget* background)
    : QObject(window), window_(window), background_(background) {
    window_->installEventFilter(this);
    background_->installEventFilter(this);
}

bool FirstFrameTrace::eventFilter(QObject* watched, QEvent* event) {
    if (done_) return false;
    // The native window exists once the widget is about to be shown.
    if (watched == window_ && event->type() == QEvent::Show && window_->windowHandle())
        window_->windowHandle()->installEventFilter(this);
    if (watched == background_ && event->type() == QEvent::Paint) backgroundPainted_ = true;
    const bool frameEvent = event->type() == QEvent::Expose || event->type() == QEvent::UpdateRequest;
    if (!frameEvent || watched != window_->windowHandle()) return false;
    if (event->type() == QEvent::Expose && !exposed_) {
        if (!window_->windowHandle()->isExposed()) return false;
        exposed_ = true;
        logTime("first exposure");
    }
    // Let the window paint and flush this frame now, then see what it held.
    watched->event(event);
    if (exposed_ && backgroundPainted_) {
        logTime("first background painted");
        done_ = true;
    }
    return true;
}

}  // namespace sorbeta
