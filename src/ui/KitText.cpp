#include "ui/KitText.h"

#include <QLabel>
#include <QPalette>

namespace sorbeta {

QLabel* makeKitText(const QString& text, const QFont& font, const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    return label;
}

}  // namespace sorbeta
