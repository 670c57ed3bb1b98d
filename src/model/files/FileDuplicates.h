#pragma once
// Files with identical content among the candidates: narrowed by size, then
// by file identity (hard links are one file), then by a quick print of both
// ends, and only then by the SHA-256 of the whole file. Files are read in
// chunks, never whole, and reading them leaves their access times alone.
#include <optional>
#include <string>
#include <vector>

#include "model/files/FileFinder.h"

namespace sorbeta::FileFinder {

// The quick print reads this much from the start, and as much from the end
// when the file is longer than kTailAfter.
inline constexpr int64_t kPrintBlock = 65'536;
inline constexpr int64_t kTailAfter = 131'072;
// The whole-file digest reads in chunks of this size.
inline constexpr int64_t kDigestChunk = 4'194'304;

// SHA-256 of the first 64 KiB and, for files longer than 128 KiB, the last
// 64 KiB, as 64 lower-case hex digits; nothing when the file cannot be opened.
std::optional<std::string> quickPrint(const Path& url);

// SHA-256 of the whole file as 64 lower-case hex digits; nothing when the
// file cannot be opened or a read fails part-way. A digest of what happened
// to be readable would make two damaged files of one size "identical", and
// one of them would be offered for the Trash.
std::optional<std::string> fullDigest(const Path& url);

// The sets of two or more candidates outside the code roots with identical
// content, largest saving first (bytes × (members − 1)); members in no
// particular order. Names of one hard-linked file count once.
std::vector<std::vector<Found>> duplicateSets(const std::vector<Found>& found);

}  // namespace sorbeta::FileFinder
