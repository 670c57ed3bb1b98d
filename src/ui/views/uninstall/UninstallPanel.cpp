#include "ui/views/uninstall/UninstallPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

#include "model/common/Bytes.h"
#include "platform/Translate.h"
#include "ui/kit/CandyPaint.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/KitText.h"
#include "ui/kit/SymbolIcons.h"
#include "ui/kit/TabularText.h"
#include "ui/kit/Theme.h"
#include "ui/views/uninstall/AppIcons.h"
#include "ui/views/uninstall/UninstallTexts.h"

namespace sorbeta {
namespace {

constexpr Spring kFigureSpring{0.5, 0.7};
constexpr Spring kSortSpring{0.35, 0.75};
const QColor kFigureBlue(91, 124, 255);
const QColor kFigureViolet(161, 102, 255);
const QColor kFigurePink(255, 111, 216);
const QString kNoReading = QStringLiteral("…");

QFont figureFont() { return roundedFont(64, QFont::Black); }
QFont unitFont() { return roundedFont(24, QFont::Black); }
QFont sortFont() { return roundedFont(12, QFont::Bold); }

constexpr double kSortPaddingH = 12, kSortPaddingV = 5, kSortSpacing = 4, kSortOuter = 3;

QString sortTitle(UninstallModel::Sort sort) {
    return sort == UninstallModel::Sort::size ? sorbeta::tr("按大小") : sorbeta::tr("最久没用");
}

// The search row: a magnifying glass and a plain text field on a white capsule.
class SearchField final : public QWidget {
public:
    explicit SearchField(QWidget* parent) : QWidget(parent) {
        setFixedHeight(36);
        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(textMargins());
        edit_ = new QLineEdit(this);
        edit_->setFrame(false);
        edit_->setFont(roundedFont(14, QFont::Medium));
        edit_->setPlaceholderText(sorbeta::tr("搜应用"));
        edit_->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; color: %1; }")
                                 .arg(Theme::ink().name(QColor::HexArgb)));
        row->addWidget(edit_);
    }
    QLineEdit* edit() const { return edit_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(candyCapsulePath(QRectF(rect())), withOpacity(Qt::white, 0.75));
        const bool rtl = layoutDirection() == Qt::RightToLeft;
        const QRectF glass(rtl ? width() - 12 - 14 : 12, (height() - 14) / 2.0, 14, 14);
        paintSymbol(painter, QStringLiteral("magnifyingglass"), glass, Theme::inkSoft(), SymbolWeight::semibold);
    }
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LayoutDirectionChange) layout()->setContentsMargins(textMargins());
        QWidget::changeEvent(event);
    }

private:
    // Room for the glass at the leading end. A field made in a right-to-left
    // interface starts out right to left and never sees a direction change.
    QMargins textMargins() const {
        return layoutDirection() == Qt::RightToLeft ? QMargins(12, 0, 12 + 14 + 8, 0) : QMargins(12 + 14 + 8, 0, 12, 0);
    }

    QLineEdit* edit_ = nullptr;
};

}  // namespace

// Figure ---------------------------------------------------------------------

UninstallFigure::UninstallFigure(QWidget* parent) : QWidget(parent), counter_(kFigureSpring) {
    setLayoutDirection(Qt::LeftToRight);  // the number always precedes its unit
}

void UninstallFigure::setTotal(int64_t bytes, bool shown) {
    const bool count = shown_ && shown;
    if (bytes != counter_.target() || shown != shown_) {
        counter_.setBytes(bytes, kitNow(), count);
        if (count) ticker_.run([this](double at) { return counter_.settledAt(at); });
    }
    if (shown != shown_) {
        shown_ = shown;
        updateGeometry();
    }
    update();
}

QString UninstallFigure::number() const { return shown_ ? Bytes::parts(counter_.target()).number : kNoReading; }
QString UninstallFigure::unit() const { return shown_ ? Bytes::parts(counter_.target()).unit : QString(); }

QSize UninstallFigure::sizeHint() const {
    const QFontMetricsF big(figureFont());
    const double width = big.horizontalAdvance(QStringLiteral("888.8")) + 6 +
                         QFontMetricsF(unitFont()).horizontalAdvance(QStringLiteral("GB"));
    return QSize(int(std::ceil(width)), int(std::ceil(big.ascent() + big.descent())));
}

void UninstallFigure::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Bytes::Parts shown = shown_ ? counter_.partsAt(kitNow()) : Bytes::Parts{kNoReading, QString()};
    const QFont big = figureFont();
    const double baseline = QFontMetricsF(big).ascent();
    const double width = QFontMetricsF(big).horizontalAdvance(shown.number);
    QPainterPath digits;
    digits.addText(QPointF(0, baseline), big, shown.number);
    QLinearGradient fill(0, 0, std::max(1.0, width), 0);
    fill.setColorAt(0, kFigureBlue);
    fill.setColorAt(0.5, kFigureViolet);
    fill.setColorAt(1, kFigurePink);
    painter.fillPath(digits, fill);
    if (shown.unit.isEmpty()) return;
    painter.setFont(unitFont());
    painter.setPen(kFigureViolet);
    painter.drawText(QPointF(width + 6, baseline), shown.unit);
}

// Sort switch ------------------------------------------------------------------

SortSwitch::SortSwitch(QWidget* parent) : QWidget(parent) {
    chosen_ = {SpringValue(kSortSpring, 1.0), SpringValue(kSortSpring, 0.0)};
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void SortSwitch::setSort(UninstallModel::Sort sort) {
    if (sort == sort_) return;
    sort_ = sort;
    const double now = kitNow();
    chosen_[0].setTarget(sort == UninstallModel::Sort::size ? 1 : 0, now);
    chosen_[1].setTarget(sort == UninstallModel::Sort::unused ? 1 : 0, now);
    ticker_.run([this](double at) { return chosen_[0].settledAt(at) && chosen_[1].settledAt(at); });
}

std::vector<QRectF> SortSwitch::segmentRects() const {
    const QFontMetricsF metrics(sortFont());
    std::vector<QRectF> rects;
    double x = kSortOuter;
    for (auto sort : {UninstallModel::Sort::size, UninstallModel::Sort::unused}) {
        const double w = std::ceil(metrics.horizontalAdvance(sortTitle(sort))) + 2 * kSortPaddingH;
        rects.emplace_back(x, kSortOuter, w, std::ceil(metrics.height()) + 2 * kSortPaddingV);
        x += w + kSortSpacing;
    }
    if (layoutDirection() == Qt::RightToLeft)
        for (QRectF& r : rects) r.moveLeft(width() - r.right());
    return rects;
}

QSize SortSwitch::sizeHint() const {
    const QFontMetricsF metrics(sortFont());
    double w = 2 * kSortOuter + kSortSpacing;
    for (auto sort : {UninstallModel::Sort::size, UninstallModel::Sort::unused})
        w += std::ceil(metrics.horizontalAdvance(sortTitle(sort))) + 2 * kSortPaddingH;
    return QSize(int(std::ceil(w)), int(std::ceil(metrics.height() + 2 * kSortPaddingV + 2 * kSortOuter)));
}

void SortSwitch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(candyCapsulePath(QRectF(QPointF(0, 0), QSizeF(sizeHint()))), withOpacity(Qt::white, 0.6));
    const auto rects = segmentRects();
    const double now = kitNow();
    const QColor grape = flavorPalette(Flavor::grape).base;
    painter.setFont(sortFont());
    int i = 0;
    for (auto sort : {UninstallModel::Sort::size, UninstallModel::Sort::unused}) {
        const double amount = std::clamp(chosen_[std::size_t(i)].valueAt(now), 0.0, 1.0);
        if (amount > 0) painter.fillPath(candyCapsulePath(rects[std::size_t(i)]), withOpacity(grape, amount));
        const QColor soft = Theme::inkSoft();
        painter.setPen(
            QColor::fromRgbF(soft.redF() + (1 - soft.redF()) * amount, soft.greenF() + (1 - soft.greenF()) * amount,
                             soft.blueF() + (1 - soft.blueF()) * amount, soft.alphaF() + (1 - soft.alphaF()) * amount));
        painter.drawText(rects[std::size_t(i)], Qt::AlignCenter, sortTitle(sort));
        ++i;
    }
}

void SortSwitch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const auto rects = segmentRects();
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (candyCapsulePath(rects[i]).contains(event->position()))
            emit sortPicked(i == 0 ? UninstallModel::Sort::size : UninstallModel::Sort::unused);
}

// Row ----------------------------------------------------------------------------

AppRow::AppRow(const std::filesystem::path& dataHome, QWidget* parent) : QAbstractButton(parent), dataHome_(dataHome) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void AppRow::setApp(const InstalledApp& app, bool selected, const QDateTime& now) {
    const QString usage = UninstallTexts::rowUsage(app, now);
    const QString size = UninstallTexts::rowSize(app);
    if (app.url == app_.url && app.name == app_.name && selected == selected_ && usage == usage_ && size == size_)
        return;
    app_ = app;
    selected_ = selected;
    usage_ = usage;
    size_ = size;
    setToolTip(QString());
    update();
}

QSize AppRow::sizeHint() const { return QSize(300, 6 + 34 + 6); }

void AppRow::enterEvent(QEnterEvent*) {
    hover_ = true;
    update();
}

void AppRow::leaveEvent(QEvent*) {
    hover_ = false;
    update();
}

void AppRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double fill = selected_ ? 0.95 : hover_ ? 0.6 : 0;
    if (fill > 0) {
        QPainterPath back;
        back.addRoundedRect(QRectF(rect()), 12, 12);
        painter.fillPath(back, withOpacity(Qt::white, fill));
    }
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const QRectF area = QRectF(rect()).adjusted(10, 6, -10, -6);
    const QRectF iconRect(rtl ? area.right() - 28 : area.left(), area.center().y() - 14, 28, 28);
    AppIcons::icon(app_, dataHome_).paint(&painter, iconRect.toRect());

    const QFont sizeFont = roundedFont(13, QFont::DemiBold);
    const double sizeWidth = tabularWidth(sizeFont, size_) + 2;
    const QRectF sizeRect(rtl ? area.left() : area.right() - sizeWidth, area.top(), sizeWidth, area.height());
    painter.setFont(sizeFont);
    painter.setPen(withOpacity(Theme::ink(), 0.8));
    drawTabularText(painter, sizeRect, (rtl ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, size_);

    const double textLeft = rtl ? sizeRect.right() + 10 : iconRect.right() + 10;
    const double textRight = rtl ? iconRect.left() - 10 : sizeRect.left() - 10;
    const Qt::Alignment leading = (rtl ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    const QFont nameFont = roundedFont(14, QFont::DemiBold);
    const QFont usageFont = roundedFont(11);
    const double nameHeight = QFontMetricsF(nameFont).height();
    const double usageHeight = QFontMetricsF(usageFont).height();
    const double top = area.center().y() - (nameHeight + 1 + usageHeight) / 2;
    const QRectF nameRect(textLeft, top, textRight - textLeft, nameHeight);
    painter.setFont(nameFont);
    painter.setPen(Theme::ink());
    painter.drawText(nameRect, leading,
                     QFontMetricsF(nameFont).elidedText(app_.name, Qt::ElideRight, nameRect.width()));
    const QRectF usageRect(textLeft, nameRect.bottom() + 1, nameRect.width(), usageHeight);
    painter.setFont(usageFont);
    painter.setPen(Theme::inkSoft());
    painter.drawText(usageRect, leading,
                     QFontMetricsF(usageFont).elidedText(usage_, Qt::ElideRight, usageRect.width()));
}

// Panel --------------------------------------------------------------------------

UninstallPanel::UninstallPanel(UninstallModel& model, std::filesystem::path dataHome, Clock now, QWidget* parent)
    : QWidget(parent), model_(model), dataHome_(std::move(dataHome)), now_(std::move(now)) {
    if (!now_) now_ = [] { return QDateTime::currentDateTimeUtc(); };
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* figureRow = new QHBoxLayout;
    figureRow->setSpacing(6);
    figure_ = new UninstallFigure(this);
    figure_->setObjectName(QStringLiteral("figure"));
    figureRow->addWidget(figure_, 0, Qt::AlignBottom);
    count_ = makeKitText(QString(), roundedFont(12, QFont::Medium), Theme::inkSoft(), this);
    count_->setObjectName(QStringLiteral("count"));
    count_->setContentsMargins(6, 0, 0, 10);
    figureRow->addWidget(count_, 0, Qt::AlignBottom);
    figureRow->addStretch(1);
    column->addLayout(figureRow);
    column->addSpacing(6);
    status_ = makeKitText(QString(), roundedFont(14, QFont::DemiBold), Theme::ink(), this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    column->addWidget(status_);
    column->addSpacing(16);

    auto* search = new SearchField(this);
    search_ = search->edit();
    search_->setObjectName(QStringLiteral("search"));
    column->addWidget(search);
    column->addSpacing(10);
    sortSwitch_ = new SortSwitch(this);
    sortSwitch_->setObjectName(QStringLiteral("sortSwitch"));
    column->addWidget(sortSwitch_, 0, Qt::AlignLeading);
    column->addSpacing(10);

    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setAutoFillBackground(false);
    scroll->viewport()->setAutoFillBackground(false);
    // The column's candy background shows through the list.
    scroll->setStyleSheet(QStringLiteral("QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; }"));
    list_ = new QWidget;
    list_->setObjectName(QStringLiteral("appList"));
    list_->setAutoFillBackground(false);
    listLayout_ = new QVBoxLayout(list_);
    listLayout_->setContentsMargins(0, 0, 0, 0);
    listLayout_->setSpacing(2);
    listLayout_->addStretch(1);
    scroll->setWidget(list_);
    column->addWidget(scroll, 1);

    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) { model_.setSearch(text); });
    connect(sortSwitch_, &SortSwitch::sortPicked, this, [this](UninstallModel::Sort sort) { model_.setSort(sort); });
    for (auto signal : {&UninstallModel::appsChanged, &UninstallModel::loadingChanged, &UninstallModel::loadedChanged,
                        &UninstallModel::selectedIDChanged, &UninstallModel::weighedChanged,
                        &UninstallModel::sortChanged, &UninstallModel::searchChanged})
        connect(&model_, signal, this, &UninstallPanel::refresh);
    refresh();
}

void UninstallPanel::refresh() {
    const int64_t total = UninstallTexts::appsTotal(model_.apps());
    figure_->setTotal(total, UninstallTexts::figureShown(model_.loaded(), total));
    const int apps = int(model_.apps().size());
    count_->setText(UninstallTexts::countText(apps));
    status_->setText(UninstallTexts::statusLine(model_.loading(), model_.weighed(), apps, model_.sort()));
    if (search_->text() != model_.search()) search_->setText(model_.search());
    sortSwitch_->setSort(model_.sort());
    refreshRows();
}

void UninstallPanel::refreshRows() {
    const std::vector<InstalledApp> visible = model_.visibleApps();
    const QDateTime now = now_();
    std::map<QString, AppRow*> kept;
    // The rows leave the layout and come back in the new order.
    while (listLayout_->count() > 0) delete listLayout_->takeAt(0);
    for (const InstalledApp& app : visible) {
        const QString id = app.id();
        AppRow* row = nullptr;
        if (auto found = rows_.find(id); found != rows_.end()) {
            row = found->second;
            rows_.erase(found);
        } else {
            row = new AppRow(dataHome_, list_);
            row->setObjectName(QStringLiteral("app:") + id);
            connect(row, &QAbstractButton::clicked, this, [this, id] {
                model_.setSelectedID(model_.selectedID() == id ? std::nullopt : std::optional<QString>(id));
            });
        }
        row->setApp(app, model_.selectedID() == id, now);
        row->show();
        listLayout_->addWidget(row);
        kept[id] = row;
    }
    listLayout_->addStretch(1);
    for (auto& [id, row] : rows_) row->deleteLater();
    rows_ = std::move(kept);
}

std::vector<AppRow*> UninstallPanel::rows() const {
    std::vector<AppRow*> shown;
    for (int i = 0; i < listLayout_->count(); ++i)
        if (auto* row = qobject_cast<AppRow*>(listLayout_->itemAt(i)->widget())) shown.push_back(row);
    return shown;
}

}  // namespace sorbeta
