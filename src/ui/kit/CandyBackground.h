#pragma once
// The window background: paper with four soft colour spots, blurred.
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QWidget>
#include <array>

class QPainter;

namespace sorbeta {

struct BackgroundSpot {
    QColor color;
    QRectF circle;  // diameter min(frame width, height), centred on its point
};

std::array<BackgroundSpot, 4> candyBackgroundSpots(QSizeF size);

// Fills the rect: paper, then the spots blurred (radius 90) at opacity 0.9.
// The blurred spots are kept per size, so repaints of the same size are cheap.
void paintCandyBackground(QPainter& painter, const QRectF& rect);

class CandyBackground : public QWidget {
public:
    explicit CandyBackground(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace sorbeta
