#pragma once
// A plain-text label that wraps between words and, where one word is wider
// than the line, inside the word: its text is never cut or clipped. QLabel's
// word wrap breaks only between words, so a long file or application name in
// a title would run past the edge.
#include <QLabel>
#include <QStringList>

namespace sorbeta {

// The lines `text` takes in `width` with `font`: between words where they
// fit, anywhere inside a word that does not. Line breaks in the text are kept.
QStringList wrappedLines(const QString& text, const QFont& font, qreal width);

class WrapAnywhereLabel final : public QLabel {
public:
    WrapAnywhereLabel(const QString& text, QWidget* parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace sorbeta
