#include "ui/views/drill/DrillPane.h"

#include <QDialog>
#include <QLabel>
#include <QResizeEvent>
#include <QShortcut>
#include <QVBoxLayout>
#include <cmath>
#include <numeric>

#include "model/dialog/CandyDialog.h"
#include "model/drill/DrillModel.h"
#include "platform/Translate.h"
#include "ui/jelly/ScanningJelly.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/KitText.h"
#include "ui/kit/Theme.h"
#include "ui/map/CleanMapNodes.h"
#include "ui/views/FilePlaces.h"
#include "ui/views/drill/DrillHeader.h"
#include "ui/views/drill/DrillPaneText.h"

namespace sorbeta {
namespace {

constexpr int kNoteGap = 8;

QWidget* makeEmptyView(QWidget* parent) {
    auto* view = new QWidget(parent);
    auto* column = new QVBoxLayout(view);
    column->setSpacing(10);
    column->addStretch(1);
    auto* jar = makeKitText(QStringLiteral("🫙"), roundedFont(44), Theme::ink(), view);
    jar->setAlignment(Qt::AlignCenter);
    column->addWidget(jar);
    auto* text = makeKitText(sorbeta::tr("这里空空的，或者没有权限看"), roundedFont(14, QFont::DemiBold),
                             Theme::inkSoft(), view);
    text->setAlignment(Qt::AlignCenter);
    column->addWidget(text);
    column->addStretch(1);
    return view;
}

// A candy button's widget for its capsule placed at (x, y): the capsule with
// the room for its shadow around it.
QSize capsuleSize(const CandyButton* button) { return button->sizeHint().shrunkBy(CandyButton::kShadowMargins); }
QRect aroundCapsule(const CandyButton* button, int x, int y) {
    return QRect(QPoint(x, y), capsuleSize(button)).marginsAdded(CandyButton::kShadowMargins);
}

}  // namespace

DrillPane::DrillPane(DrillLevel level, DrillModel& drill, Services services, QWidget* parent)
    : QWidget(parent), level_(std::move(level)), drill_(&drill), services_(std::move(services)) {
    back_ = new CandyButton(QString(), level_.flavor, true, kButtonHeight, this);
    back_->setObjectName(QStringLiteral("back"));
    back_->setSymbol(QStringLiteral("chevron.backward"));
    back_->setToolTip(sorbeta::tr("返回（Esc）"));
    back_->setFocusPolicy(Qt::NoFocus);
    connect(back_, &QAbstractButton::clicked, this, &DrillPane::goBack);

    crumbs_ = new DrillCrumbs(DrillPaneText::crumbs(drill.stack()), this);
    crumbs_->setObjectName(QStringLiteral("crumbs"));
    connect(crumbs_, &DrillCrumbs::popTo, this, [this](int depth) {
        if (drill_) drill_->popTo(depth);
    });

    total_ = new DrillTotal(level_.flavor, this);
    if (!level_.urls.empty()) {
        reveal_ = new CandyButton(QString(), Flavor::sky, true, kButtonHeight, this);
        reveal_->setObjectName(QStringLiteral("reveal"));
        reveal_->setSymbol(QStringLiteral("folder"));
        reveal_->setToolTip(sorbeta::tr("在访达中显示"));
        reveal_->setFocusPolicy(Qt::NoFocus);
        connect(reveal_, &QAbstractButton::clicked, this, [this] { revealInFileViewer(level_.urls); });
    }
    if (const auto line = DrillPaneText::noteLine(level_, services_.home)) {
        note_ = makeKitText(line->text, line->isPath ? roundedFont(12, QFont::Medium) : roundedFont(13, QFont::Medium),
                            Theme::inkSoft(), this);
        note_->setObjectName(QStringLiteral("note"));
        note_->setWordWrap(!line->isPath);
        note_->setProperty("fullText", line->text);
        note_->setProperty("isPath", line->isPath);
    }

    map_ = new JellyMapView(services_.map, this);
    map_->setObjectName(QStringLiteral("map"));
    map_->setGap(kMapGap);
    map_->setSelection(std::nullopt);  // taps open; nothing is ticked here
    map_->setOnOpen([this](const MapNode& node) { openNode(node); });
    waiting_ = new ScanningJelly(DrillPaneText::waitingCaption(level_.title), this);
    waiting_->setObjectName(QStringLiteral("waiting"));
    empty_ = makeEmptyView(this);
    empty_->setObjectName(QStringLiteral("empty"));

    // Escape goes back, but never past a dialog of this window: while one
    // shows, the key is its own.
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape_->setContext(Qt::WindowShortcut);
    connect(escape_, &QShortcut::activated, this, [this] {
        if (escapeGoesBack()) goBack();
    });
    if (services_.dialogs) {
        const auto follow = [this] { escape_->setEnabled(escapeGoesBack()); };
        connect(services_.dialogs, &CandyDialogCenter::currentChanged, this, follow);
        follow();
    }

    connect(&drill, &DrillModel::entriesChanged, this, &DrillPane::refresh);
    connect(&drill, &DrillModel::loadingChanged, this, &DrillPane::refresh);
    refresh();
}

DrillPane::~DrillPane() = default;

void DrillPane::goBack() {
    if (drill_) drill_->popTo(int(drill_->stack().size()) - 1);
}

bool DrillPane::escapeGoesBack() const {
    if (services_.dialogs && services_.dialogs->currentFor(CandyDialog::Host::main)) return false;
    for (const QDialog* sheet : window()->findChildren<QDialog*>())
        if (sheet->isVisible()) return false;
    return true;
}

void DrillPane::refresh() {
    if (!drill_ || drill_->stack().empty() || drill_->stack().back().id != level_.id) return;
    const std::vector<DirEntry>& entries = drill_->entries();
    const int64_t total = std::accumulate(entries.begin(), entries.end(), int64_t(0),
                                          [](int64_t sum, const DirEntry& entry) { return sum + entry.bytes; });
    total_->setTotal(total, drill_->loading());
    map_->setNodes(MapNodes::folder(entries, level_.flavor));
    // The map as soon as a size is in; the waiting jelly before; else the empty text.
    map_->setVisible(!entries.empty());
    waiting_->setVisible(entries.empty() && drill_->loading());
    empty_->setVisible(entries.empty() && !drill_->loading());
}

void DrillPane::openNode(const MapNode& node) {
    if (!drill_) return;
    drill_->open(DrillLevel{.title = node.title, .flavor = node.flavor, .urls = node.urls});
}

void DrillPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

void DrillPane::place() {
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const auto mirrored = [&](QRect box) {
        if (rtl) box.moveLeft(width() - box.right() - 1);
        return box;
    };
    const int top = kHeaderTop;
    const int rowCenter = top + kButtonHeight / 2;

    back_->setGeometry(mirrored(aroundCapsule(back_, kHeaderLeading, top)));
    const int backEnd = kHeaderLeading + capsuleSize(back_).width();
    int end = width();
    if (reveal_) {
        end -= capsuleSize(reveal_).width();
        reveal_->setGeometry(mirrored(aroundCapsule(reveal_, end, top)));
        end -= kRowSpacing;
    }
    const QSize totalSize = total_->sizeHint();
    end -= totalSize.width();
    total_->setGeometry(
        mirrored(QRect(end, rowCenter - totalSize.height() / 2, totalSize.width(), totalSize.height())));
    end -= kRowSpacing;

    const int crumbsStart = backEnd + kRowSpacing;
    const int crumbsHeight = crumbs_->sizeHint().height();
    const int crumbsWidth = std::clamp(crumbs_->sizeHint().width(), 0, std::max(0, end - crumbsStart));
    crumbs_->setGeometry(mirrored(QRect(crumbsStart, rowCenter - crumbsHeight / 2, crumbsWidth, crumbsHeight)));

    int bottom = top + kButtonHeight;
    if (note_) {
        const int noteWidth = std::max(0, width() - kHeaderLeading);
        const QString text = note_->property("fullText").toString();
        int height = 0;
        if (note_->property("isPath").toBool()) {
            note_->setText(leftToRightRun(QFontMetrics(note_->font()).elidedText(text, Qt::ElideMiddle, noteWidth)));
            height = QFontMetrics(note_->font()).height();
        } else {
            height = note_->heightForWidth(noteWidth);
        }
        bottom += kNoteGap;
        note_->setGeometry(mirrored(QRect(kHeaderLeading, bottom, noteWidth, height)));
        bottom += height;
    }
    const QRect main(0, bottom + kSpacing, width(), std::max(0, height() - bottom - kSpacing));
    map_->setGeometry(main);
    waiting_->setGeometry(main);
    empty_->setGeometry(main);
}

}  // namespace sorbeta
