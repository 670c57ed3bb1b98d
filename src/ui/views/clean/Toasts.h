#pragma once
// The capsule toasts that report results: the freed-space toast after a
// manual clean and the general candy toast. Both close themselves after a
// countdown that stands still while the pointer rests on them. Every close
// and every button action runs as a queued call, so the owner may delete the
// toast in response without the toast dying inside its own event handler.
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "model/common/Flavor.h"

class QHBoxLayout;
class QSpacerItem;

namespace sorbeta {

// Counts a toast's time down in steps of 0.25 s while it is not hovered.
class ToastCountdown {
public:
    static constexpr double kStep = 0.25;
    explicit ToastCountdown(double seconds) : remaining_(seconds) {}
    // Already over before the first step (a candy toast of 0 s or less).
    bool overAtStart() const { return !(remaining_ > 0); }
    // One step; true when the toast should close now.
    bool step(bool hovering);
    double remaining() const { return remaining_; }

private:
    double remaining_;
};

class Toast : public QWidget {
    Q_OBJECT
public:
    // Room around the capsule for its shadow (radius 20, 8 down).
    static constexpr QMargins kShadowMargins{24, 16, 24, 32};

    bool isHovering() const { return hovering_; }
    // The visible capsule; the rest of the widget is room for its shadow and
    // does not count as the toast for the pointer.
    QRectF capsuleRect() const;
    double remaining() const { return countdown_.remaining(); }
    // One countdown step, as the 0.25 s timer runs it.
    void step();
    // Where the pointer really is; replaceable for tests.
    void setPointerProbe(std::function<bool()> probe) { probe_ = std::move(probe); }

protected:
    Toast(double seconds, QColor shadow, std::function<void()> dismiss, QWidget* parent);
    // Builds the row: glyph, title and subtitle; then add the buttons.
    void buildRow(const QString& glyph, const QString& title, const QString& subtitle);
    // A candy button at the row's end; `run` is called on click.
    void addButton(const QString& text, Flavor flavor, double height, std::function<void()> run);
    // Ends the row once every button is in.
    void finishRow();
    // Runs `action` later on the event loop, never inside the caller's handler.
    void runQueued(std::function<void()> action);
    void start();
    // Stops the countdown and calls dismiss once, queued.
    void closeNow();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool overCapsule(QPointF local) const { return capsuleRect().contains(local); }
    void applyMargins();
    void placeButtons();

    ToastCountdown countdown_;
    QColor shadow_;
    std::function<void()> dismiss_;
    std::function<bool()> probe_;
    bool hovering_ = false;
    bool dismissed_ = false;
    QTimer timer_{this};  // a child named "toastClock", so a test can hold it
    QHBoxLayout* row_ = nullptr;
    // Buttons carry room for their own shadow around the capsule; they are
    // placed by hand so the capsules stand 12 points apart like the rest.
    std::vector<QWidget*> buttons_;
    QSpacerItem* buttonSpace_ = nullptr;
};

class FreedToast final : public Toast {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> freeNow;  // empties the holding batch at once
        std::function<void()> share;    // opens the share card
        std::function<void()> dismiss;  // the owner removes the toast
    };
    // `failed`: how many items could not be removed or held and stayed put.
    FreedToast(int64_t bytes, QStringList skipped, int failed, bool held, Actions actions, QWidget* parent = nullptr);

    static QString titleText(int64_t bytes, bool held);
    static QString subtitleText(int64_t bytes, const QStringList& skipped, int failed, bool held);
};

class CandyToast final : public Toast {
    Q_OBJECT
public:
    struct Action {
        QString title;
        std::function<void()> handler;
    };
    CandyToast(QString emoji, QString title, QString subtitle, std::optional<Action> action, double seconds,
               QString dismissTitle, std::function<void()> dismiss, QWidget* parent = nullptr);
};

}  // namespace sorbeta
