#include "ui/kit/TransitionLayer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGraphicsEffect>
#include <QImage>
#include <QPainter>

#include "ui/kit/KitClock.h"

using namespace sorbeta;

namespace {

// A pane filled with one colour.
class Swatch final : public QWidget {
public:
    Swatch(QColor colour, QWidget* parent) : QWidget(parent), colour_(colour) {}
    void setColour(QColor colour) {
        colour_ = colour;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour_); }

private:
    QColor colour_;
};

QImage render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
}

struct TransitionLayerTest : ::testing::Test {
    ManualKitClock clock;
    QWidget window;
    Swatch* red = new Swatch(Qt::red, &window);
    Swatch* blue = new Swatch(Qt::blue, &window);
    TransitionLayer* layer = nullptr;

    TransitionLayerTest() {
        window.resize(400, 200);
        red->setGeometry(0, 0, 200, 200);
        blue->setGeometry(0, 0, 200, 200);
        blue->hide();
        layer = new TransitionLayer(&window);
        window.show();
    }
};

}  // namespace

TEST_F(TransitionLayerTest, GoingPaneIsHiddenAtOnceAndComingPaneIsLiveButUnseenUntilItsPictureArrives) {
    layer->leave(red, Transition::slide(Edge::leading), Spring{0.5, 0.8});
    layer->enter(blue, Transition::opacity(), Spring{0.5, 0.8});
    EXPECT_FALSE(red->isVisible());
    EXPECT_TRUE(blue->isVisible());
    ASSERT_NE(blue->graphicsEffect(), nullptr);
    EXPECT_TRUE(layer->running());
    EXPECT_TRUE(layer->isVisible());
    EXPECT_DOUBLE_EQ(layer->presenceOf(blue), 0.0);
    EXPECT_DOUBLE_EQ(layer->presenceOf(red), 1.0);

    // At the start the red picture stands where the pane was; the blue one is not seen.
    QImage image = render(window);
    EXPECT_EQ(image.pixelColor(100, 100), QColor(Qt::red));

    // On the way the red picture has slid towards the leading edge, clear of
    // the pane's trailing end, where the blue picture shows half-faded.
    clock.advance(0.12);
    const double redPresence = layer->presenceOf(red);
    EXPECT_GT(redPresence, 0.05);
    EXPECT_LT(redPresence, 0.8);
    image = render(window);
    const QColor trailing = image.pixelColor(195, 100);
    const QColor background = image.pixelColor(300, 100);  // where no pane is
    EXPECT_GT(trailing.red(), 10);                         // not yet fully blue
    EXPECT_LT(trailing.red(), background.red() - 10);
    EXPECT_GT(trailing.blue(), background.blue());
    EXPECT_EQ(trailing.red(), trailing.green());

    // When the springs rest the pictures go and the live pane draws itself.
    clock.advance(2.0);
    layer->step();
    EXPECT_FALSE(layer->running());
    EXPECT_FALSE(layer->isVisible());
    EXPECT_EQ(blue->graphicsEffect(), nullptr);
    EXPECT_EQ(render(window).pixelColor(100, 100), QColor(Qt::blue));
}

TEST_F(TransitionLayerTest, APaneCalledBackWhileGoingReturnsFromWhereItsPictureIs) {
    layer->leave(red, Transition::scaled(0.92), Spring{0.5, 0.8});
    clock.advance(0.1);
    const double reached = layer->presenceOf(red);
    ASSERT_LT(reached, 1.0);
    layer->enter(red, Transition::scaled(0.92), Spring{0.5, 0.8});
    EXPECT_TRUE(red->isVisible());
    EXPECT_NEAR(layer->presenceOf(red), reached, 1e-9);
    // Asking again while it comes changes nothing.
    layer->enter(red, Transition::scaled(0.92), Spring{0.5, 0.8});
    EXPECT_NEAR(layer->presenceOf(red), reached, 1e-9);

    // A resized window ends every transition at once.
    window.resize(500, 200);
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(layer->running());
    EXPECT_EQ(red->graphicsEffect(), nullptr);
    EXPECT_EQ(layer->geometry(), window.rect());
}

TEST_F(TransitionLayerTest, ALivePaneShowsWhatChangesOnItWhileItGrowsIn) {
    red->hide();
    layer->enter(blue, Transition::scaled(0.5), Spring{0.5, 0.8}, TransitionLayer::Arrival::live);
    ASSERT_TRUE(layer->running());
    const QColor background = render(window).pixelColor(300, 100);  // where no pane is
    EXPECT_EQ(render(window).pixelColor(100, 100), background);     // nothing yet

    // On the way the pane draws itself, smaller and faded; a change made
    // meanwhile shows at once, not only when it is in place.
    clock.advance(0.08);
    layer->step();
    const double presence = layer->presenceOf(blue);
    ASSERT_GT(presence, 0.2);
    ASSERT_LT(presence, 0.8);
    blue->setColour(Qt::green);
    QImage image = render(window);
    const QColor centre = image.pixelColor(100, 100);
    EXPECT_GT(centre.green(), centre.blue() + 60);
    EXPECT_GT(centre.red(), 20);                       // faded over the background, not yet opaque
    EXPECT_EQ(image.pixelColor(10, 100), background);  // scaled about its centre
    EXPECT_EQ(image.pixelColor(100, 5), background);

    clock.advance(2.0);
    layer->step();
    EXPECT_FALSE(layer->running());
    EXPECT_EQ(blue->graphicsEffect(), nullptr);
    EXPECT_EQ(render(window).pixelColor(10, 100), QColor(Qt::green));
}

TEST(TransitionLayerOffScreen, NothingAnimatesWhileTheWindowIsNotShown) {
    QWidget window;
    auto* pane = new QWidget(&window);
    pane->hide();
    TransitionLayer layer(&window);
    layer.enter(pane, Transition::opacity(), Spring{});
    EXPECT_FALSE(layer.running());
    EXPECT_TRUE(pane->isVisibleTo(&window));
    layer.leave(pane, Transition::opacity(), Spring{});
    EXPECT_FALSE(layer.running());
    EXPECT_FALSE(pane->isVisibleTo(&window));
}
