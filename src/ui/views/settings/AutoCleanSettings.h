#pragma once
// The automatic-cleaning page: what upkeep does, one row per automatic rule
// (in stored order; a rule whose catalog row is gone is not shown but stays
// stored) with the size the last scan measured, and when the last automatic
// clean ran. Parts are named (objectName): "explanation", "rules", one
// "rule:<id>" per row, and "lastClean" once an automatic clean has run.
#include <QDateTime>
#include <QWidget>

#include "ui/kit/RelativeDate.h"

#include "ui/views/settings/SettingsContext.h"

class QLabel;
class QVBoxLayout;

namespace sorbeta {

class SettingsCard;

class AutoCleanSettings final : public QWidget {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    AutoCleanSettings(const SettingsContext& context, QWidget* parent = nullptr, Clock now = {});

    // "上次自动清理 1.2 G · 5 分钟前"
    static QString lastCleanText(const CareLink::LastClean& clean, const QDateTime& now);

private:
    void rebuildRows();
    void refreshLastClean();

    SettingsContext context_;
    Clock now_;
    SettingsCard* rules_ = nullptr;
    QLabel* lastClean_ = nullptr;
    std::vector<std::string> shownIDs_;
};

}  // namespace sorbeta
