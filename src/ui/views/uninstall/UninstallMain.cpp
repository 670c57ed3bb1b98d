#include "ui/views/uninstall/UninstallMain.h"

#include "platform/Translate.h"
#include "ui/jelly/ScanningJelly.h"
#include "ui/kit/TransitionLayer.h"
#include "ui/views/uninstall/AppIcons.h"
#include "ui/views/uninstall/UninstallTexts.h"

namespace sorbeta {
namespace {

constexpr Spring kSelectSpring{0.5, 0.78};
constexpr double kDetailScale = 0.85;
constexpr double kMapScale = 1.1;

Transition wayOf(UninstallMain::Shows shows) {
    switch (shows) {
        case UninstallMain::Shows::detail: return Transition::scaled(kDetailScale);
        case UninstallMain::Shows::map: return Transition::scaled(kMapScale);
        case UninstallMain::Shows::waiting: return Transition::opacity();
    }
    return Transition::opacity();
}

}  // namespace

UninstallMain::UninstallMain(UninstallModel& model, MapServices map, AppDetail::Services detail, QWidget* parent)
    : QWidget(parent), model_(model), detailServices_(std::move(detail)) {
    map_ = new JellyMapView(std::move(map), this);
    map_->setObjectName(QStringLiteral("appMap"));
    map_->setGap(kMapGap);
    map_->setOnOpen([this](const MapNode& node) { model_.setSelectedID(QString::fromStdString(node.id)); });
    waiting_ = new ScanningJelly(sorbeta::tr("正在给应用称重…"), this);
    waiting_->setObjectName(QStringLiteral("waitingJelly"));
    transitions_ = new TransitionLayer(this);
    transitions_->setObjectName(QStringLiteral("uninstallTransitions"));

    for (auto signal :
         {&UninstallModel::appsChanged, &UninstallModel::selectedIDChanged, &UninstallModel::sortChanged,
          &UninstallModel::searchChanged, &UninstallModel::loadingChanged, &UninstallModel::loadedChanged})
        connect(&model_, signal, this, &UninstallMain::refresh);

    // The first look shows without motion.
    shows_ = wanted();
    map_->setVisible(shows_ == Shows::map);
    waiting_->setVisible(shows_ == Shows::waiting);
    refresh();
}

UninstallMain::Shows UninstallMain::wanted() const {
    if (model_.selectedApp()) return Shows::detail;
    for (const InstalledApp& app : model_.apps())
        if (app.totalBytes() > 0) return Shows::map;
    // A finished listing with nothing to weigh (no application of the user's
    // own, as on a machine with only distribution packages) is not "weighing":
    // the map area stays empty instead of waiting forever.
    if (model_.loaded() && !model_.loading()) return Shows::map;
    return Shows::waiting;
}

QWidget* UninstallMain::partFor(Shows shows) const {
    switch (shows) {
        case Shows::detail: return detail_;
        case Shows::map: return map_;
        case Shows::waiting: return waiting_;
    }
    return nullptr;
}

void UninstallMain::refresh() {
    // The jellies stand for the side list's applications, in its order.
    std::vector<MapNode> nodes = UninstallTexts::mapNodes(model_.visibleApps(), model_.sort());
    if (nodes != nodes_) {
        // Each application's own icon is found before its jelly draws.
        for (const InstalledApp& app : model_.apps())
            if (app.totalBytes() > 0) AppIcons::icon(app, detailServices_.dataHome);
        nodes_ = nodes;
        map_->setNodes(std::move(nodes));
    }

    const Shows next = wanted();
    const InstalledApp* selected = model_.selectedApp();
    const bool sameApp = detail_ && selected && detail_->app().url == selected->url;
    if (next == shows_ && (next != Shows::detail || sameApp)) {
        if (sameApp) detail_->setApp(*selected);
        return;
    }
    if (QWidget* going = partFor(shows_)) transitions_->leave(going, wayOf(shows_), kSelectSpring);
    if (shows_ == Shows::detail && detail_) {
        detail_->setObjectName(QString());  // gone, though deleted later
        detail_->deleteLater();
        detail_.clear();
    }
    shows_ = next;
    if (next == Shows::detail) {
        // Another application gets a fresh pane.
        detail_ = new AppDetail(*selected, model_, detailServices_, this);
        detail_->setObjectName(QStringLiteral("appDetail"));
        detail_->setGeometry(rect());
        detail_->hide();
    }
    transitions_->enter(partFor(next), wayOf(next), kSelectSpring);
    transitions_->raise();
}

void UninstallMain::resizeEvent(QResizeEvent*) {
    map_->setGeometry(rect());
    waiting_->setGeometry(rect());
    if (detail_) detail_->setGeometry(rect());
}

}  // namespace sorbeta
