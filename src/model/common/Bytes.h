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

// "number unit", the form every size label uses. In a right-to-left
// interface language (the default QLocale's) it starts with a left-to-right
// mark, so that the size reads "3.2 G" inside a sentence too.
QString text(int64_t bytes, bool binary = false);

// A sum of byte counts that stops at the largest count instead of wrapping
// (counts are never negative).
inline int64_t plus(int64_t a, int64_t b) {
    int64_t sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? INT64_MAX : sum;
}

}  // namespace sorbeta::Bytes
