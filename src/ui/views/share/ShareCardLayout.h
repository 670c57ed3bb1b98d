#pragma once
// Where everything of the share card goes, as pure functions of the report:
// the blobs of the jelly area with their labels, the texts, the file name.
// The card is 360 × 480 points; painting and tests read the same numbers.
#include <QDateTime>
#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "model/scan/CleanReport.h"

namespace sorbeta::ShareCardLayout {

inline constexpr QSizeF kCardSize{360, 480};
inline constexpr double kPadding = 24;
inline constexpr double kCornerRadius = 28;
inline constexpr double kIconSide = 30;
inline constexpr double kJellyHeight = 210;
inline constexpr int kShownItems = 6;
inline constexpr double kBlobInset = 4;

// The blobs: the first six items and, when the rest holds 1 byte or more,
// one "其他" item in cloud with the bytes of all items after the sixth.
std::vector<CleanReport::Item> shownItems(const CleanReport& report);

enum class Label { nameAndSize, sizeOnly, none };

// Wider than 64 and taller than 44: name and size; else wider than 34 and
// taller than 26: the size; else nothing.
Label labelFor(QSizeF blob);
// The name's font size in a blob of this width: width × 0.125, at most 14.
double nameFontSize(double blobWidth);

struct Blob {
    CleanReport::Item item;
    int index = 0;  // in shown order; it picks the jelly's outline
    QRectF frame;   // in the jelly area, 4 points inside the treemap's rectangle
    Label label = Label::none;
    QString sizeText;  // "1.2 G"
};

// The blobs laid out as a squarified treemap (each weighed by its bytes, at
// least 1) over an area of this size, mirrored for right to left.
std::vector<Blob> blobs(const CleanReport& report, QSizeF area, bool rightToLeft = false);

// "清理了 %n 项 · 可用空间 %1 → %2": every cleaned item counts; the space
// after is the space before plus what was freed. One line across the card
// in its font, cut short where it is wider.
QString summaryText(const CleanReport& report);
QFont summaryFont();

// The footer's font. The slogan stands at the leading edge with the room the
// address (always whole) leaves it at the trailing one, 8 apart; a slogan
// wider than that is cut short.
QFont footFont();
double sloganRoom(const QString& address);

// "Sorbeta-2026-03-07.png", the day of the report's date in UTC.
QString fileName(const QDateTime& date);

// The date on the card: the locale's abbreviated date without the time.
QString cardDate(const QDateTime& date);

}  // namespace sorbeta::ShareCardLayout
