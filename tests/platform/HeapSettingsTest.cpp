// A large block freed must not pull the next large ones into the heap, where
// their freed room would stay with the process.
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdlib>

#include "platform/HeapSettings.h"

namespace sorbeta::platform {
namespace {

void* touched(std::size_t bytes) {
    auto* block = static_cast<volatile char*>(std::malloc(bytes));
    block[0] = 1;
    block[bytes - 1] = 1;
    return const_cast<char*>(block);
}

TEST(HeapSettingsTest, LargeBlocksStayMappedOfTheirOwnAfterALargerOneIsFreed) {
    // A sanitizer's allocator keeps its own ways and ignores the setting.
    if (!returnLargeBlocksWhenFreed()) GTEST_SKIP() << "this allocator takes no such setting";
    // Left to itself, glibc would now serve blocks up to 8 MB from the heap.
    std::free(touched(8u << 20));
    const std::size_t before = ::mallinfo2().hblks;
    void* picture = touched(2u << 20);
    EXPECT_EQ(::mallinfo2().hblks, before + 1);
    std::free(picture);
    EXPECT_EQ(::mallinfo2().hblks, before) << "handed back when freed";
    // Small blocks still come from the heap.
    void* small = touched(kLargeBlock / 4);
    EXPECT_EQ(::mallinfo2().hblks, before);
    std::free(small);
}

}  // namespace
}  // namespace sorbeta::platform
