#include "ui/views/clean/HoldingSheet.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QTextLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "model/common/Bytes.h"
#include "model/common/LocaleDates.h"
#include "model/holding/HoldingModel.h"
#include "platform/Translate.h"
#include "ui/kit/CandyButtonRow.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/CandyPaint.h"
#include "ui/kit/KitText.h"
#include "ui/kit/TabularText.h"
#include "ui/kit/Theme.h"

namespace sorbeta {

qint64 holdingDaysLeft(const QDateTime& date, const QDateTime& now) {
    const qint64 elapsed = date.secsTo(now);
    const qint64 whole = elapsed / 86'400;  // truncates toward zero
    return std::max<qint64>(0, 7 - whole);
}

QString abbreviatedDateTime(const QDateTime& date, const QLocale& locale) {
    return LocaleDates::abbreviatedDateTime(date, locale);
}

QString holdingDetailLine(const HoldBatch& batch, const QDateTime& now) {
    const QString when = abbreviatedDateTime(batch.date, QLocale());
    const QString items = sorbeta::tr("%n 项", nullptr, qint64(batch.items.size()));
    const QString left = sorbeta::tr("还剩 %n 天", nullptr, holdingDaysLeft(batch.date, now));
    return sorbeta::tr("%1 · %2").arg(sorbeta::tr("%1 · %2").arg(when, items), left);
}

namespace {

// A wrapped text cut after its second line.
class TwoLineText final : public QWidget {
public:
    TwoLineText(QString text, QFont font, QColor color, QWidget* parent)
        : QWidget(parent), text_(std::move(text)), color_(std::move(color)) {
        setFont(font);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return int(std::ceil(std::min(2, lineCount(width)) * lineStep())); }
    QSize sizeHint() const override { return {200, heightForWidth(200)}; }
    QSize minimumSizeHint() const override { return {40, int(std::ceil(lineStep()))}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(color_);
        QTextLayout layout(text_, font());
        QTextOption option(layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        qreal y = 0;
        int shown = 0;
        while (shown < 2) {
            QTextLine line = layout.createLine();
            if (!line.isValid()) break;
            line.setLineWidth(width());
            line.setPosition(QPointF(0, y));
            y += lineStep();
            ++shown;
        }
        layout.endLayout();
        const bool cut =
            layout.lineCount() == 2 && layout.lineAt(1).textStart() + layout.lineAt(1).textLength() < text_.size();
        if (!cut) {
            layout.draw(&painter, QPointF(0, 0));
            return;
        }
        layout.lineAt(0).draw(&painter, QPointF(0, 0));
        const QTextLine second = layout.lineAt(1);
        const QString rest = text_.mid(second.textStart());
        const QString elided = fontMetrics().elidedText(rest, Qt::ElideRight, width());
        painter.drawText(QRectF(0, second.y(), width(), lineStep()), Qt::AlignLeading | Qt::AlignTop, elided);
    }

private:
    // Thai marks stand taller than the font's own lines.
    double lineStep() const {
        return std::max(double(fontMetrics().lineSpacing()), double(std::lround(textLineHeight(font(), text_))));
    }
    int lineCount(int width) const {
        QTextLayout layout(text_, font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        int count = 0;
        while (count < 3) {
            QTextLine line = layout.createLine();
            if (!line.isValid()) break;
            line.setLineWidth(std::max(1, width));
            ++count;
        }
        layout.endLayout();
        return std::max(1, count);
    }

    QString text_;
    QColor color_;
};

// The detail line works its days left out each time it is drawn.
class DetailLine final : public QLabel {
public:
    DetailLine(HoldBatch batch, HoldingSheet::Clock now, QWidget* parent)
        : QLabel(parent), batch_(std::move(batch)), now_(std::move(now)) {
        setTextFormat(Qt::PlainText);
        setWordWrap(true);  // a long date or wording takes a second line, the buttons keep their room
        setFont(roundedFont(11));
        QPalette palette = this->palette();
        palette.setColor(QPalette::WindowText, Theme::inkSoft());
        setPalette(palette);
        refresh();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        refresh();
        QLabel::paintEvent(event);
    }

private:
    void refresh() {
        const QString line = holdingDetailLine(batch_, now_());
        if (line != text()) setText(line);
    }

    HoldBatch batch_;
    HoldingSheet::Clock now_;
};

class BatchRow final : public QWidget {
public:
    // The buttons' shadow room reaches further below the capsules than the
    // row's 12-point padding: that much of it hangs below the card.
    static int overhang() { return std::max(0, CandyButton::kShadowMargins.bottom() - 12); }

    BatchRow(const HoldBatch& batch, const HoldingSheet::Clock& now, QWidget* parent) : QWidget(parent) {
        const QMargins room = CandyButton::kShadowMargins;
        auto* row = new QHBoxLayout(this);
        row->setSpacing(0);
        // Texts and size are centred on the capsules, which sit higher in
        // their widgets than the middle by the difference of the shadow room.
        auto* info = new QHBoxLayout;
        info->setSpacing(0);
        info->setContentsMargins(0, 0, 0, std::max(0, room.bottom() - room.top()));
        auto* texts = new QVBoxLayout;
        texts->setSpacing(3);
        texts->addWidget(new TwoLineText(batch.title, roundedFont(14, QFont::DemiBold), Theme::ink(), this));
        texts->addWidget(new DetailLine(batch, now, this));
        // Centred as a block: the buttons set the row's height.
        texts->insertStretch(0, 1);
        texts->addStretch(1);
        info->addLayout(texts, 1);
        info->addSpacing(12);
        const qint64 bytes = std::accumulate(batch.items.begin(), batch.items.end(), qint64(0),
                                             [](qint64 sum, const HoldBatch::Item& item) { return sum + item.bytes; });
        // Digits of equal width, so sizes in the rows below one another line
        // up digit by digit. The label is as wide as its text, which starts at
        // its left edge in both directions: a size reads left to right.
        size = new TabularLabel(roundedFont(14, QFont::Bold), Theme::ink(), 1.0, this);
        size->setText(Bytes::text(bytes, false));
        size->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
        size->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        info->addWidget(size);
        row->addLayout(info, 1);
        setObjectName(QStringLiteral("batch"));
        size->setObjectName(QStringLiteral("size"));
        auto* restoreButton = new CandyButton(sorbeta::tr("恢复"), Flavor::lime, true, 32);
        restoreButton->setObjectName(QStringLiteral("restore"));
        auto* purgeButton = new CandyButton(sorbeta::tr("删除"), Flavor::strawberry, true, 32);
        purgeButton->setObjectName(QStringLiteral("delete"));
        restore = restoreButton;
        purge = purgeButton;
        // The pair's shadow room stands in the row's 12-point gap and padding.
        row->addSpacing(12 - std::min(12, room.left()));
        row->addWidget(new CandyButtonRow({restoreButton, purgeButton}, 12, this));
        row->setContentsMargins(12, 12 - std::min(12, room.top()), 12 - std::min(12, room.right()),
                                12 - std::min(12, room.bottom()));
    }

    QAbstractButton* restore = nullptr;
    QAbstractButton* purge = nullptr;
    TabularLabel* size = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath card;
        card.addRoundedRect(QRectF(rect()).adjusted(0, 0, 0, -overhang()), 16, 16);
        painter.fillPath(card, withOpacity(Qt::white, 0.7));
    }
};

}  // namespace

HoldingSheet::HoldingSheet(HoldingModel& holding, std::function<void()> restored, QWidget* parent, Clock now)
    : QDialog(parent), holding_(&holding), restored_(std::move(restored)), now_(std::move(now)) {
    if (!now_) now_ = [] { return QDateTime::currentDateTimeUtc(); };
    setFixedSize(560, 480);
    setWindowTitle(sorbeta::tr("暂存区"));
    QPalette background = palette();
    background.setColor(QPalette::Window, Theme::paper());
    setPalette(background);
    setAutoFillBackground(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 24, 24, 24);
    column->setSpacing(14);

    auto* header = new QHBoxLayout;
    auto* titles = new QVBoxLayout;
    titles->setSpacing(4);
    titles->addWidget(makeKitText(sorbeta::tr("暂存区"), roundedFont(24, QFont::ExtraBold), Theme::ink(), this));
    QLabel* note = makeKitText(sorbeta::tr("最近 7 天清理的东西先放在这里，到期自动删除。要马上腾出空间可以直接删掉。"),
                               roundedFont(12), Theme::inkSoft(), this);
    note->setWordWrap(true);
    titles->addWidget(note);
    header->addLayout(titles, 1);
    // QDialog closes on Escape by itself, which is this button's key.
    done_ = new CandyButton(sorbeta::tr("完成"), Flavor::grape, true, 36, this);
    done_->setObjectName(QStringLiteral("done"));
    connect(done_, &QAbstractButton::clicked, this, &QDialog::accept);
    header->addWidget(done_, 0, Qt::AlignVCenter);
    column->addLayout(header);

    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->viewport()->setAutoFillBackground(false);
    auto* list = new QWidget;
    list->setAutoFillBackground(false);
    rows_ = new QVBoxLayout(list);
    rows_->setContentsMargins(0, 0, 0, 0);
    // 8 between the cards; the buttons' shadow hangs into it.
    rows_->setSpacing(8 - BatchRow::overhang());
    empty_ = makeKitText(sorbeta::tr("暂存区是空的 🍧"), roundedFont(13), Theme::inkSoft(), list);
    empty_->setObjectName(QStringLiteral("empty"));
    empty_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    empty_->setContentsMargins(0, 20, 0, 0);
    rows_->addWidget(empty_);
    rows_->addStretch(1);
    scroll->setWidget(list);
    list->setAutoFillBackground(false);  // setWidget() turned it on
    column->addWidget(scroll, 1);

    message_ = makeKitText(QString(), roundedFont(12, QFont::DemiBold), Theme::inkSoft(), this);
    message_->setObjectName(QStringLiteral("message"));
    // A restore that left items behind takes more than one line in some languages.
    message_->setWordWrap(true);
    message_->hide();
    column->addWidget(message_);

    connect(&holding, &HoldingModel::batchesChanged, this, &HoldingSheet::rebuildRows);
    rebuildRows();
}

void HoldingSheet::rebuildRows() {
    for (QWidget* row : rowWidgets_) {
        row->setObjectName(QString());  // no longer one of the rows
        row->hide();
        row->deleteLater();  // a row's own button may have started this
    }
    rowWidgets_.clear();
    if (!holding_) return;
    const std::vector<HoldBatch>& batches = holding_->batches();
    empty_->setVisible(batches.empty());
    int index = 0;
    for (const HoldBatch& batch : batches) {
        auto* row = new BatchRow(batch, now_, empty_->parentWidget());
        rows_->insertWidget(index++, row);
        connect(row->restore, &QAbstractButton::clicked, this, [this, batch] { restore(batch); });
        connect(row->purge, &QAbstractButton::clicked, this, [this, batch] { purge(batch); });
        rowWidgets_.push_back(row);
    }
}

void HoldingSheet::setMessage(const QString& text) {
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
}

QCoro::Task<> HoldingSheet::restore(HoldBatch batch) {
    QPointer<HoldingSheet> self(this);
    QPointer<HoldingModel> holding = holding_;
    const std::function<void()> restored = restored_;
    if (!holding) co_return;
    // Awaited tasks are named: see platform/Async.h.
    QCoro::Task<HoldingArea::RestoreResult> restoring = holding->restore(std::move(batch));
    const HoldingArea::RestoreResult result = co_await restoring;
    // The sheet may have closed meanwhile: then there is no line to show.
    // Nothing back, nothing left: an earlier request (a double click) took
    // the batch, and its line stays.
    if (self && result != HoldingArea::RestoreResult{}) {
        QString text = sorbeta::tr("放回去了 %n 项", nullptr, result.restored);
        if (!result.skipped.empty())
            text = sorbeta::tr("%1，%2").arg(
                text, sorbeta::tr("%n 项原处已经有新的了，留在暂存区", nullptr, qint64(result.skipped.size())));
        if (!result.failed.empty())
            text = sorbeta::tr("%1，%2").arg(
                text, sorbeta::tr("%n 项没能放回去，还留在暂存区", nullptr, qint64(result.failed.size())));
        self->setMessage(text);
    }
    if (restored) restored();
}

QCoro::Task<> HoldingSheet::purge(HoldBatch batch) {
    QPointer<HoldingSheet> self(this);
    QPointer<HoldingModel> holding = holding_;
    if (!holding) co_return;
    const std::string id = batch.id;
    QCoro::Task<qint64> purging = holding->purge(std::move(batch));
    const qint64 freed = co_await purging;
    if (!self || !holding) co_return;
    // What could not go stays listed with its batch.
    qint64 left = 0;
    for (const HoldBatch& listed : holding->batches())
        if (listed.id == id) left = qint64(listed.items.size());
    // Nothing went and nothing is left: an earlier request took it all.
    if (freed == 0 && left == 0) co_return;
    QString text = freed > 0 ? sorbeta::tr("腾出 %1 🎉").arg(Bytes::text(freed, false)) : QString();
    if (left > 0) {
        const QString stayed = sorbeta::tr("%n 项没能删掉，还留在暂存区", nullptr, left);
        text = text.isEmpty() ? stayed : sorbeta::tr("%1，%2").arg(text, stayed);
    }
    self->setMessage(text);
}

}  // namespace sorbeta
