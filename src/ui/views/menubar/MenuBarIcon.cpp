#include "ui/views/menubar/MenuBarIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/kit/Theme.h"

namespace sorbeta::MenuBarIcon {

Flavor flavor(int64_t totalBytes, int64_t freeBytes) {
    if (totalBytes < 1) return Flavor::cloud;
    const double ratio = double(freeBytes) / double(totalBytes);
    if (ratio < 0.05) return Flavor::cherry;
    if (ratio < 0.12) return Flavor::mango;
    return Flavor::lime;
}

void paint(QPainter& painter, Flavor flavor) {
    const JellyPalette colours = palette(flavor);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(0, 0, kWidth, kHeight).adjusted(1.5, 1.5, -1.5, -1.5);
    QPainterPath path;
    path.addRoundedRect(body, 6, 6);
    // Light at the top edge, deep at the bottom.
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, colours.light);
    fill.setColorAt(0.5, colours.base);
    fill.setColorAt(1, colours.deep);
    painter.fillPath(path, fill);
    painter.strokePath(path, QPen(withOpacity(colours.deep, 0.6), 0.8));
    // A highlight in the upper left and a small dot below it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(rgba(255, 255, 255, 0.8));
    painter.drawEllipse(QRectF(4, 4, 7, 3));
    painter.drawEllipse(QRectF(3.5, 8.5, 2, 2));
    painter.restore();
}

QPixmap image(Flavor flavor, qreal devicePixelRatio) {
    QPixmap pixmap(qRound(kWidth * devicePixelRatio), qRound(kHeight * devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(painter, flavor);
    painter.end();
    return pixmap;
}

}  // namespace sorbeta::MenuBarIcon
