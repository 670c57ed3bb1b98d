#pragma once
// The hopping jelly shown while something is measured or loads. It keeps no
// state: every frame follows the kit clock, so two of them hop in step and a
// new one starts mid-hop in the colour of the current 1.5-second step.
#include <QRectF>
#include <QTimer>
#include <QWidget>

#include "model/common/Flavor.h"

namespace sorbeta {

struct ScanningFrame {
    double bounce = 0;  // 0 on the floor, 1 at the top of the hop
    Flavor flavor = Flavor::strawberry;
    QRectF body;    // the jelly's frame
    QRectF shadow;  // the ellipse under it
    double shadowOpacity = 0;
    QRectF caption;  // where the text goes
    double shapeTime = 0;
};

// The frame at kit time `t` for a widget of `size` whose caption is
// `captionHeight` tall; the stack is centred in the widget.
ScanningFrame scanningFrame(double t, QSizeF size, double captionHeight);

class ScanningJelly final : public QWidget {
public:
    explicit ScanningJelly(QString text, QWidget* parent = nullptr);

    void setText(QString text);
    const QString& text() const { return text_; }
    QSize sizeHint() const override;

    void paintFrame(QPainter& painter, double t);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QString text_;
    QTimer frames_;
};

}  // namespace sorbeta
