#include <gtest/gtest.h>

#include <QFile>
#include <QMenu>
#include <QTranslator>

#include "TestEnvironment.h"
#include "app/LanguageChoices.h"
#include "model/scan/AppModel.h"
#include "model/scan/ModelEnvironment.h"
#include "model/shell/AppLanguage.h"
#include "platform/Defaults.h"
#include "platform/Translate.h"
#include "ui/views/clean/HoldingSheet.h"

namespace sorbeta {
namespace {

TEST(Translations, EveryLanguageShipsAnEmbeddedCatalog) {
    const QStringList shipped = AppLanguage::shippedLocalizations();
    ASSERT_EQ(shipped.size(), 9);
    for (const auto& language : AppLanguage::languages)
        EXPECT_TRUE(shipped.contains(QString::fromUtf8(language.code))) << language.code;

    QTranslator english;
    ASSERT_TRUE(english.load(AppLanguage::translationResource("en")));
    QCoreApplication::installTranslator(&english);
    EXPECT_EQ(sorbeta::tr("跟随系统"), QStringLiteral("Follow System"));
    EXPECT_EQ(sorbeta::tr("暂存区"), QStringLiteral("Holding Area"));
    // A count picks its form; two counts in one line are two pieces and a joiner.
    EXPECT_EQ(sorbeta::tr("%n 项", nullptr, 1), QStringLiteral("1 item"));
    EXPECT_EQ(sorbeta::tr("%n 项", nullptr, 0), QStringLiteral("0 items"));
    EXPECT_EQ(sorbeta::tr("清理 %n 项，共 %1？", nullptr, 12).arg(QStringLiteral("3 G")),
              QStringLiteral("Clean 12 items, 3 G in total?"));
    const QDateTime held(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);
    const HoldBatch one{"one", held, QStringLiteral("t"), {{"/a", "1-a", 5}}};
    const HoldBatch two{"two", held, QStringLiteral("t"), {{"/a", "1-a", 5}, {"/b", "2-b", 6}}};
    EXPECT_TRUE(holdingDetailLine(one, held.addDays(6)).endsWith(QStringLiteral(" · 1 item · 1 day left")));
    EXPECT_TRUE(holdingDetailLine(two, held).endsWith(QStringLiteral(" · 2 items · 7 days left")));
    QCoreApplication::removeTranslator(&english);

    // A text a language lacks falls back to the Chinese key, counts filled in.
    QTranslator arabic;
    ASSERT_TRUE(arabic.load(AppLanguage::translationResource("ar")));
    QCoreApplication::installTranslator(&arabic);
    EXPECT_EQ(sorbeta::tr("没有这句"), QStringLiteral("没有这句"));
    EXPECT_EQ(sorbeta::tr("没有这句 %n", nullptr, 3), QStringLiteral("没有这句 3"));
    EXPECT_EQ(sorbeta::tr("没有这句 %n", nullptr, -2), QStringLiteral("没有这句 0"));
    // Arabic words two, a few and many things differently: its six forms are all read.
    const auto wording = [](int n) { return sorbeta::tr("%n 项", nullptr, n).remove(QString::number(n)); };
    EXPECT_NE(wording(2), wording(3));
    EXPECT_NE(wording(3), wording(11));
    QCoreApplication::removeTranslator(&arabic);
}

// The Chinese interface keeps its keys but reads the Linux wording of texts
// that name something only macOS has; every other text stays the key.
TEST(Translations, ChineseInterfaceShowsTheLinuxWordings) {
    QTranslator chinese;
    ASSERT_TRUE(chinese.load(AppLanguage::translationResource(AppLanguage::sourceLocalization)));
    QCoreApplication::installTranslator(&chinese);
    EXPECT_EQ(sorbeta::tr("在访达中显示"), QStringLiteral("在文件管理器中显示"));
    EXPECT_EQ(sorbeta::tr("清倒废纸篓"), QStringLiteral("清空回收站"));
    EXPECT_EQ(sorbeta::tr("\n\n文件会被直接删除，不经过废纸篓。"),
              QStringLiteral("\n\n文件会被直接删除，不经过回收站。"));
    EXPECT_EQ(sorbeta::tr("跟随系统"), QStringLiteral("跟随系统"));
    EXPECT_EQ(sorbeta::tr("有 %n 项没权限移走，可以在访达里手动拖进废纸篓", nullptr, 2),
              QStringLiteral("有 2 项没权限移走，可以在文件管理器里手动拖进回收站"));
    EXPECT_TRUE(sorbeta::tr("冰沙关掉窗口后会留在菜单栏，每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，"
                            "相关应用开着时跳过。")
                    .startsWith(QStringLiteral("冰沙关掉窗口后会留在系统托盘")));
    QCoreApplication::removeTranslator(&chinese);
}

class LanguageChoicesTest : public test::HomeTest {};

TEST_F(LanguageChoicesTest, MarksStoredChoiceAndPicksWithRelaunch) {
    int relaunches = 0;
    QMenu menu;
    addLanguageChoices(&menu, [&] { ++relaunches; });
    const auto actions = menu.actions();
    ASSERT_EQ(actions.size(), 11);
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_TRUE(actions[0]->isChecked());  // nothing stored: follow the system

    actions[10]->trigger();  // العربية
    EXPECT_EQ(relaunches, 1);
    EXPECT_EQ(AppLanguage::chosen(), QStringLiteral("ar"));
    emit menu.aboutToShow();
    EXPECT_TRUE(actions[10]->isChecked());
    EXPECT_FALSE(actions[0]->isChecked());

    // A stored code that no row offers marks none.
    platform::Defaults().setValue(QStringLiteral("AppleLanguages"), QVariantList{QStringLiteral("fr")});
    emit menu.aboutToShow();
    for (QAction* action : actions) EXPECT_FALSE(action->isChecked()) << action->text().toStdString();

    actions[0]->trigger();
    EXPECT_EQ(relaunches, 2);
    EXPECT_EQ(AppLanguage::chosen(), std::nullopt);
}

TEST_F(LanguageChoicesTest, PickingTheMarkedRowAgainKeepsTheAppRunning) {
    int relaunches = 0;
    QMenu menu;
    addLanguageChoices(&menu, [&] { ++relaunches; });
    const auto actions = menu.actions();
    ASSERT_TRUE(actions[0]->isChecked());  // nothing stored: follow the system
    actions[0]->trigger();
    EXPECT_EQ(relaunches, 0);
    EXPECT_TRUE(actions[0]->isChecked());
    EXPECT_EQ(AppLanguage::chosen(), std::nullopt);

    // The same with a stored language.
    actions[10]->trigger();  // العربية
    ASSERT_EQ(relaunches, 1);
    emit menu.aboutToShow();
    actions[10]->trigger();
    EXPECT_EQ(relaunches, 1);
    EXPECT_TRUE(actions[10]->isChecked());
    EXPECT_EQ(AppLanguage::chosen(), QStringLiteral("ar"));
}

TEST_F(LanguageChoicesTest, RowsWaitWhileAScanOrCleanRuns) {
    AppModel model(ModelEnvironment::system(places()));
    model.setPhase(Phase::cleaning());
    QMenu menu;
    int relaunches = 0;
    const AppLanguage::Relaunch relaunch = [&] { ++relaunches; };
    addLanguageChoices(&menu, relaunch, &model);
    const auto actions = menu.actions();
    ASSERT_EQ(actions.size(), 11);
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    }
    actions[10]->trigger();
    EXPECT_EQ(relaunches, 0);
    EXPECT_EQ(AppLanguage::chosen(), std::nullopt);
    model.setPhase(Phase::idle());
    for (QAction* action : actions) EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    model.setPhase(Phase::scanning(QStringLiteral("x")));
    EXPECT_FALSE(actions[10]->isEnabled());
    model.setPhase(Phase::idle());
    EXPECT_TRUE(actions[10]->isEnabled());
}

}  // namespace
}  // namespace sorbeta
