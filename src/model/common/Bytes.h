#pragma once
// The one formatter of byte counts: a short number text and a unit letter,
// returned apart because views draw them in different fonts.
#include <QString>
#include <cstdint>

namespace sorbeta::Bytes {

struct Parts {
    QString number;
    QString unit;
    bool operator==(const Parts&) const = default;
};

// Powers of 1024 when binary, else 1000. Independent of the process locale.
Parts parts(int64_t bytes, bool binary = false);

// "number unit", the form every size label uses.
QString text(int64_t bytes, bool binary = false);

}  // namespace sorbeta::Bytes
