#pragma once
// The tray's jelly: an 18 × 16 rounded body in the colours of a flavour that
// tells how full the disk is, drawn in its own colours (not a template).
#include <QImage>
#include <QPixmap>
#include <cstdint>

#include "model/common/Flavor.h"

class QPainter;

namespace sorbeta::MenuBarIcon {

inline constexpr int kWidth = 18, kHeight = 16;

// cloud before the volume was read (total below 1); then cherry below 5 %
// free, mango below 12 %, lime from 12 % on (exactly 5 % is mango, exactly
// 12 % lime).
Flavor flavor(int64_t totalBytes, int64_t freeBytes);

// Draws the jelly into the 18 × 16 box at the painter's origin.
void paint(QPainter& painter, Flavor flavor);
// The jelly at a device pixel ratio (2 for a sharp icon on dense screens).
QPixmap image(Flavor flavor, qreal devicePixelRatio = 1);

}  // namespace sorbeta::MenuBarIcon
