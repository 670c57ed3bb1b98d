#pragma once
// Value types of the scan model: what a scan measured, what the engine is
// doing now, and how far a manual clean has come. Plain values; the clean
// page's map, the side panel and the menu-bar panel read them.
#include <QMetaType>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "model/catalog/CatalogTypes.h"
#include "model/disk/ListedEntries.h"

namespace sorbeta {

// A cleaning rule as the last scan measured it; kept only from
// AppModel::cleanItemThreshold bytes on.
struct CleanItem {
    CleanSpec spec;
    int64_t bytes = 0;
    std::vector<std::filesystem::path> urls;  // the measured targets, in target order
    // For a rule with onlyListedEntries: what each of the targets held when
    // the scan listed them; the clean takes nothing else from them.
    std::optional<DiskScanner::ListedEntries> entries;

    bool operator==(const CleanItem&) const = default;
};

// A usage category as the last scan measured it.
struct CategoryResult {
    CategorySpec spec;
    int64_t bytes = 0;
    std::vector<std::filesystem::path> urls;  // the category's existing roots, in resolution order

    bool operator==(const CategoryResult&) const = default;
};

// What the engine is doing. Scans and cleans start only from idle; a scanning
// phase carries the name of what was measured last.
class Phase {
public:
    enum class Kind { scanning, idle, cleaning };

    Phase() = default;
    static Phase scanning(QString label) { return Phase(Kind::scanning, std::move(label)); }
    static Phase idle() { return Phase(Kind::idle, {}); }
    static Phase cleaning() { return Phase(Kind::cleaning, {}); }

    Kind kind() const { return kind_; }
    bool isIdle() const { return kind_ == Kind::idle; }
    bool isScanning() const { return kind_ == Kind::scanning; }
    bool isCleaning() const { return kind_ == Kind::cleaning; }
    // The scanning label; empty for the other cases.
    const QString& label() const { return label_; }

    bool operator==(const Phase&) const = default;

private:
    Phase(Kind kind, QString label) : kind_(kind), label_(std::move(label)) {}
    Kind kind_ = Kind::idle;
    QString label_;
};

// Progress of a manual clean: `done` rules were handled before `current`.
struct CleanProgress {
    int64_t done = 0;
    int64_t total = 0;
    QString current;

    bool operator==(const CleanProgress&) const = default;
};

}  // namespace sorbeta

Q_DECLARE_METATYPE(sorbeta::Phase)
