#pragma once
// The map of soft jellies every usage page shows. One widget lays out, paints
// and hit-tests all blobs from one layout result; it owns the pointer
// interaction (hover physics, blips, presses, ticks, context menu, tooltips)
// and hands opening and ticking back to the page.
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/kit/Spring.h"
#include "ui/map/JellyBlob.h"
#include "ui/map/MapNode.h"

class QMenu;

namespace sorbeta {

class BandPainter;
class SoundFX;
class WindowExposure;

// What a map takes from the application; each may be left out.
struct MapServices {
    // Plays the hover and tap blips; none: the map is silent.
    SoundFX* sound = nullptr;
    // Paints the map's image in bands at the same time; none: on the calling thread.
    BandPainter* bands = nullptr;
    // Runs `task` after `milliseconds` on the main thread; none: the view's own
    // timers. Lets tests decide when delayed work happens.
    std::function<void(int milliseconds, std::function<void()> task)> schedule;
};

class JellyMapView final : public QWidget {
    Q_OBJECT
public:
    explicit JellyMapView(MapServices services = {}, QWidget* parent = nullptr);
    ~JellyMapView() override;

    void setNodes(std::vector<MapNode> nodes);
    // Tick hooks of the page; without them no jelly shows a tick and picking
    // one only squishes and sounds. The page repaints the map (update()) when
    // its ticks change from elsewhere.
    void setSelection(std::optional<MapSelection> selection);
    void setOnOpen(std::function<void(const MapNode&)> onOpen);
    void setGap(double gap);
    void setReduceMotion(bool reduce);

    // The layout result in widget coordinates (mirrored right to left).
    const std::vector<PlacedNode>& placed() const { return placed_; }
    std::optional<std::string> blobAt(QPointF position) const;
    QString tooltipAt(QPointF position) const;
    std::unique_ptr<QMenu> contextMenuFor(const std::string& id);

    const TouchTracker& tracker() const { return tracker_; }
    int pokes(const std::string& id) const;
    bool isTicked(const std::string& id) const;

    // Paints every blob at the kit clock's current time.
    void paintMap(QPainter& painter);

    // Whether the map animates: it is shown and its window can be seen.
    bool animating() const { return frameTimer_.isActive(); }
    // One animation frame now: works out what moved and asks for a repaint of
    // exactly those pixels (map coordinates); returns them.
    QRegion advanceFrame();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Blob;

    void relayout();
    void track(const std::optional<std::string>& id, QPointF position);
    void pick(const std::string& id);
    void tap(const std::string& id);
    void poke(const std::string& id);
    void reveal(const MapNode& node);
    bool onDot(const std::string& id, QPointF position) const;
    QRectF targetRect(const std::string& id) const;
    const PlacedNode* placedNode(const std::string& id) const;
    double blipSizeOf(const std::string& id) const;
    bool blobIsLively(const Blob& blob, double now) const;
    int levelOf(const Blob& blob) const;
    void scheduleFrame();
    void seenChanged(bool seen);
    // Brings the frames the map shows up to `now` (every jelly when `all`,
    // else only those whose change a pixel can show) and returns the device
    // pixels of the map's image that changed.
    QRegion advanceShown(double now, bool all);
    std::vector<const Blob*> stackedBlobs() const;
    // The jelly's frame at `now`; advancing its spring targets to the present state.
    BlobFrame frameOf(Blob& blob, double now, bool rtl, double ratio);
    // The label and icon images any painting thread may draw.
    void prepareImages(Blob& blob, BlobFrame& frame, double ratio);
    // The frames shown, painted within `clip` (device pixels; empty: everywhere).
    void paintShown(QPainter& painter, const QRegion& clip);
    void paintFrames(QPainter& painter, const std::vector<BlobFrame>& frames, const QRegion& clip);
    // Whether the paint event paints the window itself (not a picture of it).
    bool paintingOnScreen();
    // Paints the jellies within `dirty` (device pixels) onto `image`.
    void paintInto(QImage& image, const QRegion& dirty);
    // Paints them straight into the window's image under `painter` when it
    // can reach it; false when it cannot.
    bool paintIntoWindow(QPainter& painter, const QRegion& dirty);

    std::vector<MapNode> nodes_;
    std::vector<PlacedNode> placed_;
    std::optional<MapSelection> selection_;
    std::function<void(const MapNode&)> onOpen_;
    MapServices services_;
    double gap_ = kMapGap;
    bool reduceMotion_ = false;

    TouchTracker tracker_;
    std::map<std::string, int> pokes_;
    std::map<std::string, std::unique_ptr<Blob>> blobs_;
    std::optional<std::string> pressed_;
    bool pressedOnDot_ = false;
    QTimer frameTimer_;
    QSize paintedSize_;  // device pixels of the last painting; empty: none since shown
    QImage frame_;       // where the map is painted when it cannot paint into the window
    // A frame's repaint was asked for: the paint event shows the frames as
    // they are, even when it covers the whole map.
    bool framePending_ = false;
    WindowExposure* exposure_ = nullptr;
    // The window's first frame since the map had no picture left it out.
    bool heldFirstFrame_ = false;
};

}  // namespace sorbeta
