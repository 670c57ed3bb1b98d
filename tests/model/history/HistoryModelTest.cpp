#include "model/history/HistoryModel.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <ctime>
#include <limits>

#include "TestEnvironment.h"
#include "model/history/HistoryMath.h"

namespace sorbeta {
namespace {

const QTimeZone kPlus8(8 * 3600);

// A snapshot at a wall-clock time in `zone`, its used space `used` bytes.
DiskSnapshot taken(QDate day, QTime time, int64_t used = 100, const QTimeZone& zone = kPlus8) {
    DiskSnapshot snapshot;
    snapshot.date = QDateTime(day, time, zone).toUTC();
    snapshot.total = 1'000'000'000'000;
    snapshot.free = snapshot.total - used;
    snapshot.categories = {{"media", 1}, {"code", 1}};
    return snapshot;
}

using Period = HistoryModel::Period;

TEST(HistoryModelBaseline, FewSnapshotsMinutesApartAndTheWholeHistory) {
    const QDate day(2024, 6, 10);
    {
        HistoryModel model(HistoryStore{}, kPlus8);
        EXPECT_FALSE(model.baseline());
        EXPECT_TRUE(model.visible().empty());
        model.setSnapshots({taken(day, QTime(9, 0))});
        EXPECT_FALSE(model.baseline());
        EXPECT_FALSE(model.usedDelta());
        EXPECT_TRUE(model.changes().empty());
        EXPECT_EQ(model.visible().size(), 1u);
    }
    {
        // Nothing lies a week back: the older of the two.
        HistoryModel model(HistoryStore{}, kPlus8);
        model.setSnapshots({taken(day, QTime(9, 0), 100), taken(day, QTime(9, 5), 350)});
        ASSERT_TRUE(model.baseline());
        EXPECT_EQ(model.baseline()->date, model.snapshots().front().date);
        EXPECT_EQ(model.usedDelta(), 250);
        EXPECT_EQ(model.visible().size(), 2u);
    }
    {
        std::vector<DiskSnapshot> many;
        for (int i = 0; i < 300; ++i) many.push_back(taken(day.addDays(i - 300), QTime(12, 0), 10 + i));
        HistoryModel model(HistoryStore{}, kPlus8);
        model.setSnapshots(many);
        model.setPeriod(Period::all);
        EXPECT_EQ(model.baseline()->date, many.front().date);
        EXPECT_EQ(model.visible().size(), 300u);
        model.setPeriod(Period::month);
        EXPECT_EQ(model.baseline()->date, many[300 - 1 - 30].date);
        EXPECT_EQ(model.visible().size(), 31u);
    }
}

TEST(HistoryModelBaseline, ADayBackIsTheCalendarsDayInItsZone) {
    // Newest today 10:00; yesterday 15:00 is later than a day back, so the
    // day before wins.
    const QDate today(2024, 6, 10);
    std::vector<DiskSnapshot> list = {taken(today.addDays(-2), QTime(9, 0)), taken(today.addDays(-1), QTime(15, 0)),
                                      taken(today, QTime(10, 0))};
    HistoryModel model(HistoryStore{}, kPlus8);
    model.setSnapshots(list);
    model.setPeriod(Period::day);
    EXPECT_EQ(model.baseline()->date, list[0].date);
    EXPECT_EQ(model.visible().size(), 3u);

    // Across the spring change of clocks a week back is the same wall-clock
    // time, 7 × 24 − 1 hours earlier, not 7 × 86,400 seconds.
    const QTimeZone berlin("Europe/Berlin");
    ASSERT_TRUE(berlin.isValid());
    const DiskSnapshot newest = taken(QDate(2024, 4, 3), QTime(10, 0), 100, berlin);
    const DiskSnapshot weekAgo = taken(QDate(2024, 3, 27), QTime(9, 30), 100, berlin);
    const DiskSnapshot justBefore = taken(QDate(2024, 3, 27), QTime(9, 59), 100, berlin);
    EXPECT_EQ(HistoryMath::daysBefore(newest.date, 7, berlin),
              QDateTime(QDate(2024, 3, 27), QTime(10, 0), berlin).toUTC());
    HistoryModel dst(HistoryStore{}, berlin);
    dst.setSnapshots({weekAgo, justBefore, newest});
    EXPECT_EQ(dst.baseline()->date, justBefore.date);
    // A wall-clock time the clocks skipped moves on past the gap.
    const QDateTime afterGap = taken(QDate(2024, 4, 7), QTime(2, 30), 100, berlin).date;
    EXPECT_EQ(HistoryMath::daysBefore(afterGap, 7, berlin).toTimeZone(berlin).time(), QTime(3, 30));
}

TEST(HistoryModelState, EqualValuesNotifyNobodyAndPeriodsComeFromTheirDays) {
    HistoryModel model(HistoryStore{}, kPlus8);
    QSignalSpy snapshots(&model, &HistoryModel::snapshotsChanged);
    QSignalSpy period(&model, &HistoryModel::periodChanged);
    EXPECT_EQ(model.period(), Period::week);
    model.setSnapshots({});
    model.setPeriod(Period::week);
    EXPECT_EQ(snapshots.count() + period.count(), 0);
    const std::vector<DiskSnapshot> list = {taken(QDate(2024, 1, 1), QTime(8, 0))};
    model.setSnapshots(list);
    model.setSnapshots(list);
    EXPECT_EQ(snapshots.count(), 1);
    EXPECT_EQ(HistoryModel::periodFromValue(30), Period::month);
    EXPECT_EQ(HistoryModel::periodFromValue(0), Period::all);
    EXPECT_FALSE(HistoryModel::periodFromValue(14));
}

class HistoryModelRecord : public test::HomeTest {};

TEST_F(HistoryModelRecord, RecordingStoresTheSnapshotAndShowsTheReturnedHistory) {
    HistoryModel model(HistoryStore::standard(places()), kPlus8);
    QSignalSpy changed(&model, &HistoryModel::snapshotsChanged);
    model.record(taken(QDate(2024, 2, 1), QTime(9, 0)));
    model.record(taken(QDate(2024, 2, 1), QTime(18, 0)));  // the same day in +8: replaces
    EXPECT_EQ(changed.count(), 2);
    ASSERT_EQ(model.snapshots().size(), 1u);
    EXPECT_EQ(model.store().load(), model.snapshots());
}

TEST_F(HistoryModelRecord, AZoneQtCannotReadKeepsEveryDay) {
    // What Qt makes of TZ values the C library takes (TZ=CET-1CEST, a path
    // without its colon): a zone that is not valid, where every date falls
    // on the same invalid day.
    const QTimeZone unreadable("Nowhere/Foo");
    ASSERT_FALSE(unreadable.isValid());
    HistoryModel model(HistoryStore::standard(places()), unreadable);
    EXPECT_TRUE(model.zone().isValid());
    model.record(taken(QDate(2024, 2, 1), QTime(12, 0)));
    model.record(taken(QDate(2024, 2, 2), QTime(12, 0)));
    EXPECT_EQ(model.snapshots().size(), 2u);
    EXPECT_EQ(model.store().record(taken(QDate(2024, 2, 3), QTime(12, 0)), unreadable).size(), 3u);
    EXPECT_EQ(model.store().load().size(), 3u);
}

// Sets TZ for one test and puts the old value back.
class ZoneOfTheSystem {
public:
    explicit ZoneOfTheSystem(const char* zone) : had_(qEnvironmentVariableIsSet("TZ")), old_(qgetenv("TZ")) {
        set(zone);
    }
    ~ZoneOfTheSystem() {
        if (had_)
            qputenv("TZ", old_);
        else
            qunsetenv("TZ");
        ::tzset();
    }
    void set(const char* zone) {
        qputenv("TZ", zone);
        ::tzset();
    }

private:
    bool had_;
    QByteArray old_;
};

TEST_F(HistoryModelRecord, DaysFollowTheSystemZoneAsItChanges) {
    ZoneOfTheSystem system("Asia/Shanghai");
    HistoryModel model(HistoryStore::standard(places()));
    ASSERT_EQ(model.zone().id(), QByteArray("Asia/Shanghai"));
    // 10:00 on 1 February in New York; 23:00 in Shanghai.
    model.record(taken(QDate(2024, 2, 1), QTime(10, 0), 100, QTimeZone("America/New_York")));
    // Carried to New York: 21:00 the same day there, though the next day in Shanghai.
    system.set("America/New_York");
    EXPECT_EQ(model.zone().id(), QByteArray("America/New_York"));
    model.record(taken(QDate(2024, 2, 1), QTime(21, 0), 200, QTimeZone("America/New_York")));
    ASSERT_EQ(model.snapshots().size(), 1u);
    EXPECT_EQ(HistoryMath::usedSpace(model.snapshots().front()), 200);
    EXPECT_EQ(model.store().load(), model.snapshots());
}

DiskSnapshot withParts(std::map<std::string, int64_t> parts, std::map<std::string, std::string> partCategory,
                       std::map<std::string, int64_t> categories = {{"media", 1}, {"code", 1}}) {
    DiskSnapshot snapshot;
    snapshot.parts = std::move(parts);
    snapshot.partCategory = std::move(partCategory);
    snapshot.categories = std::move(categories);
    return snapshot;
}

TEST(HistoryMathChanges, ThresholdCategoriesAndOrder) {
    const DiskSnapshot older = withParts(
        {{"/h/shrunk", 80'000'000},
         {"/h/almost", 10'000'000},
         {"/h/b-down", 90'000'000},
         {"/h/only-older-category", 10'000'000}},
        {{"/h/shrunk", "media"}, {"/h/almost", "media"}, {"/h/b-down", "code"}, {"/h/only-older-category", "code"}});
    const DiskSnapshot newer = withParts({{"/h/new", 60'000'000},
                                          {"/h/shrunk", 30'000'000},
                                          {"/h/almost", 59'999'999},
                                          {"/h/a-up", 70'000'000},
                                          {"/h/b-down", 20'000'000},
                                          {"/h/unknown", 900'000'000},
                                          {"/h/missing-category", 900'000'000}},
                                         {{"/h/new", "media"},
                                          {"/h/shrunk", "media"},
                                          {"/h/almost", "media"},
                                          {"/h/a-up", "code"},
                                          {"/h/missing-category", "apps"}});
    const std::vector<DiskChange> found = HistoryMath::changes(older, newer, HistoryMath::kMinDelta);
    // Equal magnitudes by path; the shrink of exactly the threshold counts;
    // a category only one side measured, or none at all, leaves a folder out.
    const std::vector<DiskChange> expected = {{"/h/a-up", "code", 0, 70'000'000},
                                              {"/h/b-down", "code", 90'000'000, 20'000'000},
                                              {"/h/new", "media", 0, 60'000'000},
                                              {"/h/shrunk", "media", 80'000'000, 30'000'000}};
    EXPECT_EQ(found, expected);

    // The older snapshot names the category of a folder that is gone; not
    // listed when its category is missing from the older categories.
    const DiskSnapshot before = withParts({{"/h/gone", 55'000'000}}, {{"/h/gone", "code"}});
    EXPECT_EQ(HistoryMath::changes(before, withParts({}, {}), HistoryMath::kMinDelta),
              (std::vector<DiskChange>{{"/h/gone", "code", 55'000'000, 0}}));
    EXPECT_TRUE(HistoryMath::changes(withParts({{"/h/x", 0}}, {}, {{"media", 1}}),
                                     withParts({{"/h/x", 80'000'000}}, {{"/h/x", "code"}}), HistoryMath::kMinDelta)
                    .empty());
}

TEST(HistoryMathUsed, FreeAboveTotalCountsAsNothingUsed) {
    DiskSnapshot snapshot;
    snapshot.total = 100;
    snapshot.free = 250;
    EXPECT_EQ(HistoryMath::usedSpace(snapshot), 0);
    snapshot.free = 40;
    EXPECT_EQ(HistoryMath::usedSpace(snapshot), 60);
}

// The file holds whatever 64-bit counts it was given, a damaged or edited
// one too: differences between two days stop at the largest count (either
// way) instead of wrapping around.
TEST(HistoryMathSaturation, DifferencesOfExtremeCountsStopAtTheLargest) {
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    EXPECT_EQ((DiskChange{"/h/x", "code", kMin, kMax}.delta()), kMax);
    EXPECT_EQ((DiskChange{"/h/x", "code", -1, kMax}.delta()), kMax);
    EXPECT_EQ((DiskChange{"/h/x", "code", kMax, kMin}.delta()), -kMax);  // its size can be told
    EXPECT_EQ((DiskChange{"/h/x", "code", 0, kMin}.delta()), -kMax);
    EXPECT_EQ((DiskChange{"/h/x", "code", 5, 3}.delta()), -2);

    DiskSnapshot snapshot;
    snapshot.total = kMax;
    snapshot.free = -1;
    EXPECT_EQ(HistoryMath::usedSpace(snapshot), kMax);
    snapshot.total = kMin;
    snapshot.free = 1;
    EXPECT_EQ(HistoryMath::usedSpace(snapshot), 0);

    // Two such days in the model: the header's change and the folders' list.
    DiskSnapshot older = withParts({{"/h/up", kMin}, {"/h/down", kMax}, {"/h/same", 7}},
                                   {{"/h/up", "code"}, {"/h/down", "media"}, {"/h/same", "code"}});
    older.date = QDateTime(QDate(2024, 6, 1), QTime(9, 0), kPlus8).toUTC();
    older.total = 100;
    older.free = kMax;
    DiskSnapshot newer = withParts({{"/h/up", kMax}, {"/h/down", kMin}, {"/h/same", 7}},
                                   {{"/h/up", "code"}, {"/h/down", "media"}, {"/h/same", "code"}});
    newer.date = QDateTime(QDate(2024, 6, 2), QTime(9, 0), kPlus8).toUTC();
    newer.total = kMax;
    newer.free = kMin;
    HistoryModel model(HistoryStore{}, kPlus8);
    model.setPeriod(Period::all);
    model.setSnapshots({older, newer});
    EXPECT_EQ(model.usedDelta(), kMax);
    EXPECT_EQ(model.changes(),
              (std::vector<DiskChange>{{"/h/down", "media", kMax, kMin}, {"/h/up", "code", kMin, kMax}}));
}

TEST(PathNamesDisplay, ApplicationsGenericFoldersAndPlainNames) {
    EXPECT_EQ(PathNames::display("/Applications/Foo.app"), QStringLiteral("Foo"));
    EXPECT_EQ(PathNames::display("/Users/u/proj/node_modules"), QStringLiteral("proj/node_modules"));
    EXPECT_EQ(PathNames::display("/Users/u/Library/Caches"), QStringLiteral("Library/Caches"));
    EXPECT_EQ(PathNames::display("/Users/u/Movies"), QStringLiteral("Movies"));
    EXPECT_EQ(PathNames::display("/x/Tool.APP"), QStringLiteral("Tool.APP"));
    EXPECT_EQ(PathNames::display("/home/u/.var/app/org.x/data"), QStringLiteral("org.x/data"));
    EXPECT_EQ(PathNames::generic().size(), 18u);
}

}  // namespace
}  // namespace sorbeta
