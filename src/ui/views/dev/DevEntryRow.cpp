#include "ui/views/dev/DevEntryRow.h"

#include <QEnterEvent>
#include <QPainter>
#include <QPainterPath>

#include "model/common/Bytes.h"
#include "platform/Translate.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/CandyPaint.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/KitText.h"
#include "ui/kit/SymbolIcons.h"
#include "ui/kit/TabularText.h"
#include "ui/views/dev/DevPageText.h"

namespace sorbeta {
namespace {

// 7 above and below, 12 at the sides, 10 between the parts.
constexpr int kPaddingV = 7;
constexpr int kPaddingH = 12;
constexpr int kSpacing = 10;
constexpr int kCheck = 20;
constexpr int kRevealSide = 18;

// The magnifier beside a row: clear while the pointer is over the row.
class RevealButton final : public QAbstractButton {
public:
    explicit RevealButton(EntryRow* row) : QAbstractButton(row), row_(row) {
        setObjectName(QStringLiteral("reveal"));
        setToolTip(sorbeta::tr("在访达中显示"));
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::NoFocus);
    }
    QSize sizeHint() const override { return QSize(kRevealSide, kRevealSide); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor colour = withOpacity(Theme::inkSoft(), row_->hovered() ? 1.0 : 0.3);
        const double side = 11;
        paintSymbol(painter, QStringLiteral("magnifyingglass"),
                    QRectF((width() - side) / 2, (height() - side) / 2, side, side), colour, SymbolWeight::bold);
    }

private:
    EntryRow* row_;
};

}  // namespace

EntryRow::EntryRow(const DevEntry& entry, Flavor flavor, bool on,
                   std::function<void(const std::filesystem::path&)> reveal, QWidget* parent)
    : QAbstractButton(parent),
      entry_(entry),
      palette_(sorbeta::palette(flavor)),
      on_(on),
      revealUrl_(DevPageText::revealUrl(entry)),
      check_(JellyCheck::kSpring, on ? 1.0 : 0.0),
      ticker_(new FrameTicker(this)) {
    setObjectName(entry.id);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setToolTip(plainToolTip(entry.detail));
    if (revealUrl_) {
        reveal_ = new RevealButton(this);
        const std::filesystem::path url = *revealUrl_;
        connect(reveal_, &QAbstractButton::clicked, this, [reveal = std::move(reveal), url] {
            if (reveal) reveal(url);
        });
    }
}

EntryRow::~EntryRow() = default;

void EntryRow::setOn(bool on) {
    if (on == on_) return;
    on_ = on;
    check_.setTarget(on ? 1.0 : 0.0, kitNow());
    ticker_->run([this](double now) { return check_.settledAt(now); });
    update();
}

QSize EntryRow::sizeHint() const {
    const double text =
        QFontMetricsF(roundedFont(14, QFont::DemiBold)).height() + 1 + QFontMetricsF(roundedFont(11)).height();
    return QSize(240, int(std::ceil(text)) + 2 * kPaddingV);
}

void EntryRow::resizeEvent(QResizeEvent*) {
    if (!reveal_) return;
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const int x = rtl ? kPaddingH : width() - kPaddingH - kRevealSide;
    reveal_->setGeometry(x, (height() - kRevealSide) / 2, kRevealSide, kRevealSide);
}

void EntryRow::enterEvent(QEnterEvent*) {
    hover_ = true;
    update();
    if (reveal_) reveal_->update();
}

void EntryRow::leaveEvent(QEvent*) {
    hover_ = false;
    update();
    if (reveal_) reveal_->update();
}

void EntryRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (hover_) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(withOpacity(Qt::white, 0.8));
        painter.drawRoundedRect(QRectF(rect()), 12, 12);
    }
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const auto mirrored = [&](QRectF box) {
        if (rtl) box.moveLeft(width() - box.right());
        return box;
    };
    QRectF inner = QRectF(rect()).adjusted(kPaddingH, kPaddingV, -kPaddingH, -kPaddingV);
    if (reveal_) inner.setRight(inner.right() - kRevealSide - kSpacing);

    const QRectF box = mirrored(QRectF(inner.left(), inner.center().y() - kCheck / 2.0, kCheck, kCheck));
    if (entry_.onlyRevealed())
        paintSymbol(painter, QStringLiteral("eye"), box.adjusted(2, 3, -2, -3), Theme::inkSoft());
    else
        paintJellyCheck(painter, box, palette_, check_.valueAt(kitNow()));

    const QFont sizeFont = roundedFont(13, QFont::DemiBold);
    const QString size = Bytes::text(entry_.bytes);
    const double sizeWidth = tabularWidth(sizeFont, size);
    painter.setFont(sizeFont);
    painter.setPen(withOpacity(Theme::ink(), 0.8));
    drawTabularText(painter, mirrored(QRectF(inner.right() - sizeWidth, inner.top(), sizeWidth, inner.height())),
                    Qt::AlignTrailing, size, layoutDirection());

    const double textLeft = inner.left() + kCheck + kSpacing;
    const double textWidth = std::max(0.0, inner.right() - sizeWidth - kSpacing - textLeft);
    const QFont titleFont = roundedFont(14, QFont::DemiBold);
    const QFont detailFont = roundedFont(11);
    const QFontMetricsF titleMetrics(titleFont);
    const QFontMetricsF detailMetrics(detailFont);
    const double top = inner.center().y() - (titleMetrics.height() + 1 + detailMetrics.height()) / 2;

    // The badge takes its room from the title, which gives way first.
    const QFont badgeFont = roundedFont(10, QFont::Bold);
    const QString badge = sorbeta::tr("建议清理");
    const double badgeWidth = entry_.recommended ? QFontMetricsF(badgeFont).horizontalAdvance(badge) + 12 : 0;
    const double titleRoom = std::max(0.0, textWidth - (entry_.recommended ? badgeWidth + 6 : 0));
    const QString title = titleMetrics.elidedText(entry_.title, Qt::ElideRight, titleRoom);
    const double titleWidth = titleMetrics.horizontalAdvance(title);
    const int leading = Qt::AlignLeading | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.setFont(titleFont);
    painter.setPen(Theme::ink());
    painter.drawText(mirrored(QRectF(textLeft, top, titleRoom, titleMetrics.height())), leading, title);
    if (entry_.recommended) {
        const double badgeHeight = QFontMetricsF(badgeFont).height() + 2;
        const QRectF capsule = mirrored(QRectF(
            textLeft + titleWidth + 6, top + (titleMetrics.height() - badgeHeight) / 2, badgeWidth, badgeHeight));
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette_.base);
        painter.drawPath(candyCapsulePath(capsule));
        painter.setFont(badgeFont);
        painter.setPen(Qt::white);
        painter.drawText(capsule, Qt::AlignCenter, badge);
    }
    painter.setFont(detailFont);
    painter.setPen(Theme::inkSoft());
    painter.drawText(mirrored(QRectF(textLeft, top + titleMetrics.height() + 1, textWidth, detailMetrics.height())),
                     leading, detailMetrics.elidedText(entry_.detail, Qt::ElideMiddle, textWidth));
}

}  // namespace sorbeta
