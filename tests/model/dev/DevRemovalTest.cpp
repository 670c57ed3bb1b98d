#include "model/dev/DevRemoval.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "DevTestSupport.h"
#include "platform/EntryInfo.h"

namespace sorbeta {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUuid = "0A1B2C3D-4E5F-6789-ABCD-EF0123456789";

class DevRemovalTest : public test::DevHomeTest {
protected:
    fs::path trashFiles() const { return places().dataHome / "Trash/files"; }
    fs::path toolLog() const { return outside() / "tool.log"; }
    std::string logged() const {
        std::ifstream in(toolLog());
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // A tool that notes its arguments and ends with `status`.
    void loggingTool(const std::string& name, int status, const std::string& output = {}) {
        tool(name, "echo \"$*\" >> '" + toolLog().native() + "'\n" + (output.empty() ? "" : "echo '" + output + "'\n") +
                       "exit " + std::to_string(status));
    }
    static DevEntry entry(const char* id, int64_t bytes, DevEntry::Action action) {
        DevEntry made;
        made.id = QString::fromUtf8(id);
        made.bytes = bytes;
        made.action = std::move(action);
        return made;
    }
    // An idle node project: every part `days` old.
    fs::path idleProject(const std::string& relative, int days = 200) {
        tree->text(relative + "/package.json", "{}");
        tree->file(relative + "/node_modules/dep/index.js", 8192);
        for (const char* part :
             {"/node_modules/dep/index.js", "/node_modules/dep", "/node_modules", "/package.json", ""})
            ageDays(relative + part, days);
        return home() / relative;
    }
    DevScan::RemovalOutcome perform(const std::vector<DevEntry>& entries, DevScan::TrashFile trashFile = {}) {
        return DevScan::perform(entries, environment, trashFile);
    }
};

TEST_F(DevRemovalTest, EachKindOfEntryCountsWhatItsRowShowed) {
    EXPECT_EQ(perform({}), (DevScan::RemovalOutcome{0, 0}));

    loggingTool("xcrun", 0);
    const auto archive = tree->file("Library/Developer/Xcode/Archives/2024-01-01/A.xcarchive/data", 4096);
    std::vector<fs::path> handed;
    const auto trashFile = [&](const fs::path& url) {
        handed.push_back(url);
        return url.filename() == "yes.bin";
    };
    const auto outcome = perform({entry("dev", 100, DevEntry::SimDevice{QString::fromUtf8(kUuid)}),
                                  entry("rt", 200, DevEntry::SimRuntime{QString::fromUtf8(kUuid).toLower()}),
                                  entry("arc", 1000, DevEntry::Trash{{archive.parent_path()}}),
                                  entry("file", 10'000, DevEntry::TrashFile{home() / "yes.bin"}),
                                  entry("refused", 20'000, DevEntry::TrashFile{home() / "no.bin"}),
                                  entry("look", 40'000, DevEntry::Reveal{home() / "yes.bin"})},
                                 trashFile);
    // Listed sizes, not new measurements: 100 + 200 + 1000 + 10,000.
    EXPECT_EQ(outcome, (DevScan::RemovalOutcome{11'300, 2}));
    EXPECT_EQ(logged(), std::string("simctl delete ") + kUuid + "\nsimctl runtime delete " +
                            QString::fromUtf8(kUuid).toLower().toStdString() + "\n");
    EXPECT_FALSE(platform::entryExists(archive));
    EXPECT_TRUE(platform::entryExists(trashFiles() / "A.xcarchive/data"));
    // The reveal-only entry never reaches the mover.
    EXPECT_EQ(handed, (std::vector<fs::path>{home() / "yes.bin", home() / "no.bin"}));
    EXPECT_EQ(perform({entry("file", 10, DevEntry::TrashFile{home() / "yes.bin"})}), (DevScan::RemovalOutcome{0, 1}))
        << "no file mover: fails";
}

TEST_F(DevRemovalTest, SimulatorToolRunsOnlyForRealIdentifiersAndSucceedsOnlyOnStatusZero) {
    loggingTool("xcrun", 0);
    for (const char* bad :
         {"", "not-a-uuid", "{0A1B2C3D-4E5F-6789-ABCD-EF0123456789}", "0A1B2C3D4E5F6789ABCDEF0123456789",
          "0A1B2C3D-4E5F-6789-ABCD-EF012345678G", "0A1B2C3D-4E5F-6789-ABCD-EF0123456789; rm -rf ~",
          // A fullwidth and an Arabic-Indic digit: decimal digits, but not hexadecimal ones.
          "\xEF\xBC\x90"
          "A1B2C3D-4E5F-6789-ABCD-EF0123456789",
          "0A1B2C3D-4E5F-6789-ABCD-EF012345678\xD9\xA3"}) {
        EXPECT_FALSE(DevScan::isUuidText(QString::fromUtf8(bad))) << bad;
        EXPECT_EQ(perform({entry("d", 5, DevEntry::SimDevice{QString::fromUtf8(bad)}),
                           entry("r", 5, DevEntry::SimRuntime{QString::fromUtf8(bad)})}),
                  (DevScan::RemovalOutcome{0, 2}));
    }
    EXPECT_EQ(logged(), "");

    loggingTool("xcrun", 1);
    EXPECT_EQ(perform({entry("d", 5, DevEntry::SimDevice{QString::fromUtf8(kUuid)})}), (DevScan::RemovalOutcome{0, 1}));
    tool("xcrun", "sleep 5");
    environment.toolTimeLimit = std::chrono::milliseconds(100);
    EXPECT_EQ(perform({entry("d", 5, DevEntry::SimDevice{QString::fromUtf8(kUuid)})}), (DevScan::RemovalOutcome{0, 1}));
}

TEST_F(DevRemovalTest, ContainerPruneCountsWhatTheEngineReclaimed) {
    const auto prune = entry("docker:prune", 9'000'000'000, DevEntry::DockerPrune{});
    loggingTool("docker", 0, "Total reclaimed space: 1.5GB");
    EXPECT_EQ(perform({prune}), (DevScan::RemovalOutcome{1'500'000'000, 0}));
    EXPECT_EQ(logged(), "system prune -f\n");
    loggingTool("docker", 1);
    EXPECT_EQ(perform({prune}), (DevScan::RemovalOutcome{0, 1}));
    environment.dockerCandidates = {outside() / "missing/docker"};
    EXPECT_EQ(perform({prune}), (DevScan::RemovalOutcome{0, 1}));
}

TEST_F(DevRemovalTest, TrashMovesOnlyInsideTheDeveloperFolders) {
    EXPECT_FALSE(DevScan::trash({}, environment));
    const fs::path archives = home() / "Library/Developer/Xcode/Archives";
    EXPECT_FALSE(DevScan::trash({archives / "gone.xcarchive"}, environment)) << "nothing there: nothing moved";

    // One allowed item and one elsewhere: the allowed one goes, the call fails.
    const auto kept = tree->file("Documents/thesis.pdf", 4096);
    const auto archive = tree->file("Library/Developer/Xcode/Archives/d/One.xcarchive/x", 4096).parent_path();
    EXPECT_FALSE(DevScan::trash({archive, kept}, environment));
    EXPECT_FALSE(platform::entryExists(archive));
    EXPECT_TRUE(platform::entryExists(kept));

    // Climbing out with "..", or through a link on the way, is judged where it leads.
    tree->dir("Library/Developer/Xcode/Archives/d/deep");
    EXPECT_FALSE(DevScan::trash({archives / "d/deep/../../../../../../Documents/thesis.pdf"}, environment));
    tree->symlink(home() / "Documents", "Library/Developer/Xcode/Archives/escape");
    EXPECT_FALSE(DevScan::trash({archives / "escape/thesis.pdf"}, environment));
    EXPECT_TRUE(platform::entryExists(kept));
    // The link itself is a developer item like any other: it goes, its target stays.
    EXPECT_TRUE(DevScan::trash({archives / "escape"}, environment));
    EXPECT_TRUE(platform::entryExists(kept));

    // Every application named Xcode…, and nothing else there.
    test::FileTree apps(environment.applications);
    const auto beta = apps.file("Xcode-beta.app/x", 4096).parent_path();
    const auto other = apps.file("Other.app/x", 4096).parent_path();
    EXPECT_TRUE(DevScan::trash({beta}, environment));
    EXPECT_FALSE(DevScan::trash({other}, environment));
    EXPECT_TRUE(platform::entryExists(other));

    // The Android images and emulators of this system's SDK.
    const auto image = tree->file("Android/Sdk/system-images/android-34/google_apis/x86_64/system.img", 4096);
    const auto avd = tree->file(".android/avd/Pixel.avd/config.ini", 10).parent_path();
    const auto ini = tree->text(".android/avd/Pixel.ini", "path=x");
    EXPECT_TRUE(DevScan::trash({image.parent_path(), avd, ini}, environment));
    EXPECT_FALSE(platform::entryExists(image));
    EXPECT_FALSE(platform::entryExists(ini));
    // The allowed folders themselves are not inside themselves.
    EXPECT_FALSE(DevScan::trash({home() / ".android/avd"}, environment));
    EXPECT_TRUE(platform::entryExists(home() / ".android/avd"));
}

TEST_F(DevRemovalTest, ArtifactsGoOnlyWhileStillArtifactsOfAnIdleProject) {
    const auto first = idleProject("Projects/first");
    const auto outcome = perform({entry("stale:first", 777, DevEntry::Artifacts{{first / "node_modules"}})});
    EXPECT_EQ(outcome, (DevScan::RemovalOutcome{777, 0}));
    EXPECT_FALSE(platform::entryExists(first / "node_modules"));
    EXPECT_TRUE(platform::entryExists(first / "package.json"));
    // Removed by hand before the run: nothing freed, the entry fails.
    EXPECT_EQ(perform({entry("stale:first", 777, DevEntry::Artifacts{{first / "node_modules"}})}),
              (DevScan::RemovalOutcome{0, 1}));

    // One folder of the entry goes, the other holds a checkout since the
    // search and stays: only what went counts, and the entry failed.
    const auto second = idleProject("Projects/second");
    tree->file("Projects/second/.venv/lib/big.bin", 1 << 20);
    tree->text("Projects/second/requirements.txt", "x");
    tree->file("Projects/second/.venv/src/dep/.git/HEAD");
    for (const char* part : {"/.venv/lib/big.bin", "/.venv/lib", "/.venv/src/dep/.git/HEAD", "/.venv/src/dep/.git",
                             "/.venv/src/dep", "/.venv/src", "/.venv", "/requirements.txt", ""})
        ageDays("Projects/second" + std::string(part), 200);
    const int64_t modules = DiskScanner::size(second / "node_modules");
    ASSERT_GT(modules, 0);
    EXPECT_EQ(
        perform({entry("stale:second", 5'000'000, DevEntry::Artifacts{{second / "node_modules", second / ".venv"}})}),
        (DevScan::RemovalOutcome{modules, 1}));
    EXPECT_FALSE(platform::entryExists(second / "node_modules"));
    EXPECT_TRUE(platform::entryExists(second / ".venv/lib/big.bin"));

    // The marker went meanwhile: no longer a dependency folder.
    const auto unmarked = idleProject("Projects/unmarked");
    fs::remove(unmarked / "package.json");
    // Someone worked on it since the search.
    const auto busy = idleProject("Projects/busy");
    tree->text("Projects/busy/src/new.js", "x");
    // A name no rule knows.
    const auto named = idleProject("Projects/named");
    tree->file("Projects/named/src/main.js", 4096);
    ageDays("Projects/named/src/main.js", 200);
    ageDays("Projects/named/src", 200);
    ageDays("Projects/named", 200);
    // The folder became a link to something else.
    const auto linked = idleProject("Projects/linked");
    const auto elsewhere = tree->file("Documents/keep/index.js", 4096).parent_path();
    fs::remove_all(linked / "node_modules");
    tree->symlink(elsewhere, "Projects/linked/node_modules");
    ageDays("Projects/linked", 200);
    // A checkout was kept inside it since the search.
    const auto checkout = idleProject("Projects/checkout");
    tree->file("Projects/checkout/node_modules/dep/.git/HEAD");
    for (const char* part : {"/node_modules/dep/.git", "/node_modules/dep", "/node_modules", ""})
        ageDays("Projects/checkout" + std::string(part), 200);

    EXPECT_EQ(perform({entry("a", 1, DevEntry::Artifacts{{unmarked / "node_modules"}}),
                       entry("b", 1, DevEntry::Artifacts{{busy / "node_modules"}}),
                       entry("c", 1, DevEntry::Artifacts{{named / "src"}}),
                       entry("d", 1, DevEntry::Artifacts{{linked / "node_modules"}}),
                       entry("e", 1, DevEntry::Artifacts{{checkout / "node_modules"}})}),
              (DevScan::RemovalOutcome{0, 5}));
    for (const fs::path& still : {unmarked / "node_modules", busy / "node_modules", named / "src",
                                  linked / "node_modules", elsewhere / "index.js", checkout / "node_modules/dep/.git"})
        EXPECT_TRUE(platform::entryExists(still)) << still;
}

TEST_F(DevRemovalTest, ArtifactsARunningProgramHoldsOnToStay) {
    // Started since the search from the project's dependencies.
    const auto bot = idleProject("Projects/bot");
    const auto artifacts = DevEntry::Artifacts{{bot / "node_modules"}};
    environment.placesInUse = [&] { return std::vector<fs::path>{bot / "node_modules/dep/index.js"}; };
    EXPECT_EQ(perform({entry("stale:bot", 777, artifacts)}), (DevScan::RemovalOutcome{0, 1}));
    EXPECT_TRUE(platform::entryExists(bot / "node_modules/dep/index.js"));

    // Once it ended they go.
    environment.placesInUse = [] { return std::vector<fs::path>{}; };
    EXPECT_EQ(perform({entry("stale:bot", 777, artifacts)}), (DevScan::RemovalOutcome{777, 0}));
    EXPECT_FALSE(platform::entryExists(bot / "node_modules"));
}

}  // namespace
}  // namespace sorbeta
