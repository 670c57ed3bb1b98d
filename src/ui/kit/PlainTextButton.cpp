#include "ui/kit/PlainTextButton.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "ui/kit/KitText.h"

namespace sorbeta {

PlainTextButton::PlainTextButton(const QString& text, const QFont& font, QColor colour, QColor pressedColour,
                                 QSize padding, QWidget* parent)
    : QAbstractButton(parent), colour_(colour), pressedColour_(pressedColour), padding_(padding) {
    setText(text);
    setFont(font);
    setCursor(Qt::PointingHandCursor);
}

QSize PlainTextButton::sizeHint() const {
    const QFontMetrics metrics(font());
    const QMargins m = contentsMargins();
    return QSize(metrics.horizontalAdvance(text()), int(std::ceil(textLineHeight(font(), text())))) + padding_ +
           QSize(m.left() + m.right(), m.top() + m.bottom());
}

void PlainTextButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(isDown() ? pressedColour_ : colour_);
    painter.setFont(font());
    painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}

}  // namespace sorbeta
