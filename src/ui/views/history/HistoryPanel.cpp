#include "ui/views/history/HistoryPanel.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

#include "model/common/Bytes.h"
#include "platform/Translate.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/KitText.h"
#include "ui/kit/SymbolIcons.h"
#include "ui/kit/Theme.h"
#include "ui/views/FilePlaces.h"
#include "ui/views/history/ChangeRow.h"

namespace sorbeta {
namespace {

QFont amountFont() { return roundedFont(70, QFont::Black); }
QFont unitFont() { return roundedFont(24, QFont::Black); }
QFont captionFont() { return roundedFont(12, QFont::Medium); }
constexpr double kCaptionLeading = 6;
constexpr int kSymbolSide = 16;

// A section title: the tinted symbol, then the title.
QWidget* makeSectionTitle(const QString& symbol, Flavor tint, const QString& title, QWidget* parent) {
    class Title final : public QWidget {
    public:
        Title(QString symbol, QColor colour, QString title, QWidget* parent)
            : QWidget(parent), symbol_(std::move(symbol)), colour_(colour), title_(std::move(title)) {
            setAccessibleName(title_);
        }
        QSize sizeHint() const override {
            const QFontMetricsF metrics(roundedFont(14, QFont::Bold));
            return QSize(int(std::ceil(kSymbolSide + 6 + metrics.horizontalAdvance(title_))),
                         int(std::ceil(std::max<double>(kSymbolSide, metrics.height()))) + 12);
        }

    protected:
        void paintEvent(QPaintEvent*) override {
            QPainter painter(this);
            painter.setRenderHint(QPainter::Antialiasing);
            const bool rtl = layoutDirection() == Qt::RightToLeft;
            const double middle = height() / 2.0;
            QRectF icon(0, middle - kSymbolSide / 2.0, kSymbolSide, kSymbolSide);
            QRectF text(kSymbolSide + 6, 0, width() - kSymbolSide - 6, height());
            if (rtl) {
                icon.moveLeft(width() - icon.right());
                text.moveLeft(width() - text.right());
            }
            paintSymbol(painter, symbol_, icon, colour_, SymbolWeight::bold);
            painter.setFont(roundedFont(14, QFont::Bold));
            painter.setPen(Theme::ink());
            painter.drawText(text, Qt::AlignVCenter | (rtl ? Qt::AlignRight : Qt::AlignLeft), title_);
        }

    private:
        QString symbol_;
        QColor colour_;
        QString title_;
    };
    return new Title(symbol, palette(tint).base, title, parent);
}

}  // namespace

// HistoryAmount -----------------------------------------------------------------

HistoryAmount::HistoryAmount(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("amount"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void HistoryAmount::setHeader(const HistoryPageText::Header& header) {
    const bool counted = header.unit != header_.unit || header.amount != header_.amount;
    header_ = header;
    setAccessibleName(header_.amount + header_.unit);
    if (!header_.unit.isEmpty() && (counted || !started_)) {
        // The first figure shows at once; later ones count to the new one.
        counter_.setBytes(header_.magnitude, kitNow(), started_);
        started_ = true;
        ticker_.run([this](double at) { return counter_.settledAt(at); });
    }
    updateGeometry();
    update();
}

QString HistoryAmount::shownAmount() const {
    if (header_.unit.isEmpty()) return header_.amount;
    // The sign of the figure counted to, with the number on its way there.
    return header_.amount.left(1) + counter_.partsAt(kitNow()).number;
}

QSize HistoryAmount::sizeHint() const {
    const QFontMetricsF amount(amountFont());
    const QFontMetricsF caption(captionFont());
    return QSize(360,
                 int(std::ceil(std::max(amount.height(), amount.ascent() + caption.height() * 2 - caption.ascent()))));
}

void HistoryAmount::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QString amountText = shownAmount();
    const QString unitText = header_.unit.isEmpty() ? QString() : counter_.partsAt(kitNow()).unit;
    const QFontMetricsF amount(amountFont());
    const QFontMetricsF unit(unitFont());
    const double baseline = amount.ascent();
    const double amountWidth = amount.horizontalAdvance(amountText);
    const double figureWidth = amountWidth + (unitText.isEmpty() ? 0 : kSpacing + unit.horizontalAdvance(unitText));
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    // The figure keeps its left-to-right order; the row around it mirrors.
    const double figureLeft = rtl ? width() - figureWidth : 0;

    const JellyPalette colours = flavorPalette(header_.flavor);
    QPainterPath figure;
    figure.addText(QPointF(figureLeft, baseline), amountFont(), amountText);
    QLinearGradient fill(figureLeft, 0, figureLeft + amountWidth, 0);
    fill.setColorAt(0, colours.light);
    fill.setColorAt(0.5, colours.base);
    fill.setColorAt(1, colours.deep);
    painter.fillPath(figure, fill);
    if (!unitText.isEmpty()) {
        QPainterPath unitPath;
        unitPath.addText(QPointF(figureLeft + amountWidth + kSpacing, baseline), unitFont(), unitText);
        painter.fillPath(unitPath, colours.deep);
    }

    // The caption's first line stands on the figure's baseline.
    const QFontMetricsF caption(captionFont());
    painter.setFont(captionFont());
    painter.setPen(Theme::inkSoft());
    const double captionWidth = std::max(0.0, width() - figureWidth - kSpacing - kCaptionLeading);
    const QRectF box(rtl ? 0 : figureWidth + kSpacing + kCaptionLeading, baseline - caption.ascent(), captionWidth,
                     caption.height() * 2 + 2);
    painter.drawText(box, Qt::AlignTop | (rtl ? Qt::AlignRight : Qt::AlignLeft), header_.caption);
}

// HistoryPanel ------------------------------------------------------------------

HistoryPanel::HistoryPanel(HistoryModel& model, HistoryPageServices services, QWidget* parent)
    : QWidget(parent), model_(&model), services_(std::move(services)) {
    setObjectName(QStringLiteral("historyPanel"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    amount_ = new HistoryAmount(this);
    column->addWidget(amount_);
    column->addSpacing(kHeaderSpacing);
    subtitle_ = makeKitText(QString(), roundedFont(14, QFont::DemiBold), Theme::ink(), this);
    subtitle_->setObjectName(QStringLiteral("subtitle"));
    subtitle_->setWordWrap(true);
    column->addWidget(subtitle_);
    column->addSpacing(kBelowHeader);

    picker_ = new CandySegmented(HistoryPageText::periodOptions(), QVariant(int(model.period())), Flavor::peach, this);
    picker_->setObjectName(QStringLiteral("period"));
    connect(picker_, &CandySegmented::selectionChanged, this, [this](const QVariant& value) {
        if (const auto period = HistoryModel::periodFromValue(value.toInt()); period && model_)
            model_->setPeriod(*period);
    });
    column->addWidget(picker_);
    column->addSpacing(kBelowPicker);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("changes"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidgetResizable(true);
    scroll_->viewport()->setAutoFillBackground(false);
    lists_ = new QWidget;
    lists_->setAutoFillBackground(false);
    listsColumn_ = new QVBoxLayout(lists_);
    listsColumn_->setContentsMargins(0, 0, 0, 0);
    listsColumn_->setSpacing(2);
    scroll_->setWidget(lists_);
    column->addWidget(scroll_, 1);

    connect(&model, &HistoryModel::snapshotsChanged, this, &HistoryPanel::refresh);
    connect(&model, &HistoryModel::periodChanged, this, &HistoryPanel::refresh);
    refresh();
}

void HistoryPanel::refresh() {
    if (!model_) return;
    amount_->setHeader(HistoryPageText::header(*model_, locale()));
    subtitle_->setText(amount_->header().subtitle);
    picker_->setSelection(QVariant(int(model_->period())));
    fillLists();
}

void HistoryPanel::addSectionTitle(const char* name, const QString& symbol, Flavor tint, const QString& title,
                                   int above) {
    if (above > 0) listsColumn_->addSpacing(above);
    QWidget* widget = makeSectionTitle(symbol, tint, title, lists_);
    widget->setObjectName(QString::fromLatin1(name));
    listsColumn_->addWidget(widget);
}

void HistoryPanel::fillLists() {
    while (QLayoutItem* item = listsColumn_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const HistoryPageText::Lists lists = HistoryPageText::lists(model_->changes(), model_->baseline().has_value());
    const auto addRows = [this](const std::vector<DiskChange>& changes, const char* name) {
        for (const DiskChange& change : changes) {
            auto* row = new ChangeRow(change, services_.home, lists_);
            row->setObjectName(QString::fromLatin1(name));
            connect(row, &QAbstractButton::clicked, this, [this, path = change.path] {
                const std::vector<std::filesystem::path> items{path};
                if (services_.reveal)
                    services_.reveal(items);
                else
                    revealInFileViewer(items);
            });
            listsColumn_->addWidget(row);
        }
    };
    if (!lists.grown.empty()) {
        addSectionTitle("grownTitle", QStringLiteral("arrow.up.circle.fill"), Flavor::strawberry, sorbeta::tr("变大了"),
                        0);
        addRows(lists.grown, "grownRow");
    }
    if (!lists.shrunk.empty()) {
        addSectionTitle("shrunkTitle", QStringLiteral("arrow.down.circle.fill"), Flavor::mint, sorbeta::tr("变小了"),
                        10);
        addRows(lists.shrunk, "shrunkRow");
    }
    if (lists.quiet) {
        listsColumn_->addSpacing(8);
        QLabel* quiet = makeKitText(sorbeta::tr("这段时间没有明显变化 🍧"), roundedFont(13), Theme::inkSoft(), lists_);
        quiet->setObjectName(QStringLiteral("quiet"));
        quiet->setWordWrap(true);
        listsColumn_->addWidget(quiet);
    }
    listsColumn_->addStretch(1);
}

}  // namespace sorbeta
