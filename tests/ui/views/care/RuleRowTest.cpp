#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <cmath>
#include <limits>

#include "model/catalog/Catalog.h"
#include "ui/kit/TabularText.h"
#include "ui/views/care/RuleRow.h"

namespace sorbeta {
namespace {

struct Bound {
    AutoRule rule{"npm", false, 5};
    int writes = 0;
    RuleBinding binding() {
        return RuleBinding{[this] { return rule; },
                           [this](const AutoRule& next) {
                               rule = next;
                               ++writes;
                           }};
    }
};

TEST(RuleRow, StepsByOneBelowTenAndByFiveFromTenWithinOneToTwoHundred) {
    std::vector<double> up{5};
    while (up.back() < 200) up.push_back(RuleRow::stepUp(up.back()));
    EXPECT_EQ(std::vector<double>(up.begin(), up.begin() + 8), (std::vector<double>{5, 6, 7, 8, 9, 10, 15, 20}));
    EXPECT_EQ(up.back(), 200);
    EXPECT_EQ(RuleRow::stepUp(200), 200);
    EXPECT_EQ(RuleRow::stepUp(198), 200);

    std::vector<double> down{10};
    while (down.back() > 1) down.push_back(RuleRow::stepDown(down.back()));
    EXPECT_EQ(down, (std::vector<double>{10, 5, 4, 3, 2, 1}));
    EXPECT_EQ(RuleRow::stepDown(1), 1);
    EXPECT_EQ(RuleRow::stepDown(1.5), 1);

    EXPECT_EQ(RuleRow::thresholdLabel(2.5), QStringLiteral("≥ 2 G"));
    EXPECT_EQ(RuleRow::thresholdLabel(std::numeric_limits<double>::infinity()),
              QStringLiteral("≥ 9223372036854775807 G"));
    EXPECT_EQ(RuleRow::thresholdLabel(std::nan("")), QStringLiteral("≥ 0 G"));
}

TEST(RuleRow, SwitchWritesThenCallsChangedAndTheStepperFollowsTheRule) {
    Bound bound;
    std::vector<bool> seenByChanged;
    const CleanSpec& spec = *Catalog::cleanable("npm");
    RuleRow row(bound.binding(), spec, std::nullopt, [&] { seenByChanged.push_back(bound.rule.enabled); });
    EXPECT_EQ(row.toolTip().contains(spec.note), true);
    EXPECT_EQ(row.nameLabel()->text(), spec.name);
    EXPECT_EQ(row.sizeLabel(), nullptr);
    EXPECT_EQ(row.thresholdText()->text(), QStringLiteral("≥ 5 G"));
    // Off: the switch works, the stepper does not.
    EXPECT_TRUE(row.toggle()->isEnabled());
    EXPECT_FALSE(row.upButton()->isEnabled());
    QTest::mouseClick(row.upButton(), Qt::LeftButton);
    EXPECT_EQ(bound.rule.thresholdGB, 5);

    row.toggle()->click();
    EXPECT_EQ(seenByChanged, std::vector<bool>{true});  // called once, after the write
    EXPECT_TRUE(row.toggle()->isChecked());
    EXPECT_TRUE(row.upButton()->isEnabled());
    for (int i = 0; i < 6; ++i) row.upButton()->click();
    EXPECT_EQ(bound.rule.thresholdGB, 15);
    EXPECT_EQ(row.thresholdText()->text(), QStringLiteral("≥ 15 G"));
    row.downButton()->click();
    EXPECT_EQ(bound.rule.thresholdGB, 10);
    EXPECT_EQ(seenByChanged.size(), 1u);  // the threshold never calls changed

    row.toggle()->click();
    EXPECT_EQ(seenByChanged, (std::vector<bool>{true, false}));
    EXPECT_FALSE(bound.rule.enabled);

    // Someone else changes the rule: the row reads it again.
    bound.rule = AutoRule{"npm", true, 200};
    row.refresh();
    EXPECT_TRUE(row.toggle()->isChecked());
    EXPECT_FALSE(row.upButton()->isEnabled());
    EXPECT_TRUE(row.downButton()->isEnabled());
}

TEST(RuleRow, MeasuredSizeAddsTheNowLine) {
    Bound bound;
    RuleRow row(bound.binding(), *Catalog::cleanable("npm"), int64_t(3'400'000'000), {});
    ASSERT_NE(row.sizeLabel(), nullptr);
    EXPECT_EQ(row.sizeLabel()->text(), QStringLiteral("现在 3.4 G"));
    row.toggle()->click();  // no changed callback given: nothing to call
    EXPECT_TRUE(bound.rule.enabled);
}

}  // namespace
}  // namespace sorbeta
