#include "app/UpdatePrompts.h"

#include <QDesktopServices>

#include "platform/Translate.h"

namespace sorbeta {

std::optional<CandyDialog> updateDialog(const platform::UpdateCheckResult& result, bool userInitiated,
                                        const QString& currentVersion) {
    using Outcome = platform::UpdateCheckResult::Outcome;
    CandyDialog dialog;
    switch (result.outcome) {
        case Outcome::newer:
            dialog.emoji = QStringLiteral("🎁");
            dialog.title = sorbeta::tr("冰沙有新版本 %1 了").arg(result.release.version);
            dialog.message = sorbeta::tr("你现在用的是 %1。新版本要从下载页下载安装。").arg(currentVersion);
            dialog.choices = {{sorbeta::tr("打开下载页"), Flavor::grape, true, false},
                              {sorbeta::tr("以后再说"), Flavor::cloud, false, true}};
            return dialog;
        case Outcome::upToDate:
            if (!userInitiated) return std::nullopt;
            dialog.emoji = QStringLiteral("🍧");
            dialog.title = sorbeta::tr("已经是最新版本");
            dialog.message = sorbeta::tr("冰沙 %1 就是现在最新的版本。").arg(currentVersion);
            dialog.choices = {{sorbeta::tr("好"), Flavor::lime, true, true}};
            return dialog;
        case Outcome::failed:
            if (!userInitiated) return std::nullopt;
            dialog.emoji = QStringLiteral("🌧️");
            dialog.title = sorbeta::tr("没能检查更新");
            dialog.message = sorbeta::tr("连不上更新服务器，过会儿再试试。");
            dialog.choices = {{sorbeta::tr("好"), Flavor::lime, true, true}};
            return dialog;
    }
    return std::nullopt;
}

void connectUpdatePrompts(platform::Updater& updater, std::function<void()> showMainWindow) {
    QObject::connect(&updater, &platform::Updater::checkFinished, &updater,
                     [&updater, showMainWindow](const platform::UpdateCheckResult& result, bool userInitiated) {
                         std::optional<CandyDialog> dialog =
                             updateDialog(result, userInitiated, updater.currentVersion());
                         if (!dialog) return;
                         if (showMainWindow) showMainWindow();
                         const bool newer = result.outcome == platform::UpdateCheckResult::Outcome::newer;
                         const QUrl page = result.release.downloadPage;
                         CandyDialogCenter::shared().confirm(std::move(*dialog), [newer, page] {
                             if (newer) QDesktopServices::openUrl(page);
                         });
                     });
}

}  // namespace sorbeta
