#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QScopeGuard>
#include <QShortcut>
#include <QTest>
#include <QThreadPool>
#include <future>
#include <semaphore>

#include "Children.h"
#include "TestEnvironment.h"
#include "model/common/WorkPool.h"
#include "model/dialog/CandyDialog.h"
#include "ui/views/uninstall/AppDetail.h"
#include "ui/views/uninstall/AppIcons.h"
#include "ui/views/uninstall/UninstallMain.h"
#include "ui/views/uninstall/UninstallPanel.h"
#include "ui/views/uninstall/UninstallTexts.h"

using namespace sorbeta;
using test::child;
using test::waitUntil;

namespace {

const QDateTime kNow(QDate(2026, 6, 1), QTime(12, 0), Qt::UTC);

InstalledApp app(const std::string& path, const QString& name, int64_t bytes) {
    InstalledApp a;
    a.url = path;
    a.name = name;
    a.bundleID = QStringLiteral("org.example.") + name;
    a.appBytes = bytes;
    return a;
}

// A listing the test hands over whole; processes as the test sets them.
struct Fake {
    std::vector<InstalledApp> apps;
    std::vector<AppProcess> running;
    UninstallEngine engine() {
        UninstallEngine e;
        e.list = [this] {
            UninstallEngine::Listing listing{apps, {}};
            listing.weigh = [this](const InstalledApp& a, bool, bool) {
                for (const auto& each : apps)
                    if (each.url == a.url) return Uninstaller::Weighed{a.url, each.appBytes, each.leftovers};
                return Uninstaller::Weighed{a.url, 0, {}};
            };
            // The listing itself comes unweighed, as the engine's does.
            for (auto& each : listing.apps) {
                each.appBytes = 0;
                each.leftovers.clear();
            }
            return listing;
        };
        e.processes = [this](const InstalledApp&) { return running; };
        e.trash = [](const std::vector<Path>&, const Path&) { return Uninstaller::Outcome{}; };
        e.purge = [](const std::vector<platform::TrashedItem>&) { return int64_t(0); };
        e.exists = [](const Path&) { return true; };
        e.quit = [](InstalledApp) -> QCoro::Task<> { co_return; };
        e.limited = [] { return false; };
        return e;
    }
};

void load(UninstallModel& model) {
    bool done = false;
    [](UninstallModel& m, bool& flag) -> QCoro::Task<> {
        auto t = m.load();
        co_await t;
        flag = true;
    }(model, done);
    ASSERT_TRUE(waitUntil([&] { return done; }));
}

// Looks `key` up on another thread. A lookup still waiting after five
// seconds is blocked opening the pipe: its other end is opened until the
// lookup returns, so the test fails instead of hanging. Empty: it blocked.
std::optional<std::filesystem::path> iconFileBeside(const std::filesystem::path& pipe, const QString& key,
                                                    const std::filesystem::path& dataHome) {
    auto lookup = std::async(std::launch::async, [&] { return AppIcons::iconFile(key, dataHome); });
    if (lookup.wait_for(std::chrono::seconds(5)) == std::future_status::ready) return lookup.get();
    while (lookup.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) ::close(writer);
    }
    return std::nullopt;
}

}  // namespace

TEST(UninstallTexts, UsageWordings) {
    auto ago = [](double days) { return AppUsage::text(kNow.addSecs(qint64(-days * 86400)), kNow); };
    EXPECT_EQ(ago(0), "今天用过");
    EXPECT_EQ(ago(0.99), "今天用过");
    EXPECT_EQ(ago(1), "1 天前用过");
    EXPECT_EQ(ago(29), "29 天前用过");
    EXPECT_EQ(ago(30), "1 个月没用了");
    EXPECT_EQ(ago(59.9), "1 个月没用了");
    EXPECT_EQ(ago(60), "2 个月没用了");
    EXPECT_EQ(ago(364), "12 个月没用了");
    EXPECT_EQ(ago(365), "一年多没用了");
    EXPECT_EQ(AppUsage::text(kNow.addSecs(3600), kNow), "今天用过");
    EXPECT_EQ(AppUsage::text(std::nullopt, kNow), "没用过");

    InstalledApp a = app("/a/A.app", "A", 1);
    EXPECT_EQ(UninstallTexts::rowUsage(a, kNow), "没用过");
    a.leftovers.resize(3);
    EXPECT_EQ(UninstallTexts::rowUsage(a, kNow), "3 处残留");
    a.leftovers.resize(2);
    a.lastUsed = kNow.addDays(-5);
    EXPECT_EQ(UninstallTexts::rowUsage(a, kNow), "5 天前用过 · 2 处残留");
    a.leftovers.clear();
    EXPECT_EQ(UninstallTexts::rowUsage(a, kNow), "5 天前用过");
    EXPECT_EQ(UninstallTexts::detailUsage(a, kNow), "5 天前用过");
    a.version = QStringLiteral("2.1");
    EXPECT_EQ(UninstallTexts::detailUsage(a, kNow), "5 天前用过 · 版本 2.1");
    EXPECT_EQ(UninstallTexts::rowSize(app("/x", "x", 0)), "…");
    EXPECT_EQ(UninstallTexts::rowSize(app("/x", "x", 1'234'000)), "1.2 M");
}

TEST(UninstallTexts, StatusLinesAndHomeShownAsTilde) {
    using Sort = UninstallModel::Sort;
    EXPECT_EQ(UninstallTexts::statusLine(true, 0, 0, Sort::size), "正在给应用称重…");
    EXPECT_EQ(UninstallTexts::statusLine(true, 12, 80, Sort::unused), "正在给应用称重… 12/80");
    EXPECT_EQ(UninstallTexts::statusLine(false, 80, 80, Sort::unused), "很久没打开的排在前面，这些最值得卸。");
    EXPECT_EQ(UninstallTexts::statusLine(false, 0, 0, Sort::size),
              "点一个应用，看看它在电脑里留了多少东西。卸载会移到废纸篓，可以放回来。");
    EXPECT_EQ(UninstallTexts::countText(0), "0 个应用\n连同它们的残留");
    EXPECT_FALSE(UninstallTexts::figureShown(false, 0));
    EXPECT_TRUE(UninstallTexts::figureShown(false, 1));
    EXPECT_TRUE(UninstallTexts::figureShown(true, 0));

    EXPECT_EQ(UninstallTexts::homeShown("/Users/me/Library/Caches/x", "/Users/me"), "~/Library/Caches/x");
    // Only the home itself: not a copy of its path further down, not a
    // folder whose name starts like it, and never a home of "/".
    EXPECT_EQ(UninstallTexts::homeShown("/Users/me/a/Users/me/b", "/Users/me"), "~/a/Users/me/b");
    EXPECT_EQ(UninstallTexts::homeShown("/Users/meg/b", "/Users/me"), "/Users/meg/b");
    EXPECT_EQ(UninstallTexts::homeShown("/opt/x", "/"), "/opt/x");
    EXPECT_EQ(UninstallTexts::homeShown("/opt/x", "/Users/me"), "/opt/x");
    EXPECT_EQ(UninstallTexts::runningMessage(UninstallModel::RunState::none, "X"), "");
    EXPECT_EQ(UninstallTexts::runningMessage(UninstallModel::RunState::app, "X"), "X 正在运行，先退出再卸载");
    EXPECT_EQ(UninstallTexts::runningMessage(UninstallModel::RunState::helpers, "X"),
              "X 的后台助手还在运行，先退出再卸载");
}

TEST(UninstallTexts, MapNodesKeepThirtySixAppsAndARestBySize) {
    std::vector<InstalledApp> apps;
    for (int i = 0; i < 50; ++i) apps.push_back(app("/a/" + std::to_string(i), QString::number(i), 1000 - i));
    apps.insert(apps.begin() + 3, app("/a/empty", "empty", 0));  // never a jelly
    using Sort = UninstallModel::Sort;

    std::vector<InstalledApp> first36(apps.begin(), apps.begin() + 37);  // 36 weighing apps and the empty one
    auto nodes = UninstallTexts::mapNodes(first36, Sort::size);
    ASSERT_EQ(nodes.size(), 36u);
    EXPECT_EQ(nodes.back().kind, MapNode::Kind::app);

    std::vector<InstalledApp> first37(apps.begin(), apps.begin() + 38);
    nodes = UninstallTexts::mapNodes(first37, Sort::size);
    ASSERT_EQ(nodes.size(), 37u);
    const MapNode& rest = nodes.back();
    EXPECT_EQ(rest.id, "apps.rest");
    EXPECT_EQ(rest.title, "其余 1 个");
    EXPECT_EQ(rest.bytes, first37.back().totalBytes());
    EXPECT_EQ(rest.flavor, Flavor::cloud);
    EXPECT_EQ(rest.kind, MapNode::Kind::rest);
    EXPECT_TRUE(rest.urls.empty());

    nodes = UninstallTexts::mapNodes(apps, Sort::unused);
    ASSERT_EQ(nodes.size(), 36u);
    EXPECT_EQ(nodes[0].flavor, Flavor::strawberry);
    EXPECT_EQ(nodes[11].flavor, Flavor::plum);
    EXPECT_EQ(nodes[12].flavor, Flavor::strawberry);
    for (const MapNode& node : nodes) EXPECT_NE(node.flavor, Flavor::cloud);
    EXPECT_EQ(nodes[0].id, "/a/0");
    EXPECT_EQ(nodes[0].iconPath, QStringLiteral("/a/0"));
    EXPECT_EQ(nodes[0].urls, (std::vector<std::filesystem::path>{"/a/0"}));
    EXPECT_TRUE(UninstallTexts::mapNodes({app("/z", "z", 0)}, Sort::size).empty());
}

class UninstallPageTest : public test::HomeTest {
protected:
    Fake fake;
    std::unique_ptr<UninstallModel> model;
    void SetUp() override {
        test::HomeTest::SetUp();
        model = std::make_unique<UninstallModel>(fake.engine());
    }
    void TearDown() override {
        // A pane's last process read may still run on the pool: it reads the fake.
        workPool()->waitForDone();
        model.reset();
        test::HomeTest::TearDown();
    }
    AppDetail::Services services() {
        return {
            .home = home(), .dataHome = places().dataHome, .now = [] { return kNow; }, .limited = [] { return false; }};
    }
};

TEST_F(UninstallPageTest, IconLookupsReadOnlyRegularFiles) {
    // A picture the lookup does take, absolute and by name.
    const std::filesystem::path dataHome = places().dataHome;
    const std::filesystem::path apps = dataHome / "icons/hicolor/48x48/apps";
    std::filesystem::create_directories(apps);
    QImage picture(8, 8, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString((apps / "good.png").string())));
    EXPECT_EQ(AppIcons::iconFile(QString::fromStdString((apps / "good.png").string()), dataHome), apps / "good.png");
    EXPECT_EQ(AppIcons::iconFile(QStringLiteral("good"), dataHome), apps / "good.png");

    // A named pipe is never opened: nothing writes to it, so opening it
    // would wait forever.
    const std::filesystem::path pipe = apps / "piped.png";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(iconFileBeside(pipe, QString::fromStdString(pipe.string()), dataHome), std::filesystem::path());
    EXPECT_EQ(iconFileBeside(pipe, QStringLiteral("piped"), dataHome), std::filesystem::path());
    // Nor through a link to it.
    const std::filesystem::path link = home() / "link.png";
    std::filesystem::create_symlink(pipe, link);
    EXPECT_EQ(iconFileBeside(pipe, QString::fromStdString(link.string()), dataHome), std::filesystem::path());
}

TEST_F(UninstallPageTest, PanelFollowsTheModel) {
    UninstallPanel panel(*model, places().dataHome, [] { return kNow; });
    panel.resize(400, 700);
    EXPECT_EQ(child<UninstallFigure>(&panel, "figure")->number(), "…");
    EXPECT_EQ(child<UninstallFigure>(&panel, "figure")->unit(), "");
    EXPECT_EQ(child<QLabel>(&panel, "count")->text(), "0 个应用\n连同它们的残留");
    EXPECT_TRUE(panel.rows().empty());

    fake.apps = {app("/a/Small.app", "Small", 1'000'000), app("/a/Big.app", "Big", 5'000'000)};
    load(*model);
    EXPECT_EQ(child<UninstallFigure>(&panel, "figure")->number(), "6.0");
    EXPECT_EQ(child<UninstallFigure>(&panel, "figure")->unit(), "M");
    auto rows = panel.rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0]->app().name, "Big");
    EXPECT_EQ(rows[0]->sizeText(), "5.0 M");

    rows[1]->click();
    EXPECT_EQ(model->selectedID(), "/a/Small.app");
    EXPECT_TRUE(panel.rows()[1]->selected());
    panel.rows()[0]->click();
    EXPECT_EQ(model->selectedID(), "/a/Big.app");
    panel.rows()[0]->click();
    EXPECT_FALSE(model->selectedID());

    // A search that matches nothing empties the list, not the figures.
    child<QLineEdit>(&panel, "search")->setText(QStringLiteral("nothing"));
    EXPECT_EQ(model->search(), "nothing");
    EXPECT_TRUE(panel.rows().empty());
    EXPECT_EQ(child<UninstallFigure>(&panel, "figure")->number(), "6.0");
    EXPECT_EQ(child<QLabel>(&panel, "count")->text(), "2 个应用\n连同它们的残留");

    auto* sortSwitch = child<SortSwitch>(&panel, "sortSwitch");
    const QRectF unused = sortSwitch->segmentRects()[1];
    QTest::mouseClick(sortSwitch, Qt::LeftButton, {}, unused.center().toPoint());
    EXPECT_EQ(model->sort(), UninstallModel::Sort::unused);
    EXPECT_EQ(child<QLabel>(&panel, "status")->text(), "很久没打开的排在前面，这些最值得卸。");
}

// The search text keeps clear of the glass at the leading end, also in a
// panel made for a right-to-left interface.
TEST_F(UninstallPageTest, SearchTextKeepsClearOfTheGlass) {
    for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        QGuiApplication::setLayoutDirection(direction);
        UninstallPanel panel(*model, places().dataHome, [] { return kNow; });
        panel.resize(400, 700);
        panel.layout()->activate();
        auto* edit = child<QLineEdit>(&panel, "search");
        QWidget* field = edit->parentWidget();
        field->layout()->activate();
        const QRect text = edit->geometry();
        const int glassRoom = 12 + 14;  // the glass and its inset
        if (direction == Qt::RightToLeft) {
            EXPECT_LE(text.right(), field->width() - glassRoom);
        } else {
            EXPECT_GE(text.left(), glassRoom);
        }
    }
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

TEST_F(UninstallPageTest, ApplicationsWhoseNamesAreNotUtf8StayApart) {
    // Two names that differ only in a byte that is not UTF-8: as text both
    // read "Caf\uFFFD", and picking one must never open (and uninstall) the other.
    fake.apps = {app("/apps/Caf\xe9.AppImage", "Cafe1", 5'000'000), app("/apps/Caf\xe8.AppImage", "Cafe2", 1'000'000)};
    load(*model);
    EXPECT_NE(model->apps()[0].id(), model->apps()[1].id());
    UninstallPanel panel(*model, places().dataHome, [] { return kNow; });
    UninstallMain main(*model, MapServices{}, services());
    main.resize(800, 600);
    main.show();
    ASSERT_EQ(panel.rows().size(), 2u);
    panel.rows()[1]->click();
    ASSERT_TRUE(model->selectedApp());
    EXPECT_EQ(model->selectedApp()->name, "Cafe2");
    ASSERT_NE(main.detail(), nullptr);
    EXPECT_EQ(main.detail()->app().url.native(), "/apps/Caf\xe8.AppImage");
    // A refresh keeps one row each.
    model->setSearch(QStringLiteral("x"));
    model->setSearch(QString());
    EXPECT_EQ(panel.findChildren<AppRow*>().size(), 2u);

    // Opening a jelly selects by its node's id: the application it shows.
    model->setSelectedID(std::nullopt);
    ASSERT_EQ(main.nodes().size(), 2u);
    for (const MapNode& node : main.nodes()) {
        model->setSelectedID(QString::fromStdString(node.id));
        ASSERT_TRUE(model->selectedApp());
        EXPECT_EQ(model->selectedApp()->url, node.urls.front());
    }
}

TEST_F(UninstallPageTest, MainShowsWaitingJellyMapOrDetail) {
    UninstallMain main(*model, MapServices{}, services());
    main.resize(800, 600);
    main.show();
    EXPECT_EQ(main.shows(), UninstallMain::Shows::waiting);
    fake.apps = {app("/a/Zero.app", "Zero", 0)};
    load(*model);
    // Listed and weighed with nothing of any size: an empty map, not a jelly
    // that says it is still weighing.
    EXPECT_EQ(main.shows(), UninstallMain::Shows::map);
    EXPECT_TRUE(main.nodes().empty());

    fake.apps = {app("/a/One.app", "One", 10), app("/a/Two.app", "Two", 20)};
    load(*model);
    EXPECT_EQ(main.shows(), UninstallMain::Shows::map);
    ASSERT_EQ(main.nodes().size(), 2u);
    EXPECT_EQ(main.nodes()[0].title, "Two");
    // A search without matches keeps the map, with no jellies.
    model->setSearch(QStringLiteral("zzz"));
    EXPECT_EQ(main.shows(), UninstallMain::Shows::map);
    EXPECT_TRUE(main.nodes().empty());
    model->setSearch(QString());

    model->setSelectedID(QStringLiteral("/a/One.app"));
    EXPECT_EQ(main.shows(), UninstallMain::Shows::detail);
    AppDetail* first = main.detail();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->app().name, "One");
    model->setSelectedID(QStringLiteral("/a/Two.app"));
    ASSERT_NE(main.detail(), nullptr);
    EXPECT_EQ(main.detail()->app().name, "Two");  // a fresh pane for another application
    // A path no listed application has shows the map again.
    model->setSelectedID(QStringLiteral("/a/Gone.app"));
    EXPECT_EQ(main.shows(), UninstallMain::Shows::map);
    EXPECT_EQ(main.detail(), nullptr);
}

TEST_F(UninstallPageTest, DetailRowsTicksAndRunningState) {
    InstalledApp a = app((home() / "Applications/Tool.AppImage").native(), "Tool", 4'000'000);
    a.leftovers = {Leftover{.url = home() / ".cache/Tool", .kind = Leftover::Kind::cache, .bytes = 2'000'000},
                   Leftover{.url = home() / ".config/Tool", .kind = Leftover::Kind::prefs, .bytes = 1'000'000}};
    fake.apps = {a};
    load(*model);
    const InstalledApp listed = model->apps()[0];
    std::vector<Path> revealed;
    auto svc = services();
    svc.reveal = [&](const Path& url) { revealed.push_back(url); };
    svc.limited = [] { return true; };
    svc.pollMilliseconds = 20;
    AppDetail detail(listed, *model, svc);
    detail.resize(800, 600);
    detail.show();

    auto rows = detail.fileRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0]->look().label, "应用本体");
    EXPECT_EQ(rows[0]->look().hint, "应用程序本身");
    EXPECT_EQ(rows[0]->look().flavor, Flavor::grape);
    EXPECT_EQ(rows[0]->look().path, "~/Applications/Tool.AppImage");
    EXPECT_EQ(rows[1]->look().label, Leftover::label(Leftover::Kind::cache));
    EXPECT_EQ(rows[1]->look().flavor, Flavor::peach);
    EXPECT_EQ(rows[2]->look().flavor, Flavor::mint);
    EXPECT_FALSE(child<QLabel>(&detail, "noLeftovers")->isVisible());
    EXPECT_TRUE(child<QLabel>(&detail, "limitedNote")->isVisible());  // also with leftovers
    EXPECT_EQ(child<QLabel>(&detail, "usage")->text(), "没用过");
    EXPECT_EQ(detail.pickedTotalText(), "7.0 M");
    EXPECT_EQ(rows[1]->revealOpacity(), 0.3);
    rows[1]->revealButton()->click();
    EXPECT_EQ(revealed, (std::vector<Path>{home() / ".cache/Tool"}));

    auto* uninstall = child<CandyButton>(&detail, "uninstallButton");
    EXPECT_TRUE(uninstall->isEnabled());
    EXPECT_EQ(uninstall->text(), "卸载");
    for (FileRow* row : rows) row->click();
    EXPECT_EQ(detail.pickedTotalText(), "0 B");
    EXPECT_FALSE(uninstall->isEnabled());
    EXPECT_FALSE(rows[0]->isOn());
    rows[2]->click();
    EXPECT_EQ(detail.pickedTotalText(), "1.0 M");
    EXPECT_TRUE(uninstall->isEnabled());

    // A helper runs, then the application itself, then nothing.
    fake.running = {AppProcess{.process = {.pid = 7}}};
    ASSERT_TRUE(waitUntil([&] { return detail.runState() == UninstallModel::RunState::helpers; }));
    EXPECT_EQ(child<QLabel>(&detail, "running")->text(), "Tool 的后台助手还在运行，先退出再卸载");
    EXPECT_TRUE(child<CandyButton>(&detail, "quitButton")->isVisible());
    EXPECT_FALSE(uninstall->isEnabled());
    fake.running.push_back(AppProcess{.process = {.pid = 8}, .isMain = true});
    ASSERT_TRUE(waitUntil([&] { return detail.runState() == UninstallModel::RunState::app; }));
    EXPECT_EQ(child<QLabel>(&detail, "running")->text(), "Tool 正在运行，先退出再卸载");
    fake.running.clear();
    ASSERT_TRUE(waitUntil([&] { return detail.runState() == UninstallModel::RunState::none; }));
    EXPECT_FALSE(child<QLabel>(&detail, "running")->isVisible());
    EXPECT_FALSE(child<CandyButton>(&detail, "quitButton")->isVisible());
    EXPECT_TRUE(uninstall->isEnabled());

    // Back (and Escape) clears the selection.
    model->setSelectedID(listed.id());
    child<CandyButton>(&detail, "back")->click();
    EXPECT_FALSE(model->selectedID());
}

// Whether the row, painted as on screen in its direction, puts ink in the
// columns [from, to).
bool rowInkIn(QWidget* row, int from, int to) {
    QImage image(row->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setLayoutDirection(row->layoutDirection());  // as the widget's own painter has it
    row->render(&painter, QPoint(), QRegion(), QWidget::RenderFlags());
    painter.end();
    for (int y = 0; y < image.height(); ++y)
        for (int x = from; x < to; ++x)
            if (qAlpha(image.pixel(x, y)) > 0) return true;
    return false;
}

// A file row's texts follow its chip: after it in left to right, before it
// (at the right, away from the size) in right to left.
TEST_F(UninstallPageTest, FileRowTextsStandBesideTheirChipInBothDirections) {
    InstalledApp a = app((home() / "Applications/Tool.AppImage").native(), "Tool", 4'000'000);
    fake.apps = {a};
    load(*model);
    for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        QGuiApplication::setLayoutDirection(direction);
        AppDetail detail(model->apps()[0], *model, services());
        detail.resize(900, 600);
        detail.show();
        auto rows = detail.fileRows();
        ASSERT_EQ(rows.size(), 1u);
        QWidget* row = rows[0];
        ASSERT_GT(row->width(), 600);
        // Just past the check and the chip at the left: the texts in left to
        // right; in right to left only the size stands at that end, before 110.
        EXPECT_EQ(rowInkIn(row, 110, 200), direction == Qt::LeftToRight);
        EXPECT_EQ(rowInkIn(row, row->width() - 200, row->width() - 110), direction == Qt::RightToLeft);
    }
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

// A name longer than the header has room for is cut short with an ellipsis
// before the total, the whole of it in the tooltip; a short one stands whole.
TEST_F(UninstallPageTest, LongNameGivesWayToTheTotal) {
    const QString longName = QStringLiteral("Kdenlive Video Editor Extraordinarily Long Name For A Narrow Header");
    fake.apps = {app((home() / "Applications/Long.AppImage").native(), longName, 4'000'000),
                 app((home() / "Applications/Tool.AppImage").native(), QStringLiteral("Tool"), 3'000'000)};
    load(*model);
    for (const InstalledApp& listed : model->apps()) {
        // Placed by its page as the window lays it out, not by its own layout.
        QWidget page;
        page.resize(720, 600);
        AppDetail detail(listed, *model, services());
        detail.setParent(&page);
        detail.setGeometry(0, 0, 720, 600);
        page.show();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        auto* name = child<QLabel>(&detail, "name");
        auto* total = child<QWidget>(&detail, "pickedTotal");
        ASSERT_NE(name, nullptr);
        ASSERT_NE(total, nullptr);
        EXPECT_LE(QFontMetrics(name->font()).horizontalAdvance(name->text()), name->contentsRect().width())
            << name->text().toStdString();
        EXPECT_LT(name->geometry().right(), total->geometry().left());
        if (listed.name == longName) {
            EXPECT_TRUE(name->text().endsWith(QChar(0x2026))) << name->text().toStdString();
            EXPECT_TRUE(name->toolTip().contains(longName));
        } else {
            EXPECT_EQ(name->text(), QStringLiteral("Tool"));
            EXPECT_TRUE(name->toolTip().isEmpty());
        }
    }
}

TEST_F(UninstallPageTest, DetailWithoutLeftoversAndItsConfirmation) {
    InstalledApp a = app("/opt/apps/Solo.app", "Solo", 2'000'000);
    a.version = QStringLiteral("2.1");
    fake.apps = {a};
    load(*model);
    CandyDialogCenter center;
    auto svc = services();
    svc.dialogs = &center;
    AppDetail detail(model->apps()[0], *model, svc);
    detail.resize(800, 600);
    detail.show();
    ASSERT_EQ(detail.fileRows().size(), 1u);
    EXPECT_TRUE(child<QLabel>(&detail, "noLeftovers")->isVisible());
    EXPECT_FALSE(child<QLabel>(&detail, "limitedNote")->isVisible());
    EXPECT_EQ(child<QLabel>(&detail, "usage")->text(), "没用过 · 版本 2.1");

    child<CandyButton>(&detail, "uninstallButton")->click();
    const CandyDialog* asked = center.currentFor(CandyDialog::Host::main);
    ASSERT_NE(asked, nullptr);
    EXPECT_EQ(asked->emoji, "🗑️");
    EXPECT_EQ(asked->title, "把 Solo 和勾选的残留移到废纸篓？");
    EXPECT_EQ(asked->message, "共 1 项，2.0 M。在废纸篓里还能放回去。");
    center.choose(1);  // 再想想: nothing happens
    // The question's task ends before the centre and the pane go.
    ASSERT_TRUE(waitUntil([&] { return center.currentFor(CandyDialog::Host::main) == nullptr; }));
    QTest::qWait(50);
    EXPECT_FALSE(model->busy());
    EXPECT_FALSE(model->lastResult());
}

TEST_F(UninstallPageTest, BusyWhileMovingAndEscapeGoesBack) {
    fake.apps = {app("/opt/apps/Busy.app", "Busy", 1'000)};
    std::binary_semaphore gate{0};
    UninstallEngine engine = fake.engine();
    engine.trash = [&gate](const std::vector<Path>&, const Path&) {
        gate.acquire();
        return Uninstaller::Outcome{};
    };
    model = std::make_unique<UninstallModel>(std::move(engine));
    load(*model);
    const InstalledApp listed = model->apps()[0];
    AppDetail detail(listed, *model, services());
    detail.resize(800, 600);
    detail.show();
    auto* button = child<CandyButton>(&detail, "uninstallButton");

    bool done = false;
    [](UninstallModel& m, InstalledApp a, bool& flag) -> QCoro::Task<> {
        auto t = m.uninstall(std::move(a));
        co_await t;
        flag = true;
    }(*model, listed, done);
    ASSERT_TRUE(waitUntil([&] { return model->busy(); }));
    EXPECT_EQ(button->text(), "正在移走…");
    EXPECT_FALSE(button->isEnabled());
    gate.release();
    ASSERT_TRUE(waitUntil([&] { return done; }));
    EXPECT_EQ(button->text(), "卸载");
    EXPECT_TRUE(button->isEnabled());

    model->setSelectedID(listed.id());
    auto* escape = detail.findChild<QShortcut*>();
    ASSERT_NE(escape, nullptr);
    emit escape->activated();
    EXPECT_FALSE(model->selectedID());
}

TEST_F(UninstallPageTest, ConfirmMovesOnlyWhatItListedWhileWeighing) {
    InstalledApp a = app("/opt/apps/Late.app", "Late", 1'000);
    a.leftovers = {Leftover{.url = home() / ".config/Late", .kind = Leftover::Kind::prefs, .bytes = 500}};
    fake.apps = {a};
    std::binary_semaphore weighing{0};
    bool released = false;
    const auto release = qScopeGuard([&] {
        if (!released) weighing.release();
    });
    std::vector<Path> trashed;
    UninstallEngine engine = fake.engine();
    engine.list = [list = engine.list, &weighing] {
        UninstallEngine::Listing listing = list();
        listing.weigh = [weigh = listing.weigh, &weighing](const InstalledApp& x, bool limited, bool shared) {
            weighing.acquire();
            return weigh(x, limited, shared);
        };
        return listing;
    };
    engine.trash = [&trashed](const std::vector<Path>& urls, const Path&) {
        trashed = urls;
        return Uninstaller::Outcome{};
    };
    model = std::make_unique<UninstallModel>(std::move(engine));
    CandyDialogCenter center;
    auto svc = services();
    svc.dialogs = &center;
    UninstallMain main(*model, MapServices{}, svc);
    main.resize(800, 600);
    main.show();

    [](UninstallModel& m) -> QCoro::Task<> {
        auto t = m.load();
        co_await t;
    }(*model);
    ASSERT_TRUE(waitUntil([&] { return !model->apps().empty(); }));
    model->setSelectedID(a.id());
    AppDetail* detail = main.detail();
    ASSERT_NE(detail, nullptr);
    ASSERT_EQ(detail->fileRows().size(), 1u);

    child<CandyButton>(detail, "uninstallButton")->click();
    const CandyDialog* asked = center.currentFor(CandyDialog::Host::main);
    ASSERT_NE(asked, nullptr);
    EXPECT_TRUE(asked->message.startsWith(QStringLiteral("共 1 项，"))) << asked->message.toStdString();

    // The leftovers arrive, all ticked, while the question is open.
    released = true;
    weighing.release();
    ASSERT_TRUE(waitUntil([&] { return model->loaded(); }));
    ASSERT_EQ(main.detail(), detail);
    ASSERT_EQ(detail->app().leftovers.size(), 1u);

    center.choose(0);
    ASSERT_TRUE(waitUntil([&] { return model->lastResult().has_value(); }));
    EXPECT_EQ(trashed, (std::vector<Path>{a.url}));
}
