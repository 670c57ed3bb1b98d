#pragma once
// Hands places on disk to the desktop's file manager.
#include <filesystem>
#include <vector>

namespace sorbeta {

// Shows the items selected in the file manager; where no file manager
// answers, opens the folder that holds the first one.
void revealInFileViewer(const std::vector<std::filesystem::path>& items);

}  // namespace sorbeta
