#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTest>
#include <set>

#include "Children.h"
#include "TestEnvironment.h"
#include "model/history/HistoryModel.h"
#include "ui/jelly/ScanningJelly.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/Theme.h"
#include "ui/views/history/ChangeRow.h"
#include "ui/views/history/HistoryMain.h"
#include "ui/views/history/HistoryPageText.h"
#include "ui/views/history/HistoryPanel.h"
#include "ui/views/history/UsageChart.h"
#include "ui/views/history/UsageChartScale.h"

namespace sorbeta {
namespace {

constexpr int64_t G = 1'000'000'000;
const QTimeZone kUtc = QTimeZone::utc();
const QString kMinus = QStringLiteral("\u2212");

QDateTime day(int d, int hour = 12) { return QDateTime(QDate(2026, 3, d), QTime(hour, 0), kUtc); }

DiskSnapshot snapshot(QDateTime date, int64_t used, std::map<std::string, int64_t> parts = {},
                      std::string category = "docs") {
    DiskSnapshot result{.date = std::move(date), .total = 500 * G, .free = 500 * G - used};
    result.categories = {{"docs", 1}, {"media", 1}, {"mystery", 1}};
    for (const auto& [path, bytes] : parts) {
        result.parts[path] = bytes;
        result.partCategory[path] = category;
    }
    return result;
}

// A history whose baseline for the week is its first element.
HistoryModel& withHistory(HistoryModel& model, std::vector<DiskSnapshot> snapshots) {
    model.setSnapshots(std::move(snapshots));
    return model;
}

std::map<std::string, int64_t> grownFolders(int count) {
    std::map<std::string, int64_t> parts;
    for (int i = 0; i < count; ++i) parts["/home/u/grown" + std::to_string(100 + i)] = (100 + i) * 1'000'000;
    return parts;
}

TEST(HistoryPageHeader, EmptyOneSnapshotFreedAndUnchanged) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    HistoryModel model(HistoryStore{}, kUtc);
    auto header = HistoryPageText::header(model, english);
    EXPECT_EQ(header.amount, QStringLiteral("…"));
    EXPECT_TRUE(header.unit.isEmpty());
    EXPECT_EQ(header.caption, QStringLiteral("这段时间\n多用掉的空间"));
    EXPECT_EQ(header.subtitle, QStringLiteral("扫描一次之后，冰沙每天记一笔，就能看出空间都去哪了。"));

    withHistory(model, {snapshot(day(5), 100 * G)});
    header = HistoryPageText::header(model, english);
    EXPECT_EQ(header.amount, QStringLiteral("…"));
    EXPECT_EQ(header.subtitle, QStringLiteral("从 Mar 5, 2026 开始记录，明天再来就能看到变化。"));

    withHistory(model, {snapshot(day(1), 100 * G), snapshot(day(5), 100 * G - 3'200'000'000)});
    header = HistoryPageText::header(model, english);
    EXPECT_EQ(header.amount, kMinus + QStringLiteral("3.2"));
    EXPECT_EQ(header.unit, QStringLiteral("G"));
    EXPECT_EQ(header.flavor, Flavor::mint);
    EXPECT_EQ(header.caption, QStringLiteral("这段时间\n腾出来的空间"));
    EXPECT_EQ(header.subtitle, QStringLiteral("和 Mar 1, 2026 相比"));
    EXPECT_EQ(HistoryPageText::header(model, QLocale(QLocale::Chinese, QLocale::China)).subtitle,
              QStringLiteral("和 2026年3月1日 相比"));

    withHistory(model, {snapshot(day(1), 100 * G), snapshot(day(5), 100 * G)});
    header = HistoryPageText::header(model, english);
    EXPECT_EQ(header.amount, QStringLiteral("+0"));
    EXPECT_EQ(header.unit, QStringLiteral("B"));
    EXPECT_EQ(header.flavor, Flavor::strawberry);
    EXPECT_EQ(header.caption, QStringLiteral("这段时间\n多用掉的空间"));
}

TEST(HistoryPageLists, FortyGrownFoldersGiveThirtyRowsAndTwentyFourJellies) {
    HistoryModel model(HistoryStore{}, kUtc);
    std::map<std::string, int64_t> after = grownFolders(40);
    after["/home/u/shrunk"] = 0;
    std::map<std::string, int64_t> before{{"/home/u/shrunk", 400'000'000}};
    withHistory(model, {snapshot(day(1), 100 * G, before), snapshot(day(5), 101 * G, after)});

    const auto lists = HistoryPageText::lists(model.changes(), true);
    EXPECT_EQ(lists.grown.size(), 30u);
    ASSERT_EQ(lists.shrunk.size(), 1u);
    EXPECT_FALSE(lists.quiet);
    const auto nodes = HistoryPageText::nodes(HistoryPageText::grown(model.changes()));
    ASSERT_EQ(nodes.size(), 24u);
    EXPECT_EQ(nodes[0].id, "/home/u/grown139");  // the largest growth first
    EXPECT_EQ(nodes[0].title, QStringLiteral("grown139"));
    EXPECT_EQ(nodes[0].bytes, 139'000'000);
    EXPECT_EQ(nodes[0].labelPrefix, QStringLiteral("+"));
    EXPECT_EQ(nodes[0].kind, MapNode::Kind::folder);
    EXPECT_EQ(nodes[0].flavor, Flavor::blueberry);  // the docs category's colour
    EXPECT_FALSE(nodes[0].tapToPick);

    // A quiet period says so, but only when there is something to compare with.
    EXPECT_TRUE(HistoryPageText::lists({}, true).quiet);
    EXPECT_FALSE(HistoryPageText::lists({}, false).quiet);
}

TEST(HistoryPageLists, RowsAndJelliesOfAnUnknownCategory) {
    const DiskChange shrunk{"/home/u/proj/node_modules", "mystery", 3 * G, 2'600'000'000};
    const auto row = HistoryPageText::row(shrunk, "/home/u");
    EXPECT_EQ(row.name, QStringLiteral("proj/node_modules"));
    EXPECT_EQ(row.sizes, QStringLiteral("3.0 G → 2.6 G"));
    EXPECT_EQ(row.change, kMinus + QStringLiteral("400 M"));
    EXPECT_EQ(row.dot, Flavor::cloud);
    EXPECT_EQ(row.tint, Flavor::mint);
    EXPECT_EQ(row.tooltip, QStringLiteral("~/proj/node_modules"));
    EXPECT_EQ(HistoryPageText::row({"/x/Foo.app", "apps", 0, 60'000'000}, "/home/u").change, QStringLiteral("+60.0 M"));

    // Jellies of unknown categories take the flavours but cloud in turn, by position.
    std::vector<DiskChange> changes;
    for (int i = 0; i < 14; ++i) changes.push_back({"/p/" + std::to_string(i), "mystery", 0, 100'000'000});
    const auto nodes = HistoryPageText::nodes(changes);
    EXPECT_EQ(nodes[0].flavor, Flavor::strawberry);
    EXPECT_EQ(nodes[11].flavor, Flavor::plum);
    EXPECT_EQ(nodes[12].flavor, Flavor::strawberry);
    for (const MapNode& node : nodes) EXPECT_NE(node.flavor, Flavor::cloud);
}

TEST(UsageChartScale, RangesMarksAndDaysNeverRepeatALabel) {
    using namespace UsageChartScale;
    // No values: 0 to 1.005; equal values: 0.5 % either side, at least 0.1 apart.
    EXPECT_DOUBLE_EQ(range({}).lo, 0);
    EXPECT_DOUBLE_EQ(range({}).hi, 1.005);
    const Range flat = range({200, 200, 200});
    EXPECT_DOUBLE_EQ(flat.lo, 199);
    EXPECT_DOUBLE_EQ(flat.hi, 201);
    const Range tiny = range({0.01, 0.01});
    EXPECT_NEAR(tiny.hi - tiny.lo, 0.1, 1e-12);
    EXPECT_DOUBLE_EQ(range({100, 150}).hi, 150.75);

    // A narrow range gives at most one whole-number mark: no label twice.
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (Range each : {flat, tiny, range({100, 150}), range({1000, 5000})}) {
        std::set<QString> seen;
        for (double mark : valueMarks(each)) {
            EXPECT_TRUE(seen.insert(valueLabel(mark, english)).second) << mark;
            EXPECT_GE(mark, each.lo - 1e-9);
            EXPECT_LE(mark, each.hi + 1e-9);
        }
    }
    EXPECT_EQ(valueLabel(1234.4, english), QStringLiteral("1,234 G"));

    // Minutes apart: one mark; a year of days: at most five, each another day.
    EXPECT_EQ(dayMarks(day(5, 10), day(5, 11), kUtc).size(), 1u);
    const auto year = dayMarks(day(1), day(1).addDays(365), kUtc);
    EXPECT_LE(year.size(), 5u);
    EXPECT_GE(year.size(), 2u);
    std::set<QDate> days;
    for (const QDateTime& mark : year) EXPECT_TRUE(days.insert(mark.date()).second);
    // A zone's midnight is where its days begin.
    const QTimeZone east(5 * 3600);
    for (const QDateTime& mark : dayMarks(day(1), day(4), east)) EXPECT_EQ(mark.toTimeZone(east).time(), QTime(0, 0));
}

TEST(UsageChartPaint, TheLineRunsThroughEveryPointInsideThePlot) {
    std::vector<DiskSnapshot> snapshots;
    for (int i = 0; i < 6; ++i) snapshots.push_back(snapshot(day(1).addDays(i), (100 + i * (i % 2 ? 3 : -2)) * G));
    const QRectF plot(0, 0, 600, 200);
    const auto points = usageChartPoints(plot, snapshots);
    ASSERT_EQ(points.size(), 6u);
    EXPECT_DOUBLE_EQ(points.front().x(), 0);
    EXPECT_DOUBLE_EQ(points.back().x(), 600);
    for (const QPointF& point : points) EXPECT_TRUE(plot.adjusted(0, -1e-9, 0, 1e-9).contains(point));
    // The line passes through every point, in order, curving between wide ones.
    const QPolygonF line = UsageChartScale::smoothLine(points);
    EXPECT_GT(line.size(), 6);
    std::size_t found = 0;
    for (const QPointF& vertex : line)
        if (found < points.size() && vertex == points[found]) ++found;
    EXPECT_EQ(found, points.size());
    for (qsizetype i = 1; i < line.size(); ++i) EXPECT_GE(line[i].x(), line[i - 1].x());
    // Dense points are joined straight.
    EXPECT_EQ(UsageChartScale::smoothLine(points, 1000).size(), 6);

    // Painted: the pink end of the line stands at the leading side, white points on it.
    QImage image(640, 260, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintUsageChart(painter, QRectF(0, 0, 640, 260), snapshots,
                    {.zone = kUtc, .locale = QLocale(QLocale::English, QLocale::UnitedStates)});
    painter.end();
    int pink = 0, white = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width() / 3; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 250 && c.red() > 230 && c.green() < 130 && c.blue() > 110 && c.blue() < 170) ++pink;
            if (c.alpha() > 250 && c.red() > 250 && c.green() > 250 && c.blue() > 250) ++white;
        }
    EXPECT_GT(pink, 20);
    EXPECT_GT(white, 10);
}

class HistoryPageTest : public test::HomeTest {
protected:
    HistoryPageServices services() {
        return {.map = {.schedule = [](int, std::function<void()> task) { task(); }},
                .home = "/home/u",
                .reveal = [this](const std::vector<std::filesystem::path>& items) { revealed_ = items; }};
    }
    std::vector<std::filesystem::path> revealed_;
};

TEST_F(HistoryPageTest, PanelFollowsTheModelAndItsPickerSetsThePeriod) {
    ManualKitClock clock;
    HistoryModel model(HistoryStore{}, kUtc);
    HistoryPanel panel(model, services());
    panel.resize(400, 760);
    panel.show();
    EXPECT_EQ(test::child<HistoryAmount>(&panel, "amount")->header().amount, QStringLiteral("…"));
    EXPECT_TRUE(panel.findChildren<ChangeRow*>().isEmpty());
    EXPECT_FALSE(test::child<QWidget>(&panel, "quiet"));

    std::map<std::string, int64_t> after = grownFolders(40);
    withHistory(model, {snapshot(day(1), 100 * G, {{"/home/u/old", 90'000'000}}),
                        snapshot(day(3), 100 * G, {{"/home/u/old", 20'000'000}}), snapshot(day(9), 104 * G, after)});
    EXPECT_EQ(test::child<HistoryAmount>(&panel, "amount")->header().amount, QStringLiteral("+4.0"));
    EXPECT_EQ(panel.findChildren<ChangeRow*>(QStringLiteral("grownRow")).size(), 30);
    EXPECT_EQ(panel.findChildren<ChangeRow*>(QStringLiteral("shrunkRow")).size(), 1);
    EXPECT_TRUE(test::child<QWidget>(&panel, "grownTitle"));
    EXPECT_TRUE(test::child<QWidget>(&panel, "shrunkTitle"));

    // A click on a row shows its folder.
    ChangeRow* first = panel.findChildren<ChangeRow*>(QStringLiteral("grownRow")).front();
    QTest::mouseClick(first, Qt::LeftButton);
    EXPECT_EQ(revealed_, std::vector<std::filesystem::path>{first->change().path});

    // The picker offers the four periods and sets the model's.
    auto* picker = test::child<CandySegmented>(&panel, "period");
    ASSERT_EQ(picker->options().size(), 4u);
    EXPECT_EQ(picker->options()[0].second, QStringLiteral("1 天"));
    EXPECT_EQ(picker->options()[3].second, QStringLiteral("全部"));
    EXPECT_EQ(picker->selection().toInt(), 7);
    const QRectF all = picker->segmentRects()[3];
    QTest::mouseClick(picker, Qt::LeftButton, {}, all.center().toPoint());
    EXPECT_EQ(model.period(), HistoryModel::Period::all);
    EXPECT_EQ(model.baseline()->date, day(1));
    EXPECT_EQ(panel.findChildren<ChangeRow*>(QStringLiteral("shrunkRow")).size(), 1);

    // Nothing that moved by 50,000,000 bytes: the quiet line.
    withHistory(model, {snapshot(day(1), 100 * G), snapshot(day(5), 101 * G)});
    EXPECT_TRUE(panel.findChildren<ChangeRow*>().isEmpty());
    EXPECT_TRUE(test::child<QWidget>(&panel, "quiet"));
}

TEST_F(HistoryPageTest, MainWaitsForTwoSnapshotsThenShowsTheChartAndTheGrownFolders) {
    HistoryModel model(HistoryStore{}, kUtc);
    HistoryMain main(model, services());
    main.resize(808, 750);
    main.show();
    const auto shown = [&](const char* name) { return test::child<QWidget>(&main, name)->isVisibleTo(&main); };
    EXPECT_TRUE(shown("waiting"));
    EXPECT_EQ(test::child<ScanningJelly>(&main, "waiting")->text(),
              QStringLiteral("冰沙每次扫描都会记一笔，攒两天就能看出谁在偷偷长大"));
    withHistory(model, {snapshot(day(5), 100 * G)});
    EXPECT_TRUE(shown("waiting"));
    EXPECT_FALSE(shown("chartCard"));

    withHistory(model, {snapshot(day(1), 100 * G), snapshot(day(5), 100 * G)});
    EXPECT_FALSE(shown("waiting"));
    EXPECT_TRUE(shown("chartCard"));
    EXPECT_TRUE(shown("calm"));
    EXPECT_FALSE(shown("map"));
    EXPECT_EQ(test::child<UsageChart>(&main, "usageChart")->snapshots().size(), 2u);
    EXPECT_EQ(test::child<QWidget>(&main, "usageChart")->height(), HistoryMain::kChartHeight);

    std::map<std::string, int64_t> after;
    for (int i = 0; i < 30; ++i) after["/home/u/g" + std::to_string(i)] = 2 * G;
    withHistory(model, {snapshot(day(1), 100 * G), snapshot(day(5), 160 * G, after)});
    EXPECT_TRUE(shown("map"));
    EXPECT_FALSE(shown("calm"));
    auto* map = test::child<JellyMapView>(&main, "map");
    EXPECT_EQ(map->placed().size(), 24u);
    // Opening a jelly shows its folder.
    const PlacedNode& jelly = map->placed().front();
    QTest::mouseClick(map, Qt::LeftButton, {}, jelly.rect.center().toPoint());
    EXPECT_EQ(revealed_, std::vector<std::filesystem::path>{jelly.node.id});
}

}  // namespace
}  // namespace sorbeta
