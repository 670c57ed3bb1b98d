#pragma once
// The small layers on top of a jelly: its label, the tick dot of a tickable
// jelly, the fizz bubbles of free space and the "open me" hint. Each paints
// from its inputs alone; the jelly decides where they stand.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QStringList>
#include <array>

#include "ui/kit/Theme.h"
#include "ui/map/JellyTexts.h"

namespace sorbeta {

struct FizzBubble {
    QPointF center;
    double diameter;
};

inline constexpr int kFizzBubbleCount = 14;

// Bubble i rises at one of five speeds in a column between 8 % and 92 % of the
// width, swaying 6 points, from just below the bottom to just above the top.
std::array<FizzBubble, kFizzBubbleCount> fizzBubbles(QSizeF size, double time);
void paintFizzBubbles(QPainter& painter, QSizeF size, double time, const QColor& tint);

// The tick dot, 20 × 20 in `rect`. `on` runs from 0 (unticked) to 1 (ticked)
// so the change can be animated; the check mark pops in with it.
void paintPickDot(QPainter& painter, const QRectF& rect, double on, const JellyPalette& palette);
inline constexpr double kPickDotSide = 20;

// The hint capsule at the bottom centre of a jelly box of `size`; `progress`
// (0 to 1) scales it from 0.6 and fades it in.
void paintOpenHint(QPainter& painter, QSizeF size, const QColor& ink, double progress);

// A jelly's label drawn once into an image; the jelly moves and scales it
// every frame without laying the text out again.
class JellyLabelImage {
public:
    // Re-renders only when what it shows changed.
    void update(const JellyLabelContent& content, const QColor& ink, double textWidth, qreal pixelRatio);
    // Draws the label centred on `center` (painter coordinates).
    void paint(QPainter& painter, QPointF center) const;
    bool isEmpty() const { return image_.isNull(); }
    // Changes whenever the label is drawn anew.
    qint64 cacheKey() const { return image_.cacheKey(); }
    QSizeF size() const;

private:
    QImage image_;
    QString key_;
};

// The lines of a label laid out for a width: the title shrinks to 0.7 of its
// size at most before it is cut short.
struct LabelLines {
    QFont titleFont;
    QString title;  // elided when even the smallest size is too wide
    QFont sizeFont;
    // The size, never shortened: on a narrow jelly it wraps between its
    // words (and inside one only when that alone is wider than the label).
    QStringList sizeLines;
    double height = 0;
};
LabelLines layOutLabel(const JellyLabelContent& content, double textWidth);

}  // namespace sorbeta
