#include "ui/kit/CandyDialogLayout.h"

#include <algorithm>
#include <numeric>

#include "ui/kit/Theme.h"

namespace sorbeta {

const CandyDialogMeasures& dialogMeasures(bool compact) {
    static const CandyDialogMeasures window{400, 26, 14, 38, 68, 19, 13, 240, Theme::paper(), 40, 4};
    static const CandyDialogMeasures panel{320, 20, 10, 30, 54, 16, 12, 160, rgba(255, 255, 255, 0.7), 34, 2};
    return compact ? panel : window;
}

Flavor accentFlavor(const CandyDialog& dialog) {
    for (const CandyDialog::Choice& choice : dialog.choices)
        if (!choice.isCancel) return choice.flavor;
    return Flavor::strawberry;
}

std::optional<int> returnChoice(const CandyDialog& dialog) {
    for (std::size_t i = 0; i < dialog.choices.size(); ++i)
        if (dialog.choices[i].isDefault) return int(i);
    return std::nullopt;
}

std::optional<int> escapeChoice(const CandyDialog& dialog) {
    for (std::size_t i = 0; i < dialog.choices.size(); ++i)
        if (dialog.choices[i].isCancel && !dialog.choices[i].isDefault) return int(i);
    return std::nullopt;
}

ButtonArea placeButtons(const std::vector<qreal>& naturalWidths, bool compact, Qt::LayoutDirection direction) {
    const CandyDialogMeasures& m = dialogMeasures(compact);
    const qreal inner = m.innerWidth();
    const int count = int(naturalWidths.size());
    ButtonArea area;
    if (count == 0) {
        area.arrangement = compact ? ButtonArrangement::stackedFullWidth : ButtonArrangement::sideBySide;
        return area;
    }
    const qreal rowWidth =
        std::accumulate(naturalWidths.begin(), naturalWidths.end(), 0.0) + kSideBySideSpacing * (count - 1);
    if (!compact && rowWidth <= inner) {
        // The last choice leftmost, the first rightmost; the row is centred.
        area.arrangement = ButtonArrangement::sideBySide;
        qreal x = (inner - rowWidth) / 2;
        for (int i = count - 1; i >= 0; --i) {
            area.buttons.push_back({i, QRectF(x, 0, naturalWidths[i], m.buttonHeight)});
            x += naturalWidths[i] + kSideBySideSpacing;
        }
        area.height = m.buttonHeight;
    } else {
        area.arrangement = compact ? ButtonArrangement::stackedFullWidth : ButtonArrangement::stacked;
        qreal y = 0;
        for (int i = 0; i < count; ++i) {
            const qreal width = compact ? inner : std::min(naturalWidths[i], inner);
            area.buttons.push_back({i, QRectF((inner - width) / 2, y, width, m.buttonHeight)});
            y += m.buttonHeight + kStackedSpacing;
        }
        area.height = y - kStackedSpacing;
    }
    if (direction == Qt::RightToLeft)
        for (ButtonPlacement& button : area.buttons) button.rect.moveLeft(inner - button.rect.right());
    return area;
}

CardLayout layoutCard(bool compact, qreal titleHeight, bool hasMessage, qreal messageHeight,
                      const std::vector<qreal>& buttonWidths, Qt::LayoutDirection direction) {
    const CandyDialogMeasures& m = dialogMeasures(compact);
    const qreal inner = m.innerWidth();
    CardLayout layout;
    qreal y = m.padding;
    layout.emojiCircle = QRectF((m.cardWidth - m.circleDiameter) / 2, y, m.circleDiameter, m.circleDiameter);
    y += m.circleDiameter + m.spacing;
    layout.title = QRectF(m.padding, y, inner, titleHeight);
    y += titleHeight + m.spacing;
    if (hasMessage) {
        // The area is as tall as the text up to the maximum, and scrolls beyond.
        const qreal areaHeight = std::min(messageHeight, m.messageMaxHeight);
        layout.messageBox = QRectF(m.padding, y, inner, areaHeight + 2 * kMessagePadding);
        layout.messageArea =
            layout.messageBox->adjusted(kMessagePadding, kMessagePadding, -kMessagePadding, -kMessagePadding);
        y += layout.messageBox->height() + m.spacing;
    }
    y += m.buttonTopPadding;
    layout.buttons = placeButtons(buttonWidths, compact, direction);
    layout.buttonArea = QRectF(m.padding, y, inner, layout.buttons.height);
    y += layout.buttons.height + m.padding;
    layout.card = QRectF(0, 0, m.cardWidth, y);
    return layout;
}

}  // namespace sorbeta
