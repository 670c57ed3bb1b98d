#include "app/MenuBarExtra.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QSystemTrayIcon>

#include "TestEnvironment.h"
#include "app/AppServices.h"
#include "model/care/Maintenance.h"
#include "model/dialog/CandyDialog.h"
#include "model/scan/AppModel.h"
#include "ui/kit/Theme.h"
#include "ui/views/menubar/MenuBarIcon.h"
#include "ui/views/menubar/MenuPanel.h"

using namespace sorbeta;

TEST(MenuBarFlavor, FollowsTheShareOfFreeSpaceWithExclusiveLowBounds) {
    using MenuBarIcon::flavor;
    EXPECT_EQ(flavor(0, 0), Flavor::cloud);
    EXPECT_EQ(flavor(0, 500), Flavor::cloud);
    EXPECT_EQ(flavor(-3, 500), Flavor::cloud);
    EXPECT_EQ(flavor(1000, 49), Flavor::cherry);    // 4.9 %
    EXPECT_EQ(flavor(1000, 50), Flavor::mango);     // 5 %
    EXPECT_EQ(flavor(10000, 499), Flavor::cherry);  // 4.99 %
    EXPECT_EQ(flavor(1000, 119), Flavor::mango);    // 11.9 %
    EXPECT_EQ(flavor(1000, 120), Flavor::lime);     // 12 %
    EXPECT_EQ(flavor(1000, 1000), Flavor::lime);
    EXPECT_EQ(flavor(1000, -5), Flavor::cherry);  // negative free: negative share
    // Real disk sizes: no overflow or integer division on the way.
    const int64_t total = 994'662'584'320;
    EXPECT_EQ(flavor(total, total / 20), Flavor::mango);
    EXPECT_EQ(flavor(total, total / 20 - 1), Flavor::cherry);
}

class MenuBarExtraTest : public test::HomeTest {};

TEST_F(MenuBarExtraTest, IconTakesTheFlavourOfTheVolume) {
    AppServices services;
    CandyDialogCenter dialogs;
    MenuBarExtra extra(services.model(), services.status(), services.care(), dialogs, [] { return MemoryBreakdown{}; });
    EXPECT_EQ(extra.flavor(), Flavor::cloud);
    extra.setVolume(1000, 10);
    EXPECT_EQ(extra.flavor(), Flavor::cherry);
    const QImage image = extra.trayIcon()->icon().pixmap(QSize(18, 16)).toImage();
    ASSERT_FALSE(image.isNull());
    // The body's middle is drawn in the cherry palette, not as a grey template.
    const QColor middle = image.pixelColor(image.width() / 2, image.height() * 2 / 3);
    const QColor base = palette(Flavor::cherry).base;
    EXPECT_GT(middle.red(), middle.green() + 60);
    EXPECT_NEAR(middle.red(), base.red(), 60);
    extra.setVolume(1000, 500);
    EXPECT_EQ(extra.flavor(), Flavor::lime);
    EXPECT_EQ(extra.panelWindow()->windowFlags() & Qt::FramelessWindowHint, Qt::FramelessWindowHint);
    EXPECT_EQ(extra.panel()->width(), MenuPanel::kWidth);
}

TEST_F(MenuBarExtraTest, ADialogForThePanelShowsItAndKeepsItOpenUntilAnswered) {
    AppServices services;
    CandyDialogCenter dialogs;
    MenuBarExtra extra(services.model(), services.status(), services.care(), dialogs, [] { return MemoryBreakdown{}; });
    QWidget* window = extra.panelWindow();
    EXPECT_FALSE(window->isVisible());

    // A dialog for the main window leaves the panel alone.
    CandyDialog forMain;
    forMain.title = QStringLiteral("main");
    forMain.choices = {{QStringLiteral("OK"), Flavor::cloud, true, true}};
    auto first = dialogs.ask(forMain);
    EXPECT_FALSE(window->isVisible());
    dialogs.choose(0);

    CandyDialog forPanel = forMain;
    forPanel.host = CandyDialog::Host::menuBar;
    auto second = dialogs.ask(forPanel);
    EXPECT_TRUE(window->isVisible());
    // Closing it (a click elsewhere) while the question waits brings it back.
    window->hide();
    ASSERT_TRUE(test::waitUntil([&] { return window->isVisible(); }, 2000));
    extra.hidePanel();
    EXPECT_TRUE(window->isVisible());
    dialogs.choose(0);
    extra.hidePanel();
    EXPECT_FALSE(window->isVisible());
}
