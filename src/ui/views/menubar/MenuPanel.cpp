#include "ui/views/menubar/MenuPanel.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include <qcoro/qcorotask.h>

#include "model/care/Maintenance.h"
#include "model/common/Bytes.h"
#include "model/scan/AppModel.h"
#include "model/status/StatusModel.h"
#include "model/status/SystemProbe.h"
#include "platform/Translate.h"
#include "ui/kit/CandyBackground.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/KitText.h"
#include "ui/kit/PlainTextButton.h"
#include "ui/kit/RelativeDate.h"
#include "ui/kit/TabularText.h"
#include "ui/kit/Theme.h"
#include "ui/views/menubar/MenuBarIcon.h"

namespace sorbeta {
namespace {

constexpr double kBarHeight = 7;
constexpr double kStub = 6;

// Started by the panel and not kept: each ends quietly when its model has gone.
// Awaited tasks are named: see platform/Async.h.
QCoro::Task<> cleanSafeItems(QPointer<AppModel> model) {
    if (!model) co_return;
    std::set<std::string> ids;
    for (const CleanItem& item : model->safeItems()) ids.insert(item.spec.id);
    model->setSelected(std::move(ids));
    auto task = model->cleanSelected(CandyDialog::Host::menuBar);
    co_await task;
}

QCoro::Task<> scanDisk(QPointer<AppModel> model) {
    if (!model) co_return;
    auto task = model->scan();
    co_await task;
}

QCoro::Task<> giveMemoryBack(QPointer<StatusModel> status) {
    if (!status) co_return;
    auto task = status->purge();
    co_await task;
}

}  // namespace

// The free space: the number in a gradient of the header flavour, its unit,
// then "可用". Number and unit always read left to right.
class MenuPanel::Header final : public QWidget {
public:
    explicit Header(QWidget* parent) : QWidget(parent) {}

    void set(QString number, QString unit, Flavor flavor) {
        number_ = std::move(number);
        unit_ = std::move(unit);
        flavor_ = flavor;
        updateGeometry();
        update();
    }
    const QString& number() const { return number_; }
    const QString& unit() const { return unit_; }
    Flavor flavor() const { return flavor_; }

    QSize sizeHint() const override { return QSize(200, int(std::ceil(QFontMetricsF(numberFont()).height()))); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QFontMetricsF numberMetrics(numberFont());
        const QFontMetricsF unitMetrics(unitFont());
        const QFontMetricsF labelMetrics(labelFont());
        const double baseline = numberMetrics.ascent();
        const double numberWidth = numberMetrics.horizontalAdvance(number_);
        const double unitWidth = unitMetrics.horizontalAdvance(unit_);
        const double labelWidth = labelMetrics.horizontalAdvance(label());
        const double groupWidth = numberWidth + 4 + unitWidth;
        const bool rtl = layoutDirection() == Qt::RightToLeft;
        const double groupX = rtl ? width() - groupWidth : 0;
        const double labelX = rtl ? groupX - 6 - labelWidth : groupX + groupWidth + 6;

        const JellyPalette colours = flavorPalette(flavor_);
        QPainterPath digits;
        digits.addText(QPointF(groupX, baseline), numberFont(), number_);
        QLinearGradient fill(0, baseline - numberMetrics.capHeight(), 0, baseline);
        fill.setColorAt(0, colours.base);
        fill.setColorAt(1, colours.deep);
        painter.fillPath(digits, fill);

        painter.setFont(unitFont());
        painter.setPen(colours.deep);
        painter.drawText(QPointF(groupX + numberWidth + 4, baseline), unit_);
        painter.setFont(labelFont());
        painter.setPen(Theme::inkSoft());
        painter.drawText(QPointF(labelX, baseline), label());
    }

private:
    static QFont numberFont() { return roundedFont(40, QFont::Black); }
    static QFont unitFont() { return roundedFont(18, QFont::Black); }
    static QFont labelFont() { return roundedFont(13, QFont::DemiBold); }
    static QString label() { return sorbeta::tr("可用"); }

    QString number_, unit_;
    Flavor flavor_ = Flavor::cloud;
};

// One labelled bar: the title and the percentage over a capsule track with a
// gradient fill.
class MenuPanel::Meter final : public QWidget {
public:
    Meter(QString title, Flavor flavor, QWidget* parent) : QWidget(parent), title_(std::move(title)), flavor_(flavor) {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

    void setFraction(double fraction) {
        if (fraction == fraction_) return;
        fraction_ = fraction;
        update();
    }
    double fraction() const { return fraction_; }

    QSize sizeHint() const override { return QSize(200, int(std::ceil(textHeight() + 4 + kBarHeight))); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QFont font = roundedFont(12, QFont::DemiBold);
        const double lineHeight = textHeight();
        const QRectF line(0, 0, width(), lineHeight);
        const bool rtl = layoutDirection() == Qt::RightToLeft;
        painter.setFont(font);
        painter.setPen(Theme::ink());
        // Absolute: the painter already mirrors a plain left or right in
        // right-to-left, which put the title on top of the percentage.
        painter.drawText(line, Qt::AlignVCenter | Qt::AlignAbsolute | (rtl ? Qt::AlignRight : Qt::AlignLeft), title_);
        painter.setPen(Theme::inkSoft());
        drawTabularText(painter, line, Qt::AlignVCenter | Qt::AlignTrailing, percentText(fraction_), layoutDirection());

        const JellyPalette colours = flavorPalette(flavor_);
        const QRectF track(0, lineHeight + 4, width(), kBarHeight);
        painter.setPen(Qt::NoPen);
        painter.setBrush(withOpacity(colours.light, 0.35));
        painter.drawRoundedRect(track, kBarHeight / 2, kBarHeight / 2);
        const double fill = fillWidth(track.width(), fraction_);
        QRectF bar(track.left(), track.top(), fill, kBarHeight);
        if (rtl) bar.moveRight(track.right());
        QLinearGradient gradient(bar.topLeft(), bar.topRight());
        gradient.setColorAt(rtl ? 1 : 0, colours.light);
        gradient.setColorAt(rtl ? 0 : 1, colours.base);
        painter.setBrush(gradient);
        painter.drawRoundedRect(bar, kBarHeight / 2, kBarHeight / 2);
    }

private:
    static double textHeight() { return QFontMetricsF(roundedFont(12, QFont::DemiBold)).height(); }

    QString title_;
    Flavor flavor_;
    double fraction_ = 0;
};

MenuPanel::MenuPanel(AppModel& model, StatusModel& status, Maintenance& care, std::function<MemoryBreakdown()> memory,
                     std::function<QDateTime()> now, QWidget* parent)
    : QWidget(parent),
      model_(model),
      status_(status),
      care_(care),
      memory_(memory ? std::move(memory) : std::function<MemoryBreakdown()>(&SystemProbe::memory)),
      now_(now ? std::move(now) : std::function<QDateTime()>([] { return QDateTime::currentDateTimeUtc(); })) {
    setObjectName(QStringLiteral("menuPanel"));
    setFixedWidth(kWidth);
    // The candy buttons keep room around their capsules for the shadow: the
    // column leaves that room at the sides, every other row is inset by it,
    // so the capsules line up with the texts.
    const QMargins room = CandyButton::kShadowMargins;
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(18 - room.left(), 18, 18 - room.right(), 18);
    column->setSpacing(14);
    auto inset = [&](QWidget* widget) {
        auto* row = new QHBoxLayout;
        row->setContentsMargins(room.left(), 0, room.right(), 0);
        row->addWidget(widget);
        column->addLayout(row);
    };

    header_ = new Header(this);
    inset(header_);
    disk_ = new Meter(sorbeta::tr("磁盘"), Flavor::blueberry, this);
    disk_->setObjectName(QStringLiteral("diskMeter"));
    memoryMeter_ = new Meter(sorbeta::tr("内存"), Flavor::mint, this);
    memoryMeter_->setObjectName(QStringLiteral("memoryMeter"));
    inset(disk_);
    inset(memoryMeter_);

    auto* actions = new QVBoxLayout;
    actions->setSpacing(std::max(0, 8 - room.top() - room.bottom()));
    main_ = new CandyButton(QString(), Flavor::strawberry, false, 38, this);
    main_->setObjectName(QStringLiteral("mainAction"));
    main_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(main_, &QAbstractButton::clicked, this, &MenuPanel::mainAction);
    actions->addWidget(main_);
    auto* small = new QHBoxLayout;
    small->setSpacing(std::max(0, 8 - room.left() - room.right()));
    purge_ = new CandyButton(sorbeta::tr("释放内存"), Flavor::mint, true, 34, this);
    purge_->setObjectName(QStringLiteral("purge"));
    purge_->setSymbol(QStringLiteral("wind"));
    open_ = new CandyButton(sorbeta::tr("打开冰沙"), Flavor::grape, true, 34, this);
    open_->setObjectName(QStringLiteral("openMain"));
    open_->setSymbol(QStringLiteral("macwindow"));
    for (CandyButton* button : {purge_, open_}) {
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        small->addWidget(button, 1);
    }
    // Side by side while both capsules fit across the panel; where a
    // language's texts are longer, one above the other instead of the
    // capsules running into each other and past the panel's edge.
    const int rowWidth = kWidth - 2 * (18 - room.left());
    if (purge_->sizeHint().width() + open_->sizeHint().width() > rowWidth) {
        small->setDirection(QBoxLayout::TopToBottom);
        small->setSpacing(actions->spacing());
    }
    connect(purge_, &QAbstractButton::clicked, this, [this] { giveMemoryBack(QPointer<StatusModel>(&status_)); });
    connect(open_, &QAbstractButton::clicked, this, &MenuPanel::openMainWindow);
    actions->addLayout(small);
    column->addLayout(actions);

    auto* divider = new QWidget(this);
    divider->setFixedHeight(1);
    divider->setAutoFillBackground(true);
    QPalette dividerColour = divider->palette();
    dividerColour.setColor(QPalette::Window, Theme::hairline());
    divider->setPalette(dividerColour);
    inset(divider);

    auto* footer = new QHBoxLayout;
    footer->setContentsMargins(room.left(), 0, room.right(), 0);
    auto* lines = new QVBoxLayout;
    lines->setSpacing(2);
    careLine_ = makeKitText(QString(), roundedFont(12, QFont::DemiBold), Theme::ink(), this);
    careLine_->setObjectName(QStringLiteral("careLine"));
    lastClean_ = makeKitText(QString(), roundedFont(11), Theme::inkSoft(), this);
    lastClean_->setObjectName(QStringLiteral("lastAutoClean"));
    lines->addWidget(careLine_);
    lines->addWidget(lastClean_);
    footer->addLayout(lines);
    footer->addStretch(1);
    const QColor link = flavorPalette(Flavor::grape).deep;
    settings_ = new PlainTextButton(sorbeta::tr("设置…"), roundedFont(12, QFont::Bold), link, withOpacity(link, 0.6),
                                    QSize(4, 2), this);
    settings_->setObjectName(QStringLiteral("settings"));
    settings_->setCursor(Qt::PointingHandCursor);
    connect(settings_, &QAbstractButton::clicked, this, &MenuPanel::openSettings);
    footer->addWidget(settings_, 0, Qt::AlignVCenter);
    column->addLayout(footer);

    for (auto signal : {&AppModel::totalBytesChanged, &AppModel::freeBytesChanged, &AppModel::phaseChanged,
                        &AppModel::itemsChanged, &AppModel::hasScannedChanged})
        connect(&model_, signal, this, &MenuPanel::rebuild);
    connect(&status_, &StatusModel::purgingChanged, this, &MenuPanel::rebuild);
    connect(&care_, &Maintenance::settingsChanged, this, &MenuPanel::rebuild);
    connect(&care_, &Maintenance::lastAutoCleanChanged, this, &MenuPanel::rebuild);
    rebuild();
}

void MenuPanel::rebuild() {
    const int64_t total = model_.totalBytes();
    const int64_t free = model_.freeBytes();
    const Bytes::Parts freeParts = Bytes::parts(free, false);
    header_->set(total < 1 ? QStringLiteral("…") : freeParts.number, freeParts.unit, MenuBarIcon::flavor(total, free));
    disk_->setFraction(total >= 1 ? 1.0 - double(free) / double(total) : 0.0);
    const MemoryBreakdown memory = memory_();
    memoryMeter_->setFraction(
        memory.total >= 1 ? double(memory.app + memory.wired + memory.compressed) / double(memory.total) : 0.0);

    const bool idle = model_.phase().isIdle();
    const std::vector<CleanItem> safe = model_.safeItems();
    if (model_.hasScanned() && !safe.empty()) {
        int64_t sum = 0;
        for (const CleanItem& item : safe) sum = Bytes::plus(sum, item.bytes);
        main_->setText(sorbeta::tr("清理可放心删的 %1").arg(Bytes::text(sum)));
        main_->setSymbol(QStringLiteral("sparkles"));
    } else {
        // An automatic clean, or one from the main window, can run while no
        // safe item is listed: it is named as a clean, not as a scan.
        if (idle)
            main_->setText(sorbeta::tr("扫描磁盘"));
        else
            main_->setText(model_.phase().isCleaning() ? sorbeta::tr("正在清理…") : sorbeta::tr("正在扫描…"));
        main_->setSymbol(QStringLiteral("magnifyingglass"));
    }
    main_->setEnabled(idle);
    purge_->setEnabled(!status_.purging());

    const int rules = care_.enabledRuleCount();
    careLine_->setText(rules >= 1 ? sorbeta::tr("自动打理：%n 条规则", nullptr, rules) : sorbeta::tr("自动打理没开"));
    if (const std::optional<AutoClean>& last = care_.lastAutoClean()) {
        lastClean_->setText(
            sorbeta::tr("上次自动清理 %1 · %2").arg(Bytes::text(last->bytes), relativeDateText(last->date, now_())));
        lastClean_->show();
    } else {
        lastClean_->clear();
        lastClean_->hide();
    }
    main_->update();
}

void MenuPanel::mainAction() {
    if (!model_.phase().isIdle()) return;
    QPointer<AppModel> model(&model_);
    if (model_.hasScanned() && !model_.safeItems().empty())
        cleanSafeItems(model);
    else
        scanDisk(model);
}

QString MenuPanel::freeNumberText() const { return header_->number(); }
QString MenuPanel::freeUnitText() const { return header_->unit(); }
Flavor MenuPanel::headerFlavor() const { return header_->flavor(); }
QAbstractButton* MenuPanel::settingsButton() const { return settings_; }
double MenuPanel::diskFraction() const { return disk_->fraction(); }
double MenuPanel::memoryFraction() const { return memoryMeter_->fraction(); }

QString MenuPanel::percentText(double fraction) {
    const double percent = std::isfinite(fraction) ? std::round(fraction * 100) : 0;
    return sorbeta::tr("%1%").arg(qlonglong(std::clamp(percent, -1e15, 1e15)));
}

double MenuPanel::fillWidth(double width, double fraction) {
    const double clamped = std::isfinite(fraction) ? std::clamp(fraction, 0.0, 1.0) : 0.0;
    return std::max(kStub, width * clamped);
}

void MenuPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintCandyBackground(painter, rect());
}

}  // namespace sorbeta
