#include "ui/views/settings/SettingsView.h"

#include <QEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/Translate.h"
#include "ui/kit/CandyBackground.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/KitText.h"
#include "ui/kit/SymbolIcons.h"
#include "ui/kit/Theme.h"
#include "ui/kit/WrapAnywhereLabel.h"
#include "ui/views/settings/AboutSettings.h"
#include "ui/views/settings/AutoCleanSettings.h"
#include "ui/views/settings/GeneralSettings.h"

namespace sorbeta {
namespace {

// Section changes ease out over 0.15 s.
constexpr double kEaseSeconds = 0.15;

double easeOut(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return 1 - (1 - t) * (1 - t);
}

}  // namespace

const std::array<SectionLook, 5>& settingsSections() {
    static const std::array<SectionLook, 5> sections = {{
        {SettingsSection::general, "general", SORBETA_TR_NOOP("通用"), "gearshape.fill", Flavor::grape},
        {SettingsSection::alerts, "alerts", SORBETA_TR_NOOP("提醒"), "bell.fill", Flavor::mango},
        {SettingsSection::autoClean, "autoClean", SORBETA_TR_NOOP("自动清理"), "sparkles", Flavor::lime},
        {SettingsSection::access, "access", SORBETA_TR_NOOP("权限"), "key.fill", Flavor::sky},
        {SettingsSection::about, "about", SORBETA_TR_NOOP("关于"), "info.circle.fill", Flavor::strawberry},
    }};
    return sections;
}

std::optional<SettingsSection> sectionNamed(const QString& name) {
    for (const SectionLook& look : settingsSections())
        if (name == QLatin1String(look.name)) return look.section;
    return std::nullopt;
}

// --- Section button

SectionButton::SectionButton(const SectionLook& look, QWidget* parent) : QAbstractButton(parent), look_(look) {
    setText(sorbeta::tr(look.title));
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

namespace {

QFont sectionTitleFont() { return roundedFont(14, QFont::DemiBold); }
// Room left for the title beside the tile, within the row's padding.
constexpr int kTitleInset = 8 + 26 + 10 + 8;

}  // namespace

QSize SectionButton::sizeHint() const { return {166, heightForWidth(166)}; }

int SectionButton::heightForWidth(int width) const {
    // A title too long for one line wraps, and the row grows to hold it.
    const auto lines = wrappedLines(text(), sectionTitleFont(), std::max(1, width - kTitleInset)).size();
    const double height = QFontMetricsF(sectionTitleFont()).lineSpacing() * double(std::max<qsizetype>(1, lines));
    return std::max(38, int(std::ceil(height)) + 2 * 6);
}

void SectionButton::setSelected(bool selected) {
    if (selected == selected_) return;
    selected_ = selected;
    retarget();
}

void SectionButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    hover_ = true;
    retarget();
}

void SectionButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    hover_ = false;
    retarget();
}

double SectionButton::fillOpacity() const {
    const double t = kEaseSeconds > 0 ? (kitNow() - startedAt_) / kEaseSeconds : 1;
    return from_ + (to_ - from_) * easeOut(t);
}

void SectionButton::retarget() {
    const double target = selected_ ? 0.9 : hover_ ? 0.5 : 0.0;
    if (target == to_) return;
    from_ = isVisible() ? fillOpacity() : target;
    to_ = target;
    startedAt_ = kitNow();
    ticker_.run([this](double now) { return now - startedAt_ >= kEaseSeconds; });
    update();
}

void SectionButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, int(std::lround(std::clamp(fillOpacity(), 0.0, 1.0) * 255))));
    painter.drawRoundedRect(frame, 10, 10);

    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const QRectF tile(rtl ? frame.right() - 8 - 26 : frame.left() + 8, frame.center().y() - 13, 26, 26);
    const JellyPalette colours = flavorPalette(look_.flavor);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, colours.light);
    fill.setColorAt(1, colours.base);
    painter.setBrush(fill);
    painter.drawRoundedRect(tile, 8, 8);
    paintSymbol(painter, QString::fromLatin1(look_.symbol), tile.adjusted(7, 7, -7, -7), Qt::white, SymbolWeight::bold);

    painter.setFont(sectionTitleFont());
    painter.setPen(Theme::ink());
    const QRectF textRect =
        rtl ? QRectF(frame.left() + 8, frame.top(), tile.left() - 10 - frame.left() - 8, frame.height())
            : QRectF(tile.right() + 10, frame.top(), frame.right() - 8 - tile.right() - 10, frame.height());
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignAbsolute | (rtl ? Qt::AlignRight : Qt::AlignLeft),
                     wrappedLines(text(), sectionTitleFont(), textRect.width()).join(QLatin1Char('\n')));
}

// --- Settings view

SettingsView::SettingsView(SettingsContext context, QWidget* parent) : QWidget(parent), context_(std::move(context)) {
    setFixedSize(kSize);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    auto* list = new QWidget(this);
    list->setObjectName(QStringLiteral("sections"));
    list->setFixedWidth(kColumnWidth);
    auto* buttons = new QVBoxLayout(list);
    buttons->setContentsMargins(12, 20, 12, 0);
    buttons->setSpacing(4);
    for (const SectionLook& look : settingsSections()) {
        auto* button = new SectionButton(look, list);
        button->setObjectName(QStringLiteral("section:") + QString::fromLatin1(look.name));
        connect(button, &QAbstractButton::clicked, this, [this, section = look.section] { setSection(section); });
        buttons->addWidget(button);
        buttons_.push_back(button);
    }
    buttons->addStretch(1);
    row->addWidget(list);

    auto* right = new QWidget(this);
    right_ = new QVBoxLayout(right);
    right_->setContentsMargins(0, 0, 0, 0);
    row->addWidget(right, 1);
    buttons_.front()->setSelected(true);
    setSection(SettingsSection::general);
}

void SettingsView::setSection(SettingsSection section) {
    if (section == section_ && scroll_) return;
    section_ = section;
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setSelected(settingsSections()[i].section == section);
    // A new scroll area for each section, so every page starts at its top.
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->viewport()->setAutoFillBackground(false);
    auto* inside = new QWidget;
    auto* column = new QVBoxLayout(inside);
    column->setContentsMargins(28, 28, 28, 28);
    column->setSpacing(16);
    const SectionLook& look = settingsSections()[std::size_t(section)];
    QLabel* title = makeKitText(sorbeta::tr(look.title), roundedFont(24, QFont::ExtraBold), Theme::ink(), inside);
    title->setObjectName(QStringLiteral("title"));
    column->addWidget(title);
    page_ = makePage(section);
    page_->setParent(inside);
    page_->setObjectName(QStringLiteral("page"));
    column->addWidget(page_, 1);
    scroll->setWidget(inside);
    inside->setAutoFillBackground(false);
    if (scroll_) {
        right_->replaceWidget(scroll_, scroll);
        scroll_->hide();
        scroll_->setObjectName(QString());
        for (QObject* old : scroll_->findChildren<QObject*>()) old->setObjectName(QString());
        scroll_->deleteLater();
    } else {
        right_->addWidget(scroll);
    }
    scroll_ = scroll;
}

QWidget* SettingsView::makePage(SettingsSection section) {
    switch (section) {
        case SettingsSection::general: return new GeneralSettings(context_);
        case SettingsSection::alerts: return new AlertSettings(context_);
        case SettingsSection::autoClean: return new AutoCleanSettings(context_);
        case SettingsSection::access: return new AccessSettings(context_);
        case SettingsSection::about: return new AboutSettings(context_);
    }
    return new QWidget;
}

void SettingsView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintCandyBackground(painter, QRectF(rect()));
    // The section column on white at 0.35.
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const QRectF column(rtl ? width() - kColumnWidth : 0, 0, kColumnWidth, height());
    painter.fillRect(column, QColor(255, 255, 255, int(std::lround(0.35 * 255))));
}

}  // namespace sorbeta
