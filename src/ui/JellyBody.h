#pragma once
// Paints one jelly: glossy three-tone fill (or the dashed glass look), inner
// and drop shadows, gloss highlights, selection rings and glow. A free
// function so views and the share card's image draw the same jelly.
#include <QPainter>
#include <QRectF>
#include <QSizeF>

#include "ui/JellyShape.h"
#include "ui/Theme.h"

namespace sorbeta {

struct JellyBodyStyle {
    bool glass = false;     // the see-through look (free space)
    bool selected = false;  // white outline and a dashed ring 5 points outside
    QSizeF tilt;            // shifts the gloss highlights
    double glow = 0.0;      // strength of a white overlay; 0 for none
};

// Draws the jelly whose frame is `rect`. Shadows and the selection ring reach
// beyond the frame; callers must not clip them.
void paintJellyBody(QPainter& painter, const QRectF& rect, const JellyShape& shape,
                    const JellyPalette& palette, const JellyBodyStyle& style = {});

// The two gloss highlights in the body's own coordinates (origin at the frame's
// top-left): the wide ellipse and the small dot.
struct JellyGloss {
    QRectF ellipse;
    QRectF dot;
};
JellyGloss jellyGloss(QSizeF size, QSizeF tilt);

}  // namespace sorbeta
