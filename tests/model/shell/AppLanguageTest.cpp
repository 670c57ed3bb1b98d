#include "model/shell/AppLanguage.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTranslator>
#include <filesystem>

#include "TestEnvironment.h"
#include "model/shell/LanguageMenu.h"
#include "platform/Defaults.h"

namespace sorbeta {
namespace {

class AppLanguageTest : public test::HomeTest {
protected:
    // What a relaunch does here: count.
    const AppLanguage::Relaunch relaunch = [this] { ++relaunches; };
    // Writes the app domain's file by hand, as another program would.
    void writeDomain(const QByteArray& text) {
        const QString path = platform::Defaults().filePath();
        std::filesystem::create_directories(std::filesystem::path(path.toStdString()).parent_path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    int relaunches = 0;
};

TEST_F(AppLanguageTest, ChosenIsNoneUnlessAListOfTexts) {
    EXPECT_EQ(AppLanguage::chosen(), std::nullopt);  // no domain at all

    writeDomain("[General]\nsoundEffects=true\n");
    EXPECT_EQ(AppLanguage::chosen(), std::nullopt);  // key missing

    writeDomain("[General]\nAppleLanguages=@Invalid()\n");
    EXPECT_EQ(AppLanguage::chosen(), std::nullopt);  // empty list

    writeDomain("[General]\nAppleLanguages=en\n");
    EXPECT_EQ(AppLanguage::chosen(), std::nullopt);  // a bare text

    writeDomain("[General]\nAppleLanguages=42\n");
    EXPECT_EQ(AppLanguage::chosen(), std::nullopt);

    writeDomain("[General]\nAppleLanguages=ja, en\n");
    EXPECT_EQ(AppLanguage::chosen(), QStringLiteral("ja"));

    // A code outside the offered list still reads as that code.
    writeDomain("[General]\nAppleLanguages=fr, de, it\n");  // another size: QSettings caches by size and time
    EXPECT_EQ(AppLanguage::chosen(), QStringLiteral("fr"));
    EXPECT_EQ(LanguageMenu::selection(), QStringLiteral("fr"));
}

TEST_F(AppLanguageTest, ChoosingStoresOneElementListAndRelaunches) {
    AppLanguage::choose(QStringLiteral("ar"), relaunch);
    EXPECT_EQ(relaunches, 1);
    EXPECT_EQ(AppLanguage::chosen(), QStringLiteral("ar"));

    // A fresh reader of the file (another process) must also see a list, not
    // a bare text: read a copy under a domain this process never cached.
    const QString copy = platform::Defaults(QStringLiteral("copy.of.app")).filePath();
    ASSERT_TRUE(QFile::copy(platform::Defaults().filePath(), copy));
    EXPECT_EQ(platform::Defaults(QStringLiteral("copy.of.app")).stringList(QStringLiteral("AppleLanguages")),
              QStringList{QStringLiteral("ar")});

    // The same choice again is stored and relaunches again.
    AppLanguage::choose(QStringLiteral("ar"), relaunch);
    EXPECT_EQ(relaunches, 2);

    // Following the system removes the key.
    AppLanguage::choose(std::nullopt, relaunch);
    EXPECT_EQ(relaunches, 3);
    EXPECT_FALSE(platform::Defaults().contains(QStringLiteral("AppleLanguages")));
    EXPECT_EQ(LanguageMenu::selection(), QString());
}

TEST_F(AppLanguageTest, MenuRowsPickThroughChoose) {
    const auto rows = LanguageMenu::rows();
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(rows[0].value, QString());
    EXPECT_EQ(rows[1].kind, LanguageMenu::Row::Kind::divider);
    EXPECT_EQ(rows[2].title, QStringLiteral("简体中文"));
    EXPECT_EQ(rows[10].value, QStringLiteral("ar"));
    EXPECT_EQ(rows[10].title, QStringLiteral("العربية"));

    LanguageMenu::pick(QStringLiteral("vi"), relaunch);
    EXPECT_EQ(AppLanguage::chosen(), QStringLiteral("vi"));
    LanguageMenu::pick(QString(), relaunch);
    EXPECT_EQ(AppLanguage::chosen(), std::nullopt);
    EXPECT_EQ(relaunches, 2);
}

TEST(AppLanguageStartUp, MatchesTagsAgainstShippedLocalizations) {
    QStringList shipped;
    for (const auto& language : AppLanguage::languages) shipped << QString::fromUtf8(language.code);

    EXPECT_EQ(AppLanguage::localizationFor("en-US", shipped), "en");
    EXPECT_EQ(AppLanguage::localizationFor("en_GB", shipped), "en");
    EXPECT_EQ(AppLanguage::localizationFor("zh-CN", shipped), "zh-Hans");
    EXPECT_EQ(AppLanguage::localizationFor("zh", shipped), "zh-Hans");
    EXPECT_EQ(AppLanguage::localizationFor("zh-TW", shipped), "zh-Hant");
    EXPECT_EQ(AppLanguage::localizationFor("zh-Hant-HK", shipped), "zh-Hant");
    EXPECT_EQ(AppLanguage::localizationFor("ar-EG", shipped), "ar");
    EXPECT_EQ(AppLanguage::localizationFor("es-419", shipped), "es");
    EXPECT_EQ(AppLanguage::localizationFor("fr-FR", shipped), "");
    EXPECT_EQ(AppLanguage::localizationFor("C", shipped), "");
    EXPECT_EQ(AppLanguage::localizationFor("", shipped), "");
    EXPECT_EQ(AppLanguage::localizationFor("en", {"zh-Hans"}), "");

    const QStringList system{"fr-FR", "ja-JP", "en-US", "ja"};
    EXPECT_EQ(AppLanguage::preferredLocalizations(std::nullopt, system, shipped), (QStringList{"ja", "en"}));
    EXPECT_EQ(AppLanguage::preferredLocalizations(QString("ko"), system, shipped), QStringList{"ko"});
    // An override that no translation serves falls back to the system.
    EXPECT_EQ(AppLanguage::preferredLocalizations(QString("fr"), system, shipped), (QStringList{"ja", "en"}));
    EXPECT_TRUE(AppLanguage::preferredLocalizations(std::nullopt, {"de-DE"}, shipped).isEmpty());

    EXPECT_EQ(AppLanguage::translationResource("zh-Hant"), ":/i18n/sorbeta_zh_Hant.qm");
    EXPECT_EQ(AppLanguage::layoutDirectionFor("ar"), Qt::RightToLeft);
    EXPECT_EQ(AppLanguage::layoutDirectionFor("en"), Qt::LeftToRight);
    EXPECT_EQ(AppLanguage::layoutDirectionFor("zh-Hans"), Qt::LeftToRight);
    // Before start-up picked anything the interface is the source language.
    EXPECT_EQ(AppLanguage::current(), "zh-Hans");
}

TEST_F(AppLanguageTest, StartUpWritesDatesAndListsInTheInterfacesLanguage) {
    EXPECT_EQ(AppLanguage::localeOf("zh-Hans").script(), QLocale::SimplifiedHanScript);
    EXPECT_EQ(AppLanguage::localeOf("zh-Hant").script(), QLocale::TraditionalHanScript);
    EXPECT_EQ(AppLanguage::localeOf("en").language(), QLocale::English);
    EXPECT_EQ(AppLanguage::localeOf("ar").textDirection(), Qt::RightToLeft);

    // A Chinese interface on a system whose locale is C (LANG=C).
    const QLocale before;
    QLocale::setDefault(QLocale::c());
    AppLanguage::choose(QString("zh-Hans"), relaunch);
    EXPECT_EQ(AppLanguage::startUp(), "zh-Hans");
    const QLocale now;
    EXPECT_EQ(now.language(), QLocale::Chinese);
    EXPECT_EQ(now.createSeparatedList({"Slack", "Xcode"}), QStringLiteral("Slack和Xcode"));
    EXPECT_EQ(now.toString(QDate(2026, 12, 9), QStringLiteral("MMM")), QStringLiteral("12月"));
    EXPECT_FALSE(now.timeFormat(QLocale::ShortFormat).contains(QLatin1Char('s')));

    QLocale::setDefault(before);
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());  // leaves the application
}

}  // namespace
}  // namespace sorbeta
