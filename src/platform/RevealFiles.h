#pragma once
// Shows items selected in the desktop's file manager.
#include <filesystem>
#include <functional>
#include <vector>

namespace sorbeta::platform {

// Asks the file manager (org.freedesktop.FileManager1) to show the items;
// `done` gets whether it accepted, on the calling thread, once it answered.
void revealFiles(const std::vector<std::filesystem::path>& items, std::function<void(bool shown)> done = {});

}  // namespace sorbeta::platform
