#include "ui/kit/TabularText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "ui/kit/KitText.h"

namespace sorbeta {
namespace {

double digitCell(const QFontMetricsF& metrics) {
    double widest = 0;
    for (char digit = '0'; digit <= '9'; ++digit)
        widest = std::max(widest, metrics.horizontalAdvance(QLatin1Char(digit)));
    return widest;
}

// Walks the text as runs of other characters and single digits, giving each
// piece with its left edge and the width it is drawn in.
template <typename Visit>
double layoutRuns(const QFontMetricsF& metrics, const QString& text, Visit visit) {
    const double cell = digitCell(metrics);
    double x = 0;
    qsizetype runStart = 0;
    auto flush = [&](qsizetype end) {
        if (end <= runStart) return;
        const QString run = text.mid(runStart, end - runStart);
        const double width = metrics.horizontalAdvance(run);
        visit(run, x, width);
        x += width;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text[i].isDigit() || text[i].unicode() > 0x7f) continue;
        flush(i);
        visit(QString(text[i]), x, cell);
        x += cell;
        runStart = i + 1;
    }
    flush(text.size());
    return x;
}

}  // namespace

double tabularWidth(const QFont& font, const QString& text) {
    const QFontMetricsF metrics(font);
    if (text.isRightToLeft()) return metrics.horizontalAdvance(text);
    return layoutRuns(metrics, text, [](const QString&, double, double) {});
}

void drawTabularText(QPainter& painter, const QRectF& rect, Qt::Alignment alignment, const QString& text,
                     Qt::LayoutDirection direction) {
    if (text.isRightToLeft()) {
        painter.drawText(rect, int((alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter) | Qt::TextSingleLine,
                         text);
        return;
    }
    const QFontMetricsF metrics(painter.font());
    const double width = tabularWidth(painter.font(), text);
    Qt::Alignment horizontal = QStyle::visualAlignment(direction, alignment & Qt::AlignHorizontal_Mask);
    double left = rect.left();
    if (horizontal & Qt::AlignRight)
        left = rect.right() - width;
    else if (horizontal & Qt::AlignHCenter)
        left = rect.center().x() - width / 2;
    const double baseline = rect.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    // The pieces stand left to right as placed: drawn in a right-to-left
    // painter, a piece such as " M / " would have its blanks moved to the
    // other end.
    const Qt::LayoutDirection painterDirection = painter.layoutDirection();
    painter.setLayoutDirection(Qt::LeftToRight);
    layoutRuns(metrics, text, [&](const QString& piece, double x, double cellWidth) {
        const double inset = (cellWidth - metrics.horizontalAdvance(piece)) / 2;
        painter.drawText(QPointF(left + x + inset, baseline), piece);
    });
    painter.setLayoutDirection(painterDirection);
}

// TabularLabel -----------------------------------------------------------------

TabularLabel::TabularLabel(QFont font, QColor colour, double minimumScale, QWidget* parent)
    : QWidget(parent), colour_(colour), minimumScale_(minimumScale) {
    setFont(font);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TabularLabel::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

void TabularLabel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

QSize TabularLabel::sizeHint() const {
    return QSize(int(std::ceil(tabularWidth(font(), text_))), int(std::ceil(textLineHeight(font(), text_))));
}

QSize TabularLabel::minimumSizeHint() const {
    const QSize full = sizeHint();
    return QSize(int(std::ceil(full.width() * minimumScale_)), full.height());
}

double TabularLabel::drawnScale() const {
    const double full = tabularWidth(font(), text_);
    if (full <= 0 || width() >= full) return 1.0;
    return std::max(minimumScale_, width() / full);
}

void TabularLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font());
    painter.setPen(colour_);
    // Drawn small in a box as much larger: the text keeps to its end of the
    // box and the middle line (beside the select-all button: the trailing end).
    const double scale = drawnScale();
    const QRectF box(QPointF(0, 0), QSizeF(size()) / scale);
    painter.scale(scale, scale);
    drawTabularText(painter, box, alignment_, text_, layoutDirection());
}

}  // namespace sorbeta
