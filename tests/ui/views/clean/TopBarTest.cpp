#include "ui/views/clean/TopBar.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "ui/kit/KitClock.h"
#include "ui/kit/Theme.h"

using namespace sorbeta;

namespace {

QImage render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
}

}  // namespace

TEST(ModeSwitch, ClickWritesTheModeOnlyOnChangeAndSegmentsAreCapsulesOf30) {
    ManualKitClock clock;
    ModeSwitch modes;
    modes.resize(modes.sizeHint());
    modes.show();
    // The control is 30 + 2 × 3 tall; the widget keeps shadow room around it.
    const QRect control = modes.controlRect();
    EXPECT_EQ(control.height(), 36);
    EXPECT_EQ(modes.sizeHint(), control.size().grownBy(ModeSwitch::kBleed));
    EXPECT_EQ(control.topLeft(), QPoint(ModeSwitch::kBleed.left(), ModeSwitch::kBleed.top()));
    const auto segments = modes.segments();
    ASSERT_EQ(segments.size(), 3u);
    EXPECT_EQ(segments[0].rect.height(), 30);
    EXPECT_EQ(segments[1].rect.left() - segments[0].rect.right(), 4);
    EXPECT_EQ(segments[0].rect.topLeft(), QPointF(control.left() + 3, control.top() + 3));
    EXPECT_EQ(segments[2].rect.right() + 3, control.right() + 1);

    QSignalSpy changed(&modes, &ModeSwitch::modeChanged);
    QTest::mouseClick(&modes, Qt::LeftButton, {}, segments[0].rect.center().toPoint());
    EXPECT_EQ(changed.count(), 0);  // already clean
    QTest::mouseClick(&modes, Qt::LeftButton, {}, segments[2].rect.center().toPoint());
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].value<AppMode>(), AppMode::status);
    EXPECT_EQ(modes.mode(), AppMode::status);
}

TEST(ModeSwitch, SelectedSegmentIsFilledInItsFlavourAndHiddenModesSelectNothing) {
    ManualKitClock clock;
    ModeSwitch modes;
    modes.resize(modes.sizeHint());
    const auto segments = modes.segments();
    auto fillAt = [&](const QImage& image, int index) {
        // Just inside the capsule's leading end, away from icon and text.
        const QRectF rect = segments[std::size_t(index)].rect;
        return image.pixelColor(int(rect.left() + 6), int(rect.center().y()));
    };
    QImage image = render(modes);
    const QColor cleanFill = fillAt(image, 0);
    EXPECT_GT(cleanFill.red(), 200);
    EXPECT_LT(cleanFill.green(), 160);         // strawberry, not the white track
    EXPECT_GT(fillAt(image, 1).green(), 230);  // unselected: the white track
    // The selected capsule's shadow falls below the control, not cut at its edge.
    ASSERT_LT(modes.controlRect().bottom() + 4, image.height());
    const QColor below = image.pixelColor(int(segments[0].rect.center().x()), modes.controlRect().bottom() + 4);
    EXPECT_LT(below.green(), 250);

    modes.setMode(AppMode::history);
    clock.advance(2.0);
    image = render(modes);
    for (int i = 0; i < 3; ++i) EXPECT_GT(fillAt(image, i).green(), 230) << i;
}

TEST(TopBar, GearSitsAtTheTrailingEndTurnsOnHoverAndOpensSettings) {
    ManualKitClock clock;
    TopBar bar;
    bar.resize(800, TopBar::kHeight);
    bar.show();
    EXPECT_EQ(bar.height(), 40);
    EXPECT_EQ(bar.gearRect(), QRectF(800 - 22 - 32, 4, 32, 32));
    EXPECT_FALSE(bar.hovering());

    QTest::mouseMove(&bar, bar.gearRect().center().toPoint());
    EXPECT_TRUE(bar.hovering());
    clock.advance(3.0);
    EXPECT_NEAR(bar.gearAngle(), 30.0, 0.1);

    QSignalSpy opened(&bar, &TopBar::openSettings);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.gearRect().center().toPoint());
    EXPECT_EQ(opened.count(), 1);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(100, 20));
    EXPECT_EQ(opened.count(), 1);

    QTest::mouseMove(&bar, QPoint(100, 20));
    EXPECT_FALSE(bar.hovering());
    clock.advance(3.0);
    EXPECT_NEAR(bar.gearAngle(), 0.0, 0.1);

    bar.setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(bar.gearRect().left(), 22);
}
