#include "ui/views/settings/AutoCleanSettings.h"

#include <QLabel>
#include <QVBoxLayout>

#include "model/catalog/Catalog.h"
#include "model/catalog/LinuxCatalog.h"
#include "model/common/Bytes.h"
#include "model/scan/AppModel.h"
#include "platform/Translate.h"
#include "ui/kit/KitText.h"
#include "ui/kit/Theme.h"
#include "ui/views/settings/SettingsCard.h"

namespace sorbeta {
namespace {

std::optional<int64_t> currentBytes(const AppModel* model, const std::string& id) {
    if (!model) return std::nullopt;
    for (const CleanItem& item : model->items())
        if (item.spec.id == id) return item.bytes;
    return std::nullopt;
}

}  // namespace

QString AutoCleanSettings::lastCleanText(const CareLink::LastClean& clean, const QDateTime& now) {
    return sorbeta::tr("上次自动清理 %1 · %2").arg(Bytes::text(clean.bytes), relativeDateText(clean.date, now));
}

AutoCleanSettings::AutoCleanSettings(const SettingsContext& context, QWidget* parent, Clock now)
    : QWidget(parent), context_(context), now_(std::move(now)) {
    if (!now_) now_ = [] { return QDateTime::currentDateTimeUtc(); };
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(16);
    // Without a tray the process ends with its window, and the upkeep with it.
    const QString explanationText =
        context_.staysInTray ? sorbeta::tr(
                                   "冰沙关掉窗口后会留在菜单栏，每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，"
                                   "相关应用开着时跳过。")
                             : sorbeta::tr(
                                   "这台电脑没有系统托盘，关掉窗口冰沙就退出了，只在窗口开着时每 30 分钟看一眼。"
                                   "只会自动清理删了能自己重建的缓存，相关应用开着时跳过。");
    QLabel* explanation = makeKitText(explanationText, roundedFont(12), Theme::inkSoft(), this);
    explanation->setObjectName(QStringLiteral("explanation"));
    explanation->setWordWrap(true);
    column->addWidget(explanation);
    rules_ = new SettingsCard(std::nullopt, this);
    rules_->setObjectName(QStringLiteral("rules"));
    column->addWidget(rules_);
    lastClean_ = makeKitText(QString(), roundedFont(12), Theme::inkSoft(), this);
    lastClean_->setObjectName(QStringLiteral("lastClean"));
    column->addWidget(lastClean_);
    column->addStretch(1);

    if (context_.care) {
        // Rows follow the list of rules, not their values: a row rereads its
        // own rule, so an edit of one rule leaves the others' rows in place.
        connect(context_.care, &CareLink::settingsChanged, this, [this] {
            if (context_.care->ruleIDs() != shownIDs_) rebuildRows();
        });
        connect(context_.care, &CareLink::lastAutoCleanChanged, this, &AutoCleanSettings::refreshLastClean);
    }
    if (context_.model) connect(context_.model, &AppModel::itemsChanged, this, &AutoCleanSettings::rebuildRows);
    rebuildRows();
    refreshLastClean();
}

void AutoCleanSettings::rebuildRows() {
    QLayout* rows = rules_->content();
    while (QLayoutItem* item = rows->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->setObjectName(QString());
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
    shownIDs_.clear();
    if (!context_.care) return;
    shownIDs_ = context_.care->ruleIDs();
    for (const std::string& id : shownIDs_) {
        // Kept in the settings, not shown: a row gone from the catalog, and
        // one whose tool this system cannot have.
        if (!Catalog::cleanable(id) || LinuxCatalog::macOnly(id)) continue;
        QPointer<CareLink> care(context_.care);
        auto ask = context_.askNotificationPermission;
        QWidget* row = context_.care->makeRuleRow(
            id, currentBytes(context_.model, id),
            [care, ask, id] {
                if (care && care->ruleEnabled(id) && ask) ask();
            },
            rules_->panel());
        row->setObjectName(QStringLiteral("rule:") + QString::fromStdString(id));
        rows->addWidget(row);
    }
}

void AutoCleanSettings::refreshLastClean() {
    const std::optional<CareLink::LastClean> clean = context_.care ? context_.care->lastAutoClean() : std::nullopt;
    lastClean_->setVisible(clean.has_value());
    if (clean) lastClean_->setText(lastCleanText(*clean, now_()));
}

}  // namespace sorbeta
