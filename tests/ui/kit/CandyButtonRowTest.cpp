#include "ui/kit/CandyButtonRow.h"

#include <gtest/gtest.h>

#include "ui/kit/CandyControls.h"

using namespace sorbeta;

TEST(CandyButtonRow, CapsulesStandTheGapApartInsideTheShadowRoomAndMirrorRightToLeft) {
    auto* wide = new CandyButton(QStringLiteral("清理所选 3 项"), Flavor::strawberry, false, 46);
    auto* small = new CandyButton(QString(), Flavor::sky, true, 46);
    small->setSymbol(QStringLiteral("arrow.clockwise"));
    CandyButtonRow row({wide, small}, 10);
    row.resize(row.sizeHint());
    const QMargins room = CandyButton::kShadowMargins;
    auto capsules = row.capsules();
    ASSERT_EQ(capsules.size(), 2u);
    EXPECT_EQ(capsules[0].topLeft(), QPoint(room.left(), room.top()));
    EXPECT_EQ(capsules[1].left() - (capsules[0].right() + 1), 10);
    EXPECT_EQ(row.sizeHint(), QSize(capsules[1].right() + 1 + room.right(), 46 + room.top() + room.bottom()));
    EXPECT_EQ(wide->geometry(), capsules[0].marginsAdded(room));
    EXPECT_EQ(small->geometry(), capsules[1].marginsAdded(room));

    // Right to left: the first button stands rightmost, the gap unchanged.
    row.setLayoutDirection(Qt::RightToLeft);
    capsules = row.capsules();
    EXPECT_GT(capsules[0].left(), capsules[1].left());
    EXPECT_EQ(capsules[1].left(), room.left());
    EXPECT_EQ(capsules[0].left() - (capsules[1].right() + 1), 10);
    EXPECT_EQ(wide->geometry(), capsules[0].marginsAdded(room));
}
