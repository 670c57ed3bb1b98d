#include "ui/kit/SymbolIcons.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace sorbeta {
namespace {

// Painted pixels of the symbol in a 40 × 40 square.
int inkOf(const QString& name, SymbolWeight weight) {
    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintSymbol(painter, name, QRectF(0, 0, 40, 40), Qt::black, weight);
    painter.end();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ink += qAlpha(image.pixel(x, y)) > 127;
    return ink;
}

TEST(SymbolIconsTest, EverySymbolOfTheTableDrawsInItsSquareAndHeavierIsBolder) {
    const char* names[] = {"checkmark",
                           "xmark",
                           "chevron.forward",
                           "chevron.backward",
                           "magnifyingglass",
                           "trash",
                           "trash.fill",
                           "drop.fill",
                           "drop.halffull",
                           "arrow.clockwise",
                           "folder",
                           "doc.fill",
                           "doc.on.doc",
                           "gearshape.fill",
                           "sparkles",
                           "exclamationmark.triangle.fill",
                           "info.circle.fill",
                           "arrow.up.circle.fill",
                           "arrow.down.circle.fill",
                           "arrow.uturn.backward.circle.fill",
                           "checkmark.seal.fill",
                           "eye",
                           "key.fill",
                           "wind",
                           "clock",
                           "bell.fill",
                           "list",
                           "macwindow",
                           "internaldrive",
                           "cpu",
                           "shippingbox",
                           "chart.line.uptrend.xyaxis",
                           "gauge.with.needle",
                           "hammer",
                           "iphone.gen3",
                           "ipad.and.iphone",
                           "archivebox",
                           "shippingbox.circle",
                           "folder.badge.questionmark",
                           "moon.zzz"};
    for (const char* text : names) {
        const QString name = QString::fromLatin1(text);
        EXPECT_TRUE(hasSymbol(name)) << text;
        for (SymbolWeight weight :
             {SymbolWeight::regular, SymbolWeight::semibold, SymbolWeight::bold, SymbolWeight::heavy}) {
            const QRectF box = symbolPath(name, QRectF(10, 20, 30, 30), weight).boundingRect();
            EXPECT_FALSE(box.isEmpty()) << text;
            // Centred; a stroke along the edge may reach past it by half its width.
            EXPECT_TRUE(QRectF(10, 20, 30, 30).adjusted(-2.1, -2.1, 2.1, 2.1).contains(box)) << text;
        }
    }
    // Strokes follow the weight; a drop is a filled shape whatever the weight.
    EXPECT_GT(inkOf("checkmark", SymbolWeight::heavy), inkOf("checkmark", SymbolWeight::regular) + 20);
    EXPECT_GT(inkOf("trash", SymbolWeight::bold), inkOf("trash", SymbolWeight::regular));
    EXPECT_EQ(inkOf("drop.fill", SymbolWeight::heavy), inkOf("drop.fill", SymbolWeight::regular));
    // Cut-out glyphs leave holes: the disc with an arrow has less ink than the plain drop-sized disc.
    EXPECT_LT(inkOf("arrow.up.circle.fill", SymbolWeight::regular), int(3.1416 * 18.4 * 18.4));
}

}  // namespace
}  // namespace sorbeta
