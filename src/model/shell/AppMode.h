#pragma once
// The pages of the main window. Only the visible ones are offered by the mode
// switch; the others stay valid values with pages of their own.
#include <QMetaType>
#include <array>

namespace sorbeta {

enum class AppMode { clean, uninstall, dev, files, history, status };

inline constexpr std::array<AppMode, 6> allAppModes = {AppMode::clean, AppMode::uninstall, AppMode::dev,
                                                       AppMode::files, AppMode::history,   AppMode::status};

// The modes the user can switch to, in the switch's order.
inline constexpr std::array<AppMode, 3> visibleAppModes = {AppMode::clean, AppMode::uninstall, AppMode::status};

inline constexpr bool isVisible(AppMode mode) {
    for (AppMode visible : visibleAppModes)
        if (visible == mode) return true;
    return false;
}

}  // namespace sorbeta

Q_DECLARE_METATYPE(sorbeta::AppMode)
