#pragma once
// What a jelly map must paint again between two frames of one jelly. A jelly
// that only wobbles changes nothing but the pixels its outline (and its
// selection ring and fizz) sweeps; a jelly whose look changed in any other
// way changes wherever it can draw. Pure geometry over BlobFrame, in the
// device pixels of the map's image.
#include <QRect>
#include <QRegion>
#include <QTransform>
#include <vector>

#include "ui/map/JellyBlob.h"

namespace sorbeta::MapRepaint {

// Frames whose outline moved less than this (device pixels) are not worth a
// repaint: the jelly keeps the frame it shows.
inline constexpr double kLeastMotion = 0.25;

// Where the jelly of `frame` can draw (shadow, rings, pull, tilt and squish
// included), as device pixels under `toDevice` (map points to pixels).
QRect reach(const BlobFrame& frame, const QTransform& toDevice);

// Whether two frames of one jelly differ in nothing but their time, within
// what no pixel can show (a few hundredths of a pixel, a fraction of a
// colour level).
bool sameButTime(const BlobFrame& a, const BlobFrame& b, const QTransform& toDevice);

// How far the outline and the selection ring moved between two frames that
// differ only in time, in device pixels.
double outlineMotion(const BlobFrame& a, const BlobFrame& b, const QTransform& toDevice);
// How far the fizz bubbles moved between two such frames, in device pixels.
double fizzMotion(const BlobFrame& a, const BlobFrame& b, const QTransform& toDevice);

// Device pixels gathered in whole cells of a 4-pixel grid. Adding a box
// costs only its cells, and the region comes out in one pass over the cells
// touched, where uniting the many small boxes of a frame one region at a
// time costs far more than the pixels they hold.
class GridRegion {
public:
    static constexpr int kGrid = 4;

    // Pixels outside `bounds` are left out.
    explicit GridRegion(const QRect& bounds);
    // Adds every grid cell `box` touches.
    void add(const QRect& box);
    void add(const QRegion& region);
    bool isEmpty() const { return lastRow_ < firstRow_; }
    // The cells added, as pixels within the bounds.
    QRegion region() const;

private:
    QRect bounds_;
    int left_ = 0, top_ = 0, columns_ = 0, rows_ = 0;
    int firstRow_ = 0, lastRow_ = -1, firstColumn_ = 0, lastColumn_ = -1;
    std::vector<unsigned char> cells_;
};

// Every device pixel that can differ between two frames that differ only in
// time: the bands the outline and the selection ring sweep and the bubbles'
// old and new places, with room for antialiasing and strokes, in whole cells
// of the grid.
void changedBetween(const BlobFrame& a, const BlobFrame& b, const QTransform& toDevice, GridRegion& into);
QRegion changedBetween(const BlobFrame& a, const BlobFrame& b, const QTransform& toDevice);

// The map's own points to the device pixels of its image at `pixelRatio`.
inline QTransform deviceTransform(double pixelRatio) { return QTransform::fromScale(pixelRatio, pixelRatio); }

}  // namespace sorbeta::MapRepaint
