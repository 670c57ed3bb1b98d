// The four groups: who belongs where, the boundaries, the ticks, the texts
// of each entry, and a whole load that leaves access times alone.
#include <gtest/gtest.h>

#include "FilesTestSupport.h"
#include "model/dev/DevDates.h"
#include "model/dev/DevModel.h"
#include "model/dev/DevRemoval.h"
#include "model/files/FileGroups.h"
#include "model/files/FileTrash.h"
#include "platform/Translate.h"

namespace sorbeta {
namespace {

using FileFinder::Found;
using test::kBig;

class FileGroupsTest : public test::FilesHomeTest {
protected:
    // A candidate that exists only as a record, last used `days` ago.
    Found found(const std::filesystem::path& path, int64_t bytes, double days) const {
        const QDateTime used = now.addMSecs(-int64_t(days * 86'400'000));
        return Found{path, bytes, used, used, false};
    }
    std::vector<DevGroup> groupsOf(const std::vector<Found>& files) const {
        return FileFinder::groups(files, now, places());
    }
    static std::vector<QString> idsOf(const std::vector<DevGroup>& groups) {
        std::vector<QString> ids;
        for (const auto& group : groups) ids.push_back(group.id);
        return ids;
    }
    static const DevGroup* group(const std::vector<DevGroup>& groups, const char* id) {
        for (const auto& group : groups)
            if (group.id == QLatin1String(id)) return &group;
        return nullptr;
    }
    static std::vector<QString> titles(const DevGroup* group) {
        std::vector<QString> names;
        if (group)
            for (const auto& entry : group->entries) names.push_back(entry.title);
        return names;
    }
};

TEST_F(FileGroupsTest, AnOldBigInstallerIsListedThreeTimes) {
    const auto image = downloads() / "Tool.iso";
    const auto groups = groupsOf({found(image, 600'000'000, 730)});
    ASSERT_EQ(idsOf(groups), (std::vector<QString>{"installers", "stale", "large"}));
    const QString expectedDetail =
        QStringLiteral("~/Downloads · ") + sorbeta::tr("上次打开 ") + DevDates::abbreviatedDate(now.addDays(-730));
    const char* prefixes[] = {"inst:", "old:", "big:"};
    for (std::size_t i = 0; i < groups.size(); ++i) {
        ASSERT_EQ(groups[i].entries.size(), 1u);
        const DevEntry& entry = groups[i].entries[0];
        EXPECT_EQ(entry.id, QString::fromUtf8(prefixes[i]) + QString::fromStdString(image.native()));
        EXPECT_EQ(entry.title, QStringLiteral("Tool.iso"));
        EXPECT_EQ(entry.detail, expectedDetail);
        EXPECT_EQ(entry.bytes, 600'000'000);
        EXPECT_EQ(entry.action, DevEntry::Action(DevEntry::TrashFile{image}));
        EXPECT_EQ(entry.recommended, i == 0);  // only the installer is ticked
        EXPECT_FALSE(entry.cluster);
    }
    EXPECT_EQ(groups[0].recommendedBytes(), 600'000'000);
    EXPECT_EQ(groups[0].icon, QStringLiteral("shippingbox"));
    EXPECT_EQ(groups[0].flavor, Flavor::peach);
}

TEST_F(FileGroupsTest, FoldersTheDesktopKeepsTogetherOfferEachFileOnce) {
    // Downloads inside Documents, then Downloads and Desktop as one folder:
    // an old installer there is one entry, counted once.
    platform::Places nested = places();
    nested.downloads = documents() / "Downloads";
    const auto image = written("Documents/Downloads/Tool.iso", kBig);
    setTimes(image, 40, 40);
    platform::Places shared = places();
    shared.desktop = shared.downloads;
    const auto other = written("Downloads/Other.iso", kBig, 2);
    setTimes(other, 40, 40);
    for (const auto& [where, file] : {std::pair{nested, image}, std::pair{shared, other}}) {
        const auto groups = FileFinder::all(now, where);
        const DevGroup* installers = group(groups, "installers");
        ASSERT_TRUE(installers) << file;
        ASSERT_EQ(installers->entries.size(), 1u) << file;
        EXPECT_EQ(installers->entries[0].id, QStringLiteral("inst:") + QString::fromStdString(file.native()));
        EXPECT_EQ(installers->recommendedBytes(), installers->entries[0].bytes);
    }
}

TEST_F(FileGroupsTest, InstallersAreOldPackagesInTheDownloadsFolder) {
    const auto d = downloads();
    const auto groups = groupsOf({
        found(d / "A.DMG", kBig, 40),                 // capitals count
        found(d / "sub/b.deb", kBig, 40),             // in a subfolder too
        found(d / "c.rpm", kBig + 1, 40),             // Linux packages
        found(d / "d.tar.gz", kBig, 40),              // not an installer
        found(places().desktop / "e.pkg", kBig, 40),  // not in Downloads
        found(d / "f.zip", kBig, 30),                 // exactly 30 days: not yet
        found(d / "g.zip", kBig, 30 + 1.0 / 86'400),  // a second older
        found(home() / "Downloads-old/h.zip", kBig, 40),
    });
    // Largest first, then in walk order.
    EXPECT_EQ(titles(group(groups, "installers")), (std::vector<QString>{"c.rpm", "A.DMG", "b.deb", "g.zip"}));

    // A desktop in Chinese keeps its downloads in ~/下载.
    platform::Places chinese = places();
    chinese.downloads = home() / "下载";
    const auto local =
        FileFinder::groups({found(home() / "下载/x.iso", kBig, 40), found(d / "y.iso", kBig, 40)}, now, chinese);
    EXPECT_EQ(titles(group(local, "installers")), std::vector<QString>{"x.iso"});
}

TEST_F(FileGroupsTest, StaleAndLargeBoundaries) {
    const auto d = documents();
    const auto groups = groupsOf({
        found(d / "stale", 100'000'000, 366),
        found(d / "just-under", 99'999'999, 366),
        found(d / "recent", 200'000'000, 365),
        found(d / "large", 500'000'000, 1),
        found(d / "not-large", 499'999'999, 1),
    });
    EXPECT_EQ(idsOf(groups), (std::vector<QString>{"stale", "large"}));
    EXPECT_EQ(titles(group(groups, "stale")), std::vector<QString>{"stale"});
    EXPECT_EQ(titles(group(groups, "large")), std::vector<QString>{"large"});
    EXPECT_EQ(group(groups, "stale")->recommendedBytes(), 0);

    // Only the 200 largest are listed, largest first.
    std::vector<Found> many;
    for (int i = 0; i < 250; ++i) many.push_back(found(d / std::to_string(i), 500'000'000 + i, 1));
    const auto large = groupsOf(many);
    ASSERT_EQ(idsOf(large), std::vector<QString>{"large"});
    ASSERT_EQ(large[0].entries.size(), 200u);
    EXPECT_EQ(large[0].entries.front().bytes, 500'000'249);
    EXPECT_EQ(large[0].entries.back().bytes, 500'000'050);
    EXPECT_TRUE(groupsOf({}).empty());
}

TEST_F(FileGroupsTest, NamesThatReadAlikeAsTextKeepTheirOwnTicks) {
    // Two names that differ in a byte that is not UTF-8 both read
    // "Caf\uFFFD.bin": ticking the copy to remove must not tick the one kept.
    const auto kept = written("Downloads/Caf\xe9.bin", kBig, 21);
    const auto copy = downloads() / "Caf\xe8.bin";
    std::filesystem::copy_file(kept, copy);
    Found first = found(kept, test::FileTree::allocated(kept), 1);
    first.created = now.addDays(-9);
    Found second = found(copy, test::FileTree::allocated(copy), 1);
    second.created = now.addDays(-2);
    const auto groups = groupsOf({first, second});
    const DevGroup* dups = group(groups, "dups");
    ASSERT_TRUE(dups);
    ASSERT_EQ(dups->entries.size(), 2u);
    EXPECT_NE(dups->entries[0].id, dups->entries[1].id);
    DevModel page(
        DevModel::filesTexts(), Flavor::lemon, [] { return std::vector<DevGroup>{}; },
        [](const std::vector<DevEntry>&) { return DevModel::Result{}; });
    for (const DevEntry& entry : dups->entries)
        if (entry.recommended) page.toggle(entry);
    const std::vector<DevEntry> picked = page.pickedEntries(*dups);
    ASSERT_EQ(picked.size(), 1u);
    EXPECT_EQ(std::get<DevEntry::TrashFile>(picked[0].action).url, copy);
}

TEST_F(FileGroupsTest, DuplicatesKeepTheEarliestAndNameIt) {
    // Two sets on disk; their records carry chosen creation dates.
    const auto a1 = written("Downloads/a-new.bin", kBig, 1);
    const auto a2 = documents() / "a-old.bin";
    std::filesystem::copy_file(a1, a2);
    const auto a3 = places().desktop / "a-mid.bin";
    std::filesystem::copy_file(a1, a3);
    const auto b1 = written("Pictures/b1.bin", kBig, 2);
    const auto b2 = places().music / "b2.bin";
    std::filesystem::copy_file(b1, b2);
    const auto record = [&](const std::filesystem::path& path, int createdDaysAgo) {
        Found file = found(path, test::FileTree::allocated(path), 1);
        file.created = now.addDays(-createdDaysAgo);
        return file;
    };
    const auto groups = groupsOf({record(a1, 1), record(b1, 3), record(a2, 30), record(b2, 5), record(a3, 10)});
    ASSERT_EQ(idsOf(groups), std::vector<QString>{"dups"});
    const auto& entries = groups[0].entries;
    ASSERT_EQ(entries.size(), 5u);
    // The three-copy set saves more, so it comes first.
    EXPECT_EQ(titles(&groups[0]), (std::vector<QString>{"a-old.bin", "a-mid.bin", "a-new.bin", "b2.bin", "b1.bin"}));
    EXPECT_EQ(entries[0].detail, sorbeta::tr("%1 · 保留这一份（最早）").arg(QStringLiteral("~/Documents")));
    EXPECT_EQ(entries[1].detail,
              sorbeta::tr("%1 · 和 %2 一模一样").arg(QStringLiteral("~/Desktop"), QStringLiteral("a-old.bin")));
    EXPECT_EQ(entries[4].detail,
              sorbeta::tr("%1 · 和 %2 一模一样").arg(QStringLiteral("~/Pictures"), QStringLiteral("b2.bin")));
    const std::vector<bool> ticks = {false, true, true, false, true};
    const std::vector<int> clusters = {0, 0, 0, 1, 1};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].recommended, ticks[i]) << i;
        EXPECT_EQ(entries[i].cluster, clusters[i]) << i;
        EXPECT_TRUE(entries[i].id.startsWith(QStringLiteral("dup:/"))) << i;
    }
}

TEST_F(FileGroupsTest, ADuplicateMovesOnlyWhileBothCopiesAreAsSearched) {
    // A fresh pair of copies, and the ticked entry of a search over them.
    const auto ticked = [&](const std::string& name, uint32_t seed) {
        std::filesystem::remove_all(downloads());
        std::filesystem::create_directories(downloads());
        const auto first = written("Downloads/" + name, kBig, seed);
        std::filesystem::copy_file(first, downloads() / ("copy of " + name));
        const auto groups = FileFinder::all(now, places());
        const DevGroup* dups = group(groups, "dups");
        EXPECT_TRUE(dups && dups->entries.size() == 2u);
        DevEntry picked;
        if (dups)
            for (const DevEntry& entry : dups->entries)
                if (entry.recommended) picked = entry;
        return picked;
    };
    const auto perform = [&](const DevEntry& entry) {
        return DevScan::perform({entry}, DevEnvironment{},
                                [&](const std::filesystem::path& url) { return FileFinder::trash(url, places()); });
    };
    const auto urlOf = [](const DevEntry& entry) { return std::get<DevEntry::TrashFile>(entry.action).url; };
    const auto keptOf = [](const DevEntry& entry) { return std::get<DevEntry::TrashFile>(entry.action).kept; };

    // Edited since the search: same length, new modification time.
    const DevEntry edited = ticked("edited.bin", 11);
    ASSERT_FALSE(urlOf(edited).empty());
    flipByte(urlOf(edited), 100);
    setTimes(urlOf(edited), 1, 1);
    EXPECT_EQ(perform(edited), (DevScan::RemovalOutcome{0, 1}));
    EXPECT_TRUE(std::filesystem::exists(urlOf(edited)));

    // The kept copy deleted since the search: the other is the only one left.
    const DevEntry orphan = ticked("orphan.bin", 12);
    ASSERT_FALSE(keptOf(orphan).empty());
    std::filesystem::remove(keptOf(orphan));
    EXPECT_EQ(perform(orphan), (DevScan::RemovalOutcome{0, 1}));
    EXPECT_TRUE(std::filesystem::exists(urlOf(orphan)));

    // Both as searched: it goes, as before.
    const DevEntry unchanged = ticked("same.bin", 13);
    ASSERT_FALSE(urlOf(unchanged).empty());
    EXPECT_EQ(perform(unchanged), (DevScan::RemovalOutcome{unchanged.bytes, 0}));
    EXPECT_FALSE(std::filesystem::exists(urlOf(unchanged)));
    EXPECT_TRUE(std::filesystem::exists(keptOf(unchanged)));
}

TEST_F(FileGroupsTest, ACopyChangedAfterTheWalkLookedAtItIsNotTheOneOffered) {
    // Changed while the search was still hashing: the entry describes the
    // file the walk saw, so the move finds it changed and leaves it.
    const auto first = written("Downloads/film.mkv", kBig, 21);
    const auto copy = downloads() / "film copy.mkv";
    std::filesystem::copy_file(first, copy);
    setTimes(first, 400, 400);  // the earliest, so the copy is the ticked one
    const std::vector<Found> found = FileFinder::collect({downloads()}, places());
    setTimes(copy, 1, 1);

    const auto groups = groupsOf(found);
    const DevGroup* dups = group(groups, "dups");
    ASSERT_TRUE(dups && dups->entries.size() == 2u);
    const DevEntry& ticked = dups->entries[1];
    ASSERT_TRUE(ticked.recommended);
    ASSERT_EQ(std::get<DevEntry::TrashFile>(ticked.action).url, copy);
    const auto outcome = DevScan::perform(
        {ticked}, DevEnvironment{}, [&](const std::filesystem::path& url) { return FileFinder::trash(url, places()); });
    EXPECT_EQ(outcome, (DevScan::RemovalOutcome{0, 1}));
    EXPECT_TRUE(std::filesystem::exists(copy));
}

// Only the home itself is written "~": a folder whose name merely starts
// like it, or one that holds a copy of its path further down, is shown whole.
TEST_F(FileGroupsTest, TheHomeIsShortenedOnlyAtTheStart) {
    const std::string homeText = home().native();
    const std::filesystem::path sibling = homeText + "2/x";
    const std::filesystem::path mirror = outside().native() + homeText + "/x";
    const auto groups =
        groupsOf({found(home() / "Videos/a.bin", 900'000'000, 1), found(home() / "b.bin", 800'000'000, 1),
                  found(sibling / "c.bin", 700'000'000, 1), found(mirror / "d.bin", 600'000'000, 1)});
    const DevGroup* large = group(groups, "large");
    ASSERT_TRUE(large);
    ASSERT_EQ(large->entries.size(), 4u);
    const QString opened =
        QStringLiteral(" · ") + sorbeta::tr("上次打开 ") + DevDates::abbreviatedDate(now.addDays(-1));
    EXPECT_EQ(large->entries[0].detail, QStringLiteral("~/Videos") + opened);
    EXPECT_EQ(large->entries[1].detail, QStringLiteral("~") + opened);
    EXPECT_EQ(large->entries[2].detail, QString::fromStdString(sibling.native()) + opened);
    EXPECT_EQ(large->entries[3].detail, QString::fromStdString(mirror.native()) + opened);
}

TEST_F(FileGroupsTest, ALinkedDownloadsFolderIsStillTheDownloadsFolder) {
    // Downloads kept elsewhere (a second disk), linked from the home.
    const auto elsewhere = outside() / "data/Downloads";
    std::filesystem::create_directories(elsewhere);
    std::filesystem::remove_all(downloads());
    std::filesystem::create_directory_symlink(elsewhere, downloads());
    const auto installer = written("Downloads/Tool.deb", kBig, 3);
    setTimes(installer, 40, 40);
    // A link inside it that leads to another folder outside the home.
    const auto other = outside() / "other";
    std::filesystem::create_directories(other);
    std::filesystem::create_directory_symlink(other, downloads() / "escape");
    std::ofstream(other / "keep.txt") << "x";

    const auto groups = FileFinder::all(now, places());
    const DevGroup* installers = group(groups, "installers");
    ASSERT_TRUE(installers);
    ASSERT_EQ(installers->entries.size(), 1u);
    const DevEntry& entry = installers->entries[0];
    EXPECT_EQ(std::get<DevEntry::TrashFile>(entry.action).url, downloads() / "Tool.deb");
    EXPECT_TRUE(entry.detail.startsWith(QStringLiteral("~/Downloads · "))) << entry.detail.toStdString();

    // What the page offers, it can move; nothing beyond the user's folder.
    EXPECT_FALSE(FileFinder::trash(downloads() / "escape/keep.txt", places()));
    EXPECT_TRUE(std::filesystem::exists(other / "keep.txt"));
    std::ofstream(outside() / "data/elsewhere.txt") << "x";
    EXPECT_FALSE(FileFinder::trash(outside() / "data/elsewhere.txt", places()));
    EXPECT_TRUE(FileFinder::trash(downloads() / "Tool.deb", places()));
    EXPECT_FALSE(std::filesystem::exists(elsewhere / "Tool.deb"));
}

TEST_F(FileGroupsTest, ALoadLeavesAccessTimesAlone) {
    // Two copies of an old installer: the search reads both through.
    const auto first = written("Downloads/setup.iso", kBig, 9);
    const auto second = downloads() / "setup (1).iso";
    std::filesystem::copy_file(first, second);
    setTimes(first, 400, 500);
    setTimes(second, 400, 500);
    const int64_t before = accessSeconds(first);

    for (int load = 0; load < 2; ++load) {
        const auto groups = FileFinder::all(now, places());
        EXPECT_EQ(idsOf(groups), (std::vector<QString>{"dups", "installers"})) << load;
        EXPECT_EQ(titles(group(groups, "installers")).size(), 2u) << load;
    }
    EXPECT_EQ(accessSeconds(first), before);
    EXPECT_EQ(accessSeconds(second), before);
}

}  // namespace
}  // namespace sorbeta
