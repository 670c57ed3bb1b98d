#include "model/shell/AppSettings.h"

#include <gtest/gtest.h>

#include "TestEnvironment.h"
#include "model/shell/RenameMigration.h"

namespace sorbeta {
namespace {

class AppSettingsTest : public test::HomeTest {};

TEST_F(AppSettingsTest, OneDomainInTheConfigurationFolderOfItsPlaces) {
    AppSettings settings(places());
    EXPECT_EQ(settings.defaults().filePath().toStdString(), (places().configHome / "com.rovek.sorbeta.ini").string());
    EXPECT_FALSE(settings.accessGuideDone());
    settings.setAccessGuideDone(true);
    EXPECT_TRUE(AppSettings().accessGuideDone());  // the same file, read afresh

    // Strict reading: only a bool true or the text "true".
    platform::Defaults raw = settings.defaults();
    raw.setValue(QString::fromLatin1(AppSettings::kHoldCleaned), QStringLiteral("TRUE"));
    raw.setValue(QString::fromLatin1(AppSettings::kSoundEffects), QStringLiteral("true"));
    EXPECT_FALSE(settings.holdCleaned());
    EXPECT_TRUE(settings.soundEffects());

    settings.setChosenLanguage(QStringLiteral("ja"));
    EXPECT_EQ(settings.chosenLanguage(), QStringLiteral("ja"));
    settings.setChosenLanguage(std::nullopt);
    EXPECT_FALSE(raw.contains(QString::fromLatin1(AppSettings::kAppleLanguages)));

    // A settings object of another home never sees this one's values.
    test::TempHome other;
    EXPECT_FALSE(AppSettings(other.places()).accessGuideDone());
    EXPECT_TRUE(settings.accessGuideDone());
}

TEST_F(AppSettingsTest, TheMigrationCarriesTheKeysThatLiveHere) {
    EXPECT_EQ(RenameMigration::keys(),
              (QStringList{AppSettings::kAccessGuideDone, AppSettings::kCareSettings, AppSettings::kHoldCleaned,
                           AppSettings::kSoundEffects, AppSettings::kAppleLanguages}));
    AppSettings settings(places());
    EXPECT_FALSE(settings.migratedFromOldName());
    RenameMigration::run(places(), QString::fromLatin1(platform::Defaults::appDomain),
                         RenameMigration::formerDomains());
    EXPECT_TRUE(settings.migratedFromOldName());
}

}  // namespace
}  // namespace sorbeta
