#pragma once
// The kit's one-off labels: a text in a font and a colour. Always plain text,
// since rule, file and application names must never be read as markup.
#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace sorbeta {

QLabel* makeKitText(const QString& text, const QFont& font, const QColor& colour, QWidget* parent);

}  // namespace sorbeta
