#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>
#include <QWheelEvent>
#include <cmath>
#include <limits>

#include "Children.h"
#include "TestEnvironment.h"
#include "model/scan/AppModel.h"
#include "model/scan/ModelEnvironment.h"
#include "model/shell/AppLanguage.h"
#include "model/shell/AppSettings.h"
#include "platform/Updater.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/SoundFX.h"
#include "ui/views/AppInfo.h"
#include "ui/views/settings/AboutSettings.h"
#include "ui/views/settings/AutoCleanSettings.h"
#include "ui/views/settings/GeneralSettings.h"
#include "ui/views/settings/SettingsCard.h"
#include "ui/views/settings/SettingsView.h"

namespace sorbeta {
namespace {

// The upkeep as the pages see it, with what they wrote.
class FakeCare final : public CareLink {
public:
    Alerts stored;
    int alertWrites = 0;
    bool login = false;
    bool loginRefused = false;
    std::vector<std::string> ids = {"logs", "gone-from-catalog", "npm"};
    std::map<std::string, bool> enabled;
    std::optional<LastClean> last;
    std::vector<std::function<void()>> changedCallbacks;

    Alerts alerts() const override { return stored; }
    void setAlerts(const Alerts& alerts) override {
        ++alertWrites;
        stored = alerts;
        emit settingsChanged();
    }
    bool dailySnapshot() const override { return true; }
    void setDailySnapshot(bool) override {}
    bool launchAtLogin() const override { return login; }
    void setLaunchAtLogin(bool on) override {
        if (!loginRefused) login = on;
        emit launchAtLoginChanged();
    }
    std::vector<std::string> ruleIDs() const override { return ids; }
    QWidget* makeRuleRow(const std::string& id, std::optional<int64_t>, std::function<void()> changed,
                         QWidget* parent) override {
        changedCallbacks.push_back(std::move(changed));
        auto* row = new QLabel(QString::fromStdString(id), parent);
        return row;
    }
    bool ruleEnabled(const std::string& id) const override { return enabled.count(id) && enabled.at(id); }
    std::optional<LastClean> lastAutoClean() const override { return last; }
    void switchRule(const std::string& id, bool on) {
        enabled[id] = on;
        emit settingsChanged();
    }
};

struct FakeOutput final : SoundOutput {
    int scheduled = 0;
    bool isRunning() const override { return true; }
    bool start() override { return true; }
    void playAll() override {}
    void schedule(int, const std::vector<float>*) override { ++scheduled; }
    bool isPlaying(int) const override { return true; }
    void play(int) override {}
};

class SettingsPagesTest : public test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        settings = std::make_unique<AppSettings>(places());
        auto fake = std::make_unique<FakeOutput>();
        output = fake.get();
        sound = std::make_unique<SoundFX>(std::move(fake), [] { return 0.0; });
        context.settings = settings.get();
        context.sound = sound.get();
        context.relaunch = [this] { ++relaunches; };
        context.care = &care;
        context.askNotificationPermission = [this] { ++permissionRequests; };
        context.fullDisk = [this] { return access; };
    }
    SettingsSwitch* switchOf(QWidget* page, const char* row) {
        auto* found = test::child<SettingRow>(page, row);
        return found ? found->toggle() : nullptr;
    }

    std::unique_ptr<AppSettings> settings;
    std::unique_ptr<SoundFX> sound;
    FakeOutput* output = nullptr;
    FakeCare care;
    SettingsContext context;
    int relaunches = 0;
    int permissionRequests = 0;
    bool access = false;
};

TEST_F(SettingsPagesTest, LanguagePickerRelaunchesOnlyForAChangedChoice) {
    auto page = std::make_unique<GeneralSettings>(context);
    QComboBox* picker = page->languagePicker();
    EXPECT_EQ(picker->currentText(), QStringLiteral("跟随系统"));
    EXPECT_EQ(picker->count(), 11);  // follow the system, a divider, nine languages
    emit picker->activated(0);       // the value already in force
    EXPECT_EQ(relaunches, 0);
    const int english = picker->findData(QStringLiteral("en"));
    picker->setCurrentIndex(english);
    emit picker->activated(english);
    EXPECT_EQ(relaunches, 1);
    EXPECT_EQ(AppLanguage::chosen(), QStringLiteral("en"));

    // A page built over a stored choice shows it, and building relaunches nothing.
    page = std::make_unique<GeneralSettings>(context);
    EXPECT_EQ(page->languagePicker()->currentData().toString(), QStringLiteral("en"));
    emit page->languagePicker()->activated(english);
    EXPECT_EQ(relaunches, 1);
    emit page->languagePicker()->activated(0);
    EXPECT_EQ(relaunches, 2);
    EXPECT_EQ(AppLanguage::chosen(), std::nullopt);
}

TEST_F(SettingsPagesTest, LanguagePickerChangesOnlyOnAPickFromItsOpenList) {
    GeneralSettings page(context);
    page.show();
    QComboBox* picker = page.languagePicker();
    picker->setFocus();
    const int system = picker->currentIndex();

    // A wheel notch or a key over the closed picker neither steps nor relaunches.
    const QPointF middle = QRectF(picker->rect()).center();
    for (int delta : {-120, 120, -120}) {
        QWheelEvent wheel(middle, picker->mapToGlobal(middle), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(picker, &wheel);
    }
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Up, Qt::Key_Home, Qt::Key_E})
        QTest::keyClick(picker, key);
    EXPECT_EQ(picker->currentIndex(), system);
    EXPECT_EQ(relaunches, 0);
    EXPECT_EQ(AppLanguage::chosen(), std::nullopt);

    // Space opens the list, and Enter there picks the marked row.
    QTest::keyClick(picker, Qt::Key_Space);
    ASSERT_TRUE(test::waitUntil([&] { return picker->view()->isVisible(); }, 2000));
    const int english = picker->findData(QStringLiteral("en"));
    picker->view()->setCurrentIndex(picker->model()->index(english, 0));
    QTest::keyClick(picker->view(), Qt::Key_Return);
    EXPECT_EQ(relaunches, 1);
    EXPECT_EQ(AppLanguage::chosen(), QStringLiteral("en"));
}

TEST_F(SettingsPagesTest, LanguagePickerWaitsWhileAScanOrCleanRuns) {
    AppModel model(ModelEnvironment::system(places()));
    context.model = &model;
    model.setPhase(Phase::cleaning());
    GeneralSettings page(context);
    QComboBox* picker = page.languagePicker();
    EXPECT_FALSE(picker->isEnabled());
    model.setPhase(Phase::idle());
    EXPECT_TRUE(picker->isEnabled());
    model.setPhase(Phase::scanning(QStringLiteral("x")));
    EXPECT_FALSE(picker->isEnabled());
    model.setPhase(Phase::idle());
    EXPECT_TRUE(picker->isEnabled());
}

TEST_F(SettingsPagesTest, SoundSwitchStoresFirstThenPlaysOneSample) {
    GeneralSettings page(context);
    page.show();
    EXPECT_EQ(output->scheduled, 0);  // opening plays nothing
    SettingsSwitch* toggle = switchOf(&page, "sound");
    ASSERT_NE(toggle, nullptr);
    EXPECT_FALSE(toggle->isChecked());
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_TRUE(settings->soundEffects());
    EXPECT_EQ(output->scheduled, 1);
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_FALSE(settings->soundEffects());
    EXPECT_EQ(output->scheduled, 1);

    QTest::mouseClick(switchOf(&page, "holdCleaned"), Qt::LeftButton);
    EXPECT_TRUE(settings->holdCleaned());
    // Launch at login shows what the system reports, also after a refusal.
    care.loginRefused = true;
    QTest::mouseClick(switchOf(&page, "launchAtLogin"), Qt::LeftButton);
    EXPECT_FALSE(switchOf(&page, "launchAtLogin")->isChecked());
    // The history page is not offered, so neither is its daily record.
    EXPECT_EQ(test::child<QWidget>(&page, "dailySnapshot"), nullptr);
}

TEST_F(SettingsPagesTest, ThresholdShowsAStoredOffGridValueWithoutWritingIt) {
    care.stored = {false, 32.5, false};
    AlertSettings page(context);
    page.show();
    auto* slider = test::child<StepSlider>(&page, "threshold");
    auto* row = test::child<SettingRow>(&page, "lowSpace");
    EXPECT_EQ(row->label()->text(), QStringLiteral("可用空间少于 32 G 时提醒我"));
    EXPECT_DOUBLE_EQ(slider->value(), 32.5);
    EXPECT_FALSE(slider->isEnabled());  // the alert is off
    EXPECT_EQ(care.alertWrites, 0);
    EXPECT_EQ(permissionRequests, 0);

    QTest::mouseClick(row->toggle(), Qt::LeftButton);
    EXPECT_TRUE(care.stored.lowSpaceAlert);
    EXPECT_EQ(permissionRequests, 1);
    EXPECT_TRUE(slider->isEnabled());
    EXPECT_DOUBLE_EQ(care.stored.lowSpaceGB, 32.5);  // still not rounded by anyone

    // The user's step lands on the grid; the slider never leaves 5…200.
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(slider, &right);
    EXPECT_DOUBLE_EQ(care.stored.lowSpaceGB, 35);
    EXPECT_EQ(row->label()->text(), QStringLiteral("可用空间少于 35 G 时提醒我"));
    for (double fraction : {-1.0, 0.0, 0.013, 0.5, 1.0, 2.0}) {
        const double value = slider->valueAt(fraction);
        EXPECT_GE(value, 5);
        EXPECT_LE(value, 200);
        EXPECT_EQ(std::fmod(value, 5.0), 0.0) << value;
    }

    // Labels never fail on values only a hand-edited file can hold.
    EXPECT_EQ(AlertSettings::wholeGigabytes(std::nan("")), 0);
    EXPECT_EQ(AlertSettings::wholeGigabytes(INFINITY), std::numeric_limits<qint64>::max());
    EXPECT_EQ(AlertSettings::wholeGigabytes(-1e300), std::numeric_limits<qint64>::min());
    EXPECT_EQ(AlertSettings::wholeGigabytes(29.99), 29);
    EXPECT_DOUBLE_EQ(slider->fractionOf(std::nan("")), 0.0);
}

TEST_F(SettingsPagesTest, PermissionIsAskedOnlyWhenSomethingIsSwitchedOn) {
    AlertSettings page(context);
    page.show();
    SettingsSwitch* memory = switchOf(&page, "memory");
    QTest::mouseClick(memory, Qt::LeftButton);
    QTest::mouseClick(memory, Qt::LeftButton);
    QTest::mouseClick(memory, Qt::LeftButton);
    EXPECT_EQ(permissionRequests, 2);
    EXPECT_TRUE(care.stored.memoryAlert);

    AutoCleanSettings clean(context);
    ASSERT_EQ(care.changedCallbacks.size(), 2u);  // "gone-from-catalog" has no row
    care.enabled["logs"] = true;
    care.changedCallbacks[0]();
    EXPECT_EQ(permissionRequests, 3);
    care.enabled["logs"] = false;
    care.changedCallbacks[0]();
    EXPECT_EQ(permissionRequests, 3);
}

TEST_F(SettingsPagesTest, WithoutATrayTheUpkeepIsSaidToRunOnlyWhileTheWindowIsOpen) {
    // The process ends with its window where no tray shows it: the page must
    // not promise a look every 30 minutes after the window is closed.
    const auto explanation = [&](bool tray) {
        context.staysInTray = tray;
        AutoCleanSettings page(context);
        const QLabel* label = test::child<QLabel>(&page, "explanation");
        return label ? label->text() : QString();
    };
    const QString withTray = explanation(true), withoutTray = explanation(false);
    EXPECT_TRUE(withTray.contains(QStringLiteral("关掉窗口后会留在"))) << withTray.toStdString();
    EXPECT_NE(withoutTray, withTray);
    EXPECT_TRUE(withoutTray.startsWith(QStringLiteral("这台电脑没有系统托盘"))) << withoutTray.toStdString();
}

TEST_F(SettingsPagesTest, RuleRowsSurviveAnEditOfAnotherRule) {
    AutoCleanSettings page(context, nullptr, [] { return QDateTime(QDate(2026, 5, 2), QTime(12, 0), Qt::UTC); });
    QWidget* logs = test::child<QWidget>(&page, "rule:logs");
    QWidget* npm = test::child<QWidget>(&page, "rule:npm");
    ASSERT_NE(logs, nullptr);
    ASSERT_NE(npm, nullptr);
    EXPECT_EQ(test::child<QWidget>(&page, "rule:gone-from-catalog"), nullptr);
    care.switchRule("npm", true);
    EXPECT_EQ(test::child<QWidget>(&page, "rule:logs"), logs);
    EXPECT_EQ(test::child<QWidget>(&page, "rule:npm"), npm);
    // A changed list of rules builds the rows again, in stored order.
    care.ids = {"npm", "derived", "logs"};
    emit care.settingsChanged();
    EXPECT_NE(test::child<QWidget>(&page, "rule:npm"), nullptr);
    EXPECT_EQ(test::child<QWidget>(&page, "rule:derived"), nullptr);  // Xcode's, nothing to find here

    auto* last = test::child<QLabel>(&page, "lastClean");
    EXPECT_TRUE(last->isHidden());
    care.last = CareLink::LastClean{QDateTime(QDate(2026, 5, 2), QTime(11, 55), Qt::UTC), 1'200'000'000};
    emit care.lastAutoCleanChanged();
    EXPECT_FALSE(last->isHidden());
    EXPECT_EQ(last->text(), QStringLiteral("上次自动清理 1.2 G · 5 分钟前"));
}

TEST(SettingsTextsTest, RelativeDatesAndVersionFallbacks) {
    const QDateTime now(QDate(2026, 5, 2), QTime(12, 0), Qt::LocalTime);
    EXPECT_EQ(relativeDateText(now.addSecs(-30), now), QStringLiteral("30 秒钟前"));
    EXPECT_EQ(relativeDateText(now.addSecs(-2 * 3600), now), QStringLiteral("2 小时前"));
    EXPECT_EQ(relativeDateText(now.addDays(-1), now), QStringLiteral("昨天"));
    EXPECT_EQ(relativeDateText(now.addDays(-3), now), QStringLiteral("3 天前"));
    EXPECT_EQ(relativeDateText(now.addDays(-15), now), QStringLiteral("2 周前"));

    const AppInfo missing = AppInfo::from(QVariant(), QVariant(42), QStringLiteral(""));
    EXPECT_EQ(missing.displayName, QStringLiteral("Sorbeta"));
    EXPECT_EQ(missing.shortVersion, QStringLiteral("1.0"));
    EXPECT_EQ(missing.build, QStringLiteral("1"));
    EXPECT_EQ(missing.versionLine(), QStringLiteral("版本 1.0（1）"));
    EXPECT_EQ(AppInfo::from(QStringLiteral("冰沙"), QStringLiteral("2.1"), QStringLiteral("77")).versionLine(),
              QStringLiteral("版本 2.1（77）"));
}

// Only Chinese and Japanese put the build in full-width brackets; another
// language has its own, with a space before them.
TEST(SettingsTextsTest, VersionLineTakesTheLanguagesBrackets) {
    QTranslator english;
    ASSERT_TRUE(english.load(AppLanguage::translationResource(QStringLiteral("en"))));
    QCoreApplication::installTranslator(&english);
    const QString line =
        AppInfo::from(QStringLiteral("Sorbeta"), QStringLiteral("2.1"), QStringLiteral("77")).versionLine();
    QCoreApplication::removeTranslator(&english);
    EXPECT_EQ(line, QStringLiteral("Version 2.1 (77)"));
}

TEST_F(SettingsPagesTest, AccessPageFollowsTheProbeAndOffersNoLinuxSettingsPage) {
    AccessSettings page(context);
    EXPECT_FALSE(page.full());
    EXPECT_EQ(test::child<QLabel>(&page, "accessText")->text(), QStringLiteral("还没开启完全磁盘访问"));
    EXPECT_EQ(test::child<QLabel>(&page, "accessSymbol")->property("symbol").toString(),
              QStringLiteral("exclamationmark.triangle.fill"));
    EXPECT_EQ(test::child<QWidget>(&page, "openSettings"), nullptr);
    access = true;
    page.refresh();
    EXPECT_EQ(test::child<QLabel>(&page, "accessText")->text(), QStringLiteral("已开启完全磁盘访问"));
}

// A feed that answers at once.
struct InstantFeed final : platform::UpdateFeed {
    void fetch(std::function<void(platform::FeedAnswer)> done) override {
        done({platform::Release{"1.0.0", QUrl("https://downloads.invalid/")}, {}});
    }
    void cancel() override {}
};

TEST_F(SettingsPagesTest, UpdateCardFooterAndButtonFollowTheChecker) {
    platform::Updater::Setup setup;
    setup.feed = std::make_unique<InstantFeed>();
    setup.currentVersion = QStringLiteral("1.0.0");
    setup.settings = platform::Defaults(QString::fromLatin1(platform::Defaults::appDomain), places().configHome);
    platform::Updater updater(std::move(setup));
    UpdateSettings card(updater);
    auto* updates = test::child<SettingsCard>(&card, "updates");
    auto* checkNow = test::child<QWidget>(&card, "checkNow");
    EXPECT_EQ(updates->footer(), nullptr);  // never checked
    EXPECT_FALSE(checkNow->isEnabled());    // not started yet
    updater.start();
    QCoreApplication::processEvents();
    EXPECT_TRUE(checkNow->isEnabled());
    QTest::mouseClick(checkNow, Qt::LeftButton);
    ASSERT_NE(updates->footer(), nullptr);
    EXPECT_TRUE(updates->footer()->text().startsWith(QStringLiteral("上次检查：")));

    auto* automatic = test::child<SettingRow>(&card, "automatic");
    EXPECT_TRUE(automatic->toggle()->isChecked());
    QTest::mouseClick(automatic->toggle(), Qt::LeftButton);
    EXPECT_FALSE(updater.automaticallyChecksForUpdates());
}

// A section's title stands beside its tile: at the right, with the tile, in
// a right-to-left interface, not across the sidebar at the left.
TEST_F(SettingsPagesTest, SectionTitlesStandBesideTheirTilesInBothDirections) {
    for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        QGuiApplication::setLayoutDirection(direction);
        SettingsView view(context);
        view.show();
        auto* alerts = test::child<SectionButton>(&view, "section:alerts");  // not selected: no fill
        QImage image(alerts->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setLayoutDirection(alerts->layoutDirection());  // as the widget's own painter has it
        alerts->render(&painter, QPoint(), QRegion(), QWidget::RenderFlags());
        painter.end();
        const int half = image.width() / 2;
        bool inkFar = false;  // in the half away from the tile
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < half; ++x) {
                const int column = direction == Qt::RightToLeft ? x : image.width() - 1 - x;
                if (qAlpha(image.pixel(column, y)) > 0) inkFar = true;
            }
        EXPECT_FALSE(inkFar) << int(direction);
    }
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

TEST_F(SettingsPagesTest, WindowKeepsItsSizeAndEachSectionStartsAtTheTop) {
    ManualKitClock clock;
    SettingsView view(context);
    view.show();
    EXPECT_EQ(view.size(), QSize(700, 560));
    EXPECT_EQ(view.section(), SettingsSection::general);
    auto* general = test::child<SectionButton>(&view, "section:general");
    auto* alerts = test::child<SectionButton>(&view, "section:alerts");
    EXPECT_TRUE(general->isSelected());
    EXPECT_NEAR(general->fillOpacity(), 0.9, 1e-9);
    EXPECT_NEAR(alerts->fillOpacity(), 0.0, 1e-9);

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(alerts, &enter);
    clock.advance(0.2);
    EXPECT_NEAR(alerts->fillOpacity(), 0.5, 1e-9);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(alerts, &leave);
    clock.advance(0.2);
    EXPECT_NEAR(alerts->fillOpacity(), 0.0, 1e-9);

    // The about page is taller than the window once scrolled; a new section starts at its top.
    view.setSection(SettingsSection::autoClean);
    view.scrollArea()->verticalScrollBar()->setValue(view.scrollArea()->verticalScrollBar()->maximum());
    QTest::mouseClick(alerts, Qt::LeftButton);
    EXPECT_EQ(view.section(), SettingsSection::alerts);
    EXPECT_EQ(test::child<QLabel>(&view, "title")->text(), QStringLiteral("提醒"));
    EXPECT_NE(dynamic_cast<AlertSettings*>(view.page()), nullptr);
    EXPECT_EQ(view.scrollArea()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(view.size(), QSize(700, 560));
    EXPECT_FALSE(general->isSelected());
    EXPECT_EQ(sectionNamed(QStringLiteral("autoClean")), SettingsSection::autoClean);
    EXPECT_EQ(sectionNamed(QStringLiteral("nothing")), std::nullopt);
}

}  // namespace
}  // namespace sorbeta
