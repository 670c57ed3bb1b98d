#include "ui/views/status/StatusPanel.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

#include "model/scan/AppModel.h"
#include "model/status/StatusModel.h"
#include "platform/SystemFigures.h"
#include "platform/Translate.h"
#include "ui/kit/CandyConfirm.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/KitText.h"
#include "ui/kit/SymbolIcons.h"
#include "ui/kit/TabularText.h"
#include "ui/kit/Theme.h"
#include "ui/views/status/StatusTexts.h"

namespace sorbeta {
namespace {

constexpr Spring kMeterSpring{0.6, 0.8};
constexpr Spring kPercentSpring{0.5, 0.7};
constexpr double kMeterHeight = 6;
constexpr int kFigureSize = 76;

void fillRounded(QPainter& painter, const QRectF& rect, double radius, const QBrush& brush) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    painter.fillPath(path, brush);
}

}  // namespace

InfoRow::InfoRow(QString icon, Flavor tint, QWidget* parent) : QWidget(parent), icon_(std::move(icon)), tint_(tint) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void InfoRow::setTexts(const QString& title, const QString& value) {
    if (title == title_ && value == value_) return;
    title_ = title;
    value_ = value;
    update();
}

void InfoRow::setIcon(const QString& icon) {
    if (icon == icon_) return;
    icon_ = icon;
    update();
}

void InfoRow::setMeter(std::optional<double> meter) {
    if (meter == meter_) return;
    const bool appears = meter.has_value() != meter_.has_value();
    meter_ = meter;
    if (appears) updateGeometry();
    if (!meter) return;
    const double now = kitNow();
    shown_.animateTo(std::clamp(*meter, 0.0, 1.0), now, Animation::springy(kMeterSpring));
    ticker_.run([this](double at) { return shown_.settledAt(at); });
}

double InfoRow::filledWidth(double meter, double width) {
    return std::max(kMeterHeight, width * std::min(std::max(meter, 0.0), 1.0));
}

QSize InfoRow::sizeHint() const { return QSize(360, meter_ ? 58 : 48); }

void InfoRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect());
    fillRounded(painter, area, 14, QColor(255, 255, 255, int(255 * 0.55)));
    const JellyPalette colours = flavorPalette(tint_);
    const bool rtl = layoutDirection() == Qt::RightToLeft;

    const QRectF tile(rtl ? area.right() - 10 - 32 : area.left() + 10, area.center().y() - 16, 32, 32);
    QLinearGradient tileFill(tile.topLeft(), tile.bottomLeft());
    tileFill.setColorAt(0, colours.light);
    tileFill.setColorAt(0.5, colours.base);
    tileFill.setColorAt(1, colours.deep);
    fillRounded(painter, tile, 10, tileFill);
    paintSymbol(painter, icon_, tile.adjusted(9, 9, -9, -9), Qt::white, SymbolWeight::bold);

    const double textLeft = rtl ? area.left() + 10 : tile.right() + 12;
    const double textRight = rtl ? tile.left() - 12 : area.right() - 10;
    const QFont titleFont = roundedFont(14, QFont::DemiBold);
    const QFont valueFont = roundedFont(12, QFont::Medium);
    // Tall scripts (Thai marks) take more than the usual 20 points.
    const double textHeight = std::max({20.0, textLineHeight(titleFont, title_), textLineHeight(valueFont, value_)});
    const double stack = meter_ ? textHeight + 4 + kMeterHeight : textHeight;
    const double top = area.center().y() - stack / 2;
    const QRectF line(textLeft, top, textRight - textLeft, textHeight);
    const Qt::Alignment leading = rtl ? Qt::AlignRight : Qt::AlignLeft;
    const Qt::Alignment trailing = rtl ? Qt::AlignLeft : Qt::AlignRight;

    const double valueWidth = std::min(line.width() * 0.7, tabularWidth(valueFont, value_) + 2);
    QRectF valueRect = line;
    if (rtl)
        valueRect.setRight(line.left() + valueWidth);
    else
        valueRect.setLeft(line.right() - valueWidth);
    painter.setFont(valueFont);
    painter.setPen(Theme::inkSoft());
    drawTabularText(painter, valueRect, trailing | Qt::AlignVCenter,
                    QFontMetricsF(valueFont).elidedText(value_, Qt::ElideRight, valueRect.width()));

    QRectF titleRect = line;
    if (rtl)
        titleRect.setLeft(valueRect.right() + 8);
    else
        titleRect.setRight(valueRect.left() - 8);
    painter.setFont(titleFont);
    painter.setPen(Theme::ink());
    painter.drawText(titleRect, leading | Qt::AlignVCenter,
                     QFontMetricsF(titleFont).elidedText(title_, Qt::ElideRight, titleRect.width()));

    if (!meter_) return;
    const QRectF track(textLeft, line.bottom() + 4, textRight - textLeft, kMeterHeight);
    fillRounded(painter, track, kMeterHeight / 2, withOpacity(colours.light, 0.35));
    const double width = filledWidth(shown_.valueAt(kitNow()), track.width());
    const QRectF fill(rtl ? track.right() - width : track.left(), track.top(), width, kMeterHeight);
    QLinearGradient meterFill(rtl ? fill.topRight() : fill.topLeft(), rtl ? fill.topLeft() : fill.topRight());
    meterFill.setColorAt(0, colours.light);
    meterFill.setColorAt(1, colours.base);
    fillRounded(painter, fill, kMeterHeight / 2, meterFill);
}

StatusHeader::StatusHeader(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void StatusHeader::setFigures(double usedFraction, const QString& caption, const QString& pressure) {
    const double target = std::trunc(std::max(0.0, usedFraction) * 100);
    if (target != percent_.target()) {
        percent_.animateTo(target, kitNow(), Animation::springy(kPercentSpring));
        ticker_.run([this](double at) { return percent_.settledAt(at); });
    }
    if (caption != caption_ || pressure != pressure_) {
        caption_ = caption;
        pressure_ = pressure;
        updateGeometry();
        update();
    }
}

int StatusHeader::shownPercent() const { return int(std::lround(percent_.valueAt(kitNow()))); }

namespace {

QFont pressureFont() { return roundedFont(16, QFont::DemiBold); }

// The pressure sentence below the figure: one line stands centred in 26
// points; a longer sentence wraps and takes the room it needs.
struct PressurePlace {
    QRectF box;         // where it is drawn, centred vertically
    double textBottom;  // where its last line ends
};

PressurePlace pressurePlace(double width, const QString& text) {
    const double top = QFontMetricsF(roundedFont(kFigureSize, QFont::Black)).height() - 4;
    const double height = QFontMetricsF(pressureFont())
                              .boundingRect(QRectF(0, 0, std::max(width, 1.0), 1e6), Qt::TextWordWrap, text)
                              .height();
    const QRectF box(0, top, width, std::max(26.0, height));
    return {box, box.center().y() + height / 2};
}

}  // namespace

QSize StatusHeader::sizeHint() const { return QSize(360, heightForWidth(360)); }

int StatusHeader::heightForWidth(int width) const {
    return std::max(128, int(std::ceil(pressurePlace(width, pressure_).textBottom)));
}

void StatusHeader::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont figureFont = roundedFont(kFigureSize, QFont::Black);
    const QFontMetricsF figureMetrics(figureFont);
    const QString number = QString::number(shownPercent());
    // The figure and its "%" read left to right in every language.
    const double baseline = figureMetrics.ascent() - 6;
    const double numberWidth = tabularWidth(figureFont, number);
    const QRectF numberRect(0, 0, numberWidth, figureMetrics.height());
    QLinearGradient fill(numberRect.topLeft(), numberRect.topRight());
    fill.setColorAt(0, QColor(47, 211, 181));
    fill.setColorAt(0.5, QColor(62, 197, 255));
    fill.setColorAt(1, QColor(91, 124, 255));
    QPainterPath digits;
    digits.addText(0, baseline, figureFont, number);
    painter.fillPath(digits, fill);

    const QFont percentFont = roundedFont(26, QFont::Black);
    painter.setFont(percentFont);
    painter.setPen(QColor(62, 197, 255));
    const double percentX = numberWidth + 6;
    painter.drawText(QPointF(percentX, baseline), QStringLiteral("%"));
    const double captionX = percentX + QFontMetricsF(percentFont).horizontalAdvance(QStringLiteral("%")) + 6 + 6;

    const QFont captionFont = roundedFont(12, QFont::Medium);
    const QFontMetricsF captionMetrics(captionFont);
    painter.setFont(captionFont);
    painter.setPen(Theme::inkSoft());
    const QStringList lines = caption_.split(QLatin1Char('\n'));
    // The caption's first line stands on the figure's baseline.
    double y = baseline - captionMetrics.lineSpacing() * double(lines.size() - 1);
    for (const QString& text : lines) {
        painter.drawText(QPointF(captionX, y), text);
        y += captionMetrics.lineSpacing();
    }

    painter.setFont(pressureFont());
    painter.setPen(Theme::ink());
    const Qt::Alignment leading = layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    painter.drawText(pressurePlace(width(), pressure_).box, leading | Qt::AlignVCenter | Qt::TextWordWrap, pressure_);
}

StatusPanel::StatusPanel(StatusModel& status, AppModel& disk, QWidget* parent)
    : StatusPanel(status, disk,
                  Clocks{[] { return int64_t(platform::SystemFiles().uptime().value_or(0)); },
                         [] { return platform::onlineProcessors(); }},
                  parent) {}

StatusPanel::StatusPanel(StatusModel& status, AppModel& disk, Clocks clocks, QWidget* parent)
    : QWidget(parent), status_(status), disk_(disk), clocks_(std::move(clocks)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    header_ = new StatusHeader(this);
    header_->setObjectName(QStringLiteral("statusHeader"));
    column->addWidget(header_);
    column->addSpacing(18);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("statusRows"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setStyleSheet(QStringLiteral("background: transparent;"));
    auto* rows = new QWidget(scroll);
    auto* rowList = new QVBoxLayout(rows);
    rowList->setContentsMargins(0, 0, 0, 0);
    rowList->setSpacing(8);
    auto addRow = [&](const char* name, const char* icon, Flavor tint) {
        auto* row = new InfoRow(QString::fromLatin1(icon), tint, rows);
        row->setObjectName(QString::fromLatin1(name));
        rowList->addWidget(row);
        return row;
    };
    model_ = addRow("row.model", "laptopcomputer", Flavor::sky);
    // The system row's symbol is a window rather than a vendor's logo.
    system_ = addRow("row.system", "macwindow", Flavor::grape);
    uptime_ = addRow("row.uptime", "clock", Flavor::mango);
    cpu_ = addRow("row.cpu", "cpu", Flavor::strawberry);
    diskRow_ = addRow("row.disk", "internaldrive", Flavor::blueberry);
    battery_ = addRow("row.battery", "battery.75", Flavor::lime);
    swap_ = addRow("row.swap", "arrow.left.arrow.right", Flavor::peach);
    rowList->addStretch(1);
    scroll->setWidget(rows);
    column->addWidget(scroll, 1);
    column->addSpacing(12);

    purgeButton_ = new CandyButton(sorbeta::tr("一键释放内存"), Flavor::mint, false, 46, this);
    purgeButton_->setObjectName(QStringLiteral("purgeButton"));
    purgeButton_->setSymbol(QStringLiteral("wind"));
    column->addWidget(purgeButton_);
    column->addSpacing(8 - CandyButton::kShadowMargins.bottom() / 2);
    footer_ = makeKitText(QString(), roundedFont(12), Theme::inkSoft(), this);
    footer_->setObjectName(QStringLiteral("purgeFooter"));
    footer_->setWordWrap(true);
    column->addWidget(footer_);

    confirm_ = new CandyConfirm(
        [] {
            return CandyConfirm::Texts{
                QStringLiteral("🧠"), sorbeta::tr("释放内存？"), StatusTexts::purgeMessage(), sorbeta::tr("释放"),
                Flavor::mint,           sorbeta::tr("算了")};
        },
        [this] { emit purgeConfirmed(); }, this);
    connect(purgeButton_, &QAbstractButton::clicked, this, &StatusPanel::askPurge);

    for (auto signal : {&StatusModel::memoryChanged, &StatusModel::cpuChanged, &StatusModel::loadChanged,
                        &StatusModel::batteryChanged, &StatusModel::modelChanged, &StatusModel::chipChanged,
                        &StatusModel::purgingChanged, &StatusModel::purgeErrorChanged})
        connect(&status_, signal, this, &StatusPanel::refresh);
    for (auto signal : {&AppModel::totalBytesChanged, &AppModel::freeBytesChanged})
        connect(&disk_, signal, this, &StatusPanel::refresh);
    refresh();
}

void StatusPanel::askPurge() {
    if (!status_.purging()) confirm_->setPresented(true);
}

void StatusPanel::refresh() {
    const MemoryBreakdown& memory = status_.memory();
    header_->setFigures(StatusTexts::usedFraction(memory), StatusTexts::usedCaption(memory),
                        StatusTexts::pressureText(memory.pressure));
    model_->setTexts(status_.model(), status_.chip());
    system_->setTexts(sorbeta::tr("系统"), status_.osVersion());
    uptime_->setTexts(sorbeta::tr("已运行"), StatusTexts::uptimeText(clocks_.uptimeSeconds()));
    cpu_->setTexts(sorbeta::tr("处理器"), StatusTexts::processorLine(status_.cpu(), clocks_.cores(), status_.load()));
    cpu_->setMeter(status_.cpu());

    const int64_t total = disk_.totalBytes(), free = disk_.freeBytes();
    diskRow_->setVisible(total >= 1);
    if (total >= 1) {
        diskRow_->setTexts(sorbeta::tr("磁盘"), StatusTexts::diskLine(free, total));
        diskRow_->setMeter(double(total - free) / double(total));
    }
    const auto& battery = status_.battery();
    battery_->setVisible(battery.has_value());
    if (battery) {
        battery_->setIcon(battery->charging ? QStringLiteral("battery.100.bolt") : QStringLiteral("battery.75"));
        battery_->setTexts(sorbeta::tr("电池"), StatusTexts::batteryLine(*battery));
        battery_->setMeter(battery->percent / 100.0);
    }
    swap_->setTexts(sorbeta::tr("交换区"), StatusTexts::swapLine(memory.swapUsed));

    purgeButton_->setText(status_.purging() ? sorbeta::tr("正在释放…") : sorbeta::tr("一键释放内存"));
    purgeButton_->setEnabled(!status_.purging());
    footer_->setText(StatusTexts::footerText(memory, status_.purgeError()));
    QPalette colours = footer_->palette();
    colours.setColor(QPalette::WindowText,
                     status_.purgeError() ? flavorPalette(Flavor::cherry).deep : Theme::inkSoft());
    footer_->setPalette(colours);
    footer_->setMaximumHeight(status_.purgeError() ? QFontMetrics(footer_->font()).lineSpacing() * 2 + 2 : 16777215);
}

}  // namespace sorbeta
