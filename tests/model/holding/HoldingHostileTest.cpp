// Manifests that are broken or written to do harm: never a crash, never a
// deletion or move outside the holding area.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "FileTree.h"
#include "OnDisk.h"
#include "TestEnvironment.h"
#include "model/holding/HoldingArea.h"
#include "platform/Places.h"

using namespace sorbeta;
namespace fs = std::filesystem;
using test::present;

namespace {

const char* kGoodId = "0A1B2C3D-0000-4000-8000-000000000001";

std::string manifest(const std::string& id, const std::string& date, const std::string& items) {
    return "{\"id\":\"" + id + "\",\"date\":\"" + date + "\",\"title\":\"t\",\"items\":[" + items + "]}";
}

std::string item(const std::string& original, const std::string& stored, const std::string& bytes = "1") {
    return "{\"original\":\"" + original + "\",\"stored\":\"" + stored + "\",\"bytes\":" + bytes + "}";
}

}  // namespace

class HoldingHostileTest : public test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        root = places().holdingFolder();
        tree = std::make_unique<test::FileTree>(home());
        tree->text("sentinel", "must stay");
        tree->text("docs/keep", "must stay");
        test::FileTree(outside()).text("keep", "must stay");
    }
    // A batch folder named `folder` holding a manifest and one held file.
    void plant(const std::string& folder, const std::string& contents) {
        test::FileTree batch(root / folder);
        batch.text("manifest.json", contents);
        batch.text("files/0-x", "held");
        ++planted;
    }
    void expectNothingOutsideTouched() {
        EXPECT_TRUE(present(home() / "sentinel"));
        EXPECT_TRUE(present(home() / "docs/keep"));
        EXPECT_TRUE(present(outside() / "keep"));
        EXPECT_TRUE(fs::is_directory(root));
    }

    fs::path root;
    std::unique_ptr<test::FileTree> tree;
    int planted = 0;
};

TEST_F(HoldingHostileTest, BrokenAndHostileManifestsAreNotBatches) {
    const std::string date = "2026-03-01T09:00:00Z";
    const std::string original = home().native();
    int n = 0;
    const auto name = [&] { return "F" + std::to_string(n++); };
    for (const std::string& text : std::vector<std::string>{
             std::string(""), std::string("garbage"), std::string("{"), std::string("[]"), std::string("null"),
             std::string(100000, '['),
             // wrong types
             "{\"id\":1,\"date\":\"" + date + "\",\"title\":\"t\",\"items\":[]}",
             "{\"id\":\"I\",\"date\":12,\"title\":\"t\",\"items\":[]}",
             "{\"id\":\"I\",\"date\":\"" + date + "\",\"title\":[],\"items\":[]}",
             "{\"id\":\"I\",\"date\":\"" + date + "\",\"title\":\"t\",\"items\":{}}", manifest("I", date, "1"),
             manifest("I", date, item(original + "\\/x", "0-x", "\"1\"")),
             manifest("I", date, item(original + "\\/x", "0-x", "1.5")),
             manifest("I", date, item(original + "\\/x", "0-x", "-1")),
             manifest("I", date, item(original + "\\/x", "0-x", "1e30")),
             // missing keys
             "{\"date\":\"" + date + "\",\"title\":\"t\",\"items\":[]}", "{\"id\":\"I\",\"title\":\"t\",\"items\":[]}",
             "{\"id\":\"I\",\"date\":\"" + date + "\",\"items\":[]}",
             "{\"id\":\"I\",\"date\":\"" + date + "\",\"title\":\"t\"}",
             manifest("I", date, "{\"stored\":\"0-x\",\"bytes\":1}"),
             manifest("I", date, "{\"original\":\"/x\",\"bytes\":1}"),
             manifest("I", date, "{\"original\":\"/x\",\"stored\":\"0-x\"}"),
             // fractional and other dates
             manifest("I", "2026-03-01T09:00:00.250Z", ""), manifest("I", "2026-03-01T09:00:00+01:00", ""),
             // hostile stored names and originals
             manifest("I", date, item(original + "/x", "..")), manifest("I", date, item(original + "/x", ".")),
             manifest("I", date, item(original + "/x", "")),
             manifest("I", date, item(original + "/x", "..\\/..\\/..\\/sentinel")),
             manifest("I", date, item(original + "/x", "a\\udc2fb")),
             manifest("I", date, item(original + "/x", "a\\u0000b")), manifest("I", date, item("relative/x", "0-x")),
             manifest("I", date, item("/a/../b", "0-x")), manifest("I", date, item("/a\\u0000b", "0-x")),
             manifest("I", date, item("/a\\ud800b", "0-x"))}) {
        // The id "I" is replaced by the folder's own name so that only the
        // fault under test makes the manifest unreadable.
        const std::string folder = name();
        std::string contents = text;
        if (const auto at = contents.find("\"id\":\"I\""); at != std::string::npos) {
            contents.replace(at, 8, "\"id\":\"" + folder + "\"");
        }
        plant(folder, contents);
    }
    // An id that is not the folder's name, or that names a way out of it.
    for (const std::string& id : {std::string(".."), std::string("."), std::string(""), std::string("other"),
                                  std::string("..\\/.."), std::string(kGoodId)}) {
        plant(name(), manifest(id, date, item(original + "/x", "0-x")));
    }
    // A huge (sparse) manifest, a pipe, a folder and a link in its place.
    test::FileTree(root).sparse("huge/manifest.json", int64_t(200) << 20);
    fs::create_directories(root / "F-pipe");
    ::mkfifo((root / "F-pipe/manifest.json").c_str(), 0600);
    fs::create_directories(root / "F-dir/manifest.json");
    test::FileTree(outside()).text("real/manifest.json", manifest("F-link", date, item(original + "/x", "0-x")));
    fs::create_directories(root / "F-link");
    fs::create_symlink(outside() / "real/manifest.json", root / "F-link/manifest.json");
    // A batch folder that is itself a link to a well-formed batch elsewhere.
    test::FileTree(outside()).text("elsewhere/manifest.json", manifest("F-away", date, item(original + "/y", "keep")));
    fs::create_symlink(outside() / "elsewhere", root / "F-away");

    HoldingArea area(root);
    EXPECT_TRUE(area.batches().empty());
    // A month later every one of them is an orphan: all go, nothing else.
    area.purgeExpired(7, QDateTime::currentDateTimeUtc().addDays(30));
    expectNothingOutsideTouched();
    EXPECT_TRUE(present(outside() / "elsewhere/manifest.json"));
    EXPECT_TRUE(present(outside() / "real/manifest.json"));
    // Only the area's own lock file stays.
    std::vector<fs::path> left(fs::directory_iterator(root), fs::directory_iterator{});
    EXPECT_EQ(left, std::vector<fs::path>{root / ".lock"});
}

TEST_F(HoldingHostileTest, HostileIdsGivenDirectlyDoNothing) {
    test::FileTree(root).text("B/files/0-x", "held");
    HoldingArea area(root);
    for (const std::string& id : {std::string(""), std::string("."), std::string(".."), std::string("B/files"),
                                  std::string("../.."), std::string("/"), std::string("B/../..")}) {
        HoldBatch batch{id,
                        QDateTime::currentDateTimeUtc(),
                        QStringLiteral("t"),
                        {{(home() / "restored").native(), "0-x", 1}, {(home() / "r2").native(), "sentinel", 1}}};
        EXPECT_EQ(area.purge(batch), 0) << id;
        EXPECT_EQ(area.restore(batch), HoldingArea::RestoreResult{}) << id;
    }
    // Items whose stored name leads out of the files folder are never moved.
    HoldBatch sneaky{
        "B",
        QDateTime::currentDateTimeUtc(),
        QStringLiteral("t"),
        {{(home() / "stolen").native(), "../../../../sentinel", 1}, {(home() / "stolen2").native(), "..", 1}}};
    EXPECT_EQ(area.restore(sneaky).restored, 0);
    EXPECT_FALSE(present(home() / "stolen"));
    expectNothingOutsideTouched();
    EXPECT_TRUE(present(root / "B/files/0-x"));
}

TEST_F(HoldingHostileTest, HostileJournalsAreNotBatches) {
    const std::string header = "{\"id\":\"J\",\"date\":\"2026-03-01T09:00:00Z\"}\n";
    const std::string original = (home() / "x").native();
    int n = 0;
    for (const std::string& journal : std::vector<std::string>{
             std::string("{\"id\":\"..\",\"date\":\"2026-03-01T09:00:00Z\"}\n") + item(original, "0-x") + "\n",
             header + "garbage\n" + item(original, "0-x") + "\n", header + item(original, "../x") + "\n",
             header + "{\"undo\":\"0-x\"}\n",  // nothing left
             std::string(item(original, "0-x")) + "\n"}) {
        const std::string folder = "J" + std::to_string(n++);
        std::string text = journal;
        if (const auto at = text.find("\"id\":\"J\""); at != std::string::npos)
            text.replace(at, 8, "\"id\":\"" + folder + "\"");
        test::FileTree batch(root / folder);
        batch.text("manifest.journal", text);
        batch.text("files/0-x", "held");
    }
    HoldingArea area(root);
    EXPECT_TRUE(area.batches().empty());
    expectNothingOutsideTouched();
}

TEST_F(HoldingHostileTest, ABatchFolderSwappedForALinkIsNeitherFollowedNorWrittenThrough) {
    tree->text("held/a", "a");
    HoldingArea area(root);
    auto writer = area.makeWriter();
    ASSERT_TRUE(writer->hold(home() / "held/a", 1));
    const auto batch = *area.commit(*writer, QStringLiteral("t"), QDateTime::currentDateTimeUtc());
    // The sheet still shows the batch; meanwhile its folder became a link to
    // a look-alike elsewhere.
    fs::rename(root / batch.id, outside() / "moved");
    test::FileTree(outside()).text("lookalike/files/0-a", "not ours");
    fs::create_symlink(outside() / "lookalike", root / batch.id);

    const auto result = area.restore(batch);
    EXPECT_EQ(result.restored, 0);
    EXPECT_FALSE(present(home() / "held/a"));
    EXPECT_FALSE(present(outside() / "lookalike/manifest.json"));
    EXPECT_TRUE(present(outside() / "lookalike/files/0-a"));

    area.purge(batch);  // the link goes, never what it points to
    EXPECT_FALSE(present(root / batch.id));
    EXPECT_TRUE(present(outside() / "lookalike/files/0-a"));
    EXPECT_TRUE(present(outside() / "moved/files/0-a"));
    expectNothingOutsideTouched();
}
