#include "ui/views/clean/SidePanel.h"

#include <QAbstractButton>
#include <QEnterEvent>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "model/common/Bytes.h"
#include "model/dialog/CandyDialog.h"
#include "model/scan/CleanSelection.h"
#include "platform/Translate.h"
#include "ui/kit/CandyButtonRow.h"
#include "ui/kit/CandyConfirm.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/CandyPaint.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/KitText.h"
#include "ui/kit/PlainTextButton.h"
#include "ui/kit/SymbolIcons.h"
#include "ui/kit/TabularText.h"
#include "ui/kit/Theme.h"

namespace sorbeta {
namespace {

using SidePanelText::State;

// The window's spring for the first reading of the volume.
const Spring kFirstReadingSpring{0.6, 0.7};
constexpr double kHeaderEase = 0.25;
constexpr double kRowHoverEase = 0.15;
constexpr int kCaptionLeading = 6;

}  // namespace

// ItemRow -------------------------------------------------------------------

// A rule's row. It shows the tick it is given and never ticks itself: a
// click asks for the change, and the state that comes back sets its check.
class ItemRow final : public QAbstractButton {
public:
    ItemRow(const CleanItem& item, bool on, QWidget* parent)
        : QAbstractButton(parent), item_(item), palette_(sorbeta::palette(SidePanelText::itemFlavor(item))) {
        setObjectName(QString::fromStdString(item.spec.id));
        setCheckable(true);
        setChecked(on);
        check_.jumpTo(on ? 1.0 : 0.0);  // a new row shows its tick at rest
        setToolTip(plainToolTip(item.spec.note));
        setCursor(Qt::PointingHandCursor);
        setAttribute(Qt::WA_Hover);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    const std::string& id() const { return item_.spec.id; }
    // The check box's 20 points, or a taller name's line (Thai marks).
    QSize sizeHint() const override {
        const double name = textLineHeight(roundedFont(14, QFont::Medium), item_.spec.name);
        return QSize(200, std::max(20, int(std::lround(name))) + 2 * 8);
    }
    // 0 … 1: how far the hover background has come.
    double hoverAmount() const { return hover_.valueAt(kitNow()); }

protected:
    void nextCheckState() override {}
    void checkStateSet() override {
        check_.setTarget(isChecked() ? 1.0 : 0.0, kitNow());
        tick();
    }
    void enterEvent(QEnterEvent*) override { setHover(true); }
    void leaveEvent(QEvent*) override { setHover(false); }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const double hover = std::clamp(hover_.valueAt(kitNow()), 0.0, 1.0);
        if (hover > 0) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(rgba(255, 255, 255, 0.7 * hover));
            painter.drawRoundedRect(QRectF(rect()), 12, 12);
        }
        const bool rtl = layoutDirection() == Qt::RightToLeft;
        const QRectF inner = QRectF(rect()).adjusted(10, 8, -10, -8);
        const QRectF box(rtl ? inner.right() - 20 : inner.left(), inner.center().y() - 10, 20, 20);
        paintJellyCheck(painter, box, palette_, check_.valueAt(kitNow()));

        const QFont sizeFont = roundedFont(14, QFont::DemiBold);
        const QString size = Bytes::text(item_.bytes);
        const double sizeWidth = tabularWidth(sizeFont, size);
        const double nameStart = 20 + 10;
        QRectF nameRect = inner.adjusted(nameStart, 0, -(sizeWidth + 10), 0);
        QRectF sizeRect(inner.right() - sizeWidth, inner.top(), sizeWidth, inner.height());
        if (rtl) {
            nameRect = inner.adjusted(sizeWidth + 10, 0, -nameStart, 0);
            sizeRect.moveLeft(inner.left());
        }
        const QFont nameFont = roundedFont(14, QFont::Medium);
        painter.setFont(nameFont);
        painter.setPen(Theme::ink());
        const QString name = QFontMetricsF(nameFont).elidedText(item_.spec.name, Qt::ElideRight, nameRect.width());
        painter.drawText(nameRect, Qt::AlignVCenter | Qt::AlignLeading | Qt::TextSingleLine, name);
        painter.setFont(sizeFont);
        painter.setPen(withOpacity(Theme::ink(), 0.8));
        drawTabularText(painter, sizeRect, Qt::AlignTrailing, size, layoutDirection());
    }

private:
    void setHover(bool hover) {
        hover_.animateTo(hover ? 1.0 : 0.0, kitNow(), Animation::easingOut(kRowHoverEase));
        tick();
    }
    void tick() {
        ticker_.run([this](double now) { return hover_.settledAt(now) && check_.settledAt(now); });
    }

    CleanItem item_;
    JellyPalette palette_;
    AnimatedValue hover_;
    SpringValue check_{JellyCheck::kSpring};
    FrameTicker ticker_{this};
};

// Section title row ---------------------------------------------------------

class SectionTitleRow final : public QWidget {
public:
    SectionTitleRow(QString title, QString icon, Flavor tint, QWidget* parent)
        : QWidget(parent), icon_(std::move(icon)), palette_(sorbeta::palette(tint)) {
        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(0, 0, 0, 4);
        row->setSpacing(8);
        iconSpace_ = new QWidget(this);
        iconSpace_->setFixedSize(14, 14);
        row->addWidget(iconSpace_);
        auto* titleLabel = makeKitText(title, roundedFont(14, QFont::Bold), Theme::ink(), this);
        // A long title takes a second line and the button keeps its size; the
        // title asks for its one-line width first, so it wraps only when the
        // row cannot hold it.
        titleLabel->setWordWrap(true);
        titleLabel->setMinimumWidth(std::min(titleLabel->fontMetrics().horizontalAdvance(title) + 2, 150));
        QSizePolicy titlePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        titlePolicy.setHeightForWidth(true);
        titleLabel->setSizePolicy(titlePolicy);
        row->addWidget(titleLabel, 1);
        // Allowed to shrink to three quarters of its size before it crowds the button.
        selected_ = new TabularLabel(roundedFont(12, QFont::Medium), Theme::inkSoft(), 0.75, this);
        selected_->setObjectName(QStringLiteral("selected"));
        row->addWidget(selected_);
        selectAll_ = new PlainTextButton(QString(), roundedFont(12, QFont::Bold), palette_.deep, palette_.deep,
                                         QSize(2, 0), this);
        selectAll_->setObjectName(QStringLiteral("selectAll"));
        row->addWidget(selectAll_);
    }
    TabularLabel* selected_ = nullptr;
    QAbstractButton* selectAll_ = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF box(iconSpace_->geometry());
        QLinearGradient fill(box.topLeft(), box.bottomLeft());
        fill.setColorAt(0, palette_.light);
        fill.setColorAt(1, palette_.deep);
        painter.fillPath(symbolPath(icon_, box, SymbolWeight::bold), fill);
    }

private:
    QString icon_;
    JellyPalette palette_;
    QWidget* iconSpace_ = nullptr;
};

// Section -------------------------------------------------------------------

SidePanelSection::SidePanelSection(QString title, QString icon, Flavor tint, QString emptyText, QWidget* parent)
    : QWidget(parent), tint_(tint) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    titleRow_ = new SectionTitleRow(std::move(title), std::move(icon), tint, this);
    column->addWidget(titleRow_);
    empty_ = makeKitText(emptyText, roundedFont(13), Theme::inkSoft(), this);
    empty_->setObjectName(QStringLiteral("empty"));
    empty_->setContentsMargins(0, 8, 0, 8);
    column->addWidget(empty_);
    rowsLayout_ = new QVBoxLayout;
    rowsLayout_->setSpacing(4);
    rowsLayout_->setContentsMargins(0, 0, 0, 0);
    column->addLayout(rowsLayout_);
    connect(titleRow_->selectAll_, &QAbstractButton::clicked, this, [this] { emit toggleAll(items_); });
}

void SidePanelSection::setItems(const std::vector<CleanItem>& items, const State& state) {
    bool sameRows = items.size() == rowWidgets_.size();
    for (std::size_t i = 0; sameRows && i < items.size(); ++i) sameRows = items[i] == items_[i];
    items_ = items;
    if (!sameRows) {
        // Rows are rebuilt when the items change, identified by rule id.
        for (ItemRow* row : rowWidgets_) {
            row->setObjectName(QString());  // no longer one of the rows
            row->deleteLater();
        }
        rowWidgets_.clear();
        for (const CleanItem& item : items_) {
            auto* row = new ItemRow(item, state.selected.count(item.spec.id) > 0, this);
            const std::string id = item.spec.id;
            connect(row, &QAbstractButton::clicked, this, [this, id] { emit toggleItem(id); });
            rowsLayout_->addWidget(row);
            rowWidgets_.push_back(row);
        }
    }
    for (ItemRow* row : rowWidgets_) row->setChecked(state.selected.count(row->id()) > 0);

    const bool any = !items_.empty();
    empty_->setVisible(!any);
    titleRow_->selected_->setVisible(any);
    titleRow_->selectAll_->setVisible(any);
    titleRow_->selected_->setText(
        SidePanelText::sectionSelectedText(state.selectedBytes(items_), CleanSelection::totalBytes(items_)));
    titleRow_->selectAll_->setText(SidePanelText::selectAllTitle(SidePanelText::allSelected(state, items_)));
    titleRow_->selectAll_->updateGeometry();
}

// Holding link --------------------------------------------------------------

class HoldingLinkButton final : public QAbstractButton {
public:
    explicit HoldingLinkButton(QWidget* parent) : QAbstractButton(parent) {
        setCursor(Qt::PointingHandCursor);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setFont(roundedFont(12, QFont::DemiBold));
    }
    void setHeldBytes(int64_t bytes) {
        const QString next = SidePanelText::holdingLinkText(bytes);
        if (next == text()) return;
        setText(next);
        updateGeometry();
        update();
    }
    QSize sizeHint() const override { return QSize(200, heightForWidth(200)); }
    // A text longer than the capsule wraps, and the capsule grows with it.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override {
        const double lines = std::max(textLineHeight(font(), text()), textBox(QRectF(0, 0, width, 1e6)).height());
        return int(std::ceil(lines)) + 2 * kPadding.height();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(rgba(255, 255, 255, 0.75));
        painter.drawPath(candyCapsulePath(QRectF(rect())));
        const bool rtl = layoutDirection() == Qt::RightToLeft;
        const QRectF inner = QRectF(rect()).marginsRemoved(
            QMarginsF(kPadding.width(), kPadding.height(), kPadding.width(), kPadding.height()));
        const double side = kSymbolSide;
        const QRectF lead(rtl ? inner.right() - side : inner.left(), inner.center().y() - side / 2, side, side);
        const QRectF trail(rtl ? inner.left() : inner.right() - side, lead.top(), side, side);
        paintSymbol(painter, QStringLiteral("arrow.uturn.backward.circle.fill"), lead,
                    sorbeta::palette(Flavor::grape).base, SymbolWeight::semibold);
        painter.save();
        if (rtl) {  // the chevron points the reading way
            painter.translate(trail.center());
            painter.scale(-1, 1);
            painter.translate(-trail.center());
        }
        paintSymbol(painter, QStringLiteral("chevron.forward"), trail, Theme::inkSoft(), SymbolWeight::semibold);
        painter.restore();
        painter.setPen(Theme::ink());
        painter.setFont(font());
        painter.drawText(textArea(inner), Qt::AlignVCenter | Qt::AlignLeading | Qt::TextWordWrap, text());
    }

private:
    static constexpr QSize kPadding{12, 8};
    static constexpr double kSymbolSide = 13, kSpacing = 8;
    // Between the two symbols of the padded capsule.
    static QRectF textArea(const QRectF& inner) {
        return inner.adjusted(kSymbolSide + kSpacing, 0, -(kSymbolSide + kSpacing), 0);
    }
    QRectF textBox(const QRectF& whole) const {
        const QRectF area = textArea(whole.adjusted(kPadding.width(), 0, -kPadding.width(), 0));
        return QFontMetricsF(font()).boundingRect(QRectF(0, 0, std::max(area.width(), 1.0), 1e6), Qt::TextWordWrap,
                                                  text());
    }
};

// Panel ---------------------------------------------------------------------

SidePanel::SidePanel(QWidget* parent, CandyDialogCenter& dialogs) : QWidget(parent), dialogs_(&dialogs) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    buildHeader(column);
    buildSections(column);
    buildFooter(column);

    connect(safe_, &SidePanelSection::toggleItem, this, &SidePanel::toggleItem);
    connect(review_, &SidePanelSection::toggleItem, this, &SidePanel::toggleItem);
    connect(safe_, &SidePanelSection::toggleAll, this, &SidePanel::toggleAllItems);
    connect(review_, &SidePanelSection::toggleAll, this, &SidePanel::toggleAllItems);
    connect(clean_, &QAbstractButton::clicked, this, &SidePanel::askToClean);
    connect(rescan_, &QAbstractButton::clicked, this, &SidePanel::rescanRequested);
    connect(holdingLink_, &QAbstractButton::clicked, this, &SidePanel::holdingRequested);
    refresh(state_);
}

// The figure with its caption, the summary and the progress slot.
void SidePanel::buildHeader(QVBoxLayout* column) {
    auto* header = new QVBoxLayout;
    header->setSpacing(6);
    header->setContentsMargins(kBleed.left(), 0, kBleed.right(), 18);
    auto* figureRow = new QHBoxLayout;
    figureRow->setSpacing(6);
    figure_ = new SidePanelFigure(this);
    figure_->setObjectName(QStringLiteral("figure"));
    figureRow->addWidget(figure_, 0, Qt::AlignTop);
    // The caption's first line stands on the digits' baseline.
    caption_ = makeKitText(QString(), roundedFont(12, QFont::Medium), Theme::inkSoft(), this);
    caption_->setObjectName(QStringLiteral("caption"));
    caption_->setAlignment(kitLeading(caption_) | Qt::AlignTop);
    caption_->setWordWrap(true);
    const int captionDrop = int(std::lround(figure_->baseline() - QFontMetricsF(caption_->font()).ascent()));
    auto* captionPlace = new QVBoxLayout;
    captionPlace->setContentsMargins(kCaptionLeading, std::max(0, captionDrop), 0, 0);
    captionPlace->addWidget(caption_);
    captionPlace->addStretch(1);
    figureRow->addLayout(captionPlace);
    figureRow->addStretch(1);
    header->addLayout(figureRow);
    summary_ = makeKitText(QString(), roundedFont(16, QFont::DemiBold), Theme::ink(), this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);
    summary_->setMaximumHeight(QFontMetrics(summary_->font()).lineSpacing() * 2 + 2);
    header->addWidget(summary_);
    progressSlot_ = new ProgressSlot(this);
    progressSlot_->setObjectName(QStringLiteral("progress"));
    header->addWidget(progressSlot_);
    column->addLayout(header);
}

// The two sections in a scroll view without visible bars.
void SidePanel::buildSections(QVBoxLayout* column) {
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setAutoFillBackground(false);
    scroll->viewport()->setAutoFillBackground(false);
    auto* sections = new QWidget;
    sections->setAutoFillBackground(false);
    auto* sectionColumn = new QVBoxLayout(sections);
    sectionColumn->setContentsMargins(kBleed.left(), 2, kBleed.right(), 2);
    sectionColumn->setSpacing(20);
    safe_ = new SidePanelSection(sorbeta::tr("可安全清理"), QStringLiteral("drop.fill"), Flavor::lime,
                                 sorbeta::tr("没有发现可以放心删的缓存"), sections);
    safe_->setObjectName(QStringLiteral("safe"));
    review_ = new SidePanelSection(sorbeta::tr("确认后清理"), QStringLiteral("drop.halffull"), Flavor::mango,
                                   sorbeta::tr("没有需要确认的项目"), sections);
    review_->setObjectName(QStringLiteral("review"));
    sectionColumn->addWidget(safe_);
    sectionColumn->addWidget(review_);
    sectionColumn->addStretch(1);
    scroll->setWidget(sections);
    // setWidget() turns the background on; the panel stands on the window's own.
    sections->setAutoFillBackground(false);
    column->addWidget(scroll, 1);
}

// The holding link and the clean and rescan buttons.
void SidePanel::buildFooter(QVBoxLayout* column) {
    // 12 below the sections, 10 between the holding link and the buttons'
    // capsules; the buttons' shadow room above the capsules counts in both.
    const int shadowTop = CandyButton::kShadowMargins.top();
    column->addSpacing(12 - shadowTop);

    // Holding link, with its spacing; gone together when the area is empty.
    holdingBox_ = new QWidget(this);
    auto* linkRow = new QHBoxLayout(holdingBox_);
    linkRow->setContentsMargins(kBleed.left(), shadowTop, kBleed.right(), 10 - shadowTop);
    holdingLink_ = new HoldingLinkButton(holdingBox_);
    holdingLink_->setObjectName(QStringLiteral("holdingLink"));
    linkRow->addWidget(holdingLink_);
    column->addWidget(holdingBox_);
    holdingBox_->hide();

    // Footer: the two capsules 10 apart, the first on the panel's leading edge.
    clean_ = new CandyButton(QString(), Flavor::strawberry, false, 46);
    clean_->setObjectName(QStringLiteral("clean"));
    rescan_ = new CandyButton(QString(), Flavor::sky, true, 46);
    rescan_->setObjectName(QStringLiteral("rescan"));
    rescan_->setToolTip(sorbeta::tr("重新扫描"));
    rescan_->setSymbol(QStringLiteral("arrow.clockwise"));
    footer_ = new CandyButtonRow({clean_, rescan_}, 10, this);
    footer_->setObjectName(QStringLiteral("footer"));
    column->addWidget(footer_, 0, Qt::AlignLeft);
}

void SidePanel::setState(const State& state) {
    const State before = std::exchange(state_, state);
    refresh(before);
}

void SidePanel::setHoldingBatches(int count) { holdingBox_->setVisible(count > 0); }

void SidePanel::refresh(const State& before) {
    figure_->setFigure(SidePanelText::figureNumber(state_), SidePanelText::figureUnit(state_),
                       SidePanelText::afterCleanBytes(state_));
    caption_->setText(SidePanelText::caption(state_));
    summary_->setText(SidePanelText::summary(state_));
    const auto fraction = SidePanelText::progressFraction(state_);
    if (fraction.has_value() != progressSlot_->shown()) {
        // The header eases its changes when the panel turns busy or idle; the
        // bar that the first reading brings mid-scan comes with that reading's spring.
        Animation animation;
        if (before.busy() != state_.busy())
            animation = Animation::easingOut(kHeaderEase);
        else if (before.hasScanned != state_.hasScanned)
            animation = Animation::springy(kFirstReadingSpring);
        progressSlot_->setShown(fraction.has_value(), animation);
    }
    if (fraction) progressSlot_->bar()->setFraction(*fraction);
    safe_->setItems(state_.safeItems(), state_);
    review_->setItems(state_.reviewItems(), state_);
    static_cast<HoldingLinkButton*>(holdingLink_)->setHeldBytes(state_.heldBytes);
    clean_->setText(SidePanelText::buttonTitle(state_));
    clean_->setEnabled(SidePanelText::cleanEnabled(state_));
    rescan_->setEnabled(SidePanelText::rescanEnabled(state_));
}

void SidePanel::setRefreshBeforeAsking(std::function<void()> refresh) { refreshBeforeAsking_ = std::move(refresh); }

void SidePanel::askToClean() {
    if (refreshBeforeAsking_) refreshBeforeAsking_();
    if (!SidePanelText::cleanEnabled(state_) || !dialogs_) return;
    // Title, message, the rules to clean and whether they are held are taken
    // now, so the clean does what the dialog says, whatever is ticked or set
    // meanwhile.
    std::set<std::string> ids;
    for (const CleanItem& item : state_.selectedItems()) ids.insert(item.spec.id);
    const bool holdCleaned = state_.holdCleaned;
    QPointer<SidePanel> self(this);
    candyConfirm(
        QStringLiteral("🍧"), SidePanelText::confirmTitle(state_), SidePanelText::confirmMessage(state_),
        sorbeta::tr("清理"), Flavor::strawberry, sorbeta::tr("再想想"),
        [self, ids, holdCleaned] {
            if (self) emit self->cleanConfirmed(ids, holdCleaned);
        },
        *dialogs_);
}

}  // namespace sorbeta
