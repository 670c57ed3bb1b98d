#include "ui/views/history/HistoryMain.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "platform/Translate.h"
#include "ui/jelly/ScanningJelly.h"
#include "ui/kit/KitText.h"
#include "ui/kit/Theme.h"
#include "ui/views/FilePlaces.h"
#include "ui/views/history/HistoryPageText.h"
#include "ui/views/history/UsageChart.h"

namespace sorbeta {
namespace {

// A white card with round corners behind the chart.
class ChartCard final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath card;
        card.addRoundedRect(QRectF(rect()), HistoryMain::kCardRadius, HistoryMain::kCardRadius);
        painter.fillPath(card, withOpacity(Qt::white, 0.55));
    }
};

QWidget* makeCalmView(QWidget* parent) {
    auto* view = new QWidget(parent);
    auto* column = new QVBoxLayout(view);
    column->setSpacing(10);
    column->addStretch(1);
    auto* ice = makeKitText(QStringLiteral("🍧"), roundedFont(44), Theme::ink(), view);
    ice->setAlignment(Qt::AlignCenter);
    column->addWidget(ice);
    auto* text =
        makeKitText(sorbeta::tr("这段时间没有东西明显变大"), roundedFont(14, QFont::DemiBold), Theme::inkSoft(), view);
    text->setAlignment(Qt::AlignCenter);
    column->addWidget(text);
    column->addStretch(1);
    return view;
}

}  // namespace

HistoryMain::HistoryMain(HistoryModel& model, HistoryPageServices services, QWidget* parent)
    : QWidget(parent), model_(&model), services_(std::move(services)) {
    setObjectName(QStringLiteral("historyMain"));
    waiting_ = new ScanningJelly(sorbeta::tr("冰沙每次扫描都会记一笔，攒两天就能看出谁在偷偷长大"), this);
    waiting_->setObjectName(QStringLiteral("waiting"));
    card_ = new ChartCard(this);
    card_->setObjectName(QStringLiteral("chartCard"));
    chart_ = new UsageChart(model.zone(), card_);
    map_ = new JellyMapView(services_.map, this);
    map_->setObjectName(QStringLiteral("map"));
    map_->setGap(kMapGap);
    map_->setSelection(std::nullopt);
    map_->setOnOpen([this](const MapNode& node) {
        if (node.urls.empty()) return;
        const std::vector<std::filesystem::path> first{node.urls.front()};
        if (services_.reveal)
            services_.reveal(first);
        else
            revealInFileViewer(first);
    });
    calm_ = makeCalmView(this);
    calm_->setObjectName(QStringLiteral("calm"));

    connect(&model, &HistoryModel::snapshotsChanged, this, &HistoryMain::refresh);
    connect(&model, &HistoryModel::periodChanged, this, &HistoryMain::refresh);
    refresh();
}

void HistoryMain::refresh() {
    if (!model_) return;
    const bool waiting = model_->snapshots().size() <= 1;
    waiting_->setVisible(waiting);
    card_->setVisible(!waiting);
    const std::vector<DiskChange> grown = HistoryPageText::grown(model_->changes());
    map_->setVisible(!waiting && !grown.empty());
    calm_->setVisible(!waiting && grown.empty());
    if (waiting) return;
    chart_->setZone(model_->zone());
    chart_->setSnapshots(model_->visible());
    map_->setNodes(HistoryPageText::nodes(grown));
}

void HistoryMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

void HistoryMain::place() {
    waiting_->setGeometry(rect());
    const int cardHeight = kChartHeight + 2 * kCardInset;
    card_->setGeometry(0, 0, width(), cardHeight);
    chart_->setGeometry(kCardInset, kCardInset, std::max(0, width() - 2 * kCardInset), kChartHeight);
    const QRect rest(0, cardHeight + kBelowCard, width(), std::max(0, height() - cardHeight - kBelowCard));
    map_->setGeometry(rest);
    calm_->setGeometry(rest);
}

}  // namespace sorbeta
