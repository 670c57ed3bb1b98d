#include "ui/views/dev/DevMain.h"

#include <QLabel>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "model/dialog/CandyDialog.h"
#include "platform/Translate.h"
#include "ui/jelly/ScanningJelly.h"
#include "ui/kit/CandyConfirm.h"
#include "ui/kit/KitText.h"
#include "ui/kit/TransitionLayer.h"
#include "ui/views/dev/DevPageText.h"

namespace sorbeta {
namespace {

QWidget* makeEmptyView(const DevModel::Texts& texts, QWidget* parent) {
    auto* view = new QWidget(parent);
    auto* column = new QVBoxLayout(view);
    column->setSpacing(10);
    column->addStretch(1);
    auto* emoji = makeKitText(texts.emoji, roundedFont(44), Theme::ink(), view);
    emoji->setAlignment(Qt::AlignCenter);
    column->addWidget(emoji);
    auto* text = makeKitText(texts.empty, roundedFont(14, QFont::DemiBold), Theme::inkSoft(), view);
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    column->addWidget(text);
    column->addStretch(1);
    return view;
}

}  // namespace

DevMain::DevMain(DevModel& dev, DevPageServices services, QWidget* parent)
    : QWidget(parent), dev_(&dev), services_(std::move(services)) {
    empty_ = makeEmptyView(dev.texts(), this);
    empty_->setObjectName(QStringLiteral("empty"));
    waiting_ = new ScanningJelly(dev.texts().loading, this);
    waiting_->setObjectName(QStringLiteral("waiting"));
    transitions_ = new TransitionLayer(this);
    for (auto signal :
         {&DevModel::groupsChanged, &DevModel::pickedChanged, &DevModel::selectedGroupChanged,
          &DevModel::loadingChanged, &DevModel::loadedChanged, &DevModel::busyChanged, &DevModel::lastResultChanged})
        connect(&dev, signal, this, &DevMain::refresh);
    refresh();
}

DevMain::~DevMain() = default;

void DevMain::refresh() {
    if (!dev_) return;
    const DevModel& dev = *dev_;
    const DevGroup* group = dev.currentGroup();
    if (detail_ && (!group || detail_->group().id != group->id)) {
        // Another group is a fresh detail: the old one fades away.
        transitions_->leave(detail_, Transition::opacity(), kGroupSpring);
        detail_->setObjectName(QString());
        detail_->deleteLater();
        detail_ = nullptr;
    }
    if (group && !detail_) {
        detail_ = new DevDetail(*group, *dev_, services_, showList_, this);
        detail_->setObjectName(QStringLiteral("detail"));
        detail_->setGeometry(rect());
        detail_->setConfirming(confirming_);
        connect(detail_, &DevDetail::showListChosen, this, [this](bool showList) {
            // One choice for every group of the page.
            showList_ = showList;
            if (detail_) detail_->setShowList(showList);
        });
        connect(detail_, &DevDetail::cleanRequested, this,
                [this](const std::vector<DevEntry>& entries) { askToClean(entries); });
        detail_->hide();
        transitions_->enter(detail_, Transition::opacity(), kGroupSpring);
    } else if (group) {
        detail_->setGroup(*group);
        detail_->refresh();
    }
    empty_->setVisible(!group && dev.loaded() && !dev.loading());
    waiting_->setVisible(!group && !empty_->isVisibleTo(this));
    transitions_->raise();
}

void DevMain::setConfirming(bool confirming) {
    confirming_ = confirming;
    if (detail_) detail_->setConfirming(confirming);
}

QCoro::Task<> DevMain::askToClean(std::vector<DevEntry> entries) {
    if (confirming_ || entries.empty()) co_return;
    // Title and the entries are those of the moment the button was pressed:
    // the removal does what the question said, whatever is ticked meanwhile.
    const QString message = dev_ ? dev_->texts().confirm : QString();
    CandyDialogCenter& center = services_.dialogs ? *services_.dialogs : CandyDialogCenter::shared();
    setConfirming(true);
    QPointer<DevMain> self(this);
    auto answer = center.ask(makeConfirmDialog(
        QStringLiteral("🧹"), DevPageText::confirmTitle(int(entries.size()), DevPageText::totalBytes(entries)),
        message, sorbeta::tr("清理"), Flavor::strawberry, sorbeta::tr("再想想")));
    const int chosen = co_await answer;  // named: see platform/Async.h
    if (!self) co_return;
    setConfirming(false);
    if (chosen == 0) emit runConfirmed(entries);
}

void DevMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

void DevMain::place() {
    if (detail_) detail_->setGeometry(rect());
    empty_->setGeometry(rect());
    waiting_->setGeometry(rect());
}

}  // namespace sorbeta
