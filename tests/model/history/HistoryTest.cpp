#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QFile>
#include <fstream>
#include <sstream>

#include "FileTree.h"
#include "TestEnvironment.h"
#include "model/history/History.h"
#include "platform/Places.h"

namespace sorbeta {
namespace {
namespace fs = std::filesystem;

QDateTime at(const char* isoUtc) { return QDateTime::fromString(QString::fromLatin1(isoUtc), Qt::ISODate).toUTC(); }

DiskSnapshot snapshot(const char* isoUtc, int64_t free = 500) {
    DiskSnapshot s;
    s.date = at(isoUtc);
    s.total = 1000;
    s.free = free;
    s.categories = {{"media", 7}, {"code", 9}};
    s.parts = {{"/home/u/Movies", 30'000'000}};
    s.partCategory = {{"/home/u/Movies", "media"}};
    return s;
}

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeAll(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<fs::path> asideFiles(const fs::path& folder) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().starts_with("history.unreadable-")) found.push_back(entry.path());
    return found;
}

class HistoryTest : public test::HomeTest {
protected:
    HistoryStore store() const { return HistoryStore{places().appDataFolder() / "history.json"}; }
    const QTimeZone shanghai{8 * 3600};
};

TEST_F(HistoryTest, FirstRecordCreatesTheFolderAndACompactFile) {
    EXPECT_TRUE(store().load().empty());
    EXPECT_TRUE(HistoryStore::standard(places()).url.string().ends_with("Sorbeta/history.json"));

    DiskSnapshot s = snapshot("2024-03-01T10:00:00Z");
    s.date = s.date.addMSecs(750);  // fractions are cut, not rounded
    const auto list = store().record(s, shanghai);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], s);  // the caller gets what it recorded
    EXPECT_EQ(readAll(store().url),
              "[{\"date\":\"2024-03-01T10:00:00Z\",\"total\":1000,\"free\":500,"
              "\"categories\":{\"code\":9,\"media\":7},"
              "\"parts\":{\"\\/home\\/u\\/Movies\":30000000},"
              "\"partCategory\":{\"\\/home\\/u\\/Movies\":\"media\"}}]");
    const auto loaded = store().load();
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].date, at("2024-03-01T10:00:00Z"));
    EXPECT_EQ(loaded[0].parts, s.parts);
    EXPECT_EQ(loaded[0].partCategory, s.partCategory);
}

TEST_F(HistoryTest, OneSnapshotPerDayOfTheGivenZoneAndAtMost400) {
    // 23:55 and 00:05 Shanghai time fall on two days; a later scan replaces its day.
    store().record(snapshot("2024-03-01T15:55:00Z", 1), shanghai);
    store().record(snapshot("2024-03-01T16:05:00Z", 2), shanghai);
    auto list = store().record(snapshot("2024-03-01T23:00:00Z", 3), shanghai);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].free, 1);
    EXPECT_EQ(list[1].free, 3);
    EXPECT_EQ(store().load(), list);

    std::vector<DiskSnapshot> many;
    for (int day = 0; day < 400; ++day) {
        DiskSnapshot s = snapshot("2020-01-01T12:00:00Z", day);
        s.date = s.date.addDays(day);
        many.push_back(s);
    }
    writeAll(store().url, HistoryFile::encode(many));
    list = store().record(snapshot("2021-06-01T12:00:00Z", 999), shanghai);
    ASSERT_EQ(list.size(), 400u);
    EXPECT_EQ(list.front().free, 1);  // the oldest went
    EXPECT_EQ(list.back().free, 999);
    EXPECT_EQ(store().load().size(), 400u);
}

TEST_F(HistoryTest, AScanThatCouldNotMeasureTheDiskKeepsTheDaysGoodSnapshot) {
    store().record(snapshot("2024-03-01T10:00:00Z", 400), shanghai);
    DiskSnapshot unmeasured = snapshot("2024-03-01T11:00:00Z", 0);
    unmeasured.total = 0;
    const auto list = store().record(unmeasured, shanghai);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].free, 400);
    EXPECT_EQ(store().load(), list);
}

TEST_F(HistoryTest, ReadingSortsStablyAndIgnoresUnknownKeys) {
    writeAll(store().url,
             "[{\"date\":\"2024-03-02T00:00:00Z\",\"total\":1,\"free\":2,\"categories\":{},\"parts\":{},"
             "\"partCategory\":{},\"extra\":[1,2]},"
             "{\"date\":\"2024-03-01T00:00:00Z\",\"total\":1,\"free\":1,\"categories\":{},\"parts\":{\"/a/b\":3},"
             "\"partCategory\":{\"/a/b\":\"x\"}},"
             "{\"date\":\"2024-03-02T00:00:00Z\",\"total\":1,\"free\":3,\"categories\":{},\"parts\":{},"
             "\"partCategory\":{}}]");
    const auto list = store().load();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].free, 1);
    EXPECT_EQ(list[1].free, 2);
    EXPECT_EQ(list[2].free, 3);
    EXPECT_EQ(list[0].parts.at("/a/b"), 3);
}

TEST_F(HistoryTest, BrokenFilesReadEmpty) {
    const std::string good =
        "{\"date\":\"2024-03-01T00:00:00Z\",\"total\":1,\"free\":1,\"categories\":{\"a\":1},\"parts\":{},"
        "\"partCategory\":{}}";
    const std::string cases[] = {
        "",
        "not json",
        "{}",
        "[" + good + ",{\"date\":\"2024-03-02T00:00:00Z\",\"total\":1,\"free\":1,\"categories\":{},\"parts\":{}}]",
        "[" + good + ",3]",
        "[{\"date\":\"2024-03-01T00:00:00.5Z\",\"total\":1,\"free\":1,\"categories\":{},\"parts\":{},\"partCategory\":{"
        "}}]",
        "[{\"date\":\"2024-03-01 "
        "00:00:00\",\"total\":1,\"free\":1,\"categories\":{},\"parts\":{},\"partCategory\":{}}]",
        "[{\"date\":\"2024-13-01T00:00:00Z\",\"total\":1,\"free\":1,\"categories\":{},\"parts\":{},\"partCategory\":{}}"
        "]",
        "[{\"date\":1,\"total\":1,\"free\":1,\"categories\":{},\"parts\":{},\"partCategory\":{}}]",
        "[{\"date\":\"2024-03-01T00:00:00Z\",\"total\":1.5,\"free\":1,\"categories\":{},\"parts\":{},\"partCategory\":{"
        "}}]",
        "[{\"date\":\"2024-03-01T00:00:00Z\",\"total\":1e30,\"free\":1,\"categories\":{},\"parts\":{},\"partCategory\":"
        "{}}]",
        "[{\"date\":\"2024-03-01T00:00:00Z\",\"total\":\"1\",\"free\":1,\"categories\":{},\"parts\":{},"
        "\"partCategory\":{}}]",
        "[{\"date\":\"2024-03-01T00:00:00Z\",\"total\":1,\"free\":1,\"categories\":[],\"parts\":{},\"partCategory\":{}}"
        "]",
        "[{\"date\":\"2024-03-01T00:00:00Z\",\"total\":1,\"free\":1,\"categories\":{\"a\":null},\"parts\":{},"
        "\"partCategory\":{}}]",
        "[{\"date\":\"2024-03-01T00:00:00Z\",\"total\":1,\"free\":1,\"categories\":{},\"parts\":{},\"partCategory\":{"
        "\"p\":2}}]",
    };
    for (const std::string& text : cases) {
        writeAll(store().url, text);
        EXPECT_TRUE(store().load().empty()) << text;
    }
    writeAll(store().url, "[" + good + "]");
    EXPECT_EQ(store().load().size(), 1u);
    writeAll(store().url,
             "[{\"date\":\"2024-03-01T00:00:00Z\",\"total\":9223372036854775807,\"free\":-1,"
             "\"categories\":{},\"parts\":{},\"partCategory\":{}}]");
    ASSERT_EQ(store().load().size(), 1u);
    EXPECT_EQ(store().load()[0].total, INT64_MAX);
}

TEST_F(HistoryTest, AnUnreadableHistoryIsSetAsideNeverOverwritten) {
    const std::string hostile = "[{\"date\":\"2024-03-01T00:00:00Z\",\"total\":\"oops\"}]";
    writeAll(store().url, hostile);
    auto list = store().record(snapshot("2024-03-05T12:00:00Z"), shanghai);
    ASSERT_EQ(list.size(), 1u);
    const auto aside = asideFiles(store().url.parent_path());
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(readAll(aside[0]), hostile);
    EXPECT_EQ(store().load().size(), 1u);

    // A second broken file the same second gets a name of its own.
    writeAll(store().url, "garbage");
    store().record(snapshot("2024-03-06T12:00:00Z"), shanghai);
    EXPECT_EQ(asideFiles(store().url.parent_path()).size(), 2u);

    // A readable file is simply rewritten.
    store().record(snapshot("2024-03-07T12:00:00Z"), shanghai);
    EXPECT_EQ(asideFiles(store().url.parent_path()).size(), 2u);
    EXPECT_EQ(store().load().size(), 2u);
}

TEST_F(HistoryTest, WhenSettingAsideFailsTheFileStaysAsItWas) {
    if (!test::permissionsEnforced()) GTEST_SKIP() << "file permissions are not enforced";
    writeAll(store().url, "garbage");
    const fs::path folder = store().url.parent_path();
    ::chmod(folder.c_str(), 0500);
    const auto list = store().record(snapshot("2024-03-05T12:00:00Z"), shanghai);
    ::chmod(folder.c_str(), 0700);
    EXPECT_EQ(list.size(), 1u);
    EXPECT_EQ(readAll(store().url), "garbage");

    // An unreadable file (no read permission) is kept aside too.
    ::chmod(store().url.c_str(), 0);
    store().record(snapshot("2024-03-05T12:00:00Z"), shanghai);
    ASSERT_EQ(asideFiles(folder).size(), 1u);
    ::chmod(asideFiles(folder)[0].c_str(), 0600);
    EXPECT_EQ(readAll(asideFiles(folder)[0]), "garbage");
}

TEST_F(HistoryTest, APipeADeviceOrAHugeFileInItsPlaceCostsNothing) {
    const fs::path folder = store().url.parent_path();
    fs::create_directories(folder);
    // A pipe no one writes to would block a plain read for ever.
    ASSERT_EQ(::mkfifo(store().url.c_str(), 0600), 0);
    EXPECT_TRUE(store().load().empty());
    store().record(snapshot("2024-03-05T12:00:00Z"), shanghai);
    ASSERT_EQ(asideFiles(folder).size(), 1u);
    EXPECT_TRUE(fs::is_fifo(asideFiles(folder)[0]));
    EXPECT_EQ(store().load().size(), 1u);

    // A link to an endless device is not followed.
    fs::remove(store().url);
    fs::create_symlink("/dev/zero", store().url);
    EXPECT_TRUE(store().load().empty());

    // A sparse file of 3 GiB is refused by its size, not read.
    fs::remove(store().url);
    { std::ofstream(store().url, std::ios::binary).put('['); }
    fs::resize_file(store().url, std::uintmax_t(3) << 30);
    EXPECT_TRUE(store().load().empty());
    fs::remove(store().url);
}

TEST_F(HistoryTest, ASnapshotWhoseDateTheFileCannotHoldWritesNothing) {
    store().record(snapshot("2024-03-05T12:00:00Z"), shanghai);
    const std::string before = readAll(store().url);
    for (const QDateTime& date : {QDateTime(), QDateTime(QDate(10000, 1, 2), QTime(0, 0), Qt::UTC)}) {
        DiskSnapshot odd = snapshot("2024-03-06T12:00:00Z");
        odd.date = date;
        // The caller still gets the new list; the file keeps its readable history.
        EXPECT_EQ(store().record(odd, shanghai).size(), 2u);
        EXPECT_EQ(readAll(store().url), before);
        EXPECT_EQ(store().load().size(), 1u);
    }
    EXPECT_TRUE(asideFiles(store().url.parent_path()).empty());
}

TEST_F(HistoryTest, TenThousandElementsAndOddNamesRoundTrip) {
    std::vector<DiskSnapshot> many;
    for (int i = 0; i < 10'000; ++i) {
        DiskSnapshot s = snapshot("1990-01-01T00:00:00Z", i);
        s.date = s.date.addDays(i);
        s.parts = {{"/h/中文 \"q\"\\ \t", 1}};
        s.partCategory = {{"/h/中文 \"q\"\\ \t", "media"}};
        many.push_back(s);
    }
    writeAll(store().url, HistoryFile::encode(many));
    const auto loaded = store().load();
    ASSERT_EQ(loaded.size(), 10'000u);
    EXPECT_EQ(loaded, many);
    EXPECT_EQ(store().record(snapshot("2024-03-05T12:00:00Z"), shanghai).size(), 400u);
    EXPECT_TRUE(asideFiles(store().url.parent_path()).empty());
}

// A history whose folders list grows (many large items at the top of the
// category folders) must never outgrow what the reader accepts: that file
// would be set aside whole on the next scan, every day with it.
TEST_F(HistoryTest, AHistoryTooLargeToReadBackLosesItsOldestDaysNotAll) {
    HistoryStore small = store();
    std::vector<DiskSnapshot> days;
    for (int i = 0; i < 30; ++i) {
        DiskSnapshot s = snapshot("2024-01-01T12:00:00Z", i);
        s.date = s.date.addDays(i);
        for (int p = 0; p < 40; ++p) {
            const std::string path = "/home/u/Pictures/IMG_" + std::to_string(p) + ".CR3";
            s.parts[path] = 25'000'000;
            s.partCategory[path] = "media";
        }
        days.push_back(s);
    }
    const std::size_t oneDay = HistoryFile::encode({days[0]}).size();
    small.maxBytes = oneDay * 20;
    writeAll(small.url, HistoryFile::encode(days));
    ASSERT_TRUE(small.load().empty());  // already too large to read: set aside, as before

    DiskSnapshot today = days.back();
    today.date = today.date.addDays(1);
    ASSERT_EQ(small.record(today, shanghai).size(), 1u);
    EXPECT_EQ(asideFiles(small.url.parent_path()).size(), 1u);

    // From a readable file that one more day would push over the limit.
    fs::remove(asideFiles(small.url.parent_path())[0]);
    const std::vector<DiskSnapshot> nineteen(days.begin(), days.begin() + 19);
    writeAll(small.url, HistoryFile::encode(nineteen));
    ASSERT_EQ(small.load().size(), 19u);
    for (int step = 19; step < 25; ++step) small.record(days[std::size_t(step) % days.size()], shanghai);
    const auto kept = small.load();
    EXPECT_TRUE(asideFiles(small.url.parent_path()).empty());
    ASSERT_GE(kept.size(), 18u);
    EXPECT_LE(fs::file_size(small.url), small.maxBytes);
    EXPECT_EQ(kept.back().date, days[24].date);  // the newest stays, the oldest went
    EXPECT_GT(kept.front().date, days[0].date);

    // A single day larger than the limit writes nothing over a good file.
    const std::string before = readAll(small.url);
    DiskSnapshot huge = today;
    for (int p = 0; p < 2000; ++p) huge.parts["/home/u/" + std::string(200, 'x') + std::to_string(p)] = 1;
    ASSERT_GT(HistoryFile::encode({huge}).size(), small.maxBytes);
    small.record(huge, shanghai);
    EXPECT_TRUE(readAll(small.url) == before);
}

}  // namespace
}  // namespace sorbeta
