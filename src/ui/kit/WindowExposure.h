#pragma once
// Whether anyone can see a widget: it is shown, its window is on the screen
// (exposed: not minimized, not on another workspace, not covered up by the
// window system's choice) and not minimized. Reports every change, so a view
// animates only while it can be seen and starts again on the next exposure.
#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

namespace sorbeta {

class WindowExposure final : public QObject {
    Q_OBJECT

public:
    // Watches `widget` (and becomes its child).
    explicit WindowExposure(QWidget* widget);

    bool seen() const;

signals:
    void seenChanged(bool seen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();
    void recheck();

    QWidget* widget_;
    QPointer<QWidget> window_;
    QPointer<QWindow> handle_;
    bool seen_ = false;
};

}  // namespace sorbeta
