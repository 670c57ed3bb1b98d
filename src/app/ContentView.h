#pragma once
// The main window's content: the candy background, and either the onboarding
// guide or the working window. It starts the scan when the window opens and
// scans again when the application comes back after access was granted. Its
// parts are named (objectName): "working", "guide" while it shows, and
// "contentTransitions".
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "model/scan/CleanReport.h"
#include "ui/kit/Spring.h"
#include "ui/views/clean/AccessGuide.h"
#include "ui/views/share/ShareCardSheet.h"

namespace sorbeta {

class TransitionLayer;

class AppServices;
class WorkingView;

class ContentView final : public QWidget {
    Q_OBJECT

public:
    explicit ContentView(AppServices& services, QWidget* parent = nullptr);
    ~ContentView() override;

    // The guide and the working window cross over with this spring.
    static constexpr Spring kGuideSpring{0.55, 0.8};

    bool showingGuide() const { return guide_ != nullptr; }

    // The launch step: guide or scan. Runs the first time the content shows.
    void launch();
    // What the guide's finish action does (granted: access was found).
    void guideFinished(bool granted);
    // The reactivation handler.
    void applicationBecameActive();
    // Shows the share card of a clean in a sheet over the window, in place
    // of one already open.
    void share(const CleanReport& report);
    // The share sheet on screen, if any.
    ShareCardSheet* sharing() const { return sharing_; }

signals:
    void openSettings();
    void showHolding();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void setShowGuide(bool show);
    void startScan();

    AppServices& services_;
    WorkingView* working_ = nullptr;
    QPointer<AccessGuide> guide_;
    QPointer<ShareCardSheet> sharing_;
    TransitionLayer* transitions_ = nullptr;
    bool launched_ = false;
    QImage background_;  // the background as painted, at the window's pixels
};

}  // namespace sorbeta
