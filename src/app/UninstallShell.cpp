#include "app/UninstallShell.h"

#include <QPointer>

#include "model/common/Bytes.h"
#include "platform/Translate.h"
#include "ui/kit/CandyConfirm.h"

namespace sorbeta::UninstallShell {
namespace {

// Awaited tasks are named: see platform/Async.h.
QCoro::Task<> load(QPointer<UninstallModel> model) {
    if (!model) co_return;
    auto task = model->load();
    co_await task;
}

QCoro::Task<> purge(QPointer<UninstallModel> model, std::vector<platform::TrashedItem> items) {
    if (!model) co_return;
    auto task = model->purge(std::move(items));
    co_await task;
}

}  // namespace

QString toastTitle(const UninstallModel::Result& result) {
    // The leftovers that went are in the subtitle's count and the purge; the
    // title must not call an application moved that is still in place.
    if (result.appStayed) return tr("%1 没能移到废纸篓").arg(result.name);
    return result.name + tr(" 移到废纸篓了 · ") + Bytes::text(result.bytes, false);
}

QString toastSubtitle(const UninstallModel::Result& result) {
    if (result.failed >= 1) return tr("有 %n 项没权限移走，可以在访达里手动拖进废纸篓", nullptr, result.failed);
    return tr("清倒废纸篓后才会腾出空间，反悔的话去废纸篓里放回来");
}

QString purgeTitle(const QString& name) { return tr("彻底删除刚卸载的 ") + name + tr("？"); }

QString purgeMessage(int64_t bytes) {
    return tr("只删这次移进废纸篓的 ") + Bytes::text(bytes, false) + tr("，废纸篓里别的东西不动。删了就不能放回来了。");
}

void askPurge(UninstallModel& model, PendingPurge pending, CandyDialogCenter& center) {
    QPointer<UninstallModel> weak(&model);
    candyConfirm(
        QStringLiteral("🔥"), purgeTitle(pending.name), purgeMessage(pending.bytes), tr("彻底删除"), Flavor::cherry,
        tr("再想想"),
        [weak, items = pending.items] {
            if (weak) startPurge(*weak, items);
        },
        center);
}

void startLoad(UninstallModel& model) { load(QPointer<UninstallModel>(&model)); }

void startPurge(UninstallModel& model, std::vector<platform::TrashedItem> items) {
    purge(QPointer<UninstallModel>(&model), std::move(items));
}

}  // namespace sorbeta::UninstallShell
