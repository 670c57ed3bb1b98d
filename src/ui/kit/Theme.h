#pragma once
// The kit's colours: four shared theme colours and the four-colour palette of
// each flavour, plus the one rounded interface font.
#include <QColor>
#include <QFont>

#include "model/common/Flavor.h"

namespace sorbeta {

// The colours of one flavour: gradient highlight, body, shadow/outline and the
// colour of text drawn on top of the jelly.
struct JellyPalette {
    QColor light;
    QColor base;
    QColor deep;
    QColor ink;

    bool operator==(const JellyPalette&) const = default;
};

// A fresh palette on every call (no cache: four colours are cheap).
JellyPalette palette(Flavor flavor);
// The same, for code inside widgets, where QWidget::palette() hides palette().
inline JellyPalette flavorPalette(Flavor flavor) { return palette(flavor); }

namespace Theme {
const QColor& paper();     // background
const QColor& ink();       // text and shapes
const QColor& inkSoft();   // ink at opacity 0.55
const QColor& hairline();  // ink at opacity 0.08
}  // namespace Theme

// An 8-bit sRGB colour with an opacity.
QColor rgba(int red, int green, int blue, qreal opacity = 1.0);
// The same colour with its opacity multiplied by the factor.
QColor withOpacity(QColor color, qreal opacity);

// The system's rounded design stands in as one CJK-capable sans family; sizes
// are device-independent pixels.
inline constexpr const char* kRoundedFamily = "Noto Sans CJK SC";
QFont roundedFont(int pixelSize, QFont::Weight weight = QFont::Normal);

}  // namespace sorbeta
