#pragma once
// The strip across the top of the main window (a settings gear at its
// trailing end) and the capsule mode switch at the head of the side column.
#include <QMargins>
#include <QWidget>
#include <vector>

#include "model/shell/AppMode.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/Spring.h"

namespace sorbeta {

class ModeSwitch final : public QWidget {
    Q_OBJECT

public:
    explicit ModeSwitch(QWidget* parent = nullptr);

    // The widget reaches this far past the control on each side, so the
    // selected capsule's shadow (and its spring's overshoot) is not cut off.
    static constexpr QMargins kBleed{10, 6, 10, 14};
    // The white capsule of the control, in the widget's coordinates.
    QRect controlRect() const;

    AppMode mode() const { return mode_; }
    // A change made from outside animates the capsule like a click does.
    void setMode(AppMode mode);

    // The segment rectangles, in the order of the visible modes.
    struct Segment {
        AppMode mode;
        QRectF rect;
    };
    std::vector<Segment> segments() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // Emitted when a click chose another mode.
    void modeChanged(AppMode mode);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retarget(bool animated);
    int segmentAt(QPointF point) const;

    AppMode mode_ = AppMode::clean;
    // The selected capsule's left and right edges follow the bound mode.
    SpringValue left_, right_;
    bool capsuleVisible_ = true;
    FrameTicker ticker_{this};
};

class TopBar final : public QWidget {
    Q_OBJECT

public:
    explicit TopBar(QWidget* parent = nullptr);

    static constexpr int kHeight = 40;
    static constexpr int kTrailingPadding = 22;
    static constexpr int kGearSide = 32;

    QRectF gearRect() const;
    bool hovering() const { return hover_; }
    // The gear's current turn in degrees (0 at rest, 30 while hovered).
    double gearAngle() const;

signals:
    void openSettings();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void setHover(bool hover);

    bool hover_ = false;
    SpringValue hoverAmount_;  // 0 at rest, 1 hovered: drives turn and brightness
    FrameTicker ticker_{this};
};

}  // namespace sorbeta
