#pragma once
// How the C library's allocator hands memory back. By default glibc raises
// the size from which it maps a block on its own each time such a block is
// freed, so the pictures a frame makes and drops soon come out of the heap,
// whose freed holes it keeps: a window hovered for a minute kept tens of
// megabytes it no longer used. A fixed size keeps every large picture a
// mapping of its own, handed back the moment it is freed.

#include <cstddef>

namespace sorbeta::platform {

// Blocks of at least this size are mapped on their own and returned when freed.
inline constexpr std::size_t kLargeBlock = 128 * 1024;

// Fixes that size for the whole process; call once, early. Returns whether
// the allocator took the setting.
bool returnLargeBlocksWhenFreed();

}  // namespace sorbeta::platform
