#pragma once
// The kit's one-off labels: a text in a font and a colour. Always plain text,
// since rule, file and application names must never be read as markup.
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>
#include <Qt>

class QWidget;

namespace sorbeta {

// Set on the interface's leading edge. A label otherwise aligns by the
// direction of its own text, so a Chinese or numeric text would stand on the
// left of a right-to-left window.
QLabel* makeKitText(const QString& text, const QFont& font, const QColor& colour, QWidget* parent);

// One line of a name that may be longer than its box (an application's
// name): it asks its layout for the whole text but lets it be narrower, and
// then shows the text cut with an ellipsis, the whole of it in the tooltip.
class ElidedKitText final : public QLabel {
public:
    ElidedKitText(const QFont& font, const QColor& colour, QWidget* parent);
    void setFullText(const QString& text);
    const QString& fullText() const { return full_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();
    QString full_;
};

// A tooltip that shows `text` verbatim, line breaks and runs of spaces kept.
// Qt reads a tooltip that looks like markup as rich text, so a file name
// such as "<b>x</b>" would lose its tags; the text goes in escaped, as one
// preformatted paragraph. An empty text stays empty (no tooltip).
QString plainToolTip(const QString& text);

// The height one line of `text` takes in `font`, the fonts its letters fall
// back to included: Thai marks or Arabic letters stand taller than a Latin
// font's own line, and a box cut to that line would clip them.
double textLineHeight(const QFont& font, const QString& text);

// The leading edge of `widget`'s layout direction, as an absolute alignment.
Qt::Alignment kitLeading(const QWidget* widget);

}  // namespace sorbeta
