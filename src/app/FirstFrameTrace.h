#pragma once
// A start-up trace for measuring how soon the main window shows something:
// with SORBETA_TRACE_FIRST_FRAME set, it writes to standard error the
// monotonic times (seconds) of the window's first exposure and of the moment
// the first frame holding its background has been handed to the screen.
#include <QObject>

class QWidget;

namespace sorbeta {

class FirstFrameTrace final : public QObject {
    Q_OBJECT

public:
    // Watches `window` (a top-level widget, not yet shown) whose content
    // paints the background in `background`; does nothing unless asked for
    // by the environment.
    static void attachIfAsked(QWidget* window, QWidget* background);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FirstFrameTrace(QWidget* window, QWidget* background);

    QWidget* window_;
    QWidget* background_;
    bool exposed_ = false;
    bool backgroundPainted_ = false;
    bool done_ = false;
};

}  // namespace sorbeta
