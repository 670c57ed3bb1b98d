#pragma once
// The uninstaller page's wordings and its map's jellies, as pure functions
// of the model's values, shared by the side panel, the map and the detail pane.
#include <QDateTime>
#include <QString>
#include <filesystem>
#include <optional>
#include <vector>

#include "model/uninstall/UninstallModel.h"
#include "ui/map/MapNode.h"

namespace sorbeta {

namespace AppUsage {
// How long ago an application was last used, relative to `now`.
QString text(const std::optional<QDateTime>& lastUsed, const QDateTime& now);
}  // namespace AppUsage

namespace UninstallTexts {

// The most application jellies a map shows; beyond them a rest jelly.
inline constexpr int kMapApps = 36;

// A row's second line: when it was used and how many leftovers it keeps.
QString rowUsage(const InstalledApp& app, const QDateTime& now);
// A row's size: "…" until the application has been weighed.
QString rowSize(const InstalledApp& app);
// The side panel's line under the figure.
QString statusLine(bool loading, int weighed, int apps, UninstallModel::Sort sort);
// "N 个应用\n连同它们的残留".
QString countText(int apps);
// The figure shows a number once loaded or once anything weighs.
bool figureShown(bool loaded, int64_t total);
int64_t appsTotal(const std::vector<InstalledApp>& apps);
// The detail pane's second line: usage, then the version when there is one.
QString detailUsage(const InstalledApp& app, const QDateTime& now);
// A path with the home folder written as "~" (see tildePath).
QString homeShown(const std::filesystem::path& path, const std::filesystem::path& home);
// The bar's message while something of the application runs; empty for none.
QString runningMessage(UninstallModel::RunState state, const QString& name);
// Row flavour of a leftover kind.
Flavor leftoverFlavor(Leftover::Kind kind);

// The map's jellies: the first 36 weighed applications of `visible`, in
// order, coloured round the palette without cloud; by size, a cloud rest
// jelly for the others.
std::vector<MapNode> mapNodes(const std::vector<InstalledApp>& visible, UninstallModel::Sort sort);

}  // namespace UninstallTexts
}  // namespace sorbeta
