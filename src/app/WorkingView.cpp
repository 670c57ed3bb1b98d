#include "app/WorkingView.h"

#include <QAbstractButton>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "app/AppServices.h"
#include "app/ModelTasks.h"
#include "app/UninstallShell.h"
#include "model/common/Bytes.h"
#include "model/dev/DevModel.h"
#include "model/dialog/CandyDialog.h"
#include "model/drill/DrillModel.h"
#include "model/holding/HoldingModel.h"
#include "model/scan/AppModel.h"
#include "model/shell/AppSettings.h"
#include "model/status/StatusModel.h"
#include "model/uninstall/UninstallModel.h"
#include "platform/Translate.h"
#include "ui/jelly/ScanningJelly.h"
#include "ui/kit/TransitionLayer.h"
#include "ui/map/CleanMapNodes.h"
#include "ui/map/JellyMapView.h"
#include "ui/views/clean/AccessGuide.h"
#include "ui/views/clean/SidePanel.h"
#include "ui/views/clean/Toasts.h"
#include "ui/views/clean/TopBar.h"
#include "ui/views/dev/DevMain.h"
#include "ui/views/dev/DevPanel.h"
#include "ui/views/drill/DrillPane.h"
#include "ui/views/history/HistoryMain.h"
#include "ui/views/history/HistoryPanel.h"
#include "ui/views/status/StatusMain.h"
#include "ui/views/status/StatusPanel.h"
#include "ui/views/uninstall/UninstallMain.h"
#include "ui/views/uninstall/UninstallPanel.h"

namespace sorbeta {
namespace {

// Side column: 400 wide, margins 32 leading, 18 trailing, −12 top (into the
// top bar's empty left part), 28 bottom. Main area: 8 top, 22 bottom and trailing.
constexpr int kColumnWidth = 400;
constexpr int kColumnLeading = 32;
constexpr int kColumnTrailing = 18;
constexpr int kColumnTop = -12;
constexpr int kColumnBottom = 28;
constexpr int kColumnSpacing = 18;
constexpr int kMainTop = 8;
constexpr int kMainBottom = 22;
constexpr int kMainTrailing = 22;
constexpr int kToastBottom = 30;
constexpr double kOverviewGap = 7;
constexpr double kMemoryToastSeconds = 7;
// The badge's coming and going has no spring of the window's own: the kit's
// default one.
constexpr Spring kBadgeSpring{};

// The name of a mode in the names of its panel and page.
QString modeKey(AppMode mode) {
    switch (mode) {
        case AppMode::clean: return QStringLiteral("clean");
        case AppMode::uninstall: return QStringLiteral("uninstall");
        case AppMode::dev: return QStringLiteral("dev");
        case AppMode::files: return QStringLiteral("files");
        case AppMode::history: return QStringLiteral("history");
        case AppMode::status: return QStringLiteral("status");
    }
    return {};
}

QRect mirrored(const QRect& rect, int width, bool rtl) {
    if (!rtl) return rect;
    return QRect(width - rect.right() - 1, rect.top(), rect.width(), rect.height());
}

// `content` fills `container` whatever its size.
void fillWith(QWidget* container, QWidget* content) {
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
}

SidePanelText::State panelState(const AppModel& model, const HoldingModel& holding) {
    SidePanelText::State state;
    state.phase = model.phase();
    state.items = model.items();
    state.selected = model.selected();
    state.hasScanned = model.hasScanned();
    state.scanFinished = model.lastSnapshot().has_value();  // every finished scan leaves one
    state.freeBytes = model.freeBytes();
    state.heldBytes = holding.total();
    state.scanFraction = model.scanFraction();
    state.cleanProgress = model.cleanProgress();
    state.holdCleaned = AppSettings().holdCleaned();
    return state;
}

}  // namespace

WorkingView::Frames WorkingView::frames(QSize size) {
    Frames result;
    // The desktop draws the title bar, so the top bar is the content's first row.
    result.topBar = QRect(0, 0, size.width(), TopBar::kHeight);
    const int rowTop = TopBar::kHeight;
    result.sideColumn =
        QRect(kColumnLeading, rowTop + kColumnTop, kColumnWidth, size.height() - rowTop - kColumnTop - kColumnBottom);
    const int mainLeft = kColumnLeading + kColumnWidth + kColumnTrailing;
    result.mainArea = QRect(mainLeft, rowTop + kMainTop, std::max(0, size.width() - mainLeft - kMainTrailing),
                            std::max(0, size.height() - rowTop - kMainTop - kMainBottom));
    return result;
}

Transition WorkingView::panelTransition(AppMode mode) {
    switch (mode) {
        case AppMode::clean: return Transition::slide(Edge::leading);
        case AppMode::status: return Transition::slide(Edge::trailing);
        default: return Transition::opacity();
    }
}

Transition WorkingView::pageTransition(AppMode mode, bool cleanShowsMap) {
    if (mode != AppMode::clean) return Transition::scaled(0.92);
    // The map swells away; the scanning jelly only fades.
    return cleanShowsMap ? Transition::scaled(1.12) : Transition::opacity();
}

WorkingView::WorkingView(AppServices& services, QWidget* parent) : QWidget(parent), services_(services) {
    AppModel& model = services_.model();
    HoldingModel& holding = services_.holding();

    topBar_ = new TopBar(this);
    topBar_->setObjectName(QStringLiteral("topBar"));
    modeSwitch_ = new ModeSwitch(this);
    modeSwitch_->setObjectName(QStringLiteral("modeSwitch"));
    sidePanel_ = new SidePanel(this);
    panels_[AppMode::clean] = sidePanel_;
    // Pages whose subsystems are not part of this build stay empty.
    for (AppMode mode : allAppModes) {
        if (mode != AppMode::clean) panels_[mode] = new QWidget(this);
        panels_[mode]->setObjectName(modeKey(mode) + QStringLiteral("Panel"));
        pages_[mode] = new QWidget(this);
        pages_[mode]->setObjectName(modeKey(mode) + QStringLiteral("Page"));
    }
    addStatusPage();
    addUninstallPage();
    addDevPages();
    const HistoryPageServices history{.map = {.sound = &services_.sound(), .bands = &services_.mapPainter()},
                                      .home = services_.places().home};
    fillWith(panels_[AppMode::history], new HistoryPanel(services_.history(), history));
    fillWith(pages_[AppMode::history], new HistoryMain(services_.history(), history));
    map_ = new JellyMapView(MapServices{.sound = &services_.sound(), .bands = &services_.mapPainter()},
                            pages_[AppMode::clean]);
    map_->setObjectName(QStringLiteral("map"));
    map_->setGap(kOverviewGap);
    // The overview's item jellies tick the rules the side panel lists; a
    // tapped category opens as the first drill-down level.
    map_->setSelection(MapNodes::overviewSelection(model));
    QPointer<DrillModel> drill(&services_.drill());
    map_->setOnOpen([drill](const MapNode& node) {
        if (drill)
            drill->open(DrillLevel{.title = node.title, .flavor = node.flavor, .urls = node.urls, .note = node.note});
    });
    scanning_ = new ScanningJelly(sorbeta::tr("正在扫描磁盘…"), pages_[AppMode::clean]);
    scanning_->setObjectName(QStringLiteral("scanningJelly"));
    badge_ = new LimitedBadge(this);
    badge_->setObjectName(QStringLiteral("limitedBadge"));
    badge_->hide();
    connect(badge_, &QAbstractButton::clicked, this, &WorkingView::showGuide);
    transitions_ = new TransitionLayer(this);
    transitions_->setObjectName(QStringLiteral("transitions"));

    connect(topBar_, &TopBar::openSettings, this, &WorkingView::openSettings);
    connect(modeSwitch_, &ModeSwitch::modeChanged, this, &WorkingView::setMode);

    QPointer<AppModel> weakModel(&model);
    connect(sidePanel_, &SidePanel::toggleItem, this, [weakModel](const std::string& id) {
        if (weakModel) weakModel->toggle(id);
    });
    connect(sidePanel_, &SidePanel::toggleAllItems, this, [weakModel](const std::vector<CleanItem>& items) {
        if (weakModel) weakModel->toggleAll(items);
    });
    connect(sidePanel_, &SidePanel::cleanConfirmed, this,
            [weakModel](const std::set<std::string>& ids, bool holdCleaned) {
                if (weakModel) startClean(*weakModel, ids, holdCleaned);
            });
    connect(sidePanel_, &SidePanel::rescanRequested, this, [weakModel] {
        if (weakModel) startScan(*weakModel);
    });
    connect(sidePanel_, &SidePanel::holdingRequested, this, &WorkingView::showHolding);
    sidePanel_->setRefreshBeforeAsking([this] { refreshPanel(); });

    for (auto signal : {&AppModel::phaseChanged, &AppModel::itemsChanged, &AppModel::selectedChanged,
                        &AppModel::hasScannedChanged, &AppModel::freeBytesChanged, &AppModel::scanDoneChanged,
                        &AppModel::scanTotalChanged, &AppModel::cleanProgressChanged})
        connect(&model, signal, this, &WorkingView::refreshPanel);
    connect(&holding, &HoldingModel::batchesChanged, this, &WorkingView::refreshPanel);
    for (auto signal : {&AppModel::hasScannedChanged, &AppModel::totalBytesChanged})
        connect(&model, signal, this, &WorkingView::refreshCleanPane);
    for (auto signal : {&AppModel::categoriesChanged, &AppModel::itemsChanged, &AppModel::totalBytesChanged,
                        &AppModel::freeBytesChanged, &AppModel::scanCompleteChanged})
        connect(&model, signal, this, &WorkingView::refreshMap);
    connect(&model, &AppModel::selectedChanged, map_, [this] { map_->update(); });
    for (auto signal : {&AppModel::scanCompleteChanged, &AppModel::fullDiskChanged})
        connect(&model, signal, this, &WorkingView::refreshBadge);
    connect(&model, &AppModel::lastFreedChanged, this, &WorkingView::refreshFreedToast);
    connect(&services_.drill(), &DrillModel::stackChanged, this, &WorkingView::refreshDrill);
    connect(&services_.status(), &StatusModel::lastFreedChanged, this, &WorkingView::refreshMemoryToast);
    connect(&services_.uninstall(), &UninstallModel::lastResultChanged, this, &WorkingView::refreshUninstallToast);

    // The first mode and the first look of each part show without motion.
    for (auto& [each, panel] : panels_) panel->setVisible(each == mode_);
    for (auto& [each, page] : pages_) page->setVisible(each == mode_);
    mapShown_ = model.hasScanned() && model.totalBytes() >= 1;
    map_->setVisible(mapShown_);
    scanning_->setVisible(!mapShown_);
    layoutChildren();
    refreshPanel();
    refreshMap();
    refreshCleanPane();
    refreshBadge();
    refreshMemoryToast();
    refreshUninstallToast();
    refreshFreedToast();
    if (!services_.drill().stack().empty()) {
        map_->hide();
        scanning_->hide();
        refreshDrill();
    }
}

WorkingView::~WorkingView() = default;

void WorkingView::addStatusPage() {
    StatusModel& status = services_.status();
    auto* panel = new StatusPanel(status, services_.model());
    QPointer<StatusModel> weakStatus(&status);
    connect(panel, &StatusPanel::purgeConfirmed, this, [weakStatus] {
        if (weakStatus) startPurge(*weakStatus);
    });
    fillWith(panels_[AppMode::status], panel);
    fillWith(pages_[AppMode::status],
             new StatusMain(status, MapServices{.sound = &services_.sound(), .bands = &services_.mapPainter()}));
}

void WorkingView::addUninstallPage() {
    UninstallModel& uninstall = services_.uninstall();
    const platform::Places& places = services_.places();
    fillWith(panels_[AppMode::uninstall], new UninstallPanel(uninstall, places.dataHome));
    fillWith(pages_[AppMode::uninstall],
             new UninstallMain(uninstall, MapServices{.sound = &services_.sound(), .bands = &services_.mapPainter()},
                               AppDetail::Services{.home = places.home, .dataHome = places.dataHome}));
}

void WorkingView::refreshUninstallToast() {
    UninstallModel& uninstall = services_.uninstall();
    if (uninstallToast_) {
        transitions_->leave(uninstallToast_, Transition::slide(Edge::bottom), kFreedSpring);
        uninstallToast_->setObjectName(QString());  // gone, though deleted later
        uninstallToast_->deleteLater();
    }
    uninstallToast_.clear();
    const std::optional<UninstallModel::Result>& result = uninstall.lastResult();
    if (!result) return;
    QPointer<UninstallModel> weak(&uninstall);
    std::optional<CandyToast::Action> action;
    // Only what reached the Trash can be deleted from it for good.
    if (!result->inTrash.empty()) {
        UninstallShell::PendingPurge pending{.name = result->name, .bytes = result->bytes, .items = result->inTrash};
        action = CandyToast::Action{sorbeta::tr("现在腾出空间"), [weak, pending] {
                                        if (weak) UninstallShell::askPurge(*weak, pending);
                                    }};
    }
    uninstallToast_ = new CandyToast(
        QStringLiteral("📦"), UninstallShell::toastTitle(*result), UninstallShell::toastSubtitle(*result),
        std::move(action), UninstallShell::kToastSeconds, sorbeta::tr("好"),
        [weak] {
            if (weak) weak->setLastResult(std::nullopt);
        },
        this);
    uninstallToast_->setObjectName(QStringLiteral("uninstallToast"));
    layoutChildren();
    transitions_->enter(uninstallToast_, Transition::slide(Edge::bottom), kFreedSpring);
    // The freed toast lies on top of it.
    if (freedToast_) freedToast_->raise();
}

void WorkingView::addDevPages() {
    Toolkits& toolkits = services_.toolkits();
    for (auto [mode, dev] : {std::pair{AppMode::dev, &toolkits.dev()}, std::pair{AppMode::files, &toolkits.files()}}) {
        auto* panel = new DevPanel(*dev);
        panel->setObjectName(QStringLiteral("devPanel"));
        fillWith(panels_[mode], panel);
        auto* page = new DevMain(*dev, {.map = {.sound = &services_.sound(), .bands = &services_.mapPainter()}});
        page->setObjectName(QStringLiteral("devMain"));
        QPointer<DevModel> weak(dev);
        connect(page, &DevMain::runConfirmed, this, [weak](const std::vector<DevEntry>& entries) {
            if (weak) startDevRun(*weak, entries);
        });
        fillWith(pages_[mode], page);
    }
}

void WorkingView::loadOnEntry(AppMode mode) {
    Toolkits& toolkits = services_.toolkits();
    DevModel* dev = mode == AppMode::dev ? &toolkits.dev() : mode == AppMode::files ? &toolkits.files() : nullptr;
    // Searched once per process; later entries show what it holds.
    if (dev && !dev->loaded()) startDevLoad(*dev);
    // The applications are listed on the first visit, once per process.
    if (mode == AppMode::uninstall && !services_.uninstall().loaded()) UninstallShell::startLoad(services_.uninstall());
}

void WorkingView::refreshSampler() {
    StatusModel& status = services_.status();
    const bool wanted = mode_ == AppMode::status && isVisible();
    if (wanted && !status.sampling())
        startStatusSampler(status);
    else if (!wanted)
        status.stop();
}

void WorkingView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refreshSampler();
}

void WorkingView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    refreshSampler();
}

void WorkingView::refreshMemoryToast() {
    StatusModel& status = services_.status();
    if (memoryToast_) {
        transitions_->leave(memoryToast_, Transition::slide(Edge::bottom), kFreedSpring);
        memoryToast_->setObjectName(QString());  // gone, though deleted later
        memoryToast_->deleteLater();
    }
    memoryToast_.clear();
    if (!status.lastFreed()) return;
    QPointer<StatusModel> weakStatus(&status);
    memoryToast_ = new CandyToast(
        QStringLiteral("🫧"), sorbeta::tr("腾出了 ") + Bytes::text(*status.lastFreed(), true) + sorbeta::tr(" 内存"),
        sorbeta::tr("文件缓存清掉了，系统之后会按需要慢慢再缓存"), std::nullopt, kMemoryToastSeconds, sorbeta::tr("好"),
        [weakStatus] {
            if (weakStatus) weakStatus->setLastFreed(std::nullopt);
        },
        this);
    memoryToast_->setObjectName(QStringLiteral("memoryToast"));
    layoutChildren();
    transitions_->enter(memoryToast_, Transition::slide(Edge::bottom), kFreedSpring);
    // The freed toast lies on top of it.
    if (uninstallToast_) uninstallToast_->raise();
    if (freedToast_) freedToast_->raise();
}

void WorkingView::setMode(AppMode mode) {
    modeSwitch_->setMode(mode);
    if (mode == mode_) return;
    const AppMode before = std::exchange(mode_, mode);
    transitions_->leave(panels_.at(before), panelTransition(before), kModeSpring);
    transitions_->leave(pages_.at(before), pageTransition(before, mapShown_), kModeSpring);
    transitions_->enter(panels_.at(mode), panelTransition(mode), kModeSpring);
    transitions_->enter(pages_.at(mode), pageTransition(mode, mapShown_), kModeSpring);
    refreshSampler();
    loadOnEntry(mode);
}

void WorkingView::refreshPanel() {
    sidePanel_->setState(panelState(services_.model(), services_.holding()));
    sidePanel_->setHoldingBatches(int(services_.holding().batches().size()));
}

void WorkingView::refreshCleanPane() {
    // The map comes up once the first scan has measured the volume and stays
    // during later scans; the scanning jelly shows only before that.
    const AppModel& model = services_.model();
    const bool showMap = model.hasScanned() && model.totalBytes() >= 1;
    if (showMap == mapShown_) return;
    mapShown_ = showMap;
    // Under an open drill-down level the overview changes out of sight.
    if (drillPane_) return;
    QWidget* going = showMap ? static_cast<QWidget*>(scanning_) : map_;
    QWidget* coming = showMap ? static_cast<QWidget*>(map_) : scanning_;
    transitions_->leave(going, pageTransition(AppMode::clean, !showMap), kFirstReadingSpring);
    // The map arrives live: its free jelly and the categories grow on it as
    // the scan measures them, while it swells in.
    transitions_->enter(coming, pageTransition(AppMode::clean, showMap), kFirstReadingSpring,
                        showMap ? TransitionLayer::Arrival::live : TransitionLayer::Arrival::picture);
}

QWidget* WorkingView::cleanOverview() const {
    return mapShown_ ? static_cast<QWidget*>(map_) : static_cast<QWidget*>(scanning_);
}

void WorkingView::refreshDrill() {
    // Each level is a pane of its own; the overview comes back when none is open.
    const std::vector<DrillLevel>& stack = services_.drill().stack();
    if (drillPane_ && !stack.empty() && drillPane_->level().id == stack.back().id) return;
    const Transition paneWay = Transition::scaled(kDrillScale);
    if (drillPane_) {
        transitions_->leave(drillPane_, paneWay, kDrillSpring);
        drillPane_->setObjectName(QString());  // gone, though deleted later
        drillPane_->deleteLater();
        drillPane_.clear();
    } else if (!stack.empty()) {
        transitions_->leave(cleanOverview(), pageTransition(AppMode::clean, mapShown_), kDrillSpring);
    }
    if (stack.empty()) {
        transitions_->enter(cleanOverview(), pageTransition(AppMode::clean, mapShown_), kDrillSpring);
        return;
    }
    drillPane_ = new DrillPane(stack.back(), services_.drill(),
                               {.map = {.sound = &services_.sound(), .bands = &services_.mapPainter()},
                                .home = services_.places().home,
                                .dialogs = &CandyDialogCenter::shared()},
                               pages_[AppMode::clean]);
    drillPane_->setObjectName(QStringLiteral("drillPane"));
    drillPane_->setGeometry(QRect(QPoint(0, 0), pages_[AppMode::clean]->size()));
    drillPane_->hide();
    transitions_->enter(drillPane_, paneWay, kDrillSpring);
}

void WorkingView::refreshMap() { map_->setNodes(MapNodes::overview(services_.model())); }

void WorkingView::refreshBadge() {
    const AppModel& model = services_.model();
    const bool shown = model.scanComplete() && !model.fullDisk();
    if (shown == badgeShown_) return;
    badgeShown_ = shown;
    // The badge is placed (and the panel above it shortened) before it comes.
    if (!shown) transitions_->leave(badge_, Transition::slide(Edge::bottom), kBadgeSpring);
    layoutChildren();
    if (shown) transitions_->enter(badge_, Transition::slide(Edge::bottom), kBadgeSpring);
}

void WorkingView::refreshFreedToast() {
    AppModel& model = services_.model();
    if (freedToast_) {
        transitions_->leave(freedToast_, Transition::slide(Edge::bottom), kFreedSpring);
        freedToast_->setObjectName(QString());  // gone, though deleted later
        freedToast_->deleteLater();
    }
    freedToast_.clear();
    if (!model.lastFreed()) return;
    QPointer<AppModel> weakModel(&model);
    QPointer<HoldingModel> weakHolding(&services_.holding());
    FreedToast::Actions actions;
    actions.freeNow = [weakModel, weakHolding] {
        if (!weakModel || !weakHolding || !weakModel->lastBatch()) return;
        startFreeNow(*weakHolding, *weakModel, *weakModel->lastBatch());
    };
    actions.dismiss = [weakModel] {
        if (weakModel) weakModel->setLastFreed(std::nullopt);
    };
    if (const std::optional<CleanReport>& report = model.lastReport()) {
        QPointer<WorkingView> self(this);
        actions.share = [self, weakModel, report = *report] {
            if (self) emit self->shareReport(report);
            if (weakModel) weakModel->setLastFreed(std::nullopt);
        };
    }
    freedToast_ = new FreedToast(*model.lastFreed(), model.lastSkipped(), model.lastFailed(),
                                 model.lastBatch().has_value(), std::move(actions), this);
    freedToast_->setObjectName(QStringLiteral("freedToast"));
    layoutChildren();
    transitions_->enter(freedToast_, Transition::slide(Edge::bottom), kFreedSpring);
}

void WorkingView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutChildren();
}

void WorkingView::layoutChildren() {
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const Frames place = frames(size());
    topBar_->setGeometry(place.topBar);
    const QRect column = mirrored(place.sideColumn, width(), rtl);

    // Column: mode switch, the panel filling the rest, the badge below it.
    // The switch's widget reaches past its capsule by its shadow room.
    const QSize switchSize = modeSwitch_->sizeHint().shrunkBy(ModeSwitch::kBleed);
    int top = column.top();
    const QRect switchRect(rtl ? column.right() - switchSize.width() + 1 : column.left(), top, switchSize.width(),
                           switchSize.height());
    modeSwitch_->setGeometry(switchRect.marginsAdded(ModeSwitch::kBleed));
    top += switchSize.height() + kColumnSpacing;
    int bottom = column.bottom() + 1;
    if (badgeShown_) {
        const QSize badgeSize = badge_->sizeHint();
        badge_->setGeometry(QRect(rtl ? column.right() - badgeSize.width() + 1 : column.left(),
                                  bottom - badgeSize.height(), badgeSize.width(), badgeSize.height()));
        bottom -= badgeSize.height() + kColumnSpacing;
    }
    const QRect panelRect(column.left(), top, column.width(), std::max(0, bottom - top));
    for (auto& [mode, panel] : panels_) panel->setGeometry(panelRect);
    // The clean panel's buttons cast their shadows past the column.
    sidePanel_->setGeometry(panelRect.marginsAdded(SidePanel::kBleed));

    const QRect main = mirrored(place.mainArea, width(), rtl);
    for (auto& [mode, page] : pages_) page->setGeometry(main);
    map_->setGeometry(QRect(QPoint(0, 0), main.size()));
    scanning_->setGeometry(QRect(QPoint(0, 0), main.size()));
    if (drillPane_) drillPane_->setGeometry(QRect(QPoint(0, 0), main.size()));
    // Toasts: centred at the bottom, 30 above the window's edge, yet clear of
    // the side column. A toast, its shadow's room included, takes the clicks
    // where it lies, and the column ends in the buttons a result leads to next
    // (clean, rescan, free memory); a long translation would cover them.
    for (QWidget* toast : {static_cast<QWidget*>(memoryToast_.data()), static_cast<QWidget*>(uninstallToast_.data()),
                           static_cast<QWidget*>(freedToast_.data())}) {
        if (!toast) continue;
        const QSize size = toast->sizeHint();
        int left = (width() - size.width()) / 2;
        left = rtl ? std::min(left, column.left() - size.width()) : std::max(left, column.right() + 1);
        left = std::max(0, std::min(left, width() - size.width()));
        toast->setGeometry(QRect(left, height() - kToastBottom - size.height(), size.width(), size.height()));
    }
}

}  // namespace sorbeta
