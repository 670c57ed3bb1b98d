#include "ui/views/share/ShareCard.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "model/common/Bytes.h"
#include "platform/BuildInfo.h"
#include "platform/Translate.h"
#include "ui/jelly/JellyBody.h"
#include "ui/kit/CandyBackground.h"
#include "ui/kit/Theme.h"
#include "ui/views/AppInfo.h"
#include "ui/views/share/ShareCardLayout.h"

namespace sorbeta {
namespace {

using namespace ShareCardLayout;

constexpr QFont::Weight kHeavy = QFont::ExtraBold;
// Light compression: the picture is encoded on the main thread when the
// sheet opens, and zlib's default level takes several times as long for a
// file only a little smaller.
constexpr int kPngQuality = 80;

// A font of a size that need not be whole: Qt's pixel sizes are, so the
// nearest whole size stands in.
QFont sizedFont(double pixels, QFont::Weight weight) { return roundedFont(std::max(1, qRound(pixels)), weight); }

// x of a box of `width` at the leading edge of [left, right].
double leadingX(double left, double right, double width, bool rtl) { return rtl ? right - width : left; }

void drawLine(QPainter& painter, const QString& text, const QFont& font, const QColor& colour, QPointF topLeft) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + QFontMetricsF(font).ascent()), text);
}

void paintBlobLabels(QPainter& painter, const Blob& blob) {
    const JellyPalette colours = palette(blob.item.flavor);
    const QRectF frame = blob.frame;
    if (blob.label == Label::sizeOnly) {
        const QFont font = roundedFont(10, QFont::Bold);
        painter.setFont(font);
        painter.setPen(colours.ink);
        painter.drawText(frame, Qt::AlignCenter, blob.sizeText);
        return;
    }
    if (blob.label != Label::nameAndSize) return;
    const double room = frame.width() - 12;
    double size = nameFontSize(frame.width());
    QFont nameFont = sizedFont(size, QFont::Bold);
    const double wide = QFontMetricsF(nameFont).horizontalAdvance(blob.item.name);
    if (wide > room) {  // shrinks down to 0.7 of its size, then is cut short
        size = std::max(size * 0.7, size * room / wide);
        nameFont = sizedFont(size, QFont::Bold);
    }
    const QFontMetricsF nameMetrics(nameFont);
    const QString name = nameMetrics.elidedText(blob.item.name, Qt::ElideRight, room);
    const QFont sizeFont = roundedFont(11, QFont::DemiBold);
    const QFontMetricsF sizeMetrics(sizeFont);
    const double height = nameMetrics.height() + 2 + sizeMetrics.height();
    const double top = frame.center().y() - height / 2;
    const QRectF nameRect(frame.left() + 6, top, room, nameMetrics.height());
    const QRectF sizeRect(frame.left() + 6, top + nameMetrics.height() + 2, room, sizeMetrics.height());
    QColor shadow = colours.deep;
    shadow.setAlphaF(0.4f);
    for (const bool isShadow : {true, false}) {
        const QPointF shift = isShadow ? QPointF(0, 1) : QPointF();
        painter.setFont(nameFont);
        painter.setPen(isShadow ? shadow : colours.ink);
        painter.drawText(nameRect.translated(shift), Qt::AlignCenter, name);
        painter.setFont(sizeFont);
        QColor sizeColour = isShadow ? shadow : colours.ink;
        sizeColour.setAlphaF(sizeColour.alphaF() * 0.85f);
        painter.setPen(sizeColour);
        painter.drawText(sizeRect.translated(shift), Qt::AlignCenter, blob.sizeText);
    }
}

void paintJellyArea(QPainter& painter, const CleanReport& report, const QRectF& area, bool rtl) {
    for (const Blob& blob : blobs(report, area.size(), rtl)) {
        if (blob.frame.isEmpty()) continue;
        const QRectF frame = blob.frame.translated(area.topLeft());
        const JellyShape shape{.time = 1.3 * blob.index, .seed = 2.1 * blob.index, .wobble = 2, .squareness = 4.4};
        paintJellyBody(painter, frame, shape, palette(blob.item.flavor), {.rightToLeft = rtl});
        Blob placed = blob;
        placed.frame = frame;
        paintBlobLabels(painter, placed);
    }
}

// The freed figure: number, unit and the party popper on one baseline,
// always left to right. Returns the row's height.
double paintFreedFigure(QPainter& painter, const CleanReport& report, double left, double right, double top, bool rtl) {
    const Bytes::Parts parts = Bytes::parts(report.freed);
    const QFont numberFont = roundedFont(64, kHeavy);
    const QFont unitFont = roundedFont(24, kHeavy);
    QFont emojiFont = roundedFont(30);
    emojiFont.setFamilies({QStringLiteral("Noto Color Emoji"), QString::fromLatin1(kRoundedFamily)});
    const QFontMetricsF number(numberFont), unit(unitFont), emoji(emojiFont);
    const QString party = QStringLiteral("🎉");
    const double numberWidth = number.horizontalAdvance(parts.number);
    const double unitWidth = unit.horizontalAdvance(parts.unit);
    const double width = numberWidth + 6 + unitWidth + 6 + emoji.horizontalAdvance(party);
    const double ascent = std::max({number.ascent(), unit.ascent(), emoji.ascent()});
    const double descent = std::max({number.descent(), unit.descent(), emoji.descent()});
    const double baseline = top + ascent;
    double x = leadingX(left, right, width, rtl);

    QLinearGradient fill(QPointF(x, 0), QPointF(x + numberWidth, 0));
    fill.setColorAt(0, rgba(255, 92, 138));
    fill.setColorAt(0.5, rgba(255, 154, 60));
    fill.setColorAt(1, rgba(161, 102, 255));
    QPainterPath figure;
    figure.addText(QPointF(x, baseline), numberFont, parts.number);
    painter.fillPath(figure, fill);
    x += numberWidth + 6;
    painter.setFont(unitFont);
    painter.setPen(rgba(161, 102, 255));
    painter.drawText(QPointF(x, baseline), parts.unit);
    x += unitWidth + 6;
    painter.setFont(emojiFont);
    painter.drawText(QPointF(x, baseline), party);
    return ascent + descent;
}

}  // namespace

void paintShareCard(QPainter& painter, const CleanReport& report, Qt::LayoutDirection direction) {
    const bool rtl = direction == Qt::RightToLeft;
    const QRectF card(QPointF(0, 0), kCardSize);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QPainterPath outline;
    outline.addRoundedRect(card, kCornerRadius, kCornerRadius);
    painter.setClipPath(outline, Qt::IntersectClip);
    paintCandyBackground(painter, card);

    const double left = kPadding, right = card.width() - kPadding;
    double y = kPadding;

    // Header: icon, name, and the date at the trailing edge.
    const QRectF icon(leadingX(left, right, kIconSide, rtl), y, kIconSide, kIconSide);
    AppInfo::icon().paint(&painter, icon.toAlignedRect());
    const QFont nameFont = roundedFont(16, kHeavy);
    const QFont dateFont = roundedFont(12, QFont::DemiBold);
    const QString date = ShareCardLayout::cardDate(report.date);
    const double dateWidth = QFontMetricsF(dateFont).horizontalAdvance(date);
    const double nameRoom = std::max(0.0, right - left - kIconSide - 8 - dateWidth - 8);
    const QString name = QFontMetricsF(nameFont).elidedText(AppInfo::current().displayName, Qt::ElideRight, nameRoom);
    const double nameWidth = QFontMetricsF(nameFont).horizontalAdvance(name);
    const double nameX = rtl ? right - kIconSide - 8 - nameWidth : left + kIconSide + 8;
    drawLine(painter, name, nameFont, Theme::ink(), {nameX, y + (kIconSide - QFontMetricsF(nameFont).height()) / 2});
    drawLine(painter, date, dateFont, Theme::inkSoft(),
             {rtl ? left : right - dateWidth, y + (kIconSide - QFontMetricsF(dateFont).height()) / 2});
    y += kIconSide + 14;

    paintJellyArea(painter, report, QRectF(left, y, right - left, kJellyHeight), rtl);
    y += kJellyHeight + 18;

    const QFont leadFont = roundedFont(15, QFont::Bold);
    const QString lead = sorbeta::tr("我给 Mac 腾出了");
    drawLine(painter, lead, leadFont, Theme::inkSoft(),
             {leadingX(left, right, QFontMetricsF(leadFont).horizontalAdvance(lead), rtl), y});
    y += QFontMetricsF(leadFont).height();

    y += paintFreedFigure(painter, report, left, right, y, rtl);

    const QFont summaryFont = ShareCardLayout::summaryFont();
    const QFontMetricsF summaryMetrics(summaryFont);
    const QString summary =
        summaryMetrics.elidedText(ShareCardLayout::summaryText(report), Qt::ElideRight, right - left);
    drawLine(painter, summary, summaryFont, Theme::ink(),
             {leadingX(left, right, summaryMetrics.horizontalAdvance(summary), rtl), y + 2});

    // Footer at the bottom: the slogan at the leading edge, the address
    // (always left to right) at the trailing one.
    const QFont footFont = ShareCardLayout::footFont();
    const QFontMetricsF footMetrics(footFont);
    const double footTop = card.height() - kPadding - footMetrics.height();
    const QString address = platform::BuildInfo::webAddress();
    const double addressWidth = footMetrics.horizontalAdvance(address);
    const QString slogan = footMetrics.elidedText(sorbeta::tr("用冰沙给 Mac 腾地方"), Qt::ElideRight,
                                                  ShareCardLayout::sloganRoom(address));
    const double sloganWidth = footMetrics.horizontalAdvance(slogan);
    drawLine(painter, slogan, footFont, Theme::inkSoft(), {leadingX(left, right, sloganWidth, rtl), footTop});
    drawLine(painter, address, footFont, Theme::inkSoft(), {rtl ? left : right - addressWidth, footTop});
    painter.restore();
}

namespace ShareCard {

QImage render(const CleanReport& report, std::optional<Qt::LayoutDirection> direction) {
    const QSize pixels = (kCardSize * kRenderScale).toSize();
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return {};
    image.setDevicePixelRatio(kRenderScale);
    image.fill(Theme::paper());
    QPainter painter(&image);
    paintShareCard(painter, report, direction.value_or(QGuiApplication::layoutDirection()));
    painter.end();
    image.setDevicePixelRatio(1.0);
    return image;
}

std::optional<QByteArray> png(const QImage& image) {
    if (image.isNull()) return std::nullopt;
    QByteArray data;
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG", kPngQuality)) return std::nullopt;
    return data;
}

}  // namespace ShareCard

ShareCardView::ShareCardView(CleanReport report, QWidget* parent) : QWidget(parent), report_(std::move(report)) {
    setFixedSize(kCardSize.toSize());
    setAttribute(Qt::WA_TranslucentBackground);
}

void ShareCardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintShareCard(painter, report_, layoutDirection());
}

}  // namespace sorbeta
