#include "ui/views/drill/DrillPaneText.h"

#include <algorithm>
#include <numeric>

#include "platform/Translate.h"
#include "ui/views/FilePlaces.h"

namespace sorbeta::DrillPaneText {

std::vector<Crumb> crumbs(const std::vector<DrillLevel>& stack) {
    std::vector<Crumb> result{{sorbeta::tr("全部"), 0, false}};
    for (std::size_t i = 0; i < stack.size(); ++i)
        result.push_back({stack[i].title, int(i) + 1, i + 1 == stack.size()});
    return result;
}

QString waitingCaption(const QString& title) { return sorbeta::tr("正在量「%1」…").arg(title); }

std::optional<NoteLine> noteLine(const DrillLevel& level, const std::filesystem::path& home) {
    if (level.note) return NoteLine{*level.note, false};
    if (level.urls.size() == 1) return NoteLine{tildePath(level.urls.front(), home), true};
    return std::nullopt;
}

std::vector<double> fitWidths(const std::vector<double>& natural, double available, double minimum) {
    const double total = std::accumulate(natural.begin(), natural.end(), 0.0);
    if (total <= available || natural.empty()) return natural;
    // The cap that makes the capped widths add up to what is available:
    // widths under it keep their size, the others are cut to it.
    std::vector<double> sorted = natural;
    std::sort(sorted.begin(), sorted.end());
    double below = 0;
    double cap = minimum;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const double rest = double(sorted.size() - i);
        const double candidate = (available - below) / rest;
        if (candidate <= sorted[i]) {
            cap = std::max(candidate, minimum);
            break;
        }
        below += sorted[i];
    }
    std::vector<double> fitted;
    fitted.reserve(natural.size());
    for (double width : natural) fitted.push_back(std::min(width, cap));
    return fitted;
}

}  // namespace sorbeta::DrillPaneText
