#pragma once
// Figures whose digits each take the width of the font's widest digit, so a
// size that changes does not nudge what stands beside it (what a font's
// tabular figures do; Qt 6.4 has no way to ask the font for them).
#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QWidget>

class QPainter;

namespace sorbeta {

// The width `text` takes with tabular digits in `font`.
double tabularWidth(const QFont& font, const QString& text);

// Draws `text` in the painter's font and pen, centred vertically in `rect`
// and placed by the horizontal part of `alignment` (leading and trailing
// follow `direction`). A text with right-to-left letters keeps the ordinary
// layout: its order is the bidirectional algorithm's, not ours.
void drawTabularText(QPainter& painter, const QRectF& rect, Qt::Alignment alignment, const QString& text,
                     Qt::LayoutDirection direction = Qt::LeftToRight);

// A one-line label with tabular digits that may shrink to `minimumScale` of
// its size when its room is short. Its accessible name is its text.
class TabularLabel final : public QWidget {
public:
    TabularLabel(QFont font, QColor colour, double minimumScale, QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);
    // Where the text stands in the label's width (trailing by default).
    void setAlignment(Qt::Alignment alignment);
    // The scale the text is drawn at in the present width (minimumScale … 1).
    double drawnScale() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QColor colour_;
    double minimumScale_;
    Qt::Alignment alignment_ = Qt::AlignTrailing;
};

}  // namespace sorbeta
