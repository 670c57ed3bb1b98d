#pragma once
// Paints one jelly: glossy three-tone fill (or the dashed glass look), inner
// and drop shadows, gloss highlights, selection rings and glow. A free
// function so views and the share card's image draw the same jelly.
#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <QTransform>
#include <optional>
#include <vector>

#include "ui/jelly/JellyShape.h"
#include "ui/kit/Theme.h"

namespace sorbeta {

// The selection ring is the outline of a frame grown by this much, stroked
// with a line this wide: a selected jelly draws this far beyond its frame.
inline constexpr double kSelectionRingOffset = 5.0;
inline constexpr double kSelectionRingLine = 2.0;
inline constexpr double kSelectionReach = kSelectionRingOffset + kSelectionRingLine / 2;
// The ring's dashes, in points along it; the white line on a selected
// jelly's own outline.
inline constexpr double kSelectionDashOn = 2.0, kSelectionDashOff = 5.0;
inline constexpr double kSelectionLineWidth = 3.0;
// The glass look's dashed outline: width, dashes in points, and opacity of
// the jelly's base colour.
inline constexpr double kGlassDashWidth = 1.5, kGlassDashOn = 5.0, kGlassDashOff = 5.0;
inline constexpr double kGlassDashOpacity = 0.35;

struct JellyBodyStyle {
    bool glass = false;        // the see-through look (free space)
    bool selected = false;     // white outline and a dashed ring 5 points outside
    QSizeF tilt;               // shifts the gloss highlights
    double glow = 0.0;         // strength of a white overlay; 0 for none
    bool rightToLeft = false;  // the opaque fill runs from the top-right corner instead
};

// Draws the jelly whose frame is `rect`. Shadows and the selection ring reach
// beyond the frame; callers must not clip them.
void paintJellyBody(QPainter& painter, const QRectF& rect, const JellyShape& shape, const JellyPalette& palette,
                    const JellyBodyStyle& style = {});

// Layers the map draws inside a jelly's outline over its body, in the jelly's
// own points; painted in the same pass over the pixels as the body.
struct JellyInside {
    struct Bubble {
        QPointF center;
        double diameter = 0;
    };
    double opacity = 1.0;  // of these layers as a whole
    // White light fading linearly from `lightOpacity` at the centre to 0 at the radius.
    std::optional<QPointF> lightCenter;
    double lightRadius = 0, lightOpacity = 0;
    // A white ring of width 2.5.
    std::optional<QPointF> rippleCenter;
    double rippleRadius = 0, rippleOpacity = 0;
    // Fizz: white at 0.5 with a rim of `bubbleTint` at 0.35, 1.2 wide inside the edge.
    std::vector<Bubble> bubbles;
    QColor bubbleTint;
};

// Paints the jelly straight into the pixels of the painter's image: `toPainter`
// maps the jelly's own points (frame at the origin) to the painter's
// coordinates and may tilt in perspective. The body at `bodyOpacity`, the
// painter's opacity over all. False (nothing drawn) when the painter does not
// paint into a premultiplied image that way (see ImageEffects::directTarget).
// `clip`, when given, is the part of the painter's device clip near the
// jelly (device pixels, in a region's order): it spares the jelly a walk over
// a large repaint region.
bool paintJellyDirect(QPainter& painter, const QTransform& toPainter, QSizeF size, const JellyShape& shape,
                      const JellyPalette& palette, const JellyBodyStyle& style, double bodyOpacity = 1.0,
                      const JellyInside* inside = nullptr, const std::vector<QRect>* clip = nullptr);

// Within its scope the jellies painted on this thread make at most `count`
// new cached layers where a similar one can stand in for now (one frame of an
// animating map: sizes or pulls that change every frame fill in over the next
// frames). Outside any scope every layer is made when first needed.
class JellyLayerBudget {
public:
    explicit JellyLayerBudget(int count);
    ~JellyLayerBudget();
    JellyLayerBudget(const JellyLayerBudget&) = delete;
    JellyLayerBudget& operator=(const JellyLayerBudget&) = delete;

private:
    int previous_;
};

// The two gloss highlights in the body's own coordinates (origin at the frame's
// top-left): the wide ellipse and the small dot.
struct JellyGloss {
    QRectF ellipse;
    QRectF dot;
};
JellyGloss jellyGloss(QSizeF size, QSizeF tilt);

}  // namespace sorbeta
