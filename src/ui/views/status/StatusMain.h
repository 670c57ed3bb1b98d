#pragma once
// The status mode's main area: the memory parts as a jelly map and, under
// it, the applications using the most memory as cards whose close button
// asks the application to quit. Named parts: "memoryMap", "hogHeading",
// "hogCards" and one "hog.<pid>" card per application.
#include <QAbstractButton>
#include <QWidget>
#include <vector>

#include "model/status/StatusTypes.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/Transitions.h"
#include "ui/map/JellyMapView.h"

class QHBoxLayout;
class QLabel;

namespace sorbeta {

class StatusModel;

// The round cherry button that asks an application to quit.
class HogCloseButton final : public QAbstractButton {
    Q_OBJECT
public:
    explicit HogCloseButton(QWidget* parent = nullptr);
    QSize sizeHint() const override { return QSize(18, 18); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

class HogCard final : public QWidget {
    Q_OBJECT
public:
    explicit HogCard(MemoryHog hog, QWidget* parent = nullptr);
    const MemoryHog& hog() const { return hog_; }
    // New figures of the same application; the pointer's hover stays.
    void setHog(MemoryHog hog);
    bool hovering() const { return hover_; }
    HogCloseButton* closeButton() const { return close_; }
    QSize sizeHint() const override;

signals:
    void quitRequested(const sorbeta::MemoryHog& hog);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setHover(bool hover);
    void showHog();

    MemoryHog hog_;
    QIcon icon_;
    bool hover_ = false;
    HogCloseButton* close_ = nullptr;
};

class StatusMain final : public QWidget {
    Q_OBJECT
public:
    StatusMain(StatusModel& status, MapServices services, QWidget* parent = nullptr);
    JellyMapView* map() const { return map_; }
    // Reads the memory parts and the applications again.
    void refresh();

private:
    void rebuildCards();
    // Same applications in the same order: the cards take the new figures.
    bool updateCards();

    StatusModel& status_;
    JellyMapView* map_ = nullptr;
    QLabel* heading_ = nullptr;
    QWidget* cards_ = nullptr;
    QHBoxLayout* cardRow_ = nullptr;
    std::vector<MemoryHog> shownHogs_;
    std::vector<MapNode> shownNodes_;
};

}  // namespace sorbeta
