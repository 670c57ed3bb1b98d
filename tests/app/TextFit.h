#pragma once
// Whether the texts a window paints fit where they are painted. Each visible
// widget is painted on its own onto a device that only records the lines of
// text it draws; a line fails when it reaches past its widget, past the clip
// it was drawn in, or past what the widget's ancestors leave visible, and
// when an interface text was cut short with an ellipsis. QLabels, buttons and
// our own painted widgets are measured alike, with the fonts they draw in.
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;

namespace sorbeta::test {

struct DrawnLine {
    QString text;
    QRectF box;   // advance × (ascent + descent), widget coordinates
    QRectF clip;  // the painter's clip, widget coordinates; null without one
    QFont font;
};

// The lines of text `widget` paints itself (not its children), runs on one
// baseline joined.
std::vector<DrawnLine> drawnLines(QWidget* widget);

struct FitRules {
    // Whether a text with an ellipsis is an interface text cut short (and not
    // a whole interface text, nor a name from the disk).
    std::function<bool(const QString& text)> isCutInterfaceText;
    // Lines that the widget cuts by its own design, checked elsewhere.
    std::function<bool(const QWidget* widget, const DrawnLine& line)> cutByDesign;
    // Widgets not to paint at all: ones that draw their texts into pictures
    // of their own (the jelly map), which the recording never sees.
    std::function<bool(const QWidget* widget)> skip;
};

// One message per line that does not fit, naming the widget and the text.
QStringList unfittedTexts(QWidget* root, const FitRules& rules);

// The widget's place below `root`: class and object names, outermost first.
QString widgetPath(const QWidget* widget, const QWidget* root);

}  // namespace sorbeta::test
