#pragma once
// A button that is only its text: no frame or capsule, the given font, one
// colour at rest and another while pressed.
#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QSize>

namespace sorbeta {

class PlainTextButton final : public QAbstractButton {
public:
    // The size hint is the text's advance and line height (its fallback
    // fonts' included), with `padding`
    // and the contents margins added; the text is centred in the contents.
    PlainTextButton(const QString& text, const QFont& font, QColor colour, QColor pressedColour, QSize padding,
                    QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // Never narrower than its text: a command must be read whole.
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    QColor pressedColour_;
    QSize padding_;
};

}  // namespace sorbeta
