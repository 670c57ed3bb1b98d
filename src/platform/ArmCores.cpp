#include "platform/ArmCores.h"

#include <charconv>
#include <optional>

namespace sorbeta::platform {
namespace {

struct Core {
    unsigned implementer;
    unsigned part;
    const char* name;
};

// The cores found in laptops, single-board computers and servers running a
// mainline kernel; as the makers name them.
constexpr Core kCores[] = {
    {0x41, 0xd03, "ARM Cortex-A53"},  {0x41, 0xd04, "ARM Cortex-A35"},
    {0x41, 0xd05, "ARM Cortex-A55"},  {0x41, 0xd07, "ARM Cortex-A57"},
    {0x41, 0xd08, "ARM Cortex-A72"},  {0x41, 0xd09, "ARM Cortex-A73"},
    {0x41, 0xd0a, "ARM Cortex-A75"},  {0x41, 0xd0b, "ARM Cortex-A76"},
    {0x41, 0xd0c, "ARM Neoverse-N1"}, {0x41, 0xd0d, "ARM Cortex-A77"},
    {0x41, 0xd40, "ARM Neoverse-V1"}, {0x41, 0xd41, "ARM Cortex-A78"},
    {0x41, 0xd44, "ARM Cortex-X1"},   {0x41, 0xd46, "ARM Cortex-A510"},
    {0x41, 0xd47, "ARM Cortex-A710"}, {0x41, 0xd48, "ARM Cortex-X2"},
    {0x41, 0xd49, "ARM Neoverse-N2"}, {0x41, 0xd4b, "ARM Cortex-A78C"},
    {0x41, 0xd4d, "ARM Cortex-A715"}, {0x41, 0xd4e, "ARM Cortex-X3"},
    {0x41, 0xd4f, "ARM Neoverse-V2"}, {0x41, 0xd80, "ARM Cortex-A520"},
    {0x41, 0xd81, "ARM Cortex-A720"}, {0x41, 0xd82, "ARM Cortex-X4"},
    {0x61, 0x022, "Apple M1"},        {0x61, 0x023, "Apple M1"},
    {0x61, 0x024, "Apple M1 Pro"},    {0x61, 0x025, "Apple M1 Pro"},
    {0x61, 0x028, "Apple M1 Max"},    {0x61, 0x029, "Apple M1 Max"},
    {0x61, 0x032, "Apple M2"},        {0x61, 0x033, "Apple M2"},
    {0x61, 0x034, "Apple M2 Pro"},    {0x61, 0x035, "Apple M2 Pro"},
    {0x61, 0x038, "Apple M2 Max"},    {0x61, 0x039, "Apple M2 Max"},
    {0x51, 0x001, "Qualcomm Oryon"},  {0x51, 0x800, "Qualcomm Kryo"},
    {0x51, 0x801, "Qualcomm Kryo"},   {0x51, 0x803, "Qualcomm Kryo"},
    {0x51, 0x804, "Qualcomm Kryo"},   {0x51, 0x805, "Qualcomm Kryo"},
    {0xc0, 0xac3, "AmpereOne"},       {0xc0, 0xac4, "AmpereOne"},
    {0x46, 0x001, "Fujitsu A64FX"},   {0x48, 0xd01, "HiSilicon Kunpeng 920"},
};

std::optional<unsigned> hexNumber(std::string_view text) {
    if (text.starts_with("0x") || text.starts_with("0X")) text.remove_prefix(2);
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string armCoreName(std::string_view implementer, std::string_view part) {
    const auto maker = hexNumber(implementer), model = hexNumber(part);
    if (!maker || !model) return {};
    for (const Core& core : kCores)
        if (core.implementer == *maker && core.part == *model) return core.name;
    return {};
}

}  // namespace sorbeta::platform
