#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>
#include <filesystem>

#include "model/care/Maintenance.h"
#include "model/common/Bytes.h"
#include "model/history/HistoryModel.h"
#include "model/scan/AppModelTestSupport.h"
#include "model/shell/AppLanguage.h"
#include "model/status/StatusModel.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/Theme.h"
#include "ui/views/menubar/MenuBarIcon.h"
#include "ui/views/menubar/MenuPanel.h"

namespace sorbeta {
namespace {
namespace fs = std::filesystem;

StatusModel::Sources quietStatus() {
    StatusModel::Sources s;
    s.memory = [] { return MemoryBreakdown{}; };
    s.cpuTicks = [] { return platform::CpuTicks{}; };
    s.loadAverage = [] { return std::optional<double>(); };
    s.battery = [] { return std::optional<BatteryInfo>(); };
    s.memoryHogs = [](int) { return std::vector<MemoryHog>(); };
    s.hardware = [] { return HardwareNames{}; };
    s.purge = [] { return PurgeCommand::Outcome(); };
    s.quit = [](const MemoryHog&) {};
    return s;
}

class MenuPanelTest : public test::AppModelFixture {
protected:
    void SetUp() override {
        AppModelFixture::SetUp();
        model = makeModel();
        status = std::make_unique<StatusModel>(quietStatus());
        history = std::make_unique<HistoryModel>(HistoryStore::standard(places()));
        Maintenance::Environment env;
        env.places = places();
        env.schedule = [](std::chrono::seconds, std::function<void()>) {};
        env.notify = [](const QString&, const QString&) {};
        care = std::make_unique<Maintenance>(*model, *history, env);
        panel = std::make_unique<MenuPanel>(
            *model, *status, *care, [this] { return memory; }, [this] { return now; });
    }
    void TearDown() override {
        panel.reset();
        care.reset();
        history.reset();
        status.reset();
        model.reset();
        AppModelFixture::TearDown();
    }

    std::unique_ptr<AppModel> model;
    std::unique_ptr<StatusModel> status;
    std::unique_ptr<HistoryModel> history;
    std::unique_ptr<Maintenance> care;
    std::unique_ptr<MenuPanel> panel;
    MemoryBreakdown memory{.total = 1000, .app = 300, .wired = 100, .compressed = 50};
    QDateTime now = QDateTime(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC);
};

TEST_F(MenuPanelTest, HeaderAndMetersFollowTheVolumeAndAFreshMemorySample) {
    // Not measured yet: "…" with the unit, the cloud flavour, an empty disk meter.
    EXPECT_EQ(panel->freeNumberText(), QStringLiteral("…"));
    EXPECT_EQ(panel->freeUnitText(), QStringLiteral("B"));
    EXPECT_EQ(panel->headerFlavor(), Flavor::cloud);
    EXPECT_EQ(panel->diskFraction(), 0);
    EXPECT_DOUBLE_EQ(panel->memoryFraction(), 0.45);

    model->setTotalBytes(1'000'000'000'000);
    model->setFreeBytes(45'600'000'000);
    EXPECT_EQ(panel->freeNumberText(), QStringLiteral("45.6"));
    EXPECT_EQ(panel->freeUnitText(), QStringLiteral("G"));
    EXPECT_EQ(panel->headerFlavor(), Flavor::cherry);
    EXPECT_NEAR(panel->diskFraction(), 0.9544, 1e-9);

    memory = MemoryBreakdown{};  // a sample without a total
    panel->rebuild();
    EXPECT_EQ(panel->memoryFraction(), 0);

    EXPECT_EQ(MenuPanel::percentText(0.9544), QStringLiteral("95%"));
    EXPECT_EQ(MenuPanel::percentText(0.005), QStringLiteral("1%"));
    EXPECT_EQ(MenuPanel::fillWidth(200, 0), 6);
    EXPECT_EQ(MenuPanel::fillWidth(200, -1), 6);
    EXPECT_EQ(MenuPanel::fillWidth(200, 0.5), 100);
    EXPECT_EQ(MenuPanel::fillWidth(200, 1.7), 200);
}

TEST_F(MenuPanelTest, MainButtonReadsThePhaseAndUpkeepLinesTheRules) {
    CandyButton* main = panel->mainButton();
    EXPECT_EQ(main->text(), QStringLiteral("扫描磁盘"));
    EXPECT_TRUE(main->isEnabled());
    model->setPhase(Phase::scanning(QStringLiteral("x")));
    EXPECT_EQ(main->text(), QStringLiteral("正在扫描…"));
    EXPECT_FALSE(main->isEnabled());
    // An automatic clean running while the scan button shows reads as a clean.
    model->setPhase(Phase::cleaning());
    EXPECT_EQ(main->text(), QStringLiteral("正在清理…"));
    EXPECT_FALSE(main->isEnabled());
    model->setPhase(Phase::idle());

    EXPECT_EQ(panel->careLine()->text(), QStringLiteral("自动打理没开"));
    EXPECT_TRUE(panel->lastCleanLine()->isHidden());
    CareSettings settings = care->settings();
    for (int i : {0, 4, 12}) settings.rules[std::size_t(i)].enabled = true;
    care->setSettings(settings);
    EXPECT_EQ(panel->careLine()->text(), QStringLiteral("自动打理：3 条规则"));
    care->setLastAutoClean(AutoClean{now.addSecs(-300), 2'500'000'000, {QStringLiteral("npm")}});
    EXPECT_FALSE(panel->lastCleanLine()->isHidden());
    EXPECT_EQ(panel->lastCleanLine()->text(), QStringLiteral("上次自动清理 2.5 G · 5 分钟前"));
}

TEST_F(MenuPanelTest, CleanButtonReplacesTheTicksByTheSafeItemsAndCleansOnlyThose) {
    buildHome();
    scan(*model);
    ASSERT_TRUE(model->hasScanned());
    // A review item ticked in the main window does not come along.
    model->setSelected({"trash"});
    int64_t safeBytes = 0;
    for (const CleanItem& item : model->safeItems()) safeBytes += item.bytes;
    CandyButton* main = panel->mainButton();
    EXPECT_EQ(main->text(), QStringLiteral("清理可放心删的 %1").arg(Bytes::text(safeBytes)));

    std::vector<std::set<std::string>> selections;
    QObject::connect(model.get(), &AppModel::selectedChanged, [&] { selections.push_back(model->selected()); });
    QTest::mouseClick(main, Qt::LeftButton, {}, main->capsuleRect().center().toPoint());
    ASSERT_TRUE(test::waitUntil([&] { return model->lastFreed().has_value() && model->phase().isIdle(); }, 10'000));
    ASSERT_FALSE(selections.empty());
    std::set<std::string> safeIDs;
    for (const char* id : {"npm", "yarn", "logs", "browser"}) safeIDs.insert(id);
    EXPECT_EQ(selections.front(), safeIDs);
    EXPECT_TRUE(fs::exists(home() / ".Trash/old.zip"));
    EXPECT_TRUE(fs::exists(home() / "Pictures/Trip/clip.mov"));
    EXPECT_FALSE(fs::exists(home() / ".npm/_cacache/index/blob"));
    EXPECT_FALSE(fs::exists(home() / "Library/Logs/app/crash.log"));
    // The clean rescanned: no safe items left, so the button scans again.
    ASSERT_TRUE(test::waitUntil([&] { return model->phase().isIdle() && model->safeItems().empty(); }, 10'000));
    EXPECT_EQ(main->text(), QStringLiteral("扫描磁盘"));
}

// The columns of the meter's text line that hold ink.
std::vector<bool> meterInk(QWidget* meter) {
    QImage image(meter->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // On screen the widget's painter takes its direction; a painter handed to
    // render() must be given it.
    QPainter painter(&image);
    painter.setLayoutDirection(meter->layoutDirection());
    meter->render(&painter, QPoint(), QRegion(), QWidget::RenderFlags());  // its own drawing only
    painter.end();
    std::vector<bool> ink(std::size_t(image.width()), false);
    for (int y = 0; y < image.height() / 2; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) ink[std::size_t(x)] = true;
    return ink;
}

bool anyInk(const std::vector<bool>& ink, int from, int to) {
    for (int x = from; x < to; ++x)
        if (ink[std::size_t(x)]) return true;
    return false;
}

// The meter's title stands at the leading end and its percentage at the
// trailing end: in Arabic the title moves to the right, not on top of the
// percentage.
TEST_F(MenuPanelTest, MeterTitleAndPercentageStandAtOppositeEnds) {
    for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        QTranslator arabic;
        if (direction == Qt::RightToLeft) {
            ASSERT_TRUE(arabic.load(AppLanguage::translationResource(QStringLiteral("ar"))));
            QCoreApplication::installTranslator(&arabic);
        }
        QGuiApplication::setLayoutDirection(direction);
        MenuPanel fresh(
            *model, *status, *care, [this] { return memory; }, [this] { return now; });
        fresh.resize(fresh.width(), fresh.sizeHint().height());
        fresh.layout()->activate();
        for (const char* name : {"diskMeter", "memoryMeter"}) {
            auto* meter = fresh.findChild<QWidget*>(QString::fromLatin1(name));
            ASSERT_NE(meter, nullptr) << name;
            const int width = meter->width();
            ASSERT_GT(width, 200) << name;
            const int end = 50;
            const std::vector<bool> ink = meterInk(meter);
            EXPECT_TRUE(anyInk(ink, 0, end)) << name << " " << direction;
            EXPECT_TRUE(anyInk(ink, width - end, width)) << name << " " << direction;
            EXPECT_FALSE(anyInk(ink, end, width - end)) << name << " " << direction;
        }
        QCoreApplication::removeTranslator(&arabic);
    }
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

// In every language the two small buttons keep their capsules apart and
// within the panel's text column, side by side where they fit.
TEST_F(MenuPanelTest, SmallButtonCapsulesStayApartAndInsideThePanelInEveryLanguage) {
    for (const auto& language : AppLanguage::languages) {
        const QString code = QString::fromUtf8(language.code);
        QTranslator translator;
        if (code != QStringLiteral("zh-Hans")) {
            ASSERT_TRUE(translator.load(AppLanguage::translationResource(code))) << language.code;
        }
        QCoreApplication::installTranslator(&translator);
        MenuPanel fresh(
            *model, *status, *care, [this] { return memory; }, [this] { return now; });
        fresh.setLayoutDirection(code == QStringLiteral("ar") ? Qt::RightToLeft : Qt::LeftToRight);
        fresh.resize(fresh.width(), fresh.sizeHint().height());
        fresh.layout()->activate();
        auto capsule = [&](const char* name) {
            auto* button = fresh.findChild<CandyButton*>(QString::fromLatin1(name));
            return button->capsuleRect().translated(button->geometry().topLeft());
        };
        const QRectF purge = capsule("purge");
        const QRectF open = capsule("openMain");
        const QRectF main = capsule("mainAction");
        EXPECT_FALSE(purge.intersects(open)) << language.code;
        for (const QRectF& rect : {purge, open}) {
            EXPECT_GE(rect.left(), main.left() - 0.5) << language.code;
            EXPECT_LE(rect.right(), main.right() + 0.5) << language.code;
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

TEST(MenuBarIcon, FlavourAndColoursOfTheJelly) {
    EXPECT_EQ(MenuBarIcon::flavor(0, 0), Flavor::cloud);
    EXPECT_EQ(MenuBarIcon::flavor(1000, 50), Flavor::mango);
    const QPixmap pixmap = MenuBarIcon::image(Flavor::cherry, 2);
    EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(18, 16));
    const QImage image = pixmap.toImage();
    // The corners stay clear, the middle is the flavour, the highlight white.
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
    const QColor lower = image.pixelColor(18, 24);
    EXPECT_GT(lower.red(), lower.green() + 60);
    const QColor highlight = image.pixelColor(15, 11);
    EXPECT_GT(highlight.green(), 200);
    EXPECT_GT(highlight.blue(), 200);
}

}  // namespace
}  // namespace sorbeta
