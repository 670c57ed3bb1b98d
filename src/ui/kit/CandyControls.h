#pragma once
// The shared candy controls as widgets over the paint functions of
// CandyPaint.h: the glossy capsule button that squashes when pressed, the
// 20-point jelly check box, the clean progress bar and the capsule segmented
// picker. Each animates with its own spring on the kit clock.
#include <QAbstractButton>
#include <QMargins>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <utility>
#include <vector>

#include "model/common/Flavor.h"
#include "ui/kit/Spring.h"
#include "ui/kit/Theme.h"

namespace sorbeta {

// Redraws a widget every frame while its springs move.
class FrameTicker : public QObject {
public:
    explicit FrameTicker(QWidget* widget);
    // Keeps ticking until `settled` says the springs have come to rest.
    void run(std::function<bool(double now)> settled);
    bool active() const { return timer_.isActive(); }

private:
    QWidget* widget_;
    QTimer timer_;
    std::function<bool(double)> settled_;
};

class CandyButton : public QAbstractButton {
public:
    // Room kept around the capsule for its drop shadow and squash.
    static constexpr QMargins kShadowMargins{12, 6, 12, 18};

    CandyButton(const QString& text, Flavor flavor, bool compact, double height, QWidget* parent = nullptr);

    void setFlavor(Flavor flavor);
    Flavor flavor() const { return flavor_; }
    bool compact() const { return compact_; }
    double buttonHeight() const { return height_; }
    void setSymbol(const QString& symbol);  // optional leading symbol name

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    QRectF capsuleRect() const;
    double pressAmount() const;  // 0 at rest, 1 pressed, beyond while overshooting

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    void pressTo(double target);

    Flavor flavor_;
    bool compact_;
    double height_;
    QString symbol_;
    SpringValue press_{Spring{0.25, 0.4}};
    FrameTicker ticker_{this};
};

// A check box: clicking toggles it. Rows that do their own toggling can make
// it display-only with setAttribute(Qt::WA_TransparentForMouseEvents).
class JellyCheck : public QAbstractButton {
public:
    static constexpr int kMargin = 5;  // room for the shadow and the pop
    // How a tick pops in and out; rows that paint the box themselves use it too.
    static constexpr Spring kSpring{0.28, 0.45};

    explicit JellyCheck(const JellyPalette& palette, QWidget* parent = nullptr);

    void setOn(bool on) { setChecked(on); }
    bool isOn() const { return isChecked(); }
    double onAmount() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void checkStateSet() override;
    void nextCheckState() override;

private:
    void animateTo(bool on);

    JellyPalette palette_;
    SpringValue on_{kSpring};
    FrameTicker ticker_{this};
};

class CleanProgressBar : public QWidget {
public:
    explicit CleanProgressBar(QWidget* parent = nullptr);

    void setFraction(double fraction);  // not clamped
    double fraction() const { return on_.target(); }
    double displayedFraction() const;
    double fillWidth() const;  // of what is drawn now

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SpringValue on_{Spring{0.45, 0.7}};
    FrameTicker ticker_{this};
};

class CandySegmented : public QWidget {
    Q_OBJECT
public:
    using Option = std::pair<QVariant, QString>;  // value and its verbatim title

    CandySegmented(std::vector<Option> options, QVariant selection, Flavor flavor, QWidget* parent = nullptr);

    void setSelection(const QVariant& value);  // from the owner; does not emit
    QVariant selection() const { return selection_; }
    void setFlavor(Flavor flavor);
    const std::vector<Option>& options() const { return options_; }

    // Segment capsules in widget coordinates, in option order (mirrored right
    // to left), and the row capsule that holds them.
    std::vector<QRectF> segmentRects() const;
    QRectF rowRect() const;
    QSize sizeHint() const override;

signals:
    // A tap chose another value.
    void selectionChanged(const QVariant& value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int segmentAt(QPointF pos) const;
    void animateSelection();

    std::vector<Option> options_;
    QVariant selection_;
    Flavor flavor_;
    std::vector<SpringValue> selected_;  // 0…1 per segment
    int pressed_ = -1;
    FrameTicker ticker_{this};
};

}  // namespace sorbeta
