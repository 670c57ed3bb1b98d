#pragma once
// The 13 fruit colours, in their fixed order. Colours live in the kit's Theme.
#include <array>
#include <optional>
#include <string_view>

namespace sorbeta {

enum class Flavor {
    strawberry,
    mango,
    lime,
    blueberry,
    grape,
    peach,
    mint,
    cherry,
    lemon,
    bubblegum,
    sky,
    plum,
    cloud
};

inline constexpr std::array<Flavor, 13> allFlavors = {
    Flavor::strawberry, Flavor::mango, Flavor::lime,      Flavor::blueberry, Flavor::grape, Flavor::peach, Flavor::mint,
    Flavor::cherry,     Flavor::lemon, Flavor::bubblegum, Flavor::sky,       Flavor::plum,  Flavor::cloud};

inline constexpr std::string_view flavorName(Flavor flavor) {
    constexpr std::array<std::string_view, 13> names = {"strawberry", "mango", "lime",   "blueberry", "grape",
                                                        "peach",      "mint",  "cherry", "lemon",     "bubblegum",
                                                        "sky",        "plum",  "cloud"};
    return names[static_cast<std::size_t>(flavor)];
}

// Exact, case-sensitive match of the raw value; anything else gives nothing.
inline std::optional<Flavor> flavorFromName(std::string_view name) {
    for (Flavor flavor : allFlavors)
        if (flavorName(flavor) == name) return flavor;
    return std::nullopt;
}

inline constexpr int flavorIndex(Flavor flavor) { return static_cast<int>(flavor); }

}  // namespace sorbeta
