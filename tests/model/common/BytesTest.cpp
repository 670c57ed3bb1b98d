#include <gtest/gtest.h>

#include <QLocale>
#include <clocale>
#include <cstdio>
#include <string>

#include "model/common/Bytes.h"

using namespace sorbeta;

namespace {

struct Case {
    int64_t bytes;
    bool binary;
    const char* number;
    const char* unit;
};

void expectTable() {
    const Case cases[] = {
        {0, false, "0", "B"},
        {0, true, "0", "B"},
        {-5, false, "0", "B"},
        {-5, true, "0", "B"},
        {INT64_MIN, false, "0", "B"},
        {1, false, "1", "B"},
        {999, false, "999", "B"},
        {1000, false, "1.0", "K"},
        {1000, true, "1000", "B"},
        {1023, true, "1023", "B"},
        {1024, true, "1.0", "K"},
        {1'250'000, false, "1.2", "M"},
        {1'500'000, false, "1.5", "M"},
        {1'500'000, true, "1.4", "M"},
        {999'600, false, "1000", "K"},
        {99'960'000, false, "100.0", "M"},
        {100'000'000, false, "100", "M"},
        {123'456'789'012, false, "123", "G"},
        {1'000'000'000'000, false, "1.0", "T"},
        {5'000'000'000'000'000, false, "5000", "T"},
        {INT64_MAX, false, "9223372", "T"},
        {INT64_MAX, true, "8388608", "T"},
    };
    for (const Case& c : cases) {
        const Bytes::Parts parts = Bytes::parts(c.bytes, c.binary);
        EXPECT_EQ(parts.number.toStdString(), c.number) << c.bytes << (c.binary ? " binary" : " decimal");
        EXPECT_EQ(parts.unit.toStdString(), c.unit) << c.bytes << (c.binary ? " binary" : " decimal");
    }
    EXPECT_EQ(Bytes::text(1'500'000), QStringLiteral("1.5 M"));
    EXPECT_EQ(Bytes::text(1'500'000, true), QStringLiteral("1.4 M"));
}

}  // namespace

TEST(BytesTest, EdgeCases) { expectTable(); }

TEST(BytesTest, GermanLocaleStillPrintsAPoint) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const QLocale previousQt;
    // The machine may lack the German locale; Qt's default changes anyway.
    if (std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        char probe[16];
        std::snprintf(probe, sizeof probe, "%.1f", 1.5);
        EXPECT_STREQ(probe, "1,5");  // the C library really formats with a comma now
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    expectTable();
    EXPECT_EQ(Bytes::text(1'234'567'890), QStringLiteral("1.2 G"));
    std::setlocale(LC_ALL, previous.c_str());
    QLocale::setDefault(previousQt);
}

TEST(BytesTest, RightToLeftInterfaceKeepsNumberBeforeUnit) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    EXPECT_EQ(Bytes::parts(3'200'000'000).number, QStringLiteral("3.2"));  // Latin digits and a point still
    EXPECT_EQ(Bytes::text(3'200'000'000), QStringLiteral("\u200E3.2 G"));
    QLocale::setDefault(QLocale(QLocale::Hebrew));
    EXPECT_EQ(Bytes::text(0), QStringLiteral("\u200E0 B"));
    QLocale::setDefault(previous);
    EXPECT_EQ(Bytes::text(3'200'000'000), QStringLiteral("3.2 G"));
}
