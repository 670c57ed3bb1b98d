#include "ui/kit/CandyDialogView.h"

#include <gtest/gtest.h>

#include <qcoro/qcorotask.h>
#include <QAbstractButton>
#include <QGraphicsOpacityEffect>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "ui/kit/CandyConfirm.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/Theme.h"
#include "ui/kit/WrapAnywhereLabel.h"

namespace sorbeta {
namespace {

CandyDialog dialogFor(CandyDialog::Host host, const QString& title, const QString& message = {}) {
    CandyDialog dialog;
    dialog.emoji = QStringLiteral("🍧");
    dialog.title = title;
    dialog.message = message;
    dialog.host = host;
    dialog.choices = {{QStringLiteral("好"), Flavor::grape, true, false},
                      {QStringLiteral("不要"), Flavor::cloud, false, true}};
    return dialog;
}

// Two windows with their overlays over one centre, on a hand-driven clock.
class CandyDialogViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* content = new QWidget;
        content->setAutoFillBackground(true);
        QPalette white = content->palette();
        white.setColor(QPalette::Window, Qt::white);
        content->setPalette(white);
        mainWindow.reset(candyDialogHost(content, CandyDialog::Host::main, center));
        panel.reset(candyDialogHost(new QWidget, CandyDialog::Host::menuBar, center));
        mainWindow->resize(900, 700);
        panel->resize(360, 480);
        mainWindow->show();
        panel->show();
    }
    CandyDialogOverlay* overlayOf(QWidget* frame) { return frame->findChild<CandyDialogOverlay*>(); }
    // Lets every spring arrive.
    void settle() {
        clock.advance(3.0);
        overlayOf(mainWindow.get())->tick();
        overlayOf(panel.get())->tick();
    }
    QCoro::Task<> ask(CandyDialog dialog) {
        // Named: see platform/Async.h.
        QCoro::Task<int> asking = center.ask(std::move(dialog));
        const int index = co_await asking;
        answers.push_back(index);
        currentAtResume.push_back(center.current() ? center.current()->title : QString());
    }

    ManualKitClock clock;
    CandyDialogCenter center;
    std::unique_ptr<QWidget> mainWindow;
    std::unique_ptr<QWidget> panel;
    std::vector<QCoro::Task<>> tasks;
    std::vector<int> answers;
    QStringList currentAtResume;
};

TEST_F(CandyDialogViewTest, EachHostShowsOnlyItsOwnDialogsInQueueOrder) {
    CandyDialogOverlay* main = overlayOf(mainWindow.get());
    CandyDialogOverlay* menu = overlayOf(panel.get());
    EXPECT_FALSE(main->isVisible());

    tasks.push_back(ask(dialogFor(CandyDialog::Host::menuBar, QStringLiteral("菜单"))));
    tasks.push_back(ask(dialogFor(CandyDialog::Host::main, QStringLiteral("主窗口"))));
    settle();
    // The panel's dialog blocks the queue; the main window shows nothing.
    EXPECT_EQ(main->card(), nullptr);
    EXPECT_FALSE(main->isVisible());
    ASSERT_NE(menu->card(), nullptr);
    EXPECT_TRUE(menu->card()->isVisible());
    EXPECT_TRUE(menu->card()->isCompact());
    // The panel's own content is faded out while the card takes its place.
    QWidget* panelContent = panel->layout()->itemAt(0)->widget();
    auto* fade = qobject_cast<QGraphicsOpacityEffect*>(panelContent->graphicsEffect());
    ASSERT_NE(fade, nullptr);
    EXPECT_NEAR(fade->opacity(), 0.0, 1e-3);

    QTest::mouseClick(menu->card()->button(1), Qt::LeftButton);
    EXPECT_EQ(answers, std::vector<int>{1});
    // The caller resumed with the next dialog already current.
    EXPECT_EQ(currentAtResume, QStringList{QStringLiteral("主窗口")});
    settle();
    EXPECT_EQ(menu->card(), nullptr);
    EXPECT_EQ(panelContent->graphicsEffect(), nullptr);
    ASSERT_NE(main->card(), nullptr);
    EXPECT_FALSE(main->card()->isCompact());
    EXPECT_EQ(main->card()->titleLabel()->text(), QStringLiteral("主窗口"));
}

TEST_F(CandyDialogViewTest, ReturnPicksDefaultEscapeCancelBackdropIgnoresClicks) {
    CandyDialogOverlay* main = overlayOf(mainWindow.get());
    tasks.push_back(ask(dialogFor(CandyDialog::Host::main, QStringLiteral("一"))));
    tasks.push_back(ask(dialogFor(CandyDialog::Host::main, QStringLiteral("二"))));
    settle();
    ASSERT_TRUE(main->isVisible());

    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(3, 3));  // beside the card
    EXPECT_TRUE(answers.empty());

    QTest::keyClick(main, Qt::Key_Return);
    EXPECT_EQ(answers, std::vector<int>{0});
    EXPECT_EQ(currentAtResume, QStringList{QStringLiteral("二")});
    // The new card answers keys while the old one still leaves.
    QTest::keyClick(main, Qt::Key_Escape);
    EXPECT_EQ(answers, (std::vector<int>{0, 1}));
    EXPECT_FALSE(center.isShowing());
    settle();
    EXPECT_FALSE(main->isVisible());
}

TEST_F(CandyDialogViewTest, MainWindowDrawsBackdropAndOrdersButtons) {
    tasks.push_back(ask(dialogFor(CandyDialog::Host::main, QStringLiteral("清理吗"))));
    settle();
    CandyDialogCard* card = overlayOf(mainWindow.get())->card();
    ASSERT_NE(card, nullptr);
    // Side by side: cancel on the left, confirm on the right.
    EXPECT_LT(card->button(1)->x(), card->button(0)->x());
    EXPECT_EQ(card->button(0)->y(), card->button(1)->y());
    EXPECT_EQ(card->cardRect().width(), 400);
    EXPECT_EQ(card->messageArea(), nullptr);  // no message, no box

    const QImage image = mainWindow->grab().toImage();
    const QColor corner = image.pixelColor(5, 5);
    // White content under ink at 0.28.
    EXPECT_NEAR(corner.red(), 255 - (255 - Theme::ink().red()) * 0.28, 3);
    EXPECT_NEAR(corner.blue(), 255 - (255 - Theme::ink().blue()) * 0.28, 3);
    // The card's centre column is white.
    const QPoint cardTop = card->mapTo(mainWindow.get(), card->cardRect().topLeft());
    EXPECT_EQ(image.pixelColor(cardTop + QPoint(20, 15)), QColor(Qt::white));
}

TEST_F(CandyDialogViewTest, OnlyTheRoundedCardScalesAndFadesOnItsWay) {
    // A window colour that would show at once if the card's picture kept it.
    QPalette loud = mainWindow->palette();
    loud.setColor(QPalette::Window, Qt::blue);
    mainWindow->setPalette(loud);
    tasks.push_back(ask(dialogFor(CandyDialog::Host::main, QStringLiteral("清理吗"))));
    CandyDialogOverlay* main = overlayOf(mainWindow.get());
    clock.advance(0.08);  // coming: its picture is drawn, scaled and faded
    main->tick();
    const CandyDialogCard* card = main->card();
    ASSERT_NE(card, nullptr);
    ASSERT_FALSE(card->isVisible());
    const QImage image = mainWindow->grab().toImage();
    const QColor backdrop = image.pixelColor(5, 5);
    // The corners of the card's widget lie outside the rounded card and show
    // only the backdrop (with at most a breath of shadow), never a box.
    const QRectF widget = QRectF(card->geometry());
    const QPointF centre = QRectF(card->cardRect()).translated(widget.topLeft()).center();
    for (const QPointF corner : {widget.topLeft() + QPointF(4, 4), widget.topRight() + QPointF(-4, 4)}) {
        const QPointF drawn = centre + (corner - centre) * 0.9;  // within the scaled picture
        const QColor seen = image.pixelColor(drawn.toPoint());
        EXPECT_NEAR(seen.red(), backdrop.red(), 8);
        EXPECT_NEAR(seen.green(), backdrop.green(), 8);
        EXPECT_NEAR(seen.blue(), backdrop.blue(), 8);
    }
    center.choose(0);
    clock.advance(0.05);  // leaving: the same holds for its picture
    main->tick();
    const QImage leaving = mainWindow->grab().toImage();
    const QPointF drawn = centre + (widget.topLeft() + QPointF(4, 4) - centre) * 0.95;
    EXPECT_NEAR(leaving.pixelColor(drawn.toPoint()).red(), leaving.pixelColor(5, 5).red(), 8);
}

TEST_F(CandyDialogViewTest, LongMessageScrollsInsideCappedArea) {
    QString longText;
    for (int i = 0; i < 80; ++i) longText += QStringLiteral("很长的一行说明文字。\n");
    tasks.push_back(ask(dialogFor(CandyDialog::Host::main, QStringLiteral("长"), longText)));
    settle();
    CandyDialogCard* card = overlayOf(mainWindow.get())->card();
    ASSERT_NE(card->messageArea(), nullptr);
    EXPECT_EQ(card->messageArea()->height(), 240);
    EXPECT_GT(card->messageArea()->widget()->height(), 240);
    // The indicators are hidden, yet the wheel scrolls the message.
    QWidget* viewport = card->messageArea()->viewport();
    const QPointF inside(viewport->width() / 2.0, viewport->height() / 2.0);
    QWheelEvent wheel(inside, viewport->mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(viewport, &wheel);
    EXPECT_GT(card->messageArea()->verticalScrollBar()->value(), 0);
    EXPECT_FALSE(card->messageArea()->verticalScrollBar()->isVisible());
    center.choose(0);

    tasks.push_back(ask(dialogFor(CandyDialog::Host::menuBar, QStringLiteral("长"), longText)));
    settle();
    CandyDialogCard* compact = overlayOf(panel.get())->card();
    ASSERT_NE(compact, nullptr);
    EXPECT_EQ(compact->messageArea()->height(), 160);
    // Stacked at full width, the first choice on top.
    EXPECT_LT(compact->button(0)->y(), compact->button(1)->y());
    EXPECT_DOUBLE_EQ(static_cast<CandyButton*>(compact->button(0))->capsuleRect().width(), 280);
}

TEST_F(CandyDialogViewTest, ConfirmBindingAsksAndRunsActionOnlyOnConfirm) {
    int runs = 0;
    QString title = QStringLiteral("删掉吗");
    CandyConfirm confirm(
        [&] {
            return CandyConfirm::Texts{
                QStringLiteral("🗑️"), title, QString(), QStringLiteral("删除"), Flavor::strawberry,
                QStringLiteral("再想想")};
        },
        [&] { ++runs; }, nullptr, center);
    CandyDialogOverlay* main = overlayOf(mainWindow.get());

    confirm.setPresented(true);
    EXPECT_FALSE(confirm.isPresented());
    ASSERT_TRUE(center.isShowing());
    EXPECT_EQ(center.current()->choices[1].flavor, Flavor::cloud);
    settle();
    QTest::keyClick(main, Qt::Key_Escape);
    EXPECT_EQ(runs, 0);

    title = QStringLiteral("真的删掉吗");  // taken when asked
    confirm.setPresented(true);
    EXPECT_EQ(center.current()->title, title);
    settle();
    QTest::mouseClick(main->card()->button(1), Qt::LeftButton);
    EXPECT_EQ(runs, 0);

    confirm.setPresented(true);
    settle();
    QTest::keyClick(main, Qt::Key_Return);
    EXPECT_EQ(runs, 1);
    confirm.setPresented(false);
    EXPECT_FALSE(center.isShowing());
}

}  // namespace
}  // namespace sorbeta

namespace sorbeta {

TEST(CandyDialogTitle, LongWordsWrapInsideThemAndNothingIsCut) {
    // A bundle name with no break in it, between ordinary words.
    const QString word = QStringLiteral("com.example.AVeryLongApplicationIdentifierWithoutAnyBreaks");
    const QString title = QStringLiteral("要删掉 ") + word + QStringLiteral(" 吗");
    for (bool compact : {false, true}) {
        CandyDialogCard card(dialogFor(CandyDialog::Host::main, title), compact, {});
        QLabel* label = card.titleLabel();
        const int width = label->width();
        ASSERT_GT(width, 0);
        EXPECT_TRUE(card.cardRect().contains(label->geometry())) << compact;
        const QStringList lines = wrappedLines(title, label->font(), width);
        ASSERT_GE(lines.size(), 3) << lines.join(u'|').toStdString();
        EXPECT_EQ(lines.join(QString()), title);  // every character is shown
        const QFontMetricsF metrics(label->font());
        for (const QString& line : lines) EXPECT_LE(metrics.horizontalAdvance(line.trimmed()), width + 0.5);
        EXPECT_GE(label->height(), int(lines.size() * metrics.height()));
    }
    // Words that fit break between words; line breaks stay.
    const QFont font = roundedFont(20, QFont::Bold);
    const QFontMetricsF metrics(font);
    const qreal room = metrics.horizontalAdvance(QStringLiteral("apple banana")) + 2;
    EXPECT_EQ(wrappedLines(QStringLiteral("apple banana cherry"), font, room),
              (QStringList{QStringLiteral("apple banana "), QStringLiteral("cherry")}));
    EXPECT_EQ(wrappedLines(QStringLiteral("a\nb"), font, room),
              (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}

}  // namespace sorbeta
