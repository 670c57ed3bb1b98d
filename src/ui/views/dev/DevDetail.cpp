#include "ui/views/dev/DevDetail.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

#include "model/common/Bytes.h"
#include "platform/Translate.h"
#include "ui/kit/KitText.h"
#include "ui/kit/TransitionLayer.h"
#include "ui/views/FilePlaces.h"
#include "ui/views/dev/DevEntryRow.h"
#include "ui/views/dev/DevPageText.h"

namespace sorbeta {
namespace {

QFont totalNumberFont() { return roundedFont(26, QFont::ExtraBold); }
QFont totalUnitFont() { return roundedFont(14, QFont::ExtraBold); }
constexpr double kUnitGap = 3;
constexpr int kNoteGap = 3;
constexpr int kSwitchGap = 16;

// The list's card: white at 0.55 with round corners.
class ListCard final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath card;
        card.addRoundedRect(QRectF(rect()), 24, 24);
        painter.fillPath(card, withOpacity(Qt::white, 0.55));
    }
};

QSize capsuleSize(const CandyButton* button) { return button->sizeHint().shrunkBy(CandyButton::kShadowMargins); }

}  // namespace

// DevGroupTotal -----------------------------------------------------------------

DevGroupTotal::DevGroupTotal(Flavor flavor, QWidget* parent) : QWidget(parent), palette_(sorbeta::palette(flavor)) {
    setObjectName(QStringLiteral("total"));
    setLayoutDirection(Qt::LeftToRight);  // the figure reads left to right in every language
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DevGroupTotal::setBytes(int64_t bytes) {
    if (bytes == bytes_) return;
    bytes_ = bytes;
    updateGeometry();
    update();
}

QSize DevGroupTotal::sizeHint() const {
    const Bytes::Parts parts = Bytes::parts(bytes_);
    const QFontMetricsF number(totalNumberFont());
    const double width = number.horizontalAdvance(parts.number) + kUnitGap +
                         QFontMetricsF(totalUnitFont()).horizontalAdvance(parts.unit);
    return QSize(int(std::ceil(width)) + 1, int(std::ceil(number.height())));
}

void DevGroupTotal::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Bytes::Parts parts = Bytes::parts(bytes_);
    const QFont numberFont = totalNumberFont();
    const QFontMetricsF number(numberFont);
    const double baseline = (height() - number.height()) / 2.0 + number.ascent();
    const double numberWidth = number.horizontalAdvance(parts.number);
    QPainterPath text;
    text.addText(QPointF(0, baseline), numberFont, parts.number);
    text.addText(QPointF(numberWidth + kUnitGap, baseline), totalUnitFont(), parts.unit);
    QLinearGradient fill(0, baseline - number.ascent(), 0, baseline + number.descent());
    fill.setColorAt(0, palette_.base);
    fill.setColorAt(1, palette_.deep);
    painter.fillPath(text, fill);
}

// DevDetail ---------------------------------------------------------------------

DevDetail::DevDetail(const DevGroup& group, DevModel& dev, DevPageServices services, bool showList, QWidget* parent)
    : QWidget(parent), group_(group), dev_(&dev), services_(std::move(services)), showList_(showList) {
    title_ = makeKitText(group_.title, roundedFont(20, QFont::ExtraBold), Theme::ink(), this);
    title_->setObjectName(QStringLiteral("title"));
    note_ = makeKitText(group_.note, roundedFont(12), Theme::inkSoft(), this);
    note_->setObjectName(QStringLiteral("note"));
    note_->setToolTip(plainToolTip(group_.note));
    switch_ =
        new CandySegmented({{false, sorbeta::tr("果冻")}, {true, sorbeta::tr("列表")}}, showList_, group_.flavor, this);
    switch_->setObjectName(QStringLiteral("switch"));
    connect(switch_, &CandySegmented::selectionChanged, this,
            [this](const QVariant& value) { emit showListChosen(value.toBool()); });
    total_ = new DevGroupTotal(group_.flavor, this);

    map_ = new JellyMapView(services_.map, this);
    map_->setObjectName(QStringLiteral("map"));
    map_->setGap(kMapGap);
    QPointer<DevModel> weak = dev_;
    map_->setSelection(MapSelection{
        .isOn = [weak](const std::string& id) { return weak && weak->picked().contains(QString::fromStdString(id)); },
        .toggle =
            [this](const std::string& id) {
                if (!dev_) return;
                // An id without entry, such as the rest jelly's, does nothing.
                for (const DevEntry& entry : group_.entries)
                    if (entry.id.toStdString() == id) return dev_->toggle(entry);
            }});
    map_->setOnOpen([this](const MapNode& node) {
        if (!node.urls.empty()) reveal(node.urls.front());
    });

    // The list scrolls on its card.
    listCard_ = new ListCard(this);
    listCard_->setObjectName(QStringLiteral("list"));
    list_ = new QScrollArea(listCard_);
    list_->setFrameShape(QFrame::NoFrame);
    list_->setWidgetResizable(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->viewport()->setAutoFillBackground(false);
    list_->setAutoFillBackground(false);
    auto* cardLayout = new QVBoxLayout(listCard_);
    cardLayout->setContentsMargins(0, 0, 0, 0);
    cardLayout->addWidget(list_);
    listBody_ = new QWidget;
    listColumn_ = new QVBoxLayout(listBody_);
    listColumn_->setContentsMargins(4, 4, 4, 4);
    listColumn_->setSpacing(4);
    list_->setWidget(listBody_);
    // setWidget() turns the background on; the rows stand on the card.
    listBody_->setAutoFillBackground(false);

    status_ = makeKitText(QString(), roundedFont(13, QFont::DemiBold), Theme::inkSoft(), this);
    status_->setObjectName(QStringLiteral("status"));
    clean_ = new CandyButton(QString(), Flavor::strawberry, false, kButtonHeight, this);
    clean_->setObjectName(QStringLiteral("clean"));
    clean_->setSymbol(QStringLiteral("trash.fill"));
    clean_->setFocusPolicy(Qt::NoFocus);
    connect(clean_, &QAbstractButton::clicked, this, [this] {
        if (!dev_ || !clean_->isEnabled()) return;
        emit cleanRequested(dev_->pickedEntries(group_));
    });

    transitions_ = new TransitionLayer(this);
    map_->setVisible(!showList_);
    listCard_->setVisible(showList_);
    map_->setNodes(DevPageText::nodes(group_));
    buildRows();
    refresh();
}

DevDetail::~DevDetail() = default;

void DevDetail::setGroup(const DevGroup& group) {
    if (group == group_) return;
    group_ = group;
    total_->setBytes(DevPageText::totalBytes(group_.entries));
    map_->setNodes(DevPageText::nodes(group_));
    buildRows();
    refresh();
}

void DevDetail::buildRows() {
    for (EntryRow* row : rows_) {
        row->setObjectName(QString());
        row->hide();
        row->deleteLater();
    }
    rows_.clear();
    while (QLayoutItem* item = listColumn_->takeAt(0)) delete item;
    for (const DevEntry& entry : group_.entries) {
        const bool on = dev_ && dev_->picked().contains(entry.id);
        auto* row = new EntryRow(
            entry, group_.flavor, on, [this](const std::filesystem::path& url) { reveal(url); }, listBody_);
        connect(row, &QAbstractButton::clicked, this, [this, entry] {
            if (dev_) dev_->toggle(entry);
        });
        listColumn_->addWidget(row);
        rows_.push_back(row);
    }
    listColumn_->addStretch(1);
}

void DevDetail::setShowList(bool showList) {
    if (showList == showList_) return;
    showList_ = showList;
    switch_->setSelection(showList_);
    QWidget* going = showList_ ? static_cast<QWidget*>(map_) : listCard_;
    QWidget* coming = showList_ ? static_cast<QWidget*>(listCard_) : map_;
    transitions_->leave(going, Transition::opacity(), kSwitchSpring);
    transitions_->enter(coming, Transition::opacity(), kSwitchSpring);
    refresh();
}

void DevDetail::setConfirming(bool confirming) {
    if (confirming == confirming_) return;
    confirming_ = confirming;
    refresh();
}

void DevDetail::refresh() {
    if (!dev_) return;
    const DevModel& dev = *dev_;
    const std::vector<DevEntry> picked = dev.pickedEntries(group_);
    const int64_t pickedBytes = DevPageText::totalBytes(picked);
    total_->setBytes(DevPageText::totalBytes(group_.entries));
    for (EntryRow* row : rows_) row->setOn(dev.picked().contains(row->entry().id));
    map_->update();
    const bool outcome = DevPageText::statusIsOutcome(dev.lastResult());
    status_->setFont(outcome ? roundedFont(13, QFont::DemiBold) : roundedFont(12, QFont::Medium));
    status_->setText(DevPageText::statusLine(dev.lastResult(), showList_));
    clean_->setText(DevPageText::cleanTitle(dev.busy(), int(picked.size()), pickedBytes));
    // Nothing to remove, a removal or a search under way, or a question
    // already asked: the button waits.
    clean_->setEnabled(!picked.empty() && !dev.busy() && !dev.loading() && !confirming_);
    place();
}

void DevDetail::reveal(const std::filesystem::path& url) const {
    const std::vector<std::filesystem::path> items{url};
    if (services_.reveal)
        services_.reveal(items);
    else
        revealInFileViewer(items);
}

void DevDetail::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

void DevDetail::place() {
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const auto mirrored = [&](QRect box) {
        if (rtl) box.moveLeft(width() - box.right() - 1);
        return box;
    };
    // Header: title and note leading; the switch and the total trailing.
    const QSize totalSize = total_->sizeHint();
    const QSize switchSize = switch_->sizeHint();
    const int titleHeight = title_->sizeHint().height();
    const int noteHeight = QFontMetrics(note_->font()).height();
    const int headerHeight = std::max({titleHeight + kNoteGap + noteHeight, switchSize.height(), totalSize.height()});
    int end = width() - totalSize.width();
    total_->setGeometry(
        mirrored(QRect(end, (headerHeight - totalSize.height()) / 2, totalSize.width(), totalSize.height())));
    end -= kSpacing + switchSize.width();
    switch_->setGeometry(
        mirrored(QRect(end, (headerHeight - switchSize.height()) / 2, switchSize.width(), switchSize.height())));
    const int textWidth = std::max(0, end - kSwitchGap);
    const int textTop = (headerHeight - titleHeight - kNoteGap - noteHeight) / 2;
    title_->setText(QFontMetrics(title_->font()).elidedText(group_.title, Qt::ElideRight, textWidth));
    title_->setGeometry(mirrored(QRect(0, textTop, textWidth, titleHeight)));
    note_->setText(QFontMetrics(note_->font()).elidedText(group_.note, Qt::ElideRight, textWidth));
    note_->setGeometry(mirrored(QRect(0, textTop + titleHeight + kNoteGap, textWidth, noteHeight)));

    // Bottom row: the status line leading, the clean button trailing.
    const QSize capsule = capsuleSize(clean_);
    const int rowTop = height() - capsule.height();
    clean_->setGeometry(mirrored(QRect(width() - capsule.width(), rowTop, capsule.width(), capsule.height())
                                     .marginsAdded(CandyButton::kShadowMargins)));
    const int statusHeight = status_->sizeHint().height();
    status_->setGeometry(mirrored(QRect(0, rowTop + (capsule.height() - statusHeight) / 2,
                                        std::max(0, width() - capsule.width() - kSpacing), statusHeight)));

    const QRect content(0, headerHeight + kSpacing, width(), std::max(0, rowTop - kSpacing - headerHeight - kSpacing));
    map_->setGeometry(content);
    listCard_->setGeometry(content);
    clean_->raise();
}

}  // namespace sorbeta
