#include "ui/views/status/StatusMain.h"

#include <QDir>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "model/common/Bytes.h"
#include "model/status/StatusModel.h"
#include "platform/Translate.h"
#include "ui/kit/KitText.h"
#include "ui/kit/SymbolIcons.h"
#include "ui/kit/TabularText.h"
#include "ui/kit/Theme.h"
#include "ui/views/status/StatusTexts.h"

namespace sorbeta {
namespace {

constexpr int kIconSide = 34;

}  // namespace

HogCloseButton::HogCloseButton(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFixedSize(18, 18);
}

void HogCloseButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(flavorPalette(Flavor::cherry).base);
    painter.drawEllipse(QRectF(rect()));
    paintSymbol(painter, QStringLiteral("xmark"), QRectF(rect()).adjusted(5, 5, -5, -5), Qt::white,
                SymbolWeight::heavy);
}

HogCard::HogCard(MemoryHog hog, QWidget* parent) : QWidget(parent), hog_(std::move(hog)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
    close_ = new HogCloseButton(this);
    close_->setObjectName(QStringLiteral("quitButton"));
    close_->hide();
    connect(close_, &QAbstractButton::clicked, this, [this] { emit quitRequested(hog_); });
    showHog();
}

void HogCard::setHog(MemoryHog hog) {
    const bool sameIcon = hog.iconName == hog_.iconName;
    hog_ = std::move(hog);
    if (!sameIcon) icon_ = QIcon();
    showHog();
}

void HogCard::showHog() {
    // An entry's Icon is a theme name or, less often, a file of its own.
    if (icon_.isNull() && !hog_.iconName.isEmpty())
        icon_ = QDir::isAbsolutePath(hog_.iconName) ? QIcon(hog_.iconName) : QIcon::fromTheme(hog_.iconName);
    close_->setToolTip(sorbeta::tr("退出 ") + hog_.name);
    update();
}

QSize HogCard::sizeHint() const { return QSize(110, 10 + kIconSide + 6 + 18 + 6 + 16 + 10); }

void HogCard::setHover(bool hover) {
    if (hover == hover_) return;
    hover_ = hover;
    close_->setVisible(hover);
    update();
}

void HogCard::enterEvent(QEnterEvent*) { setHover(true); }
void HogCard::leaveEvent(QEvent*) { setHover(false); }

void HogCard::resizeEvent(QResizeEvent*) {
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    close_->move(rtl ? 6 : width() - 6 - close_->width(), 6);
}

void HogCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath card;
    card.addRoundedRect(QRectF(rect()), 16, 16);
    painter.fillPath(card, QColor(255, 255, 255, int(255 * (hover_ ? 0.85 : 0.6))));
    // Without an icon the texts sit in the middle, as a shorter card would.
    double y = icon_.isNull() ? (height() - (18 + 6 + 16)) / 2.0 : 10;
    if (!icon_.isNull()) {
        icon_.paint(&painter, QRect((width() - kIconSide) / 2, int(y), kIconSide, kIconSide));
        y += kIconSide + 6;
    }
    const QFont nameFont = roundedFont(12, QFont::DemiBold);
    painter.setFont(nameFont);
    painter.setPen(Theme::ink());
    const QRectF nameRect(6, y, width() - 12, 18);
    painter.drawText(nameRect, Qt::AlignCenter,
                     QFontMetricsF(nameFont).elidedText(hog_.name, Qt::ElideRight, nameRect.width()));
    y += 18 + 6;
    painter.setFont(roundedFont(11));
    painter.setPen(Theme::inkSoft());
    drawTabularText(painter, QRectF(6, y, width() - 12, 16), Qt::AlignCenter, Bytes::text(hog_.bytes, true));
}

StatusMain::StatusMain(StatusModel& status, MapServices services, QWidget* parent) : QWidget(parent), status_(status) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(14);
    map_ = new JellyMapView(std::move(services), this);
    map_->setObjectName(QStringLiteral("memoryMap"));
    map_->setGap(kMapGap);  // the maps' common 7-point gap
    column->addWidget(map_, 1);

    cards_ = new QWidget(this);
    cards_->setObjectName(QStringLiteral("hogCards"));
    auto* section = new QVBoxLayout(cards_);
    section->setContentsMargins(0, 0, 0, 0);
    section->setSpacing(6);
    heading_ = makeKitText(sorbeta::tr("最占内存的应用"), roundedFont(13, QFont::Bold), Theme::ink(), cards_);
    heading_->setObjectName(QStringLiteral("hogHeading"));
    heading_->setContentsMargins(4, 0, 4, 0);
    section->addWidget(heading_);
    cardRow_ = new QHBoxLayout();
    cardRow_->setSpacing(8);
    section->addLayout(cardRow_);
    column->addWidget(cards_);

    for (auto signal : {&StatusModel::memoryChanged, &StatusModel::hogsChanged})
        connect(&status_, signal, this, &StatusMain::refresh);
    rebuildCards();
    refresh();
}

void StatusMain::refresh() {
    auto nodes = StatusTexts::memoryNodes(status_.memory());
    if (StatusTexts::mapNeedsNodes(shownNodes_, nodes, status_.memory().total)) {
        shownNodes_ = nodes;
        map_->setNodes(std::move(nodes));
    }
    if (status_.hogs() != shownHogs_ && !updateCards()) rebuildCards();
}

bool StatusMain::updateCards() {
    const std::vector<MemoryHog>& hogs = status_.hogs();
    if (hogs.size() != shownHogs_.size() || cardRow_->count() != int(hogs.size())) return false;
    for (std::size_t i = 0; i < hogs.size(); ++i)
        if (hogs[i].pid != shownHogs_[i].pid) return false;
    for (std::size_t i = 0; i < hogs.size(); ++i)
        if (auto* card = qobject_cast<HogCard*>(cardRow_->itemAt(int(i))->widget())) card->setHog(hogs[i]);
    shownHogs_ = hogs;
    return true;
}

void StatusMain::rebuildCards() {
    shownHogs_ = status_.hogs();
    while (QLayoutItem* item = cardRow_->takeAt(0)) {
        if (QWidget* card = item->widget()) card->deleteLater();
        delete item;
    }
    for (const MemoryHog& hog : shownHogs_) {
        auto* card = new HogCard(hog, cards_);
        card->setObjectName(QStringLiteral("hog.%1").arg(hog.pid));
        connect(card, &HogCard::quitRequested, this, [this](const MemoryHog& which) { status_.quit(which); });
        cardRow_->addWidget(card, 1);
    }
    // With no applications the map takes the whole area.
    cards_->setVisible(!shownHogs_.empty());
}

}  // namespace sorbeta
