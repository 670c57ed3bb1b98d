#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>
#include <set>

#include "TestEnvironment.h"
#include "model/scan/AppModel.h"
#include "ui/jelly/JellyBody.h"
#include "ui/kit/ImageEffects.h"
#include "ui/kit/KitClock.h"
#include "ui/map/CleanMapNodes.h"
#include "ui/map/JellyMapView.h"

namespace sorbeta {
namespace {

MapNode makeNode(std::string id, int64_t bytes, Flavor flavor, MapNode::Kind kind, bool withUrl = true) {
    MapNode n;
    n.id = std::move(id);
    n.title = QString::fromStdString(n.id);
    n.bytes = bytes;
    n.flavor = flavor;
    n.kind = kind;
    if (withUrl) n.urls = {"/tmp/" + n.id};
    return n;
}

// The largest difference of any channel of any pixel of two images of one size.
int largestChannelDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int shift : {0, 8, 16, 24})
                largest = std::max(
                    largest, std::abs(int((a.pixel(x, y) >> shift) & 0xff) - int((b.pixel(x, y) >> shift) & 0xff)));
    return largest;
}

class JellyMapViewTest : public test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        view.setOnOpen([this](const MapNode& node) { opened.push_back(node.id); });
        view.resize(600, 400);
    }

    QPointF centreOf(const std::string& id) const {
        for (const PlacedNode& p : view.placed())
            if (p.node.id == id) return p.rect.center();
        ADD_FAILURE() << "not placed: " << id;
        return {};
    }
    QRectF rectOf(const std::string& id) const {
        for (const PlacedNode& p : view.placed())
            if (p.node.id == id) return p.rect;
        return {};
    }
    void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button = Qt::LeftButton) {
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent event(type, at, view.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    }
    void click(QPointF at) {
        mouse(QEvent::MouseButtonPress, at);
        mouse(QEvent::MouseButtonRelease, at);
    }
    void runScheduled() {
        auto tasks = std::move(scheduled);
        scheduled.clear();
        for (auto& [ms, task] : tasks) task();
    }
    static QStringList menuTexts(QMenu& menu) {
        QStringList texts;
        for (QAction* action : menu.actions()) texts << action->text();
        return texts;
    }

    ManualKitClock clock{5000};
    std::vector<std::pair<int, std::function<void()>>> scheduled;
    JellyMapView view{MapServices{.schedule = [this](int ms, std::function<void()> task) {
        scheduled.push_back({ms, std::move(task)});
    }}};
    std::vector<std::string> opened;
};

TEST_F(JellyMapViewTest, SelectionRingsFitInsideTheMapAtEveryEdge) {
    std::vector<MapNode> nodes;
    for (int i = 0; i < 9; ++i)
        nodes.push_back(makeNode("n" + std::to_string(i), 1000 * (9 - i), Flavor::peach, MapNode::Kind::category));
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        view.setLayoutDirection(direction);
        view.setNodes(nodes);
        ASSERT_EQ(view.placed().size(), nodes.size());
        const QRectF map(view.rect());
        QRectF reach;  // of every ring together
        for (const PlacedNode& placed : view.placed()) {
            const QRectF ring =
                placed.rect.adjusted(-kSelectionReach, -kSelectionReach, kSelectionReach, kSelectionReach);
            EXPECT_TRUE(map.contains(ring)) << placed.node.id;
            reach |= ring;
        }
        // The room left is only what the rings need: the jellies still fill the map.
        EXPECT_LE(reach.left(), 1.0);
        EXPECT_GE(reach.right(), map.right() - 1.0);
        EXPECT_LE(reach.top(), 1.0);
        EXPECT_GE(reach.bottom(), map.bottom() - 1.0);
    }
}

TEST_F(JellyMapViewTest, TapOpensAfterTheSquishStarts) {
    view.setNodes({makeNode("docs", 4000, Flavor::blueberry, MapNode::Kind::category),
                   makeNode("logs", 1000, Flavor::mango, MapNode::Kind::category)});
    ASSERT_EQ(view.placed().size(), 2u);
    click(centreOf("docs"));
    EXPECT_EQ(view.pokes("docs"), 1);
    EXPECT_TRUE(opened.empty());
    ASSERT_EQ(scheduled.size(), 1u);
    EXPECT_EQ(scheduled[0].first, 160);
    click(centreOf("docs"));  // a second tap within 0.16 s schedules a second call
    EXPECT_EQ(view.pokes("docs"), 2);
    runScheduled();
    EXPECT_EQ(opened, (std::vector<std::string>{"docs", "docs"}));

    // A click in the gap between jellies reaches nothing.
    const QRectF a = rectOf("docs"), b = rectOf("logs");
    const QPointF gap = a.right() < b.left() ? QPointF((a.right() + b.left()) / 2, a.center().y())
                                             : QPointF(a.center().x(), (a.bottom() + b.top()) / 2);
    EXPECT_FALSE(view.blobAt(gap));
    EXPECT_FALSE(view.blobAt(a.topLeft() + QPointF(1, 1)));  // the rounded-off corner
}

TEST_F(JellyMapViewTest, FilesAndNodesWithoutUrlsOnlySquish) {
    view.setNodes({makeNode("a.txt", 4000, Flavor::lime, MapNode::Kind::file),
                   makeNode("bare", 3000, Flavor::sky, MapNode::Kind::folder, false)});
    click(centreOf("a.txt"));
    click(centreOf("bare"));
    EXPECT_EQ(view.pokes("a.txt"), 1);
    EXPECT_EQ(view.pokes("bare"), 1);
    EXPECT_TRUE(scheduled.empty());

    auto fileMenu = view.contextMenuFor("a.txt");
    EXPECT_EQ(menuTexts(*fileMenu), QStringList{QStringLiteral("在访达中显示")});
    EXPECT_TRUE(view.contextMenuFor("bare")->isEmpty());

    view.setNodes({makeNode("docs", 4000, Flavor::lime, MapNode::Kind::category)});
    auto menu = view.contextMenuFor("docs");
    EXPECT_EQ(menuTexts(*menu), (QStringList{QStringLiteral("在访达中显示"), QStringLiteral("点开看看")}));
    menu->actions().at(1)->trigger();  // opens at once: no delay, no press
    EXPECT_EQ(opened, std::vector<std::string>{"docs"});
    EXPECT_EQ(view.pokes("docs"), 0);
}

TEST_F(JellyMapViewTest, TapToPickTogglesThroughTheHooks) {
    std::set<std::string> ticked;
    view.setSelection(MapSelection{[&](const std::string& id) { return ticked.contains(id); },
                                   [&](const std::string& id) {
                                       if (!ticked.erase(id)) ticked.insert(id);
                                   }});
    MapNode app = makeNode("app", 4000, Flavor::grape, MapNode::Kind::app);
    app.tapToPick = true;
    view.setNodes({app});
    click(centreOf("app"));
    EXPECT_TRUE(ticked.contains("app"));
    EXPECT_EQ(view.pokes("app"), 1);
    EXPECT_TRUE(scheduled.empty());  // never opens
    EXPECT_EQ(menuTexts(*view.contextMenuFor("app")), QStringList{QStringLiteral("在访达中显示")});
    EXPECT_FALSE(view.isTicked("app"));  // only items show a tick
    click(centreOf("app"));
    EXPECT_FALSE(ticked.contains("app"));
}

TEST_F(JellyMapViewTest, ItemDotTicksTheScanModelsSelection) {
    AppModel model{ModelEnvironment{}};  // never scans
    view.setSelection(MapNodes::overviewSelection(model));
    const auto& selected = model.selected();
    // A rule id that equals a category id elsewhere is still its own jelly.
    view.setNodes({makeNode("logs.rest", 6000, Flavor::mango, MapNode::Kind::remainder),
                   makeNode("logs", 3000, Flavor::mango, MapNode::Kind::item)});
    const QRectF item = rectOf("logs");
    const QPointF dot(item.right() - 10 - 10, item.top() + 10 + 10);
    EXPECT_EQ(view.tooltipAt(dot), QStringLiteral("选中，稍后清理"));
    click(dot);
    EXPECT_TRUE(selected.contains("logs"));
    EXPECT_TRUE(view.isTicked("logs"));
    EXPECT_EQ(view.tooltipAt(dot), QStringLiteral("取消选中"));
    EXPECT_TRUE(scheduled.empty());  // the dot's tap does not open

    // A tap on the jelly body of an item opens it.
    click(item.center() + QPointF(0, item.height() / 4));
    EXPECT_EQ(scheduled.size(), 1u);
    EXPECT_TRUE(selected.contains("logs"));
    EXPECT_TRUE(view.tooltipAt(item.center()).startsWith(QStringLiteral("logs · 3.0 K\n")));
}

TEST_F(JellyMapViewTest, TooltipsShowNamesVerbatim) {
    MapNode folder = makeNode("f", 4000, Flavor::peach, MapNode::Kind::folder);
    folder.title = QStringLiteral("<i>Photos</i> & <b>more</b>");
    view.setNodes({folder});
    view.show();
    const QPoint at = centreOf("f").toPoint();
    QHelpEvent help(QEvent::ToolTip, at, view.mapToGlobal(at));
    QApplication::sendEvent(&view, &help);
    QLabel* tip = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("qtooltip_label") && widget->isVisible())
            tip = qobject_cast<QLabel*>(widget);
    ASSERT_NE(tip, nullptr);
    QTextDocument shown;
    shown.setHtml(tip->text());
    EXPECT_EQ(shown.toPlainText(), QStringLiteral("<i>Photos</i> & <b>more</b> · 4.0 K"));
    QToolTip::hideText();
}

TEST_F(JellyMapViewTest, HoverTouchesFollowThePointer) {
    view.setNodes({makeNode("a", 4000, Flavor::peach, MapNode::Kind::category),
                   makeNode("b", 4000, Flavor::mint, MapNode::Kind::category)});
    mouse(QEvent::MouseMove, centreOf("a"));
    ASSERT_TRUE(view.tracker().touch("a"));
    EXPECT_EQ(view.tracker().hovered(), "a");
    EXPECT_EQ(view.tracker().touch("a")->entry, QPointF(0.5, 0.5));

    clock.advance(0.5);
    mouse(QEvent::MouseMove, centreOf("b"));
    EXPECT_EQ(view.tracker().hovered(), "b");
    EXPECT_EQ(view.tracker().touch("a")->left, 5000.5);
    ASSERT_EQ(scheduled.size(), 1u);
    EXPECT_EQ(scheduled[0].first, 1700);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&view, &leave);
    EXPECT_FALSE(view.tracker().hovered());
    clock.advance(1.7);
    runScheduled();
    EXPECT_FALSE(view.tracker().touch("a"));
    EXPECT_FALSE(view.tracker().touch("b"));
}

TEST_F(JellyMapViewTest, RightToLeftMirrorsThePlacement) {
    view.setNodes({makeNode("big", 9000, Flavor::cherry, MapNode::Kind::category),
                   makeNode("small", 1000, Flavor::lemon, MapNode::Kind::category)});
    EXPECT_LT(rectOf("big").center().x(), 300);
    view.setLayoutDirection(Qt::RightToLeft);
    EXPECT_GT(rectOf("big").center().x(), 300);
    EXPECT_EQ(view.blobAt(rectOf("big").center()), "big");
}

// Which flavour's colour ramp a pixel lies closest to.
Flavor nearestFlavor(QColor pixel) {
    Flavor best = Flavor::cloud;
    double bestDistance = 1e18;
    for (Flavor f : allFlavors) {
        const JellyPalette p = palette(f);
        for (const QColor& c : {p.light, p.base, p.deep}) {
            const double d = std::pow(c.red() - pixel.red(), 2) + std::pow(c.green() - pixel.green(), 2) +
                             std::pow(c.blue() - pixel.blue(), 2);
            if (d < bestDistance) {
                bestDistance = d;
                best = f;
            }
        }
    }
    return best;
}

TEST_F(JellyMapViewTest, DrawsEachNodeInItsFlavour) {
    view.resize(1000, 600);
    std::vector<MapNode> nodes;
    const std::vector<Flavor> flavours = {Flavor::strawberry, Flavor::lime,  Flavor::blueberry,
                                          Flavor::grape,      Flavor::mango, Flavor::sky};
    for (std::size_t i = 0; i < flavours.size(); ++i)
        nodes.push_back(makeNode("n" + std::to_string(i), 10000, flavours[i], MapNode::Kind::category));
    view.setNodes(nodes);
    clock.advance(3);  // the fade-in is over
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        view.paintMap(painter);
    }
    for (std::size_t i = 0; i < flavours.size(); ++i) {
        const QRectF r = rectOf(nodes[i].id);
        // Low in the body: below the gloss and clear of the label.
        const QColor pixel =
            image.pixelColor(QPoint(int(r.left() + 0.3 * r.width()), int(r.top() + 0.82 * r.height())));
        EXPECT_EQ(nearestFlavor(pixel), flavours[i]) << i << " " << pixel.name().toStdString();
    }
    // Outside the jellies' rounded corners the background shows through.
    EXPECT_EQ(image.pixelColor(QPoint(1, 1)), QColor(Qt::white));

    // The widget paints the same map when it paints itself (its paint
    // event's rounding may differ by a level).
    QImage shown(view.size(), QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::white);
    view.render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_LE(largestChannelDifference(shown, image), 2);
}

TEST_F(JellyMapViewTest, ALabelShowsItsNodesNewTextOnTheNextFrame) {
    view.resize(800, 500);
    MapNode a = makeNode("a", 3000, Flavor::lime, MapNode::Kind::category);
    const MapNode b = makeNode("b", 2000, Flavor::grape, MapNode::Kind::category);
    view.setNodes({a, b});
    clock.advance(3);
    // The middle of the jelly, where its label sits and the wobble never reaches.
    const QRect middle = rectOf("a").toAlignedRect().adjusted(60, 60, -60, -60);
    auto labelArea = [&] {
        QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        view.paintMap(painter);
        return image.copy(middle);
    };
    const QImage first = labelArea();
    clock.advance(0.4);
    EXPECT_EQ(labelArea(), first);  // frames reuse the label they made

    a.title = QStringLiteral("renamed jelly");
    view.setNodes({a, b});
    clock.advance(0.4);
    const QImage renamed = labelArea();
    EXPECT_NE(renamed, first);
    // A change of language makes the labels again, from the same words here.
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&view, &change);
    clock.advance(0.4);
    EXPECT_EQ(labelArea(), renamed);
}

TEST_F(JellyMapViewTest, PartialRepaintsNeverTearARestingJelly) {
    view.setNodes({makeNode("a", 3000, Flavor::lime, MapNode::Kind::category),
                   makeNode("b", 2000, Flavor::grape, MapNode::Kind::category)});
    clock.advance(3);
    auto shown = [&](const QRegion& region, QImage base) {
        view.render(&base, region.boundingRect().topLeft(), region, QWidget::DrawChildren);
        return base;
    };
    QImage blank(view.size(), QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::white);
    const QImage first = shown(QRegion(view.rect()), blank);

    // Half a second later the idle wobble has moved on, but a repaint of part
    // of the map keeps the resting jellies as they were, so no seam appears.
    clock.advance(0.5);
    const QRect part = rectOf("a").toAlignedRect().adjusted(20, 20, -20, -20);
    const QImage patched = shown(QRegion(part), blank);
    EXPECT_EQ(patched.copy(part), first.copy(part));
    EXPECT_EQ(patched.pixel(part.topLeft() - QPoint(3, 3)), qRgb(255, 255, 255));  // nothing outside the part
    // A whole repaint moves them on.
    EXPECT_NE(shown(QRegion(view.rect()), blank), first);
}

// Every pixel that differs between two consecutive frames lies in the region a
// frame asks to repaint, and repainting only that region over the previous
// picture gives the new frame exactly.
TEST_F(JellyMapViewTest, FramesRepaintEveryPixelTheWobbleChanges) {
    std::set<std::string> ticked{"pick"};
    view.setSelection(MapSelection{[&](const std::string& id) { return ticked.contains(id); }, nullptr});
    view.setNodes({makeNode("a", 3000, Flavor::lime, MapNode::Kind::category),
                   makeNode("pick", 2000, Flavor::grape, MapNode::Kind::item),
                   makeNode("free", 1500, Flavor::sky, MapNode::Kind::free),
                   makeNode("glass", 900, Flavor::mango, MapNode::Kind::folder)});
    clock.advance(3);  // the entrance has settled
    QImage blank(view.size(), QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::white);
    auto whole = [&] {
        QImage image = blank;
        view.render(&image, QPoint(), QRegion(view.rect()), QWidget::DrawChildren);
        return image;
    };
    whole();  // the layers of every jelly are made
    QImage previous = whole();
    int framesWithChanges = 0;
    for (int frame = 0; frame < 12; ++frame) {
        clock.advance(1.0 / 15 + 0.002 * frame);
        const QRegion changed = view.advanceFrame();
        const QImage next = whole();  // the frame asked for: shows the jellies as they were advanced
        for (int y = 0; y < next.height(); ++y)
            for (int x = 0; x < next.width(); ++x)
                if (next.pixel(x, y) != previous.pixel(x, y)) {
                    ASSERT_TRUE(changed.contains(QPoint(x, y)))
                        << "frame " << frame << " at " << x << "," << y << std::hex << " " << previous.pixel(x, y)
                        << " -> " << next.pixel(x, y) << " " << view.blobAt(QPointF(x, y)).value_or("-");
                }
        if (!changed.isEmpty()) ++framesWithChanges;
        // Only the changed part painted over the previous picture.
        QImage patched = previous;
        {
            QPainter clear(&patched);
            for (const QRect& r : changed) clear.fillRect(r, Qt::white);
        }
        view.render(&patched, changed.boundingRect().topLeft(), changed, QWidget::DrawChildren);
        ASSERT_EQ(patched, next) << "frame " << frame;
        previous = next;
    }
    EXPECT_GE(framesWithChanges, 6);  // the jellies did wobble

    // The changed region of a resting map is a fraction of it.
    clock.advance(1.0 / 15);
    const QRegion changed = view.advanceFrame();
    qint64 pixels = 0;
    for (const QRect& r : changed) pixels += qint64(r.width()) * r.height();
    EXPECT_LT(pixels, qint64(view.width()) * view.height() / 2);
}

// Painted straight into a window's image (premultiplied or RGB32, as a
// window's backing store is) or into a picture of its own and copied, the
// map looks the same.
TEST_F(JellyMapViewTest, PaintsAlikeIntoAWindowsImageAndIntoAPictureOfItsOwn) {
    std::set<std::string> ticked{"pick"};
    view.setSelection(MapSelection{[&](const std::string& id) { return ticked.contains(id); }, nullptr});
    view.setNodes({makeNode("a", 3000, Flavor::lime, MapNode::Kind::category),
                   makeNode("pick", 2000, Flavor::grape, MapNode::Kind::item),
                   makeNode("free", 1500, Flavor::sky, MapNode::Kind::free)});
    clock.advance(3);
    auto intoImage = [&](QImage::Format format) {
        QImage image(view.size(), format);
        image.fill(QColor(250, 240, 245));
        view.render(&image, QPoint(), QRegion(view.rect()), QWidget::DrawChildren);
        return image.convertToFormat(QImage::Format_ARGB32);
    };
    QPixmap picture(view.size());
    picture.fill(QColor(250, 240, 245));
    view.render(&picture, QPoint(), QRegion(view.rect()), QWidget::DrawChildren);
    const QImage copied = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage premultiplied = intoImage(QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(intoImage(QImage::Format_RGB32), premultiplied);
    EXPECT_LE(largestChannelDifference(copied, premultiplied), 2);
    EXPECT_NE(premultiplied.pixel(centreOf("a").toPoint()), qRgb(250, 240, 245));
}

// The map animates only while it can be seen, and lets go of its pictures
// while it cannot.
TEST_F(JellyMapViewTest, FramesStopWhileNobodyCanSeeTheMap) {
    view.setNodes({makeNode("a", 3000, Flavor::lime, MapNode::Kind::category),
                   makeNode("b", 2000, Flavor::grape, MapNode::Kind::category)});
    EXPECT_FALSE(view.animating());  // not on the screen yet
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QCoreApplication::processEvents();
    EXPECT_TRUE(view.animating());
    view.grab();  // painted once: layers made
    EXPECT_GT(ImageEffects::LayerCache::shared().size(), 0);

    view.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    EXPECT_FALSE(view.animating());
    EXPECT_EQ(ImageEffects::LayerCache::shared().size(), 0);
    view.setWindowState(Qt::WindowNoState);
    QCoreApplication::processEvents();
    EXPECT_TRUE(view.animating());

    clock.advance(3);  // at rest: the slow wobble goes on
    view.advanceFrame();
    EXPECT_TRUE(view.animating());
    view.hide();
    EXPECT_FALSE(view.animating());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QCoreApplication::processEvents();
    EXPECT_TRUE(view.animating());

    // Reduced motion at rest: nothing to animate even when seen.
    view.setReduceMotion(true);
    view.advanceFrame();
    QCoreApplication::processEvents();
    EXPECT_FALSE(view.animating());
}

}  // namespace
}  // namespace sorbeta
