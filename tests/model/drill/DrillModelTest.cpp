#include "model/drill/DrillModel.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QThreadPool>
#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

#include "FileTree.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"
#include "model/drill/DrillListing.h"
#include "platform/Listing.h"

namespace sorbeta {
namespace {
namespace fs = std::filesystem;

// Sizes by last path component, so results never depend on block sizes; every
// call is counted by path.
class FakeSizer {
public:
    std::map<std::string, int64_t> bytesByName;
    int64_t otherwise = 1;

    DrillSizer sizer() {
        return [this](const fs::path& url, DiskScanner::InodeSet&, std::stop_token) {
            std::lock_guard guard(lock_);
            ++calls_[url];
            const auto found = bytesByName.find(url.filename().string());
            return found == bytesByName.end() ? otherwise : found->second;
        };
    }
    int calls(const fs::path& url) const {
        std::lock_guard guard(lock_);
        const auto found = calls_.find(url);
        return found == calls_.end() ? 0 : found->second;
    }
    int totalCalls() const {
        std::lock_guard guard(lock_);
        int total = 0;
        for (const auto& [url, count] : calls_) total += count;
        return total;
    }

private:
    mutable std::mutex lock_;
    std::map<fs::path, int> calls_;
};

// Holds every measurement until opened; a stopped walk is let go at once.
class Gate {
public:
    DrillSizer sizer(std::atomic<int>& started) {
        return [this, &started](const fs::path&, DiskScanner::InodeSet&, std::stop_token stop) -> int64_t {
            ++started;
            std::unique_lock guard(lock_);
            while (!open_ && !stop.stop_requested()) wake_.wait_for(guard, std::chrono::milliseconds(2));
            return 7;
        };
    }
    void open() {
        std::lock_guard guard(lock_);
        open_ = true;
        wake_.notify_all();
    }

private:
    std::mutex lock_;
    std::condition_variable wake_;
    bool open_ = false;
};

std::vector<std::string> names(const std::vector<DirEntry>& entries) {
    std::vector<std::string> result;
    for (const DirEntry& entry : entries) result.push_back(entry.name.toStdString());
    return result;
}

DrillLevel level(std::vector<fs::path> urls, QString title = QStringLiteral("level")) {
    return DrillLevel{.title = std::move(title), .flavor = Flavor::mango, .urls = std::move(urls)};
}

class DrillModelTest : public test::HomeTest {
protected:
    void SetUp() override {
        test::HomeTest::SetUp();
        pool_.setMaxThreadCount(3);
    }
    void TearDown() override {
        pool_.waitForDone();
        test::HomeTest::TearDown();
    }
    DrillEnvironment environment(DrillSizer sizer) {
        DrillEnvironment result;
        result.places = places();
        result.sizer = std::move(sizer);
        result.limited = [this] { return limited_; };
        result.pool = &pool_;
        result.clock = [this] { return now_; };
        return result;
    }
    static bool settle(DrillModel& model) {
        return test::waitUntil([&] { return !model.loading(); }, 5000);
    }

    QThreadPool pool_;
    bool limited_ = false;
    double now_ = 100;
};

TEST_F(DrillModelTest, AFolderShowsItsMeasuredChildrenLargestFirstAndCachesEvenTheEmptyOnes) {
    test::FileTree tree(home());
    tree.file("box/five");
    tree.file("box/.zero");  // hidden names are children like any other
    tree.dir("box/.nine");
    FakeSizer sizes;
    sizes.bytesByName = {{"five", 5}, {".zero", 0}, {".nine", 9}};
    DrillModel model(environment(sizes.sizer()));
    QSignalSpy stackChanged(&model, &DrillModel::stackChanged);

    model.open(level({tree.at("box")}));
    EXPECT_EQ(stackChanged.count(), 1);
    EXPECT_TRUE(model.loading());
    ASSERT_TRUE(settle(model));
    ASSERT_EQ(names(model.entries()), (std::vector<std::string>{".nine", "five"}));
    EXPECT_TRUE(model.entries()[0].isDirectory);
    EXPECT_FALSE(model.entries()[1].isDirectory);
    EXPECT_EQ(model.entries()[0].bytes, 9);
    EXPECT_EQ(model.cacheCount(), 3u);
    EXPECT_EQ(model.cachedSize(tree.at("box/.zero")), 0);
    EXPECT_EQ(model.cachedSize(tree.at("box/five")), 5);
}

TEST_F(DrillModelTest, SeveralItemsOrASingleFileAreShownThemselves) {
    test::FileTree tree(home());
    tree.file("a/inner", 1);
    tree.file("b/inner", 1);
    tree.file("lone.txt", 1);
    FakeSizer sizes;
    sizes.bytesByName = {{"a", 30}, {"b", 20}, {"lone.txt", 4}};
    DrillModel model(environment(sizes.sizer()));

    // Two folders (and one that vanished): the folders, each measured whole.
    model.open(level({tree.at("b"), tree.at("gone"), tree.at("a")}));
    ASSERT_TRUE(settle(model));
    EXPECT_EQ(names(model.entries()), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(sizes.calls(tree.at("a/inner")), 0);

    model.open(level({tree.at("lone.txt")}));
    ASSERT_TRUE(settle(model));
    ASSERT_EQ(model.entries().size(), 1u);
    EXPECT_EQ(model.entries()[0].url, tree.at("lone.txt"));
    EXPECT_FALSE(model.entries()[0].isDirectory);

    // A level with nothing left to show ends empty and idle.
    model.open(level({tree.at("gone")}));
    ASSERT_TRUE(settle(model));
    EXPECT_TRUE(model.entries().empty());
    EXPECT_EQ(model.stack().size(), 3u);
}

TEST_F(DrillModelTest, GoingBackUsesTheCacheAndPopKeepsItWithinBounds) {
    test::FileTree tree(home());
    tree.file("root/one/x");
    tree.file("root/one/y");
    tree.file("root/two");
    FakeSizer sizes;
    // Distinct sizes: equal ones would be shown in the order their
    // measurements finished, which may differ between two visits.
    sizes.bytesByName = {{"one", 3}, {"two", 2}};
    DrillModel model(environment(sizes.sizer()));
    model.open(level({tree.at("root")}));
    ASSERT_TRUE(settle(model));
    const std::vector<DirEntry> rootEntries = model.entries();
    EXPECT_EQ(names(rootEntries), (std::vector<std::string>{"one", "two"}));
    model.open(level({tree.at("root/one")}));
    ASSERT_TRUE(settle(model));
    EXPECT_EQ(model.entries().size(), 2u);
    const int measured = sizes.totalCalls();
    EXPECT_EQ(measured, 4);

    model.popTo(5);  // past the top: nothing changes
    model.popTo(2);
    EXPECT_EQ(model.stack().size(), 2u);
    EXPECT_FALSE(model.loading());

    model.popTo(1);
    ASSERT_TRUE(settle(model));
    EXPECT_EQ(model.entries(), rootEntries);
    EXPECT_EQ(sizes.totalCalls(), measured);  // nothing measured again

    // A negative depth closes everything, like 0; the sizes stay known.
    model.popTo(-4);
    EXPECT_TRUE(model.stack().empty());
    EXPECT_TRUE(model.entries().empty());
    EXPECT_FALSE(model.loading());
    EXPECT_EQ(model.cacheCount(), 4u);
    model.open(level({tree.at("root")}));
    ASSERT_TRUE(settle(model));
    EXPECT_EQ(sizes.totalCalls(), measured);

    // Forgetting the sizes leaves the open level as it shows; what is
    // opened next is measured afresh.
    model.forgetSizes();
    EXPECT_EQ(model.cacheCount(), 0u);
    EXPECT_EQ(model.stack().size(), 1u);
    EXPECT_EQ(model.entries(), rootEntries);
    EXPECT_FALSE(model.loading());
    model.open(level({tree.at("root/one")}));
    ASSERT_TRUE(settle(model));
    EXPECT_EQ(sizes.totalCalls(), measured + 2);

    model.reset();
    EXPECT_TRUE(model.stack().empty());
    EXPECT_EQ(model.cacheCount(), 0u);
}

TEST_F(DrillModelTest, ANewTopLevelNeverShowsThePreviousLevelsEntries) {
    // A pane built for the new top level when the stack changes reads the
    // entries at once: they must not be the level it replaced.
    test::FileTree tree(home());
    tree.file("root/one/x");
    tree.file("root/two");
    FakeSizer sizes;
    sizes.bytesByName = {{"one", 3'000'000}, {"two", 2}, {"x", 10}};
    DrillModel model(environment(sizes.sizer()));
    model.open(level({tree.at("root")}));
    ASSERT_TRUE(settle(model));
    ASSERT_EQ(model.entries().size(), 2u);
    std::vector<std::pair<std::size_t, bool>> seen;  // entries and loading when the stack changed
    QObject::connect(&model, &DrillModel::stackChanged,
                     [&] { seen.emplace_back(model.entries().size(), model.loading()); });
    model.open(level({tree.at("root/one")}));
    ASSERT_TRUE(settle(model));
    model.popTo(1);
    ASSERT_TRUE(settle(model));
    EXPECT_EQ(seen, (std::vector<std::pair<std::size_t, bool>>{{0, true}, {0, true}}));
}

TEST_F(DrillModelTest, AReplacedLevelNeitherShowsNorCachesAndItsQueuedChildrenNeverRun) {
    test::FileTree tree(home());
    for (int i = 0; i < 12; ++i) tree.file("slow/child-" + std::to_string(i));
    tree.file("fast/only");
    std::atomic<int> started{0};
    Gate gate;
    DrillSizer blocking = gate.sizer(started);
    FakeSizer sizes;
    DrillSizer quick = sizes.sizer();
    // The slow level blocks in its sizer; the fast one measures at once.
    DrillModel model(environment([&](const fs::path& url, DiskScanner::InodeSet& set, std::stop_token stop) {
        return url.parent_path() == tree.at("slow") ? blocking(url, set, stop) : quick(url, set, stop);
    }));

    model.open(level({tree.at("slow")}));
    ASSERT_TRUE(test::waitUntil([&] { return started.load() == 3; }, 5000));  // every pool thread is busy
    model.open(level({tree.at("fast")}));
    ASSERT_TRUE(settle(model));
    gate.open();
    pool_.waitForDone();
    test::waitUntil([] { return false; }, 50);  // anything still posted arrives

    EXPECT_EQ(names(model.entries()), std::vector<std::string>{"only"});
    // Only the three already running were measured; the other nine were dropped.
    EXPECT_EQ(started.load(), 3);
    for (int i = 0; i < 12; ++i) EXPECT_FALSE(model.cachedSize(tree.at("slow/child-" + std::to_string(i))));
}

TEST_F(DrillModelTest, ALevelMeasuredWhileTheSizesAreForgottenShowsButIsNotRemembered) {
    test::FileTree tree(home());
    tree.file("slow/a");
    tree.file("slow/b");
    std::atomic<int> started{0};
    Gate gate;
    DrillModel model(environment(gate.sizer(started)));
    model.open(level({tree.at("slow")}));
    ASSERT_TRUE(test::waitUntil([&] { return started.load() == 2; }, 5000));
    model.forgetSizes();  // the disk changed while both were being measured
    gate.open();
    ASSERT_TRUE(settle(model));
    EXPECT_EQ(model.entries().size(), 2u);
    EXPECT_EQ(model.cacheCount(), 0u);

    // The next load is remembered again.
    model.popTo(0);
    model.open(level({tree.at("slow")}));
    ASSERT_TRUE(settle(model));
    EXPECT_EQ(model.cacheCount(), 2u);
}

TEST_F(DrillModelTest, DestroyingTheModelStopsItsWalkAtOnce) {
    test::FileTree tree(home());
    for (int i = 0; i < 6; ++i) tree.file("slow/child-" + std::to_string(i));
    std::atomic<int> started{0};
    Gate gate;  // never opened
    {
        DrillModel model(environment(gate.sizer(started)));
        model.open(level({tree.at("slow")}));
        ASSERT_TRUE(test::waitUntil([&] { return started.load() == 3; }, 5000));
    }
    EXPECT_TRUE(pool_.waitForDone(2000));
    EXPECT_EQ(started.load(), 3);
}

TEST_F(DrillModelTest, LinksAreNotFoldersAndPromptingPlacesStayOutInLimitedMode) {
    test::FileTree tree(home());
    tree.file("real/inside");
    tree.symlink(tree.at("real"), "linked");
    tree.file("Documents/secret");
    tree.file("plain");
    FakeSizer sizes;
    DrillModel model(environment(sizes.sizer()));

    limited_ = true;
    model.open(level({home()}));
    ASSERT_TRUE(settle(model));
    std::map<std::string, bool> folders;
    for (const DirEntry& entry : model.entries()) folders[entry.name.toStdString()] = entry.isDirectory;
    EXPECT_FALSE(folders.contains("Documents"));
    EXPECT_EQ(sizes.calls(tree.at("Documents")), 0);
    EXPECT_TRUE(folders.at("real"));
    EXPECT_FALSE(folders.at("linked"));

    // A level of one link to a folder shows the link, not the folder's children.
    model.open(level({tree.at("linked")}));
    ASSERT_TRUE(settle(model));
    ASSERT_EQ(model.entries().size(), 1u);
    EXPECT_EQ(model.entries()[0].url, tree.at("linked"));
    // Nor is a prompting place opened directly.
    model.open(level({tree.at("Documents")}));
    ASSERT_TRUE(settle(model));
    EXPECT_TRUE(model.entries().empty());
}

TEST_F(DrillModelTest, TheSystemSizerCountsFilesByTheirBlocksAndHardLinksOnceInALevel) {
    test::FileTree tree(home());
    tree.file("level/big", 40'000);
    tree.file("level/folder/a", 9'000);
    tree.file("level/folder/b", 3'000);
    tree.hardlink(tree.at("level/big"), "level/twin");
    tree.symlink(tree.at("level/folder"), "level/link");
    DrillEnvironment system = DrillEnvironment::system(places());
    system.pool = &pool_;
    system.limited = [] { return false; };
    DrillModel model(std::move(system));
    model.open(level({tree.at("level")}));
    ASSERT_TRUE(settle(model));

    std::map<std::string, int64_t> sizes;
    for (const DirEntry& entry : model.entries()) sizes[entry.name.toStdString()] = entry.bytes;
    EXPECT_EQ(sizes.at("folder"), test::FileTree::allocated(tree.at("level/folder/a")) +
                                      test::FileTree::allocated(tree.at("level/folder/b")));
    // The link is its own few bytes, never the folder it leads to.
    EXPECT_EQ(model.cachedSize(tree.at("level/link")), test::FileTree::allocated(tree.at("level/link")));
    // One of the two names of the hard-linked file carries its blocks; the other none.
    EXPECT_EQ(sizes.count("big") + sizes.count("twin"), 1u);
    EXPECT_EQ(model.cachedSize(tree.at("level/big")).value() + model.cachedSize(tree.at("level/twin")).value(),
              test::FileTree::allocated(tree.at("level/big")));
}

TEST_F(DrillModelTest, TheSystemSizerLeavesAMountedFolderUnwalkedUntilItIsOpened) {
    test::FileTree tree(home());
    test::ScratchMount share(tree.dir("level/share"));
    if (!share.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
    const auto inside = tree.file("level/share/data.bin", 1 << 20);
    ASSERT_GT(test::FileTree::allocated(inside), 0);
    DrillEnvironment system = DrillEnvironment::system(places());
    DiskScanner::InodeSet seen;
    EXPECT_EQ(system.sizer(tree.at("level/share"), seen, {}), 0);
    EXPECT_EQ(system.sizer(inside, seen, {}), test::FileTree::allocated(inside));
}

TEST_F(DrillModelTest, PublishesTheFirstResultAtOnceThenAtMostFourTimesASecond) {
    test::FileTree tree(home());
    for (int i = 0; i < 40; ++i) tree.file("many/f" + std::to_string(i));
    tree.file("many/empty");
    FakeSizer sizes;
    sizes.bytesByName = {{"empty", 0}};
    pool_.setMaxThreadCount(1);  // completion order is listing order
    DrillModel model(environment(sizes.sizer()));
    QSignalSpy published(&model, &DrillModel::entriesChanged);
    model.open(level({tree.at("many")}));
    ASSERT_TRUE(settle(model));
    // The clock stood still: the first result, then the final list.
    EXPECT_EQ(published.count(), 2);
    ASSERT_EQ(model.entries().size(), 40u);
    // Equal sizes keep the order their measurements completed in.
    const auto listed = platform::listNames(tree.at("many"));
    ASSERT_TRUE(listed);
    std::vector<std::string> expected;
    for (const std::string& name : *listed)
        if (name != "empty") expected.push_back(name);
    EXPECT_EQ(names(model.entries()), expected);
}

TEST_F(DrillModelTest, ResultsHeldBackByTheThrottleShowWhileALargeFolderIsStillMeasured) {
    test::FileTree tree(home());
    for (const char* name : {"a", "b", "c", "d", "large"}) tree.file(std::string("level/") + name);
    std::atomic<bool> release{false};
    std::atomic<int> small{0};
    DrillSizer sizer = [&](const fs::path& url, DiskScanner::InodeSet&, std::stop_token stop) -> int64_t {
        if (url.filename() != "large") {
            ++small;
            return 5;
        }
        while (!release && !stop.stop_requested()) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        return 9;
    };
    DrillModel model(environment(sizer));
    model.open(level({tree.at("level")}));
    // The first result shows at once; the others come in within the interval.
    ASSERT_TRUE(test::waitUntil([&] { return small == 4 && !model.entries().empty(); }, 5000));
    test::waitUntil([] { return false; }, 300);  // every small result is taken in meanwhile
    ASSERT_LT(model.entries().size(), 4u);
    now_ += 1;  // the interval is over, while the large folder is still measured
    EXPECT_TRUE(test::waitUntil([&] { return model.entries().size() == 4; }, 5000));
    EXPECT_TRUE(model.loading());
    release = true;
    ASSERT_TRUE(settle(model));
    EXPECT_EQ(model.entries().size(), 5u);
    EXPECT_EQ(model.entries().front().name, QStringLiteral("large"));
}

TEST(DrillListing, GenericNamesTakeTheirParentCaseSensitively) {
    EXPECT_EQ(DrillListing::displayName("/p/app/build"), QStringLiteral("app/build"));
    EXPECT_EQ(DrillListing::displayName("/p/web-app/node_modules"), QStringLiteral("web-app/node_modules"));
    EXPECT_EQ(DrillListing::displayName("/p/app/Build"), QStringLiteral("Build"));
    EXPECT_EQ(DrillListing::displayName("/p/app/Caches"), QStringLiteral("Caches"));  // the history's name only
    EXPECT_EQ(DrillListing::genericNames().size(), 15u);
}

}  // namespace
}  // namespace sorbeta
