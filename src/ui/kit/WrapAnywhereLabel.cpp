#include "ui/kit/WrapAnywhereLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace sorbeta {
namespace {

// Lays `text` out in lines of `width`; the layout holds them afterwards.
qreal layOut(QTextLayout& layout, qreal width, Qt::Alignment alignment, Qt::LayoutDirection direction) {
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(direction);
    layout.setTextOption(option);
    const qreal leading = QFontMetricsF(layout.font()).leading();
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height() + std::max<qreal>(leading, 0);
    }
    layout.endLayout();
    return y;
}

// A line break in the text as the layout understands it.
QString withLineSeparators(QString text) {
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return text;
}

}  // namespace

QStringList wrappedLines(const QString& text, const QFont& font, qreal width) {
    const QString laid = withLineSeparators(text);
    QTextLayout layout(laid, font);
    layOut(layout, width, Qt::AlignLeft, Qt::LeftToRight);
    QStringList lines;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        QString part = laid.mid(line.textStart(), line.textLength());
        if (part.endsWith(QChar::LineSeparator)) part.chop(1);
        lines << part;
    }
    return lines;
}

WrapAnywhereLabel::WrapAnywhereLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setText(text);
    setWordWrap(true);  // tells layouts its height follows its width
}

int WrapAnywhereLabel::heightForWidth(int width) const {
    const QMargins margins = contentsMargins();
    QTextLayout layout(withLineSeparators(text()), font());
    const qreal height = layOut(layout, width - margins.left() - margins.right(), alignment(), layoutDirection());
    return int(std::ceil(height)) + margins.top() + margins.bottom();
}

QSize WrapAnywhereLabel::sizeHint() const {
    // As wide as its longest line unbroken, as a word-wrapping label asks.
    const QSize natural = QLabel::sizeHint();
    return {natural.width(), heightForWidth(natural.width())};
}

QSize WrapAnywhereLabel::minimumSizeHint() const {
    // Any width will do: the text wraps inside words.
    const int side = int(std::ceil(QFontMetricsF(font()).height()));
    return {side, side};
}

void WrapAnywhereLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = contentsRect();
    QTextLayout layout(withLineSeparators(text()), font());
    const qreal height = layOut(layout, area.width(), alignment(), layoutDirection());
    qreal top = area.top();
    if (alignment() & Qt::AlignVCenter) top += (area.height() - height) / 2;
    if (alignment() & Qt::AlignBottom) top += area.height() - height;
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, QPointF(area.left(), top));
}

}  // namespace sorbeta
