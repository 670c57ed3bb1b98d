#pragma once
// Paint functions of the candy controls, apart from their widgets so rows,
// delegates and rendered images can draw the same controls.
#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include "model/common/Flavor.h"
#include "ui/kit/Theme.h"

namespace sorbeta {

// ---- Candy button -------------------------------------------------------
inline constexpr int kCandyButtonFontSize = 15;

// Capsule size for a label: text width plus 16 (compact) or 22 on each side,
// exactly `height` tall. `symbol` names an optional leading symbol.
QSizeF candyButtonSize(const QString& label, bool compact, double height, const QString& symbol = {});

// press: 0 at rest, 1 pressed (values beyond come from the spring's overshoot).
// The capsule is `rect`; the squash is about its bottom centre; shadows reach
// beyond it. Disabled: saturation 0.15, opacity 0.6. The symbol stands on the
// label's leading side, so right to left it follows the text.
void paintCandyButton(QPainter& painter, const QRectF& rect, const QString& label, Flavor flavor, double press,
                      bool enabled, const QString& symbol = {}, Qt::LayoutDirection direction = Qt::LeftToRight);

// ---- Jelly check box ----------------------------------------------------
inline constexpr double kJellyCheckSide = 20.0;

// on: 0 unticked, 1 ticked (overshoot allowed). `box` is the 20 × 20 square.
void paintJellyCheck(QPainter& painter, const QRectF& box, const JellyPalette& palette, double on);

// ---- Clean progress bar -------------------------------------------------
inline constexpr double kProgressBarHeight = 10.0;
inline constexpr double kProgressMinFill = 18.0;

// max(fraction × width, 18); not clamped above, so >1 overflows the track.
double progressFillWidth(double fraction, double width);

void paintCleanProgressBar(QPainter& painter, const QRectF& rect, double fraction,
                           Qt::LayoutDirection direction = Qt::LeftToRight);

// ---- Shared pieces ------------------------------------------------------
// A capsule (fully rounded rectangle) path.
QPainterPath candyCapsulePath(const QRectF& rect);

// The chosen segment of a segmented control: a capsule in a top-to-bottom
// light, base and deep gradient with a white inner shadow, over a drop shadow
// of the deep colour at `shadowOpacity`, blurred by `shadowRadius` and
// dropped by `shadowDrop`.
void paintChosenCapsule(QPainter& painter, const QRectF& rect, const JellyPalette& palette, double shadowOpacity,
                        double shadowRadius, double shadowDrop);

// Moves every colour of the image towards its luminance: 1 keeps it, 0 is gray.
void saturate(QImage& image, double amount);

}  // namespace sorbeta
