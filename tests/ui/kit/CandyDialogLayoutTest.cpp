#include "ui/kit/CandyDialogLayout.h"

#include <gtest/gtest.h>

namespace sorbeta {
namespace {

CandyDialog::Choice choice(Flavor flavor, bool isDefault = false, bool isCancel = false) {
    return {QStringLiteral("x"), flavor, isDefault, isCancel};
}

TEST(CandyDialogLayout, AccentAndKeys) {
    CandyDialog dialog;
    EXPECT_EQ(accentFlavor(dialog), Flavor::strawberry);
    EXPECT_EQ(returnChoice(dialog), std::nullopt);
    EXPECT_EQ(escapeChoice(dialog), std::nullopt);

    dialog.choices = {choice(Flavor::cloud, false, true), choice(Flavor::mint, false, true)};
    EXPECT_EQ(accentFlavor(dialog), Flavor::strawberry);  // all cancel

    dialog.choices = {choice(Flavor::cloud, false, true), choice(Flavor::grape, true), choice(Flavor::lime)};
    EXPECT_EQ(accentFlavor(dialog), Flavor::grape);
    EXPECT_EQ(returnChoice(dialog), 1);
    EXPECT_EQ(escapeChoice(dialog), 0);

    // Marked both: Return only; Escape then has no choice.
    dialog.choices = {choice(Flavor::mango, true, true), choice(Flavor::lime)};
    EXPECT_EQ(returnChoice(dialog), 0);
    EXPECT_EQ(escapeChoice(dialog), std::nullopt);
}

TEST(CandyDialogLayout, MainWindowButtonsSideBySideReversedElseStacked) {
    // Two that fit in 348: cancel (index 1) left, confirm (index 0) right.
    ButtonArea row = placeButtons({100, 80}, false);
    ASSERT_EQ(row.arrangement, ButtonArrangement::sideBySide);
    ASSERT_EQ(row.buttons.size(), 2u);
    EXPECT_EQ(row.buttons[0].choice, 1);
    EXPECT_EQ(row.buttons[1].choice, 0);
    EXPECT_DOUBLE_EQ(row.buttons[0].rect.left(), (348 - 190) / 2.0);
    EXPECT_DOUBLE_EQ(row.buttons[1].rect.left() - row.buttons[0].rect.right(), 10);
    EXPECT_DOUBLE_EQ(row.height, 40);

    // Exactly 348 still fits; one more point stacks, the first choice on top.
    EXPECT_EQ(placeButtons({169, 169}, false).arrangement, ButtonArrangement::sideBySide);
    ButtonArea stacked = placeButtons({170, 169}, false);
    ASSERT_EQ(stacked.arrangement, ButtonArrangement::stacked);
    EXPECT_EQ(stacked.buttons[0].choice, 0);
    EXPECT_DOUBLE_EQ(stacked.buttons[0].rect.width(), 170);
    EXPECT_DOUBLE_EQ(stacked.buttons[1].rect.top(), 48);
    EXPECT_DOUBLE_EQ(stacked.height, 88);

    // Right to left mirrors: the first choice ends up leftmost.
    ButtonArea mirrored = placeButtons({100, 80}, false, Qt::RightToLeft);
    EXPECT_EQ(mirrored.buttons[1].choice, 0);
    EXPECT_LT(mirrored.buttons[1].rect.left(), mirrored.buttons[0].rect.left());
}

TEST(CandyDialogLayout, PanelButtonsAlwaysStackedFullWidth) {
    ButtonArea area = placeButtons({50, 60}, true);
    ASSERT_EQ(area.arrangement, ButtonArrangement::stackedFullWidth);
    EXPECT_EQ(area.buttons[0].choice, 0);
    EXPECT_DOUBLE_EQ(area.buttons[0].rect.width(), 280);
    EXPECT_DOUBLE_EQ(area.buttons[1].rect.top(), 34 + 8);
}

TEST(CandyDialogLayout, CardColumnAndMessageArea) {
    // Main window, no message: 26 + 68 + 14 + title 30 + 14 + 4 + 40 + 26.
    CardLayout plain = layoutCard(false, 30, false, 0, {100, 80});
    EXPECT_FALSE(plain.messageBox);
    EXPECT_DOUBLE_EQ(plain.card.width(), 400);
    EXPECT_DOUBLE_EQ(plain.card.height(), 26 + 68 + 14 + 30 + 14 + 4 + 40 + 26);
    EXPECT_DOUBLE_EQ(plain.emojiCircle.center().x(), 200);

    // A short message takes its own height, a long one stops at 240.
    CardLayout shortText = layoutCard(false, 30, true, 50, {100});
    ASSERT_TRUE(shortText.messageArea);
    EXPECT_DOUBLE_EQ(shortText.messageArea->height(), 50);
    EXPECT_DOUBLE_EQ(shortText.messageBox->height(), 74);
    EXPECT_DOUBLE_EQ(shortText.messageArea->width(), 348 - 24);
    CardLayout longText = layoutCard(false, 30, true, 900, {100});
    EXPECT_DOUBLE_EQ(longText.messageArea->height(), 240);
    CardLayout panelText = layoutCard(true, 30, true, 900, {100});
    EXPECT_DOUBLE_EQ(panelText.messageArea->height(), 160);
    EXPECT_DOUBLE_EQ(panelText.card.width(), 320);
    EXPECT_DOUBLE_EQ(panelText.emojiCircle.width(), 54);
}

}  // namespace
}  // namespace sorbeta
