#include "model/shell/RenameMigration.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <fstream>

#include "TestEnvironment.h"
#include "model/shell/AppSettings.h"
#include "platform/Defaults.h"
#include "platform/Places.h"

using namespace sorbeta;
namespace fs = std::filesystem;
using platform::Defaults;

namespace {

const QString current = QStringLiteral("com.rovek.sorbeta");
const QString oldSorbeta = QStringLiteral("com.vantolier.sorbeta");
const QString oldPlinto = QStringLiteral("com.vantolier.plinto");

void runMigration(const QString& domain = current) {
    RenameMigration::run(platform::Places::fromEnvironment(), domain, RenameMigration::formerDomains());
}

void writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

}  // namespace

class RenameMigrationTest : public test::HomeTest {};

TEST_F(RenameMigrationTest, FirstFormerDomainWinsAndCurrentValuesStay) {
    Defaults(oldPlinto).setValue("holdCleaned", true);
    Defaults(oldSorbeta).setValue("holdCleaned", false);
    Defaults(oldPlinto).setValue("soundEffects", false);
    Defaults(current).setValue("soundEffects", true);
    Defaults(oldPlinto).setValue("AppleLanguages", QStringList{"ar"});
    Defaults(oldPlinto).setValue("careSettings", QByteArray(R"({"lowSpaceAlert":true})"));
    Defaults(oldPlinto).setValue("unrelated", 5);

    runMigration();

    Defaults now(current);
    ASSERT_EQ(now.optionalBool("holdCleaned"), false);  // first former domain in order wins
    EXPECT_EQ(now.optionalBool("soundEffects"), true);  // already present: kept
    EXPECT_EQ(now.stringList("AppleLanguages"), QStringList{"ar"});
    EXPECT_EQ(now.value("careSettings").toByteArray(), QByteArray(R"({"lowSpaceAlert":true})"));
    EXPECT_FALSE(now.contains("unrelated"));
    EXPECT_FALSE(now.contains("accessGuideDone"));  // in no domain: left unset
    EXPECT_TRUE(now.boolValue("migratedFromOldName"));
}

TEST_F(RenameMigrationTest, AChosenLanguageStoredAsABareTextIsKept) {
    // How the INI format keeps a string list of one, as a former build wrote it.
    writeFile(Defaults(oldPlinto).filePath().toStdString(), "[General]\nAppleLanguages=ja\n");
    runMigration();
    EXPECT_EQ(AppSettings(Defaults(current)).chosenLanguage(), QStringLiteral("ja"));
}

TEST_F(RenameMigrationTest, RunsOnlyOnce) {
    runMigration();
    EXPECT_TRUE(Defaults(current).boolValue("migratedFromOldName"));
    Defaults(oldSorbeta).setValue("holdCleaned", true);
    writeFile(places().dataHome / "Plinto/history.json", "[]");

    runMigration();

    EXPECT_FALSE(Defaults(current).contains("holdCleaned"));
    EXPECT_TRUE(fs::exists(places().dataHome / "Plinto/history.json"));
    EXPECT_FALSE(fs::exists(places().dataHome / "Sorbeta"));
}

TEST_F(RenameMigrationTest, FormerDomainEqualToCurrentIsIgnoredAndEmptyDomainReadsBoth) {
    Defaults(oldSorbeta).setValue("holdCleaned", true);
    runMigration(oldSorbeta);
    EXPECT_EQ(Defaults(oldSorbeta).optionalBool("holdCleaned"), true);

    // No identifier at all: the empty domain equals no former one.
    Defaults(oldPlinto).setValue("soundEffects", false);
    runMigration(QString());
    EXPECT_EQ(Defaults(QString()).optionalBool("holdCleaned"), true);
    EXPECT_EQ(Defaults(QString()).optionalBool("soundEffects"), false);
}

TEST_F(RenameMigrationTest, OnlyFormerFolderIsMoved) {
    const fs::path support = places().dataHome;
    writeFile(support / "Plinto/history.json", "[1]");
    writeFile(support / "Plinto/Holding/ABC/manifest.json", "{}");

    runMigration();

    EXPECT_FALSE(fs::exists(support / "Plinto"));
    EXPECT_TRUE(fs::exists(support / "Sorbeta/history.json"));
    EXPECT_TRUE(fs::exists(support / "Sorbeta/Holding/ABC/manifest.json"));
}

TEST_F(RenameMigrationTest, FoldersAreNeverMergedOrReplaced) {
    const fs::path support = places().dataHome;
    writeFile(support / "Plinto/history.json", "old");
    writeFile(support / "Sorbeta/history.json", "new");
    runMigration();
    EXPECT_TRUE(fs::exists(support / "Plinto/history.json"));
    std::ifstream in(support / "Sorbeta/history.json");
    std::string text;
    in >> text;
    EXPECT_EQ(text, "new");
    EXPECT_TRUE(Defaults(current).boolValue("migratedFromOldName"));
}

TEST_F(RenameMigrationTest, ExistingItemAtNewNameEvenADanglingLinkBlocksTheMove) {
    const fs::path support = places().dataHome;
    writeFile(support / "Plinto/history.json", "old");
    fs::create_symlink(support / "nowhere", support / "Sorbeta");
    runMigration();
    EXPECT_TRUE(fs::exists(support / "Plinto/history.json"));
    EXPECT_TRUE(fs::is_symlink(support / "Sorbeta"));
}

TEST_F(RenameMigrationTest, FailedMoveIsNotRetried) {
    if (!test::permissionsEnforced()) GTEST_SKIP() << "permissions not enforced";
    const fs::path support = places().dataHome;
    writeFile(support / "Plinto/history.json", "old");
    fs::permissions(support, fs::perms::owner_read | fs::perms::owner_exec);
    runMigration();
    fs::permissions(support, fs::perms::owner_all);
    EXPECT_TRUE(fs::exists(support / "Plinto"));
    EXPECT_TRUE(Defaults(current).boolValue("migratedFromOldName"));
    runMigration();
    EXPECT_TRUE(fs::exists(support / "Plinto"));
    EXPECT_FALSE(fs::exists(support / "Sorbeta"));
}
