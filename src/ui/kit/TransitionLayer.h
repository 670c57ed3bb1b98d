#pragma once
// Animates panes in and out of a window. A pane that goes is photographed
// (rendered to a picture) and hidden at once; its picture then fades, slides or
// shrinks away on this layer. A pane that comes is shown and live at once (it
// takes clicks and reports itself visible) but drawn fully transparent while
// its picture arrives; when the picture is in place the live pane shows.
// A pane whose content changes while it comes (a map filling as a scan
// measures) arrives live instead: it draws itself, faded, moved and scaled,
// within its parent.
//
// The layer covers its parent, lies on top of its siblings and lets the
// pointer through. Panes must be descendants of the layer's parent.
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "ui/kit/Transitions.h"

namespace sorbeta {

// The widget as it draws itself (with its children) over nothing, at the
// screen's pixel ratio.
QPixmap pictureOf(QWidget* pane);

class TransitionLayer final : public QWidget {
    Q_OBJECT

public:
    explicit TransitionLayer(QWidget* parent);

    // How a coming pane is drawn on its way in.
    enum class Arrival {
        picture,  // a picture taken as it comes
        live,     // the pane itself, so changes on the way show at once
    };

    // Shows `pane` where it is placed and animates it in. Nothing moves when
    // the window is not on screen.
    void enter(QWidget* pane, const Transition& transition, Spring spring, Arrival arrival = Arrival::picture);
    // Photographs `pane`, hides it and animates the picture away. A pane
    // that is not shown is only hidden.
    void leave(QWidget* pane, const Transition& transition, Spring spring);

    bool running() const { return !ghosts_.empty(); }
    // The presence (0 gone … 1 in place) of the pane's running transition, or
    // a negative value when it has none.
    double presenceOf(const QWidget* pane) const;
    // Drops the transitions that have come to rest at the kit clock's now;
    // the frame timer calls it.
    void step();
    // Ends every transition at once.
    void finish();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Ghost {
        QPointer<QWidget> pane;  // the live pane of an entering picture
        QPixmap picture;         // none for a pane that arrives live
        QRectF home;             // the pane's place, in this layer's coordinates
        Transition transition;
        SpringValue presence;
        Qt::LayoutDirection direction;
        bool entering;
        bool live = false;
    };

    // Takes the running transition of `pane` off the layer; returns its
    // presence now, or `otherwise` when it had none.
    double takeGhost(const QWidget* pane, double otherwise);
    void reveal(Ghost& ghost);
    // Gives each live pane the look of its presence at `now`.
    void restyleLive(double now);
    void addGhost(Ghost ghost, double to);

    std::vector<Ghost> ghosts_;
    QTimer frames_;
};

}  // namespace sorbeta
