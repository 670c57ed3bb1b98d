#include "ui/views/history/ChangeRow.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "ui/kit/TabularText.h"
#include "ui/kit/Theme.h"

namespace sorbeta {
namespace {

QFont nameFont() { return roundedFont(14, QFont::Medium); }
QFont sizesFont() { return roundedFont(11); }
QFont changeFont() { return roundedFont(14, QFont::Bold); }

}  // namespace

ChangeRow::ChangeRow(const DiskChange& change, const std::filesystem::path& home, QWidget* parent)
    : QAbstractButton(parent), change_(change), row_(HistoryPageText::row(change, home)) {
    setToolTip(row_.tooltip);
    setAccessibleName(row_.name);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize ChangeRow::sizeHint() const {
    const double height = QFontMetricsF(nameFont()).height() + 1 + QFontMetricsF(sizesFont()).height();
    return QSize(240, int(std::ceil(height)) + 2 * kInsetV);
}

void ChangeRow::enterEvent(QEnterEvent* event) {
    hover_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ChangeRow::leaveEvent(QEvent* event) {
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void ChangeRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (hover_) {
        QPainterPath back;
        back.addRoundedRect(QRectF(rect()), kRadius, kRadius);
        painter.fillPath(back, withOpacity(Qt::white, 0.7));
    }
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    // Placed left to right, then mirrored as a whole under a right-to-left language.
    const auto mirrored = [&](QRectF box) {
        if (rtl) box.moveLeft(width() - box.right());
        return box;
    };
    const QRectF inner = QRectF(rect()).adjusted(kInsetH, kInsetV, -kInsetH, -kInsetV);

    const QFont change = changeFont();
    const double changeWidth = tabularWidth(change, row_.change);
    painter.setFont(change);
    painter.setPen(flavorPalette(row_.tint).deep);
    drawTabularText(painter, mirrored(QRectF(inner.right() - changeWidth, inner.top(), changeWidth, inner.height())),
                    Qt::AlignLeft, row_.change);

    painter.setPen(Qt::NoPen);
    painter.setBrush(flavorPalette(row_.dot).base);
    painter.drawEllipse(mirrored(QRectF(inner.left(), inner.center().y() - kDot / 2.0, kDot, kDot)));

    const double textLeft = inner.left() + kDot + kSpacing;
    const double textWidth = std::max(0.0, inner.right() - changeWidth - kSpacing - textLeft);
    const QFontMetricsF name(nameFont());
    painter.setFont(nameFont());
    painter.setPen(Theme::ink());
    const QRectF nameBox = mirrored(QRectF(textLeft, inner.top(), textWidth, name.height()));
    painter.drawText(nameBox, Qt::AlignVCenter | (rtl ? Qt::AlignRight : Qt::AlignLeft),
                     name.elidedText(row_.name, Qt::ElideRight, textWidth));
    const QFontMetricsF sizes(sizesFont());
    painter.setFont(sizesFont());
    painter.setPen(Theme::inkSoft());
    drawTabularText(painter, mirrored(QRectF(textLeft, inner.top() + name.height() + 1, textWidth, sizes.height())),
                    rtl ? Qt::AlignRight : Qt::AlignLeft, row_.sizes);
}

}  // namespace sorbeta
