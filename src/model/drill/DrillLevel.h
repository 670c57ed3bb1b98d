#pragma once
// One open level of the drill-down: what it shows and how it is labelled.
#include <QString>
#include <QUuid>
#include <filesystem>
#include <optional>
#include <vector>

#include "model/common/Flavor.h"

namespace sorbeta {

struct DrillLevel {
    QUuid id = QUuid::createUuid();  // fresh for every level; the breadcrumb's identity
    QString title;
    Flavor flavor = Flavor::cloud;
    // The children of its one folder, or, for several items or a single
    // file, those items themselves.
    std::vector<std::filesystem::path> urls;
    std::optional<QString> note;  // a line of explanation under the header

    bool operator==(const DrillLevel&) const = default;
};

}  // namespace sorbeta
