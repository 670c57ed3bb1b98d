#pragma once
// The head of the clean page's side panel: the big after-clean figure and the
// progress bar's slot, with their motion.
#include <QWidget>

#include "model/common/Bytes.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/Transitions.h"

class QGraphicsOpacityEffect;

namespace sorbeta {

// The header's progress bar in a slot that opens and fades in when the bar
// comes and closes when it goes (ease-out over 0.25 s when the panel turns
// busy or idle, the first reading's spring when that brings the bar).
class ProgressSlot final : public QWidget {
    Q_OBJECT

public:
    explicit ProgressSlot(QWidget* parent = nullptr);
    CleanProgressBar* bar() const { return bar_; }
    void setShown(bool shown, const Animation& animation);
    bool shown() const { return presence_.target() > 0; }
    // 0 closed … 1 open, now.
    double presence() const;
    QSize sizeHint() const override;

private:
    void apply(double now);

    CleanProgressBar* bar_ = nullptr;
    AnimatedValue presence_;
    QGraphicsOpacityEffect* fade_ = nullptr;
    FrameTicker ticker_{this};
};

// The big after-clean figure: number and unit, always left to right. A new
// figure counts up (or down) from the old one with a spring.
class SidePanelFigure final : public QWidget {
    Q_OBJECT

public:
    explicit SidePanelFigure(QWidget* parent = nullptr);
    // `number` "…" stands for no reading yet: shown as it is, nothing counts.
    void setFigure(const QString& number, const QString& unit, int64_t bytes);
    // The figure it is going to.
    QString number() const { return number_; }
    QString unit() const { return unit_; }
    // What it shows now, while counting.
    Bytes::Parts shownParts() const;
    bool counting() const;
    // The digits' baseline, from the widget's top: the caption beside the
    // figure stands on it with its first line.
    double baseline() const;
    QSize sizeHint() const override;
    // The figure is never squeezed by its caption: the caption wraps instead.
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString number_, unit_;
    CountingBytes counter_;
    double startWidth_ = 0;  // the number's width where the count began
    FrameTicker ticker_{this};
};

}  // namespace sorbeta
