#include "ui/kit/WindowExposure.h"

#include <gtest/gtest.h>

#include <QStackedWidget>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <vector>

using namespace sorbeta;

namespace {

// A page in a stack inside a window: the widget is seen only while its window
// is on the screen, not minimized, and its page is the one shown.
TEST(WindowExposureTest, FollowsWindowStatePageAndVisibility) {
    QWidget window;
    window.resize(300, 200);
    auto* stack = new QStackedWidget(&window);
    auto* page = new QWidget;
    auto* other = new QWidget;
    stack->addWidget(page);
    stack->addWidget(other);
    WindowExposure exposure(page);
    std::vector<bool> reports;
    QObject::connect(&exposure, &WindowExposure::seenChanged, [&](bool seen) { reports.push_back(seen); });
    EXPECT_FALSE(exposure.seen());  // not shown yet

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(exposure.seen());

    window.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    EXPECT_FALSE(exposure.seen());
    window.setWindowState(Qt::WindowNoState);
    QCoreApplication::processEvents();
    EXPECT_TRUE(exposure.seen());

    stack->setCurrentWidget(other);  // another page is shown
    EXPECT_FALSE(exposure.seen());
    stack->setCurrentWidget(page);
    EXPECT_TRUE(exposure.seen());

    window.hide();
    EXPECT_FALSE(exposure.seen());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(exposure.seen());

    EXPECT_EQ(reports, (std::vector<bool>{true, false, true, false, true, false, true}));
}

}  // namespace
