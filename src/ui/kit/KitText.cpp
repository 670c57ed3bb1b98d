#include "ui/kit/KitText.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPalette>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>

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
