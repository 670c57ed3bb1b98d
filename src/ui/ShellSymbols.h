#pragma once
// The small pictograms of the window shell (mode switch, top bar, side panel),
// drawn as painter paths so they scale crisply and need no image files.
#include <QColor>
#include <QPainter>
#include <QRectF>

namespace sorbeta {

enum class ShellSymbol {
    sparkles,          // clean
    shippingBox,       // uninstall
    hammer,            // developer tools
    docOnDoc,          // files
    chartUptrend,      // history
    gaugeWithNeedle,   // status
    gearshapeFill,     // settings
    arrowClockwise,    // rescan
    dropFill,          // safe section
    dropHalfFull,      // review section
    uturnBackwardCircleFill,  // holding link
    chevronForward,
};

// Draws the symbol fitted into `box` (centred, keeping its square shape) with
// the given brush. Strokes scale with the box; a gradient brush is given in
// the symbol's own 24 × 24 grid (top is y 0, bottom y 24).
void paintShellSymbol(QPainter& painter, const QRectF& box, ShellSymbol symbol, const QBrush& brush);

}  // namespace sorbeta
