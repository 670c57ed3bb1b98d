#include "ui/views/dev/DevPanel.h"

#include <QEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

#include "model/common/Bytes.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/KitText.h"
#include "ui/kit/SymbolIcons.h"
#include "ui/kit/TabularText.h"
#include "ui/kit/Theme.h"
#include "ui/views/dev/DevPageText.h"

namespace sorbeta {
namespace {

const QString kNoReading = QStringLiteral("…");

QFont figureFont() { return roundedFont(70, QFont::ExtraBold); }
QFont unitFont() { return roundedFont(24, QFont::ExtraBold); }
constexpr double kUnitGap = 6;
constexpr int kCaptionLeading = 6;

// Group rows: 8 above and below, 10 at the sides, 12 between the parts.
constexpr int kRowPaddingV = 8;
constexpr int kRowPaddingH = 10;
constexpr int kRowSpacingH = 12;
constexpr int kTile = 32;

}  // namespace

// DevFigure ---------------------------------------------------------------------

DevFigure::DevFigure(Flavor flavor, QWidget* parent) : QWidget(parent), palette_(sorbeta::palette(flavor)) {
    // The number always precedes its unit, also in a right-to-left interface.
    setLayoutDirection(Qt::LeftToRight);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DevFigure::setFigure(std::optional<int64_t> bytes) {
    if (bytes == bytes_) return;
    // The first reading shows at once; later ones count.
    const bool count = bytes_.has_value() && bytes.has_value();
    bytes_ = bytes;
    if (bytes) {
        counter_.setBytes(*bytes, kitNow(), count);
        ticker_.run([this](double at) {
            if (!counter_.settledAt(at)) return false;
            updateGeometry();  // the room kept for where the count began goes
            return true;
        });
    }
    updateGeometry();
    update();
}

Bytes::Parts DevFigure::shownParts() const {
    if (!bytes_) return {kNoReading, QString()};
    return counter_.partsAt(kitNow());
}

double DevFigure::baseline() const { return QFontMetricsF(figureFont()).ascent(); }

QSize DevFigure::sizeHint() const {
    const QFontMetricsF big(figureFont());
    const QFontMetricsF small(unitFont());
    // The figure it goes to, or the one it counts down from, whichever is wider.
    const Bytes::Parts target = bytes_ ? Bytes::parts(*bytes_) : Bytes::Parts{kNoReading, QString()};
    const double number = std::max(big.horizontalAdvance(target.number), big.horizontalAdvance(shownParts().number));
    const double unit = target.unit.isEmpty() ? 0.0 : kUnitGap + small.horizontalAdvance(target.unit);
    return QSize(int(std::ceil(number + unit)), int(std::ceil(big.ascent() + big.descent())));
}

void DevFigure::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Bytes::Parts shown = shownParts();
    const QFont bigFont = figureFont();
    const double numberWidth = QFontMetricsF(bigFont).horizontalAdvance(shown.number);
    QPainterPath number;
    number.addText(QPointF(0, baseline()), bigFont, shown.number);
    QLinearGradient fill(0, 0, std::max(1.0, numberWidth), 0);
    fill.setColorAt(0, rgba(47, 211, 181));
    fill.setColorAt(0.5, palette_.base);
    fill.setColorAt(1, rgba(91, 124, 255));
    painter.fillPath(number, fill);
    if (shown.unit.isEmpty()) return;
    painter.setFont(unitFont());
    painter.setPen(palette_.deep);
    painter.drawText(QPointF(numberWidth + kUnitGap, baseline()), shown.unit);
}

// GroupRow ----------------------------------------------------------------------

GroupRow::GroupRow(const DevGroup& group, QWidget* parent) : QAbstractButton(parent), group_(group) {
    setObjectName(group.id);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void GroupRow::setState(const DevGroup& group, bool selected, const std::vector<DevEntry>& picked) {
    group_ = group;
    selected_ = selected;
    line_ = DevPageText::groupLine(group, picked);
    update();
}

QSize GroupRow::sizeHint() const { return QSize(200, kTile + 2 * kRowPaddingV + 4); }

void GroupRow::enterEvent(QEnterEvent*) {
    hover_ = true;
    update();
}

void GroupRow::leaveEvent(QEvent*) {
    hover_ = false;
    update();
}

void GroupRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double fill = selected_ ? 0.95 : hover_ ? 0.6 : 0.0;
    if (fill > 0) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(withOpacity(Qt::white, fill));
        painter.drawRoundedRect(QRectF(rect()), 14, 14);
    }
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const QRectF inner = QRectF(rect()).adjusted(kRowPaddingH, kRowPaddingV, -kRowPaddingH, -kRowPaddingV);
    const auto mirrored = [&](QRectF box) {
        if (rtl) box.moveLeft(width() - box.right());
        return box;
    };

    // The symbol tile.
    const QRectF tile = mirrored(QRectF(inner.left(), inner.center().y() - kTile / 2.0, kTile, kTile));
    const JellyPalette colours = sorbeta::palette(group_.flavor);
    QLinearGradient tileFill(tile.topLeft(), tile.bottomLeft());
    tileFill.setColorAt(0, colours.light);
    tileFill.setColorAt(0.5, colours.base);
    tileFill.setColorAt(1, colours.deep);
    QPainterPath tilePath;
    tilePath.addRoundedRect(tile, 10, 10);
    painter.fillPath(tilePath, tileFill);
    paintSymbol(painter, group_.icon, tile.adjusted(9, 9, -9, -9), Qt::white, SymbolWeight::bold);

    // The size of every entry, trailing.
    const QFont sizeFont = roundedFont(14, QFont::DemiBold);
    const QString size = Bytes::text(DevPageText::totalBytes(group_.entries));
    const double sizeWidth = tabularWidth(sizeFont, size);
    const QRectF sizeBox = mirrored(QRectF(inner.right() - sizeWidth, inner.top(), sizeWidth, inner.height()));
    painter.setFont(sizeFont);
    painter.setPen(withOpacity(Theme::ink(), 0.8));
    drawTabularText(painter, sizeBox, Qt::AlignTrailing, size, layoutDirection());

    // Title over the count line.
    const double textLeft = inner.left() + kTile + kRowSpacingH;
    const double textWidth = std::max(0.0, inner.right() - sizeWidth - kRowSpacingH - textLeft);
    const QFont titleFont = roundedFont(14, QFont::DemiBold);
    const QFont lineFont = roundedFont(11);
    const QFontMetricsF titleMetrics(titleFont);
    const QFontMetricsF lineMetrics(lineFont);
    const double textHeight = titleMetrics.height() + 1 + lineMetrics.height();
    const double top = inner.center().y() - textHeight / 2;
    const int leading = Qt::AlignLeading | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.setFont(titleFont);
    painter.setPen(Theme::ink());
    painter.drawText(mirrored(QRectF(textLeft, top, textWidth, titleMetrics.height())), leading,
                     titleMetrics.elidedText(group_.title, Qt::ElideRight, textWidth));
    painter.setFont(lineFont);
    painter.setPen(Theme::inkSoft());
    painter.drawText(mirrored(QRectF(textLeft, top + titleMetrics.height() + 1, textWidth, lineMetrics.height())),
                     leading, lineMetrics.elidedText(line_, Qt::ElideRight, textWidth));
}

// DevPanel ----------------------------------------------------------------------

DevPanel::DevPanel(DevModel& dev, QWidget* parent) : QWidget(parent), dev_(&dev) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* header = new QVBoxLayout;
    header->setSpacing(6);
    header->setContentsMargins(0, 0, 0, kBelowHeader);
    auto* figureRow = new QHBoxLayout;
    figureRow->setSpacing(6);
    figure_ = new DevFigure(dev.flavor(), this);
    figure_->setObjectName(QStringLiteral("figure"));
    figureRow->addWidget(figure_, 0, Qt::AlignTop);
    // The caption's first line stands on the figure's baseline.
    caption_ = makeKitText(dev.texts().caption, roundedFont(12, QFont::Medium), Theme::inkSoft(), this);
    caption_->setObjectName(QStringLiteral("caption"));
    caption_->setAlignment(kitLeading(caption_) | Qt::AlignTop);
    const int drop = int(std::lround(figure_->baseline() - QFontMetricsF(caption_->font()).ascent()));
    auto* captionPlace = new QVBoxLayout;
    captionPlace->setContentsMargins(kCaptionLeading, std::max(0, drop), 0, 0);
    captionPlace->addWidget(caption_);
    captionPlace->addStretch(1);
    figureRow->addLayout(captionPlace);
    figureRow->addStretch(1);
    header->addLayout(figureRow);
    subtitle_ = makeKitText(QString(), roundedFont(14, QFont::DemiBold), Theme::ink(), this);
    subtitle_->setObjectName(QStringLiteral("subtitle"));
    subtitle_->setWordWrap(true);
    header->addWidget(subtitle_);
    column->addLayout(header);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("groups"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->viewport()->setAutoFillBackground(false);
    list_ = new QWidget;
    listColumn_ = new QVBoxLayout(list_);
    listColumn_->setContentsMargins(0, 0, 0, 0);
    listColumn_->setSpacing(kRowSpacing);
    empty_ = makeKitText(dev.texts().empty, roundedFont(13), Theme::inkSoft(), list_);
    empty_->setObjectName(QStringLiteral("empty"));
    empty_->setWordWrap(true);
    empty_->setContentsMargins(0, 8, 0, 0);
    listColumn_->addWidget(empty_);
    listColumn_->addStretch(1);
    scroll->setWidget(list_);
    // setWidget() turns the background on; the panel stands on the window's own.
    list_->setAutoFillBackground(false);
    column->addWidget(scroll, 1);

    for (auto signal : {&DevModel::groupsChanged, &DevModel::pickedChanged, &DevModel::selectedGroupChanged,
                        &DevModel::loadingChanged, &DevModel::loadedChanged})
        connect(&dev, signal, this, &DevPanel::refresh);
    refresh();
}

void DevPanel::rebuildRows() {
    std::vector<QString> ids;
    for (const DevGroup& group : dev_->groups()) ids.push_back(group.id);
    if (ids == rowIds_) return;
    for (GroupRow* row : rows_) {
        row->setObjectName(QString());  // no longer one of the rows
        row->hide();
        row->deleteLater();
    }
    rows_.clear();
    rowIds_ = ids;
    int at = 0;
    for (const DevGroup& group : dev_->groups()) {
        auto* row = new GroupRow(group, list_);
        const QString id = group.id;
        QPointer<DevModel> dev = dev_;
        connect(row, &QAbstractButton::clicked, this, [dev, id] {
            if (dev) dev->setSelectedGroup(id);
        });
        listColumn_->insertWidget(at++, row);
        rows_.push_back(row);
    }
}

void DevPanel::refresh() {
    if (!dev_) return;
    const DevModel& dev = *dev_;
    figure_->setFigure(dev.loaded() ? std::optional<int64_t>(dev.recommendedTotal()) : std::nullopt);
    subtitle_->setText(dev.loading() ? dev.texts().loading : dev.texts().subtitle);
    rebuildRows();
    const DevGroup* current = dev.currentGroup();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const DevGroup& group = dev.groups()[i];
        rows_[i]->setState(group, current && current->id == group.id, dev.pickedEntries(group));
    }
    empty_->setVisible(dev.loaded() && dev.groups().empty());
}

}  // namespace sorbeta
