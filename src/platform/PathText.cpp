#include "platform/PathText.h"

#include <fnmatch.h>

namespace sorbeta::platform {

std::string withoutTrailingSlashes(std::string text) {
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

std::string_view withoutTrailingSlashes(std::string_view text) {
    while (text.size() > 1 && text.back() == '/') text.remove_suffix(1);
    return text;
}

std::string lastComponent(const Path& path) {
    const std::string_view text = withoutTrailingSlashes(std::string_view(path.native()));
    const auto slash = text.rfind('/');
    return std::string(slash == std::string_view::npos ? text : text.substr(slash + 1));
}

bool liesWithin(const Path& inner, const Path& outer) {
    const std::string_view a = inner.native();
    const std::string_view b = withoutTrailingSlashes(std::string_view(outer.native()));
    if (a.empty() || b.empty() || !a.starts_with(b)) return false;
    return a.size() == b.size() || b == "/" || a[b.size()] == '/';
}

Path parentOf(const Path& path) {
    const std::string_view text = withoutTrailingSlashes(std::string_view(path.native()));
    const auto slash = text.rfind('/');
    if (slash == std::string_view::npos) return Path(".");
    if (slash == 0) return Path("/");
    return Path(std::string(text.substr(0, slash)));
}

bool matchesGlob(const std::string& pattern, const std::string& name) {
    return ::fnmatch(pattern.c_str(), name.c_str(), 0) == 0;
}

}  // namespace sorbeta::platform
