#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "Children.h"
#include "TestEnvironment.h"
#include "model/scan/AppModel.h"
#include "model/status/StatusModel.h"
#include "ui/views/status/StatusMain.h"
#include "ui/views/status/StatusPanel.h"
#include "ui/views/status/StatusTexts.h"

using namespace sorbeta;
using namespace sorbeta::StatusTexts;

namespace {

constexpr int64_t GiB = int64_t(1) << 30;

// A status model over figures the test sets; quits are recorded.
struct FakeStatus {
    MemoryBreakdown memory{.total = 16 * GiB,
                           .app = 6 * GiB,
                           .wired = 2 * GiB,
                           .compressed = 0,
                           .cached = 4 * GiB,
                           .free = 4 * GiB,
                           .swapUsed = 0,
                           .pressure = 1};
    std::optional<BatteryInfo> battery;
    std::vector<MemoryHog> hogs;
    std::vector<int> quits;
    std::unique_ptr<StatusModel> model;

    FakeStatus() {
        StatusModel::Sources s;
        s.memory = [this] { return memory; };
        s.cpuTicks = [] { return platform::CpuTicks{}; };
        s.loadAverage = [] { return 0.04; };
        s.battery = [this] { return battery; };
        s.memoryHogs = [this](int) { return hogs; };
        s.hardware = [] { return HardwareNames{QStringLiteral("ThinkPad"), QStringLiteral("i7")}; };
        s.purge = [] { return PurgeCommand::Outcome(QStringLiteral("没成功：denied")); };
        s.quit = [this](const MemoryHog& hog) { quits.push_back(hog.pid); };
        s.schedule = [](int, std::function<void()>) {};
        s.osVersion = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
        model = std::make_unique<StatusModel>(std::move(s));
    }
};

MemoryHog hog(int pid, const char* name, int64_t bytes) {
    return MemoryHog{.pid = pid, .name = QString::fromUtf8(name), .bytes = bytes};
}

}  // namespace

TEST(StatusTexts, UptimeProcessorAndSwapLines) {
    EXPECT_EQ(uptimeText(59), QStringLiteral("0 分钟"));
    EXPECT_EQ(uptimeText(3599), QStringLiteral("59 分钟"));
    EXPECT_EQ(uptimeText(3600), QStringLiteral("1 小时 0 分"));
    EXPECT_EQ(uptimeText(86399), QStringLiteral("23 小时 59 分"));
    EXPECT_EQ(uptimeText(86400), QStringLiteral("1 天 0 小时"));
    EXPECT_EQ(uptimeText(3 * 86400 + 5 * 3600 + 59), QStringLiteral("3 天 5 小时"));
    EXPECT_EQ(processorLine(0.999, 8, 0.04), QStringLiteral("99% · 8 核 · 负载 0.0"));
    EXPECT_EQ(processorLine(0, 1, 12.35), QStringLiteral("0% · 1 核 · 负载 12.3"));
    EXPECT_EQ(swapLine(0), QStringLiteral("没用到"));
    EXPECT_EQ(swapLine(GiB), QStringLiteral("用了 1.0 G"));
    EXPECT_EQ(diskLine(107'000'000, 273'000'000), QStringLiteral("可用 107 M / 273 M"));
}

TEST(StatusTexts, BatterySuffixesAndPressureSentences) {
    EXPECT_EQ(batteryLine({80, true, true, 12}), QStringLiteral("80% · 充电中 · 循环 12 次"));
    EXPECT_EQ(batteryLine({80, false, true, std::nullopt}), QStringLiteral("80% · 接着电源"));
    EXPECT_EQ(batteryLine({103, false, false, std::nullopt}), QStringLiteral("103%"));
    EXPECT_EQ(pressureText(4), QStringLiteral("内存很紧张，关掉几个不用的应用会好很多 🥵"));
    EXPECT_EQ(pressureText(2), QStringLiteral("内存有点吃紧，可以看看右边谁最占地方"));
    for (int other : {0, 1, 3}) EXPECT_EQ(pressureText(other), QStringLiteral("内存很宽裕，电脑状态不错 ✨"));
}

TEST(StatusTexts, MemoryNodesAndTheUsedShare) {
    MemoryBreakdown memory{.total = 100, .app = 30, .wired = 0, .compressed = 5, .cached = 20, .free = 45};
    const auto nodes = memoryNodes(memory);
    ASSERT_EQ(nodes.size(), 4u);  // no jelly for the empty wired part
    EXPECT_EQ(nodes[0].id, "mem.app");
    EXPECT_EQ(nodes[0].flavor, Flavor::strawberry);
    EXPECT_EQ(nodes[1].id, "mem.compressed");
    EXPECT_EQ(nodes[3].id, "mem.free");
    EXPECT_EQ(nodes[3].kind, MapNode::Kind::free);
    EXPECT_EQ(nodes[3].title, QStringLiteral("空闲"));
    for (const MapNode& node : nodes) {
        EXPECT_TRUE(node.memoryUnits);
        EXPECT_FALSE(node.tapToPick);
        EXPECT_TRUE(node.children.empty());
    }
    EXPECT_TRUE(memoryNodes(MemoryBreakdown{}).empty());

    // Small moves between samples leave the map alone; a real change or a
    // part coming or going does not.
    const auto shown = memoryNodes(MemoryBreakdown{.total = 100000, .app = 30000, .free = 70000});
    EXPECT_FALSE(mapNeedsNodes(shown, memoryNodes({.total = 100000, .app = 30990, .free = 69010}), 100000));
    EXPECT_TRUE(mapNeedsNodes(shown, memoryNodes({.total = 100000, .app = 31000, .free = 69000}), 100000));
    EXPECT_TRUE(mapNeedsNodes(shown, memoryNodes({.total = 100000, .app = 30000, .cached = 1, .free = 69999}), 100000));
    EXPECT_TRUE(mapNeedsNodes({}, shown, 100000));
    EXPECT_DOUBLE_EQ(usedFraction(memory), 0.35);
    EXPECT_EQ(usedPercent(MemoryBreakdown{.total = 1000, .app = 999}), QStringLiteral("99"));
    EXPECT_EQ(usedFraction(MemoryBreakdown{.total = 0, .app = 5}), 0);
    EXPECT_EQ(InfoRow::filledWidth(0, 200), 6);  // an empty meter is still a dot
    EXPECT_EQ(InfoRow::filledWidth(1.7, 200), 200);
    EXPECT_EQ(InfoRow::filledWidth(0.5, 200), 100);
}

class StatusPageTest : public test::HomeTest {};

TEST_F(StatusPageTest, PanelRowsFollowTheModel) {
    FakeStatus fake;
    AppModel disk{ModelEnvironment{}};
    StatusPanel panel(*fake.model, disk, StatusPanel::Clocks{[] { return int64_t(3600); }, [] { return 8; }});
    panel.resize(400, 700);
    panel.show();
    auto row = [&](const char* name) { return test::child<InfoRow>(&panel, name); };
    // Before the first sample: the initial values.
    EXPECT_EQ(row("row.model")->title(), QStringLiteral("Mac"));
    EXPECT_EQ(row("row.model")->value(), QString());
    EXPECT_FALSE(row("row.disk")->isVisibleTo(&panel));  // no volume reading yet
    EXPECT_FALSE(row("row.battery")->isVisibleTo(&panel));
    EXPECT_EQ(row("row.uptime")->value(), QStringLiteral("1 小时 0 分"));

    QCoro::waitFor(fake.model->run());
    EXPECT_EQ(row("row.model")->title(), QStringLiteral("ThinkPad"));
    EXPECT_EQ(row("row.system")->value(), QStringLiteral("Debian GNU/Linux 12 (bookworm)"));
    EXPECT_EQ(row("row.cpu")->value(), QStringLiteral("0% · 8 核 · 负载 0.0"));
    EXPECT_EQ(row("row.cpu")->meter(), 0.0);
    EXPECT_EQ(row("row.swap")->value(), QStringLiteral("没用到"));
    EXPECT_FALSE(row("row.swap")->meter());
    const auto* header = test::child<StatusHeader>(&panel, "statusHeader");
    EXPECT_EQ(header->caption(), QStringLiteral("内存已用\n8.0 G / 16.0 G"));
    const auto* footer = test::child<QLabel>(&panel, "purgeFooter");
    EXPECT_EQ(footer->text(), QStringLiteral("可以回收的缓存：4.0 G"));

    disk.setTotalBytes(1000);
    disk.setFreeBytes(250);
    EXPECT_TRUE(row("row.disk")->isVisibleTo(&panel));
    EXPECT_EQ(row("row.disk")->meter(), 0.75);
    fake.battery = BatteryInfo{64, true, true, std::nullopt};
    fake.model->refresh();
    EXPECT_TRUE(row("row.battery")->isVisibleTo(&panel));
    EXPECT_EQ(row("row.battery")->icon(), QStringLiteral("battery.100.bolt"));
    EXPECT_EQ(row("row.battery")->value(), QStringLiteral("64% · 充电中"));
    EXPECT_EQ(row("row.battery")->meter(), 0.64);

    // A failed purge shows its message in place of the cache line.
    QCoro::waitFor(fake.model->purge());
    EXPECT_EQ(footer->text(), QStringLiteral("没成功：denied"));
    auto* button = test::child<CandyButton>(&panel, "purgeButton");
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(button->text(), QStringLiteral("一键释放内存"));
}

TEST_F(StatusPageTest, HogCardsQuitTheirApplication) {
    FakeStatus fake;
    StatusMain page(*fake.model, MapServices{});
    page.resize(800, 600);
    page.show();
    auto* cards = test::child<QWidget>(&page, "hogCards");
    EXPECT_FALSE(cards->isVisibleTo(&page));  // nothing listed: the map takes it all

    fake.hogs = {hog(10, "Editor", 2 * GiB), hog(11, "Browser", GiB)};
    fake.model->refresh();
    EXPECT_TRUE(cards->isVisibleTo(&page));
    EXPECT_EQ(page.map()->placed().size(), 4u);  // the compressed part is empty
    auto* editor = test::child<HogCard>(&page, "hog.10");
    ASSERT_TRUE(editor);
    EXPECT_FALSE(editor->closeButton()->isVisibleTo(editor));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(editor, &enter);
    ASSERT_TRUE(editor->closeButton()->isVisibleTo(editor));
    EXPECT_EQ(editor->closeButton()->toolTip(), QStringLiteral("退出 Editor"));
    // The next sample's new figures keep the card under the pointer and its button.
    fake.hogs = {hog(10, "Editor", 3 * GiB), hog(11, "Browser", GiB)};
    fake.model->refresh();
    ASSERT_EQ(test::child<HogCard>(&page, "hog.10"), editor);
    EXPECT_EQ(editor->hog().bytes, 3 * GiB);
    EXPECT_TRUE(editor->closeButton()->isVisibleTo(editor));
    QTest::mouseClick(editor->closeButton(), Qt::LeftButton);
    EXPECT_EQ(fake.quits, std::vector<int>{10});

    fake.hogs.clear();
    fake.model->refresh();
    EXPECT_FALSE(cards->isVisibleTo(&page));
}
