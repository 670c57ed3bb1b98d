#pragma once
// What the main window does for the uninstall mode: the result toast's
// texts, the question that deletes for good what an uninstall just moved to
// the Trash, and the tasks that load the applications and run that purge.
#include <QString>
#include <vector>

#include "model/dialog/CandyDialog.h"
#include "model/uninstall/UninstallModel.h"

namespace sorbeta::UninstallShell {

inline constexpr double kToastSeconds = 12;

QString toastTitle(const UninstallModel::Result& result);
QString toastSubtitle(const UninstallModel::Result& result);

// What the purge question is about, copied from the result the toast showed.
struct PendingPurge {
    QString name;
    int64_t bytes = 0;
    std::vector<platform::TrashedItem> items;
};
QString purgeTitle(const QString& name);
QString purgeMessage(int64_t bytes);
// Asks in the main window; "彻底删除" deletes exactly those items for good.
void askPurge(UninstallModel& model, PendingPurge pending, CandyDialogCenter& center = CandyDialogCenter::shared());

// Lists and weighs the applications; the model ignores a second start.
void startLoad(UninstallModel& model);
void startPurge(UninstallModel& model, std::vector<platform::TrashedItem> items);

}  // namespace sorbeta::UninstallShell
