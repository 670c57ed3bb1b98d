#pragma once
// Shows items selected in the desktop's file manager.
#include <QByteArray>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <vector>

namespace sorbeta::platform {

// The file URI of a path, from its bytes as they are: a name that is not
// valid UTF-8 keeps its bytes, where a detour through text would turn them
// into a replacement character and name a file that does not exist.
QByteArray fileUri(const std::filesystem::path& path);
// The same as a QUrl, for opening it.
QUrl fileUrl(const std::filesystem::path& path);

// Asks the file manager (org.freedesktop.FileManager1) to show the items;
// `done` gets whether it accepted, on the calling thread, once it answered.
void revealFiles(const std::vector<std::filesystem::path>& items, std::function<void(bool shown)> done = {});

}  // namespace sorbeta::platform
