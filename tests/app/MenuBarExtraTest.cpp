#include "app/MenuBarExtra.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QSystemTrayIcon>

#include "ui/kit/Theme.h"

using namespace sorbeta;

TEST(MenuBarFlavor, FollowsTheShareOfFreeSpaceWithExclusiveLowBounds) {
    EXPECT_EQ(menuBarFlavor(0, 0), Flavor::cloud);
    EXPECT_EQ(menuBarFlavor(0, 500), Flavor::cloud);
    EXPECT_EQ(menuBarFlavor(-3, 500), Flavor::cloud);
    EXPECT_EQ(menuBarFlavor(1000, 49), Flavor::cherry);    // 4.9 %
    EXPECT_EQ(menuBarFlavor(1000, 50), Flavor::mango);     // 5 %
    EXPECT_EQ(menuBarFlavor(10000, 499), Flavor::cherry);  // 4.99 %
    EXPECT_EQ(menuBarFlavor(1000, 119), Flavor::mango);    // 11.9 %
    EXPECT_EQ(menuBarFlavor(1000, 120), Flavor::lime);     // 12 %
    EXPECT_EQ(menuBarFlavor(1000, 1000), Flavor::lime);
    EXPECT_EQ(menuBarFlavor(1000, -5), Flavor::cherry);  // negative free: negative share
    // Real disk sizes: no overflow or integer division on the way.
    const int64_t total = 994'662'584'320;
    EXPECT_EQ(menuBarFlavor(total, total / 20), Flavor::mango);
    EXPECT_EQ(menuBarFlavor(total, total / 20 - 1), Flavor::cherry);
}

TEST(MenuBarExtra, IconTakesTheFlavourOfTheVolume) {
    MenuBarExtra extra;
    EXPECT_EQ(extra.flavor(), Flavor::cloud);
    extra.setVolume(1000, 10);
    EXPECT_EQ(extra.flavor(), Flavor::cherry);
    const QImage image = extra.findChild<QSystemTrayIcon*>()->icon().pixmap(QSize(18, 16)).toImage();
    ASSERT_FALSE(image.isNull());
    // The body's middle is drawn in the cherry palette, not as a grey template.
    const QColor middle = image.pixelColor(image.width() / 2, image.height() * 2 / 3);
    const QColor base = palette(Flavor::cherry).base;
    EXPECT_GT(middle.red(), middle.green() + 60);
    EXPECT_NEAR(middle.red(), base.red(), 60);
    extra.setVolume(1000, 500);
    EXPECT_EQ(extra.flavor(), Flavor::lime);
    EXPECT_EQ(extra.panel()->windowFlags() & Qt::FramelessWindowHint, Qt::FramelessWindowHint);
}
