#pragma once
// The names of common 64-bit ARM cores, from the "CPU implementer" and
// "CPU part" codes a mainline arm64 kernel gives in /proc/cpuinfo in place of
// a model name.
#include <string>
#include <string_view>

namespace sorbeta::platform {

// The core of implementer `implementer` and part `part` ("0x41", "0xd0c"),
// such as "ARM Neoverse-N1"; empty for one not in the table.
std::string armCoreName(std::string_view implementer, std::string_view part);

}  // namespace sorbeta::platform
