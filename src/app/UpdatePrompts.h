#pragma once
// What the user is told after an update check: a newer version offers its
// download page (also after an automatic check); "up to date" and a failure
// are told only when the user asked.
#include <QString>
#include <optional>

#include "model/dialog/CandyDialog.h"
#include "platform/Updater.h"

namespace sorbeta {

// The dialog for a check's result, or none when nothing is to be said.
std::optional<CandyDialog> updateDialog(const platform::UpdateCheckResult& result, bool userInitiated,
                                        const QString& currentVersion);

// Shows the dialogs of every check of `updater` in the main window, which
// `showMainWindow` brings up first; a newer version's first button opens
// its download page.
void connectUpdatePrompts(platform::Updater& updater, std::function<void()> showMainWindow);

}  // namespace sorbeta
