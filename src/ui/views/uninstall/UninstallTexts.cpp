#include "ui/views/uninstall/UninstallTexts.h"

#include "model/common/Bytes.h"
#include "platform/Translate.h"
#include "ui/views/FilePlaces.h"

namespace sorbeta {

QString AppUsage::text(const std::optional<QDateTime>& lastUsed, const QDateTime& now) {
    if (!lastUsed) return tr("没用过");
    const qint64 days = lastUsed->secsTo(now) / 86400;  // truncated toward zero
    if (days <= 0) return tr("今天用过");
    if (days < 30) return tr("%n 天前用过", nullptr, days);
    if (days < 365) return tr("%n 个月没用了", nullptr, days / 30);
    return tr("一年多没用了");
}

namespace UninstallTexts {

QString rowUsage(const InstalledApp& app, const QDateTime& now) {
    const auto count = qlonglong(app.leftovers.size());
    if (!app.lastUsed) return count == 0 ? tr("没用过") : tr("%n 处残留", nullptr, count);
    const QString used = AppUsage::text(app.lastUsed, now);
    if (count == 0) return used;
    return tr("%1 · %2").arg(used, tr("%n 处残留", nullptr, count));
}

QString rowSize(const InstalledApp& app) {
    return app.totalBytes() >= 1 ? Bytes::text(app.totalBytes(), false) : QStringLiteral("…");
}

QString statusLine(bool loading, int weighed, int apps, UninstallModel::Sort sort) {
    if (loading && apps == 0) return tr("正在给应用称重…");
    if (loading) return tr("正在给应用称重… %1/%2").arg(weighed).arg(apps);
    if (sort == UninstallModel::Sort::unused) return tr("很久没打开的排在前面，这些最值得卸。");
    return tr("点一个应用，看看它在电脑里留了多少东西。卸载会移到废纸篓，可以放回来。");
}

QString countText(int apps) { return tr("%n 个应用\n连同它们的残留", nullptr, apps); }

bool figureShown(bool loaded, int64_t total) { return loaded || total >= 1; }

int64_t appsTotal(const std::vector<InstalledApp>& apps) {
    int64_t total = 0;
    for (const InstalledApp& app : apps) total += app.totalBytes();
    return total;
}

QString detailUsage(const InstalledApp& app, const QDateTime& now) {
    const QString used = AppUsage::text(app.lastUsed, now);
    if (app.version.isEmpty()) return used;
    return used + QStringLiteral(" · ") + tr("版本 %1").arg(app.version);
}

QString homeShown(const std::filesystem::path& path, const std::filesystem::path& home) {
    return tildePath(path, home);
}

QString runningMessage(UninstallModel::RunState state, const QString& name) {
    switch (state) {
        case UninstallModel::RunState::none: return {};
        case UninstallModel::RunState::app: return tr("%1 正在运行，先退出再卸载").arg(name);
        case UninstallModel::RunState::helpers: return tr("%1 的后台助手还在运行，先退出再卸载").arg(name);
    }
    return {};
}

Flavor leftoverFlavor(Leftover::Kind kind) {
    switch (kind) {
        case Leftover::Kind::support: return Flavor::blueberry;
        case Leftover::Kind::cache: return Flavor::peach;
        case Leftover::Kind::prefs: return Flavor::mint;
        case Leftover::Kind::container: return Flavor::sky;
        case Leftover::Kind::state: return Flavor::lemon;
        case Leftover::Kind::logs: return Flavor::lime;
        case Leftover::Kind::web: return Flavor::bubblegum;
        case Leftover::Kind::agent: return Flavor::cherry;
        case Leftover::Kind::other: return Flavor::lemon;
    }
    return Flavor::lemon;
}

std::vector<MapNode> mapNodes(const std::vector<InstalledApp>& visible, UninstallModel::Sort sort) {
    static constexpr Flavor kPalette[] = {Flavor::strawberry, Flavor::mango,     Flavor::lime, Flavor::blueberry,
                                          Flavor::grape,      Flavor::peach,     Flavor::mint, Flavor::cherry,
                                          Flavor::lemon,      Flavor::bubblegum, Flavor::sky,  Flavor::plum};
    std::vector<const InstalledApp*> shown;
    for (const InstalledApp& app : visible)
        if (app.totalBytes() > 0) shown.push_back(&app);
    std::vector<MapNode> nodes;
    for (std::size_t i = 0; i < shown.size() && i < std::size_t(kMapApps); ++i) {
        const InstalledApp& app = *shown[i];
        // The application's own id, which opening the jelly selects by.
        nodes.push_back(MapNode{.id = app.id().toStdString(),
                                .title = app.name,
                                .bytes = app.totalBytes(),
                                .flavor = kPalette[i % std::size(kPalette)],
                                .kind = MapNode::Kind::app,
                                .urls = {app.url},
                                .iconPath = app.id()});
    }
    if (sort == UninstallModel::Sort::size && shown.size() > std::size_t(kMapApps)) {
        int64_t rest = 0;
        for (std::size_t i = kMapApps; i < shown.size(); ++i) rest += shown[i]->totalBytes();
        nodes.push_back(MapNode{.id = "apps.rest",
                                .title = tr("其余 %n 个", nullptr, qint64(shown.size() - kMapApps)),
                                .bytes = rest,
                                .flavor = Flavor::cloud,
                                .kind = MapNode::Kind::rest});
    }
    return nodes;
}

}  // namespace UninstallTexts
}  // namespace sorbeta
