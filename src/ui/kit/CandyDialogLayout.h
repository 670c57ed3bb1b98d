#pragma once
// Geometry of a candy dialog card, apart from painting: the measures of each
// place, the accent flavour, the keys of the choices and where every row and
// button goes. One layout serves painting, child placement and the tests.
#include <QColor>
#include <QRectF>
#include <Qt>
#include <optional>
#include <vector>

#include "model/dialog/CandyDialog.h"

namespace sorbeta {

struct CandyDialogMeasures {
    qreal cardWidth;
    qreal padding;
    qreal spacing;  // between the rows of the column
    int emojiSize;
    qreal circleDiameter;
    int titleSize;
    int messageSize;
    qreal messageMaxHeight;
    QColor messageBox;
    qreal buttonHeight;
    qreal buttonTopPadding;

    qreal innerWidth() const { return cardWidth - 2 * padding; }
};

// compact: the menu-bar panel; otherwise the main window.
const CandyDialogMeasures& dialogMeasures(bool compact);

inline constexpr qreal kMessagePadding = 12;
inline constexpr qreal kMessageCornerRadius = 16;
inline constexpr qreal kSideBySideSpacing = 10;
inline constexpr qreal kStackedSpacing = 8;

// The flavour of the first choice that is not a cancel choice; strawberry when
// every choice cancels or there are none.
Flavor accentFlavor(const CandyDialog& dialog);

// Index of the choice Return presses: the first default choice.
std::optional<int> returnChoice(const CandyDialog& dialog);
// Index of the choice Escape presses: the first cancel choice that is not
// also a default choice (a choice marked both answers Return only).
std::optional<int> escapeChoice(const CandyDialog& dialog);

enum class ButtonArrangement { sideBySide, stacked, stackedFullWidth };

struct ButtonPlacement {
    int choice;   // index into the dialog's choices
    QRectF rect;  // relative to the top left of the button area
};

struct ButtonArea {
    ButtonArrangement arrangement;
    std::vector<ButtonPlacement> buttons;
    qreal height = 0;
};

// Main window: side by side in reverse order when they fit the inner width,
// else stacked in order, each as wide as its label; menu-bar panel: always
// stacked at full width. Right to left mirrors the placement.
ButtonArea placeButtons(const std::vector<qreal>& naturalWidths, bool compact,
                        Qt::LayoutDirection direction = Qt::LeftToRight);

struct CardLayout {
    QRectF card;  // the card's own rectangle, at (0, 0)
    QRectF emojiCircle;
    QRectF title;
    std::optional<QRectF> messageBox;   // with its 12-point padding
    std::optional<QRectF> messageArea;  // the scrolling area inside the box
    ButtonArea buttons;
    QRectF buttonArea;
};

// titleHeight: height of the wrapped title at the inner width; messageHeight:
// height of the message text at the inner width less the box padding (ignored
// when the message is empty).
CardLayout layoutCard(bool compact, qreal titleHeight, bool hasMessage, qreal messageHeight,
                      const std::vector<qreal>& buttonWidths, Qt::LayoutDirection direction = Qt::LeftToRight);

}  // namespace sorbeta
