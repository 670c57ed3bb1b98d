#pragma once
// Inside the jelly body's painting: the cached layers (drop shadow and skin)
// that both ways of painting a body share, and the strokes on its outline.
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include "ui/jelly/JellyBody.h"
#include "ui/kit/ImageEffects.h"

namespace sorbeta::bodylayers {

// The pull a cached layer is made for: the point in eighths of the frame and
// the amount in whole points. The outline itself is always exact; only the
// soft shading inside and under it is shared between nearby pulls.
struct PullKey {
    int x = 0, y = 0, amount = 0;
    bool active() const { return amount > 0; }
};
PullKey pullKeyOf(const JellyShape& shape);

// Room around a pulled layer for the bulge (the largest pull is 11 points).
constexpr double kPullMargin = 12.0;

// Whether this frame may still make a layer where a similar one could stand
// in (see JellyLayerBudget).
bool mayMakeLayer();
bool hasPulledSkin(QSizeF size, const JellyShape& shape, const JellyPalette& palette, const JellyBodyStyle& style,
                   double ratio, PullKey pull);

// The drop shadow and the skin (fill, inner shadows and, when asked, the
// resting gloss) of a jelly whose frame is `rect`, at the pixel ratio.
ImageEffects::Layer cachedDropShadow(const QRectF& rect, const JellyShape& shape, const JellyPalette& palette,
                                     const JellyBodyStyle& style, double ratio, PullKey pull = {});
ImageEffects::Layer cachedSkin(const QRectF& rect, const JellyShape& shape, const JellyPalette& palette,
                               const JellyBodyStyle& style, bool withGloss, double ratio, PullKey pull = {});

void strokeGlassOutline(QPainter& painter, const QPainterPath& path, const JellyPalette& palette);
// The white band and the dashes of a ticked jelly whose frame is `rect`.
void strokeSelection(QPainter& painter, const JellyShape& shape, const QRectF& rect, const JellyPalette& palette);

}  // namespace sorbeta::bodylayers
