#pragma once
// What the clean page's side panel says and shows, worked out from the scan
// model's state as plain values, so the panel widget only draws.
#include <QString>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/common/Flavor.h"
#include "model/scan/ScanTypes.h"

namespace sorbeta::SidePanelText {

// A copy of what the panel reads from the scan and holding models.
struct State {
    Phase phase;
    std::vector<CleanItem> items;  // largest first
    std::set<std::string> selected;
    bool hasScanned = false;
    // A scan ran to its end: the items listed are its own, and stay listed
    // while a later scan runs (the first scan lists its items as it finds them).
    bool scanFinished = false;
    int64_t freeBytes = 0;
    int64_t heldBytes = 0;  // holding area total
    double scanFraction = 0;
    std::optional<CleanProgress> cleanProgress;
    bool holdCleaned = false;

    bool busy() const { return !phase.isIdle(); }
    std::vector<CleanItem> safeItems() const;
    std::vector<CleanItem> reviewItems() const;
    std::vector<CleanItem> selectedItems() const;
    int64_t selectedBytes(const std::vector<CleanItem>& of) const;
};

// Free space + held space + the ticked items.
int64_t afterCleanBytes(const State& state);
// Number and unit of the big figure; "…" stands for the number before the
// first volume reading, the unit is shown all the same.
QString figureNumber(const State& state);
QString figureUnit(const State& state);
QString caption(const State& state);
QString summary(const State& state);
QString buttonTitle(const State& state);
bool cleanEnabled(const State& state);
bool rescanEnabled(const State& state);
// The progress bar's fraction, or none when no bar is shown.
std::optional<double> progressFraction(const State& state);

// The clean confirmation.
QString confirmTitle(const State& state);
QString confirmMessage(const State& state);

// Section header parts.
QString sectionSelectedText(int64_t selected, int64_t total);
bool allSelected(const State& state, const std::vector<CleanItem>& items);
QString selectAllTitle(bool allOn);

QString holdingLinkText(int64_t heldBytes);

// The row colour: the flavour of the rule's category, strawberry when none.
Flavor itemFlavor(const CleanItem& item);

}  // namespace sorbeta::SidePanelText
