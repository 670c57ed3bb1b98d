#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <cmath>
#include <numbers>

#include "TestEnvironment.h"
#include "ui/jelly/ScanningJelly.h"
#include "ui/kit/CandyControls.h"
#include "ui/views/clean/Toasts.h"

namespace sorbeta {
namespace {

QStringList buttonTexts(const QWidget& toast) {
    QStringList texts;
    for (auto* button : toast.findChildren<QAbstractButton*>()) texts << button->text();
    return texts;
}

// The test steps the countdown itself; the toast's own clock must not add
// steps when a loaded machine lets a quarter second pass inside the loop.
void holdTheClock(Toast& toast) {
    auto* clock = toast.findChild<QTimer*>(QStringLiteral("toastClock"));
    ASSERT_NE(clock, nullptr);
    clock->stop();
}

// Steps until the toast closes; the number of 0.25 s steps it took.
int stepsUntilClosed(Toast& toast, int& dismissed, int limit = 200) {
    holdTheClock(toast);
    for (int i = 1; i <= limit; ++i) {
        toast.step();
        QApplication::processEvents();
        if (dismissed) return i;
    }
    return -1;
}

TEST(ToastCountdownTest, StepsStandStillWhileHovered) {
    ToastCountdown countdown(1.0);
    EXPECT_FALSE(countdown.step(false));
    EXPECT_FALSE(countdown.step(true));
    EXPECT_EQ(countdown.remaining(), 0.75);
    EXPECT_FALSE(countdown.step(false));
    EXPECT_FALSE(countdown.step(false));
    EXPECT_TRUE(countdown.step(false));
    EXPECT_TRUE(ToastCountdown(0).overAtStart());
    EXPECT_TRUE(ToastCountdown(-3).overAtStart());
    ToastCountdown short_(0.1);
    EXPECT_FALSE(short_.overAtStart());
    EXPECT_TRUE(short_.step(false));  // closes after the first step
}

TEST(FreedToastTest, CountsDownTwelveOrSixSecondsAndPausesWhileHovered) {
    int dismissed = 0;
    FreedToast withShare(5'000'000, {}, 0, false, {{}, [] {}, [&] { ++dismissed; }});
    withShare.setPointerProbe([] { return true; });
    EXPECT_EQ(stepsUntilClosed(withShare, dismissed), 48);

    dismissed = 0;
    FreedToast plain(5'000'000, {}, 0, false, {{}, {}, [&] { ++dismissed; }});
    bool pointerInside = true;
    plain.setPointerProbe([&] { return pointerInside; });
    holdTheClock(plain);
    for (int i = 0; i < 10; ++i) plain.step();
    plain.adjustSize();
    const QPointF inside = plain.capsuleRect().center();
    QEnterEvent enter(inside, inside, inside);
    QApplication::sendEvent(&plain, &enter);
    for (int i = 0; i < 100; ++i) plain.step();
    EXPECT_EQ(plain.remaining(), 3.5);  // stood still
    // The leave event never came, but the pointer is gone: the count resumes.
    pointerInside = false;
    EXPECT_EQ(stepsUntilClosed(plain, dismissed), 14);
    EXPECT_EQ(dismissed, 1);
    for (int i = 0; i < 5; ++i) plain.step();
    QApplication::processEvents();
    EXPECT_EQ(dismissed, 1);  // once only
}

TEST(FreedToastTest, OnlyTheCapsuleCountsAsHovered) {
    FreedToast toast(1, {}, 0, false, {{}, {}, [] {}});
    toast.adjustSize();
    const QRectF capsule = toast.capsuleRect();
    ASSERT_FALSE(capsule.isEmpty());
    EXPECT_GE(capsule.top(), 16);  // the widget holds room for the shadow around it
    auto enterAt = [&](QPointF at) {
        QEnterEvent enter(at, toast.mapToGlobal(at), toast.mapToGlobal(at));
        QApplication::sendEvent(&toast, &enter);
        return toast.isHovering();
    };
    auto moveTo = [&](QPointF at) {
        QMouseEvent move(QEvent::MouseMove, at, toast.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&toast, &move);
        return toast.isHovering();
    };
    const QPointF shadowBelow(capsule.center().x(), capsule.bottom() + 10);
    EXPECT_FALSE(enterAt(shadowBelow));
    EXPECT_TRUE(moveTo(capsule.topLeft() + QPointF(capsule.height() / 2, capsule.height() / 2)));
    EXPECT_FALSE(moveTo(shadowBelow));
    // The count runs while the pointer rests on the shadow.
    toast.setPointerProbe([] { return false; });
    const double before = toast.remaining();
    toast.step();
    EXPECT_EQ(toast.remaining(), before - 0.25);
}

TEST(FreedToastTest, TextsAndButtons) {
    EXPECT_EQ(FreedToast::titleText(1'500'000, true), QStringLiteral("移走了 1.5 M"));
    EXPECT_EQ(FreedToast::titleText(1'500'000, false), QStringLiteral("释放了 1.5 M"));
    EXPECT_EQ(FreedToast::subtitleText(1, {}, 0, true), QStringLiteral("在暂存区放 7 天，后悔了可以恢复"));
    EXPECT_EQ(FreedToast::subtitleText(1, {}, 0, false), QStringLiteral("磁盘轻了一点点"));
    const QStringList two = {QStringLiteral("Slack"), QStringLiteral("Xcode")};
    EXPECT_EQ(FreedToast::subtitleText(1, two, 0, true),
              QStringLiteral("%1 的应用还开着，这次先跳过了").arg(QLocale().createSeparatedList(two)));
    // Nothing freed: the disk is no lighter, unless applications were skipped
    // (then that is the reason). The title still says what was freed.
    const QString keptInPlace = QStringLiteral("这次没能清理掉任何东西，文件都还在原处");
    EXPECT_EQ(FreedToast::subtitleText(0, {}, 0, false), keptInPlace);
    EXPECT_EQ(FreedToast::subtitleText(0, {}, 0, true), keptInPlace);
    EXPECT_EQ(FreedToast::subtitleText(0, two, 0, false),
              QStringLiteral("%1 的应用还开着，这次先跳过了").arg(QLocale().createSeparatedList(two)));
    const FreedToast none(0, {}, 0, false, {{}, {}, [] {}});
    EXPECT_EQ(none.findChild<QLabel*>(QStringLiteral("toastTitle"))->text(), QStringLiteral("释放了 0 B"));
    EXPECT_EQ(none.findChild<QLabel*>(QStringLiteral("toastSubtitle"))->text(), keptInPlace);
    // Some items would not go: a clean that freed something says so instead
    // of the plain success, also beside the skipped applications.
    const QString leftBehind = QStringLiteral("有 3 项没能清理掉，还在原处");
    EXPECT_EQ(FreedToast::subtitleText(1, {}, 3, false), leftBehind);
    EXPECT_EQ(FreedToast::subtitleText(1, {}, 3, true), leftBehind);
    EXPECT_EQ(FreedToast::subtitleText(0, {}, 3, false), keptInPlace);
    EXPECT_EQ(
        FreedToast::subtitleText(1, two, 3, false),
        QStringLiteral("%1 的应用还开着，这次先跳过了").arg(QLocale().createSeparatedList(two)) + u'\n' + leftBehind);
    const FreedToast partly(2'000'000, {}, 3, false, {{}, {}, [] {}});
    EXPECT_EQ(partly.findChild<QLabel*>(QStringLiteral("toastSubtitle"))->text(), leftBehind);

    auto nothing = [] {};
    EXPECT_EQ(buttonTexts(FreedToast(1, {}, 0, true, {nothing, nothing, nothing})),
              (QStringList{QStringLiteral("现在腾出空间"), QStringLiteral("分享战报"), QStringLiteral("好耶")}));
    EXPECT_EQ(buttonTexts(FreedToast(1, {}, 0, true, {{}, {}, nothing})), QStringList{QStringLiteral("好耶")});
    EXPECT_EQ(buttonTexts(FreedToast(1, {}, 0, false, {nothing, {}, nothing})), QStringList{QStringLiteral("好耶")});
}

// Flavour and capsule height of each candy button, in row order; all compact.
std::vector<std::pair<Flavor, double>> buttonStyles(const QWidget& toast) {
    std::vector<std::pair<Flavor, double>> styles;
    for (auto* button : toast.findChildren<CandyButton*>()) {
        EXPECT_TRUE(button->compact()) << button->text().toStdString();
        EXPECT_EQ(button->capsuleRect().height(), button->buttonHeight());
        styles.emplace_back(button->flavor(), button->buttonHeight());
    }
    return styles;
}

TEST(ToastTest, ButtonStylesAndHeights) {
    auto nothing = [] {};
    using Styles = std::vector<std::pair<Flavor, double>>;
    EXPECT_EQ(buttonStyles(FreedToast(1, {}, 0, true, {nothing, nothing, nothing})),
              (Styles{{Flavor::grape, 46}, {Flavor::strawberry, 46}, {Flavor::lime, 46}}));
    const CandyToast candy(QStringLiteral("🧹"), QStringLiteral("t"), QStringLiteral("s"),
                           CandyToast::Action{QStringLiteral("看看"), nothing}, 5, QStringLiteral("好"), nothing);
    EXPECT_EQ(buttonStyles(candy), (Styles{{Flavor::strawberry, 36}, {Flavor::grape, 36}}));
}

TEST(FreedToastTest, ButtonsRunQueuedAndARemovedToastCallsNothing) {
    int freed = 0, dismissed = 0;
    auto* toast = new FreedToast(1, {}, 0, true, {[&] { ++freed; }, {}, [&] { ++dismissed; }});
    const auto buttons = toast->findChildren<QAbstractButton*>();
    ASSERT_EQ(buttons.size(), 2);
    buttons[0]->click();
    buttons[1]->click();
    EXPECT_EQ(freed + dismissed, 0);  // nothing ran inside the click
    QApplication::processEvents();
    EXPECT_EQ(freed, 1);
    EXPECT_EQ(dismissed, 1);

    // Closing queued, then removed before the queue runs: dismiss never comes.
    dismissed = 0;
    auto* doomed = new FreedToast(1, {}, 0, false, {{}, {}, [&] { ++dismissed; }});
    for (int i = 0; i < 24; ++i) doomed->step();
    delete doomed;
    QApplication::processEvents();
    EXPECT_EQ(dismissed, 0);
    delete toast;
}

TEST(CandyToastTest, SecondsAndButtons) {
    int dismissed = 0, acted = 0;
    CandyToast instant(QStringLiteral("🧹"), QStringLiteral("清好了"), QStringLiteral("sub"), std::nullopt, 0,
                       QStringLiteral("知道了"), [&] { ++dismissed; });
    EXPECT_EQ(dismissed, 0);  // queued, not inside the constructor
    QApplication::processEvents();
    EXPECT_EQ(dismissed, 1);
    EXPECT_EQ(buttonTexts(instant), QStringList{QStringLiteral("知道了")});

    dismissed = 0;
    CandyToast brief(QStringLiteral("🧹"), QStringLiteral("t"), QStringLiteral("s"),
                     CandyToast::Action{QStringLiteral("看看"), [&] { ++acted; }}, 0.1, QStringLiteral("好"),
                     [&] { ++dismissed; });
    brief.setPointerProbe([] { return false; });
    EXPECT_EQ(stepsUntilClosed(brief, dismissed), 1);
    EXPECT_EQ(buttonTexts(brief), (QStringList{QStringLiteral("看看"), QStringLiteral("好")}));
    EXPECT_EQ(brief.findChild<QLabel*>(QStringLiteral("toastTitle"))->text(), QStringLiteral("t"));
}

TEST(ToastTest, NamesAreShownVerbatim) {
    auto nothing = [] {};
    const QString name = QStringLiteral("<b>Slack</b> & <i>Co</i>");
    CandyToast candy(QStringLiteral("<u>📦</u>"), name, name, std::nullopt, 5, QStringLiteral("好"), nothing);
    FreedToast freed(1'000'000, {name}, 0, false, {{}, {}, nothing});
    for (const QWidget* toast : {static_cast<const QWidget*>(&candy), static_cast<const QWidget*>(&freed)}) {
        const auto labels = toast->findChildren<QLabel*>();
        ASSERT_EQ(labels.size(), 3);
        for (const QLabel* label : labels) EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
    }
    EXPECT_EQ(candy.findChild<QLabel*>(QStringLiteral("toastTitle"))->text(), name);
    EXPECT_EQ(candy.findChild<QLabel*>(QStringLiteral("toastGlyph"))->text(), QStringLiteral("<u>📦</u>"));
    EXPECT_TRUE(freed.findChild<QLabel*>(QStringLiteral("toastSubtitle"))->text().startsWith(name));
}

TEST(ScanningJellyTest, HopsAndStepsThroughAllFlavours) {
    const QSizeF size(600, 500);
    // On the floor: squashed wide and low, darker shadow.
    const ScanningFrame floor = scanningFrame(0, size, 20);
    EXPECT_EQ(floor.bounce, 0);
    EXPECT_NEAR(floor.body.width(), 145.6, 1e-9);
    EXPECT_NEAR(floor.body.height(), 105.6, 1e-9);
    EXPECT_NEAR(floor.shadowOpacity, 0.14, 1e-12);
    EXPECT_EQ(floor.shadow.width(), 120);
    // At the top of the hop (3t = π/2): 130 × 120, 60 points up.
    const double top = std::numbers::pi / 6;
    const ScanningFrame high = scanningFrame(top, size, 20);
    EXPECT_NEAR(high.body.width(), 130, 1e-9);
    EXPECT_NEAR(high.body.height(), 120, 1e-9);
    EXPECT_NEAR(floor.body.bottom() - high.body.bottom(), 60, 1e-9);
    EXPECT_NEAR(high.shadow.width(), 80, 1e-9);
    // Centred: the whole stack is 200 + 26 + 14 + 26 + caption tall.
    EXPECT_NEAR(floor.body.bottom(), (500 - 286) / 2.0 + 200, 1e-9);
    EXPECT_NEAR(floor.body.center().x(), 300, 1e-9);

    // A new colour every 1.5 s through all 13, cloud included, then around.
    EXPECT_EQ(scanningFrame(1.49, size, 20).flavor, Flavor::strawberry);
    EXPECT_EQ(scanningFrame(1.5, size, 20).flavor, Flavor::mango);
    EXPECT_EQ(scanningFrame(12 * 1.5 + 0.1, size, 20).flavor, Flavor::cloud);
    EXPECT_EQ(scanningFrame(13 * 1.5 + 0.1, size, 20).flavor, Flavor::strawberry);
    // Two jellies at one instant are identical: no state of their own.
    const double now = 7.6e8 + 0.37;
    EXPECT_EQ(scanningFrame(now, size, 20).body, scanningFrame(now, size, 20).body);
}

TEST(ScanningJellyTest, PaintsTheCurrentFlavour) {
    ScanningJelly jelly(QStringLiteral("正在扫描…"));
    jelly.resize(400, 400);
    QImage image(400, 400, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    const double t = 1.5 * 3 + 0.3;  // the blueberry step, high in the hop
    {
        QPainter painter(&image);
        jelly.paintFrame(painter, t);
    }
    const ScanningFrame f = scanningFrame(t, QSizeF(400, 400), 0);
    EXPECT_EQ(f.flavor, Flavor::blueberry);
    const QColor body = image.pixelColor(f.body.center().toPoint() + QPoint(0, 25));
    EXPECT_GT(body.blue(), 180);
    EXPECT_LT(body.red(), 150);
}

}  // namespace
}  // namespace sorbeta
