#include "app/ContentView.h"

#include <QGuiApplication>
#include <QPainter>
#include <QShowEvent>
#include <cmath>

#include "app/AppServices.h"
#include "app/ModelTasks.h"
#include "app/WorkingView.h"
#include "model/scan/AppModel.h"
#include "ui/kit/CandyBackground.h"
#include "ui/kit/ImageEffects.h"
#include "ui/kit/TransitionLayer.h"
#include "ui/views/clean/AccessGuide.h"
#include "ui/views/share/ShareCardSheet.h"

namespace sorbeta {
ContentView::ContentView(AppServices& services, QWidget* parent) : QWidget(parent), services_(services) {
    // The background covers every pixel: the window is not filled beneath it,
    // neither in the first frame nor under each strip the map repaints.
    setAttribute(Qt::WA_OpaquePaintEvent);
    working_ = new WorkingView(services_, this);
    working_->setObjectName(QStringLiteral("working"));
    transitions_ = new TransitionLayer(this);
    transitions_->setObjectName(QStringLiteral("contentTransitions"));
    connect(working_, &WorkingView::openSettings, this, &ContentView::openSettings);
    connect(working_, &WorkingView::showHolding, this, &ContentView::showHolding);
    connect(working_, &WorkingView::shareReport, this, &ContentView::share);
    connect(working_, &WorkingView::showGuide, this, [this] { setShowGuide(true); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive) applicationBecameActive();
    });
}

ContentView::~ContentView() = default;

void ContentView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!launched_) {
        launched_ = true;
        launch();
    }
}

void ContentView::launch() {
    if (!services_.hasFullDisk() && !services_.settings().accessGuideDone()) {
        setShowGuide(true);
        return;
    }
    startScan();
}

void ContentView::guideFinished(bool granted) {
    services_.settings().setAccessGuideDone(true);
    setShowGuide(false);
    // A guide skipped after a scan already ran (reopened from the badge) does not rescan.
    if (!granted && services_.model().hasScanned()) return;
    startScan();
}

void ContentView::applicationBecameActive() {
    const AppModel& model = services_.model();
    if (!model.hasScanned() || model.fullDisk() || showingGuide()) return;
    if (!services_.hasFullDisk()) return;
    startScan();
}

void ContentView::share(const CleanReport& report) {
    if (sharing_) sharing_->close();
    auto* sheet = new ShareCardSheet(report, window());
    sheet->setObjectName(QStringLiteral("shareSheet"));
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sharing_ = sheet;
    sheet->open();
}

void ContentView::startScan() { sorbeta::startScan(services_.model()); }

void ContentView::setShowGuide(bool show) {
    if (show == showingGuide()) return;
    if (show) {
        QPointer<ContentView> self(this);
        guide_ = new AccessGuide(
            [self](bool granted) {
                if (self) self->guideFinished(granted);
            },
            {services_.accessProbe(), {}, {}}, this);
        guide_->setObjectName(QStringLiteral("guide"));
        guide_->setGeometry(rect());
        guide_->hide();
        // The guide grows in from 0.9 of its size as the working window fades.
        transitions_->leave(working_, Transition::opacity(), kGuideSpring);
        transitions_->enter(guide_, Transition::scaled(0.9), kGuideSpring);
    } else {
        transitions_->leave(guide_, Transition::scaled(0.9), kGuideSpring);
        guide_->setObjectName(QString());  // gone, though deleted later
        guide_->deleteLater();
        guide_.clear();
        transitions_->enter(working_, Transition::opacity(), kGuideSpring);
    }
}

void ContentView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    working_->setGeometry(rect());
    if (guide_) guide_->setGeometry(rect());
}

void ContentView::paintEvent(QPaintEvent*) {
    // Every frame of the map above repaints the background beneath it: the
    // spots are scaled up and blended once per size, then only copied.
    const double ratio = devicePixelRatioF();
    const QSize pixels(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio)));
    if (background_.size() != pixels || background_.devicePixelRatio() != ratio) {
        // Opaque, so each repaint is a plain copy of its rows.
        background_ = QImage(pixels, QImage::Format_RGB32);
        background_.setDevicePixelRatio(ratio);
        QPainter painter(&background_);
        paintCandyBackground(painter, QRectF(rect()));
    }
    QPainter painter(this);
    ImageEffects::drawImageDirect(painter, background_);
}

}  // namespace sorbeta
