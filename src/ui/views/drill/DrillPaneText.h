#pragma once
// The drill pane's texts and the fitting of its breadcrumb: pure functions of
// the drill-down's state.
#include <QString>
#include <filesystem>
#include <optional>
#include <vector>

#include "model/drill/DrillLevel.h"

namespace sorbeta::DrillPaneText {

struct Crumb {
    QString title;
    int depth = 0;      // a tap keeps this many levels
    bool last = false;  // the level shown: larger, and not clickable
    bool operator==(const Crumb&) const = default;
};

// "全部" (closes everything), then one crumb per open level, root first.
std::vector<Crumb> crumbs(const std::vector<DrillLevel>& stack);

// The waiting jelly's caption while the first sizes come in.
QString waitingCaption(const QString& title);

// The line under the header: the level's note, else the path of its one
// item with the home folder as "~", else nothing.
struct NoteLine {
    QString text;
    bool isPath = false;  // one line, cut in the middle
};
std::optional<NoteLine> noteLine(const DrillLevel& level, const std::filesystem::path& home);

// Widths for texts whose natural widths do not fit together in `available`:
// the widest give way first, none below `minimum` (or its own width).
std::vector<double> fitWidths(const std::vector<double>& natural, double available, double minimum);

}  // namespace sorbeta::DrillPaneText
