#include "TextFit.h"

#include <QAbstractScrollArea>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QScreen>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace sorbeta::test {
namespace {

// Rounding of advances and line heights is not a cut.
constexpr double kSlack = 1.0;

// An emoji's glyph is drawn as the emoji font has it, taller than the text
// around it, and how tall depends on the machine's fonts: the height of a
// line is that of its other letters, in whatever fonts they fall back to.
std::pair<double, double> heightOf(const QString& text, const QTextItem& item) {
    QString letters;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char32_t code = text[i].isHighSurrogate() && i + 1 < text.size()
                                  ? QChar::surrogateToUcs4(text[i], text[i + 1])
                                  : char32_t(text[i].unicode());
        const bool pictograph = QChar::category(code) == QChar::Symbol_Other || code == 0xFE0F || code == 0x200D;
        if (!pictograph) letters += QString::fromUcs4(&code, 1);
        if (code > 0xFFFF) ++i;
    }
    if (letters.trimmed().isEmpty()) return {QFontMetricsF(item.font()).ascent(), QFontMetricsF(item.font()).descent()};
    if (letters.size() == text.size()) return {item.ascent(), item.descent()};
    QTextLayout layout(letters, item.font());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return {line.ascent(), line.descent()};
}

class TextRecorder final : public QPaintEngine {
public:
    TextRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}

    std::vector<DrawnLine> runs;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
    void drawRects(const QRectF*, int) override {}
    void drawRects(const QRect*, int) override {}
    void drawLines(const QLineF*, int) override {}
    void drawLines(const QLine*, int) override {}
    void drawEllipse(const QRectF&) override {}
    void drawEllipse(const QRect&) override {}
    void drawPoints(const QPointF*, int) override {}
    void drawPoints(const QPoint*, int) override {}

    void drawTextItem(const QPointF& position, const QTextItem& item) override {
        const QPainter* p = painter();
        const QTransform transform = p->combinedTransform();
        DrawnLine run;
        run.text = item.text();
        const auto [ascent, descent] = heightOf(run.text, item);
        run.box = transform.mapRect(QRectF(position.x(), position.y() - ascent, item.width(), ascent + descent));
        if (p->hasClipping()) run.clip = transform.mapRect(p->clipBoundingRect());
        run.font = item.font();
        runs.push_back(run);
    }
};

class RecordingDevice final : public QPaintDevice {
public:
    TextRecorder engine;
    QPaintEngine* paintEngine() const override { return const_cast<TextRecorder*>(&engine); }

protected:
    int metric(PaintDeviceMetric metric) const override {
        const QScreen* screen = QGuiApplication::primaryScreen();
        switch (metric) {
            case PdmWidth:
            case PdmHeight: return 8000;
            case PdmWidthMM:
            case PdmHeightMM: return 2000;
            case PdmNumColors: return INT_MAX;
            case PdmDepth: return 32;
            case PdmDpiX:
            case PdmDpiY: return int(std::lround(screen->logicalDotsPerInch()));
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY: return int(std::lround(screen->physicalDotsPerInch()));
            case PdmDevicePixelRatio: return 1;
            case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        }
        return 0;
    }
};

bool within(const QRectF& inner, const QRectF& outer) {
    return inner.left() >= outer.left() - kSlack && inner.right() <= outer.right() + kSlack &&
           inner.top() >= outer.top() - kSlack && inner.bottom() <= outer.bottom() + kSlack;
}

// What the ancestors up to `root` leave of the widget, in root coordinates.
// Inside a scroll area only the width counts: what lies below is scrolled to.
QRectF visiblePart(const QWidget* widget, const QWidget* root) {
    QRectF visible(widget->mapTo(root, QPoint(0, 0)), QSizeF(widget->size()));
    bool scrolled = false;
    for (const QWidget* above = widget->parentWidget(); above && above != root->parentWidget();
         above = above->parentWidget()) {
        QRectF frame(above->mapTo(root, QPoint(0, 0)), QSizeF(above->size()));
        if (auto* area = qobject_cast<const QAbstractScrollArea*>(above->parentWidget());
            area && area->viewport() == above)
            scrolled = true;
        if (scrolled) frame = QRectF(frame.left(), visible.top(), frame.width(), visible.height());
        visible = visible.intersected(frame);
        if (visible.isEmpty()) return {};
    }
    return visible;
}

QString describe(const QRectF& box) {
    return QStringLiteral("%1×%2 at (%3, %4)")
        .arg(box.width(), 0, 'f', 1)
        .arg(box.height(), 0, 'f', 1)
        .arg(box.left(), 0, 'f', 1)
        .arg(box.top(), 0, 'f', 1);
}

}  // namespace

std::vector<DrawnLine> drawnLines(QWidget* widget) {
    RecordingDevice device;
    widget->render(&device, QPoint(), QRegion(), QWidget::RenderFlags());
    std::vector<DrawnLine> runs = std::move(device.engine.runs);
    // Runs of one line (scripts, directions, fonts) share a baseline and touch.
    std::stable_sort(runs.begin(), runs.end(), [](const DrawnLine& a, const DrawnLine& b) {
        return a.box.bottom() != b.box.bottom() ? a.box.bottom() < b.box.bottom() : a.box.left() < b.box.left();
    });
    std::vector<DrawnLine> lines;
    for (const DrawnLine& run : runs) {
        if (!lines.empty()) {
            DrawnLine& last = lines.back();
            const bool sameBaseline =
                std::abs(last.box.bottom() - run.box.bottom()) < 2.5 || std::abs(last.box.top() - run.box.top()) < 2.5;
            if (sameBaseline && run.box.left() <= last.box.right() + kSlack && run.clip == last.clip) {
                last.text += run.text;
                last.box = last.box.united(run.box);
                continue;
            }
        }
        lines.push_back(run);
    }
    return lines;
}

QString widgetPath(const QWidget* widget, const QWidget* root) {
    QStringList parts;
    for (const QWidget* at = widget; at; at = at->parentWidget()) {
        const QString name = at->objectName();
        if (!name.isEmpty() || at == widget)
            parts.prepend(name.isEmpty() ? QString::fromLatin1(at->metaObject()->className())
                                         : QStringLiteral("%1#%2").arg(at->metaObject()->className(), name));
        if (at == root) break;
    }
    return parts.join(QLatin1Char('/'));
}

QStringList unfittedTexts(QWidget* root, const FitRules& rules) {
    QStringList problems;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (widget != root && !widget->isVisibleTo(root)) continue;
        if (widget->isWindow() && widget != root) continue;  // its own window, checked on its own
        if (rules.skip && rules.skip(widget)) continue;
        const QRectF visible = visiblePart(widget, root);
        if (visible.isEmpty()) continue;
        const QPointF offset = widget->mapTo(root, QPoint(0, 0));
        for (const DrawnLine& line : drawnLines(widget)) {
            if (line.text.trimmed().isEmpty()) continue;
            if (rules.cutByDesign && rules.cutByDesign(widget, line)) continue;
            QString why;
            if (!within(line.box, QRectF(widget->rect())))
                why = QStringLiteral("reaches past its widget (%1 in %2×%3)")
                          .arg(describe(line.box))
                          .arg(widget->width())
                          .arg(widget->height());
            else if (!line.clip.isNull() && !within(line.box, line.clip))
                why = QStringLiteral("is clipped (%1 in %2)").arg(describe(line.box), describe(line.clip));
            else if (!within(line.box.translated(offset), visible))
                why = QStringLiteral("is hidden by an ancestor (%1, visible %2)")
                          .arg(describe(line.box.translated(offset)), describe(visible));
            else if (rules.isCutInterfaceText && rules.isCutInterfaceText(line.text))
                why = QStringLiteral("is cut short");
            if (!why.isEmpty())
                problems << QStringLiteral("%1: \"%2\" %3").arg(widgetPath(widget, root), line.text, why);
        }
    }
    return problems;
}

}  // namespace sorbeta::test
