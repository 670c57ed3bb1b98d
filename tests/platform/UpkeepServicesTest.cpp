#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QVariantMap>
#include <filesystem>
#include <fstream>

#include "TestEnvironment.h"
#include "platform/Autostart.h"
#include "platform/BootTimer.h"
#include "platform/DesktopEntry.h"
#include "platform/Notifications.h"

namespace sorbeta::platform {
namespace {
namespace fs = std::filesystem;

TEST(Notifications, NotifyCallCarriesTheTextsWithMarkupEscapedInTheBody) {
    EXPECT_EQ(notificationBody(QStringLiteral("a <b> & c")), QStringLiteral("a &lt;b&gt; &amp; c"));
    const QDBusMessage call = notificationMessage(QStringLiteral("自动清理了 3 G"), QStringLiteral("npm & <pip>"));
    EXPECT_EQ(call.service(), QStringLiteral("org.freedesktop.Notifications"));
    EXPECT_EQ(call.path(), QStringLiteral("/org/freedesktop/Notifications"));
    EXPECT_EQ(call.member(), QStringLiteral("Notify"));
    const QList<QVariant> args = call.arguments();
    ASSERT_EQ(args.size(), 8);
    EXPECT_EQ(args[1].toUInt(), 0u);  // a new notification, replacing none
    EXPECT_EQ(args[3].toString(), QStringLiteral("自动清理了 3 G"));
    EXPECT_EQ(args[4].toString(), QStringLiteral("npm &amp; &lt;pip&gt;"));
    EXPECT_TRUE(args[5].toStringList().isEmpty());
    EXPECT_EQ(args[6].toMap().value(QStringLiteral("desktop-entry")).toString(), QStringLiteral("com.rovek.sorbeta"));
    EXPECT_EQ(args[7].toInt(), -1);
}

class AutostartTest : public test::HomeTest {};

TEST_F(AutostartTest, EntryStartsThisProgramAndIsReadFromDiskEveryTime) {
    const fs::path path = Autostart::entryPath(places());
    EXPECT_EQ(path, places().configHome / "autostart" / "com.rovek.sorbeta.desktop");
    EXPECT_FALSE(Autostart::isEnabled(places()));
    EXPECT_TRUE(Autostart::disable(places()));  // nothing there: already off

    ASSERT_TRUE(Autostart::enable(places(), QStringLiteral("/opt/My Apps/sorbeta")));
    const std::optional<DesktopEntry> entry = readDesktopEntry(path);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->value("Type"), "Application");
    EXPECT_EQ(entry->value("Name"), "Sorbeta");
    EXPECT_EQ(entry->value("Icon"), "com.rovek.sorbeta");
    EXPECT_EQ(execWords(entry->value("Exec")), (std::vector<std::string>{"/opt/My Apps/sorbeta"}));
    EXPECT_TRUE(Autostart::isEnabled(places()));
    // Quotes, dollars and percents survive the entry's two layers of escaping.
    ASSERT_TRUE(Autostart::enable(places(), QStringLiteral("/opt/a\"b$c%d\\e/sorbeta")));
    EXPECT_EQ(execWords(readDesktopEntry(path)->value("Exec")), (std::vector<std::string>{"/opt/a\"b$c%d\\e/sorbeta"}));
    // A line break in the path stays in the path: it never starts a key.
    const std::string broken = "/opt/a\nHidden=true\nExec=/bin/other\r\t/sorbeta";
    ASSERT_TRUE(Autostart::enable(places(), QString::fromStdString(broken)));
    const std::optional<DesktopEntry> written = readDesktopEntry(path);
    ASSERT_TRUE(written);
    EXPECT_EQ(execWords(written->value("Exec")), (std::vector<std::string>{broken}));
    EXPECT_EQ(written->keys.count("Hidden"), 0u);
    EXPECT_TRUE(Autostart::isEnabled(places()));

    // A desktop's own switch (Hidden, or GNOME's key) turns the item off.
    std::ofstream(path) << "[Desktop Entry]\nType=Application\nExec=/x/sorbeta\nHidden=true\n";
    EXPECT_FALSE(Autostart::isEnabled(places()));
    std::ofstream(path) << "[Desktop Entry]\nType=Application\nExec=/x/sorbeta\nX-GNOME-Autostart-enabled=false\n";
    EXPECT_FALSE(Autostart::isEnabled(places()));

    EXPECT_TRUE(Autostart::disable(places()));
    EXPECT_FALSE(fs::exists(path));
    EXPECT_FALSE(Autostart::enable(places(), QString()));
}

TEST(BootTimer, FiresOnceAfterItsDelayAndARestartReplacesThePendingWait) {
    BootTimer timer;
    EXPECT_TRUE(timer.onBootClock());
    QSignalSpy fired(&timer, &BootTimer::timeout);
    // A minute's wait replaced by a short one: only the short one can fire
    // within the test, however late a busy machine delivers it.
    timer.start(std::chrono::minutes(1));
    timer.start(std::chrono::milliseconds(30));
    EXPECT_TRUE(timer.isActive());
    ASSERT_TRUE(fired.wait(5000));
    EXPECT_FALSE(timer.isActive());

    // A short wait replaced by a longer one never fires: the timer fires
    // once, and not before the longer delay.
    QElapsedTimer clock;
    clock.start();
    timer.start(std::chrono::milliseconds(30));
    timer.start(std::chrono::milliseconds(300));
    ASSERT_TRUE(fired.wait(5000));
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_FALSE(timer.isActive());
    EXPECT_FALSE(fired.wait(250));
    EXPECT_EQ(fired.count(), 2);

    timer.start(std::chrono::milliseconds(20));
    timer.stop();
    EXPECT_FALSE(fired.wait(100));
}

}  // namespace
}  // namespace sorbeta::platform
