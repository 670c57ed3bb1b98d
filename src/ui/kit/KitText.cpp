#include "ui/kit/KitText.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPalette>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace sorbeta {

QLabel* makeKitText(const QString& text, const QFont& font, const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    label->setAlignment(kitLeading(label) | Qt::AlignVCenter);
    return label;
}

ElidedKitText::ElidedKitText(const QFont& font, const QColor& colour, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
    setAlignment(kitLeading(this) | Qt::AlignVCenter);
}

void ElidedKitText::setFullText(const QString& text) {
    full_ = text;
    updateGeometry();
    elide();
}

QSize ElidedKitText::sizeHint() const {
    const QFontMetrics metrics(font());
    const QMargins margins = contentsMargins();
    return QSize(
        metrics.horizontalAdvance(full_) + margins.left() + margins.right(),
        std::max(metrics.height(), int(std::ceil(textLineHeight(font(), full_)))) + margins.top() + margins.bottom());
}

QSize ElidedKitText::minimumSizeHint() const { return QSize(0, sizeHint().height()); }

void ElidedKitText::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void ElidedKitText::elide() {
    const QString shown = fontMetrics().elidedText(full_, Qt::ElideRight, contentsRect().width());
    setText(shown);
    setToolTip(shown == full_ ? QString() : plainToolTip(full_));
}

QString plainToolTip(const QString& text) {
    if (text.isEmpty()) return text;
    return QStringLiteral("<p style=\"white-space:pre\">") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

double textLineHeight(const QFont& font, const QString& text) {
    const double own = QFontMetricsF(font).height();
    if (text.isEmpty()) return own;
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return std::max(own, line.ascent() + line.descent());
}

Qt::Alignment kitLeading(const QWidget* widget) {
    return Qt::AlignAbsolute | (widget->layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
}

}  // namespace sorbeta
