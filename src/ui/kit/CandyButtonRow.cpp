#include "ui/kit/CandyButtonRow.h"

#include <QEvent>
#include <algorithm>

#include "ui/kit/CandyControls.h"

namespace sorbeta {
namespace {

QSize capsuleSize(const CandyButton* button) { return button->sizeHint().shrunkBy(CandyButton::kShadowMargins); }

}  // namespace

CandyButtonRow::CandyButtonRow(std::vector<CandyButton*> buttons, int gap, QWidget* parent)
    : QWidget(parent), buttons_(std::move(buttons)), gap_(gap) {
    for (CandyButton* button : buttons_) button->setParent(this);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    place();
}

std::vector<QRect> CandyButtonRow::capsules() const {
    const QMargins room = CandyButton::kShadowMargins;
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    std::vector<QRect> result;
    int x = room.left();
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        // In a right-to-left interface the first button stands rightmost.
        const CandyButton* button = buttons_[rtl ? buttons_.size() - 1 - i : i];
        const QSize capsule = capsuleSize(button);
        result.emplace_back(x, room.top(), capsule.width(), capsule.height());
        x += capsule.width() + gap_;
    }
    if (rtl) std::reverse(result.begin(), result.end());
    return result;
}

QSize CandyButtonRow::sizeHint() const {
    const QMargins room = CandyButton::kShadowMargins;
    int width = 0, height = 0;
    for (const CandyButton* button : buttons_) {
        const QSize capsule = capsuleSize(button);
        width += capsule.width();
        height = std::max(height, capsule.height());
    }
    if (!buttons_.empty()) width += gap_ * int(buttons_.size() - 1);
    return QSize(width, height).grownBy(room);
}

bool CandyButtonRow::event(QEvent* event) {
    // A button whose text changed asks for room again.
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::LayoutDirectionChange) {
        updateGeometry();
        place();
    }
    return QWidget::event(event);
}

void CandyButtonRow::resizeEvent(QResizeEvent*) { place(); }

void CandyButtonRow::place() {
    const std::vector<QRect> at = capsules();
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setGeometry(at[i].marginsAdded(CandyButton::kShadowMargins));
}

}  // namespace sorbeta
