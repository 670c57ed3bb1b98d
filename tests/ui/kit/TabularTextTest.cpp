#include "ui/kit/TabularText.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "InkedColumns.h"
#include "ui/kit/Theme.h"

using namespace sorbeta;
using test::inkedColumns;

namespace {

QImage drawn(const QString& text, Qt::Alignment alignment, Qt::LayoutDirection painterDirection = Qt::LeftToRight) {
    QImage image(200, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setLayoutDirection(painterDirection);  // what a right-to-left widget hands its painter
    painter.setFont(roundedFont(14, QFont::DemiBold));
    painter.setPen(Qt::black);
    drawTabularText(painter, QRectF(0, 0, 200, 30), alignment, text);
    return image;
}

}  // namespace

TEST(TabularText, EveryDigitTakesTheSameRoomAndTrailingTextEndsAtTheEdge) {
    const QFont font = roundedFont(14, QFont::DemiBold);
    // "1" is the narrowest digit in most fonts; tabular it is as wide as "8".
    EXPECT_DOUBLE_EQ(tabularWidth(font, "111.1 G"), tabularWidth(font, "888.8 G"));
    EXPECT_GE(tabularWidth(font, "1"), QFontMetricsF(font).horizontalAdvance("1"));
    EXPECT_DOUBLE_EQ(tabularWidth(font, "G B"), QFontMetricsF(font).horizontalAdvance("G B"));
    EXPECT_EQ(tabularWidth(font, ""), 0);

    // Right-aligned sizes share their right edge whatever their digits.
    const auto ones = inkedColumns(drawn("11.1 M", Qt::AlignRight));
    const auto eights = inkedColumns(drawn("88.8 M", Qt::AlignRight));
    EXPECT_EQ(ones.second, eights.second);
    EXPECT_GT(ones.second, 185);
    // And their digits start in the same cell: the ones sit centred in it.
    EXPECT_GT(ones.first, eights.first);
    const auto left = inkedColumns(drawn("42 K", Qt::AlignLeft));
    EXPECT_LT(left.first, 4);
}

TEST(TabularText, ARightToLeftPainterLaysTheSamePiecesOutTheSame) {
    // Without letters of a right-to-left script the pieces keep their order
    // and their blanks: "6.0 M" must not turn into "6.0M ", nor the section
    // total into "已选10.5 / M 10.5M".
    for (const QString& text : {QStringLiteral("6.0 M"), QStringLiteral("已选 10.5 M / 10.5 M")}) {
        const QImage leftToRight = drawn(text, Qt::AlignHCenter);
        const QImage rightToLeft = drawn(text, Qt::AlignHCenter, Qt::RightToLeft);
        EXPECT_EQ(leftToRight, rightToLeft) << text.toStdString();
    }
}

TEST(TabularLabel, ShrinksToThreeQuartersAtMost) {
    TabularLabel label(roundedFont(12, QFont::Medium), Theme::inkSoft(), 0.75);
    label.setText(QStringLiteral("已选 3.0 G / 3.0 G"));
    const QSize full = label.sizeHint();
    EXPECT_GT(full.width(), 60);
    EXPECT_EQ(label.minimumSizeHint().width(), int(std::ceil(full.width() * 0.75)));
    label.resize(full);
    EXPECT_DOUBLE_EQ(label.drawnScale(), 1.0);
    label.resize(full.width() * 0.8, full.height());
    EXPECT_NEAR(label.drawnScale(), 0.8, 0.02);
    label.resize(full.width() / 2, full.height());
    EXPECT_DOUBLE_EQ(label.drawnScale(), 0.75);
}
