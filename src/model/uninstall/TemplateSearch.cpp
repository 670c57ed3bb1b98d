#include "model/uninstall/TemplateSearch.h"

#include <algorithm>

#include "model/disk/Access.h"
#include "model/disk/Measure.h"
#include "model/disk/Targets.h"
#include "platform/EntryInfo.h"
#include "platform/Listing.h"
#include "platform/PathText.h"

namespace sorbeta::Uninstaller {
namespace {

void replaceAll(std::string& text, const std::string& what, const std::string& with) {
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string standardized(const Path& path) {
    return platform::withoutTrailingSlashes(path.lexically_normal().native());
}

}  // namespace

TemplateSearch::TemplateSearch(QString id, std::vector<QString> names, bool limited, const platform::Places& places,
                               SafetyTest isSafe)
    : id_(id.toStdString()),
      idLower_(platform::lowercased(id_)),
      limited_(limited),
      places_(places),
      isSafe_(std::move(isSafe)) {
    for (const QString& name : names) names_.push_back(name.toStdString());
}

void TemplateSearch::run(const std::string& pattern, Leftover::Kind kind) {
    if (pattern.find("{name}") == std::string::npos) {
        runOnce(pattern, {}, kind);
        return;
    }
    for (const std::string& name : names_) runOnce(pattern, name, kind);
}

bool TemplateSearch::belongs(const std::string& leaf) const {
    const std::string lower = platform::lowercased(leaf);
    if (lower == idLower_ || startsWith(lower, idLower_ + ".") || endsWith(lower, "." + idLower_)) return true;
    return std::find(names_.begin(), names_.end(), leaf) != names_.end();
}

void TemplateSearch::runOnce(const std::string& pattern, const std::string& name, Leftover::Kind kind) {
    std::string filled = pattern;
    replaceAll(filled, "{id}", id_);
    replaceAll(filled, "{name}", name);
    const Path folder(standardized(places_.expandTilde(platform::parentOf(pattern).native())));
    if (limited_ && Access::wouldPrompt(folder, places_)) return;
    for (const Path& match : DiskScanner::expand(filled, places_)) {
        if (!platform::exists(match)) continue;
        if (standardized(platform::parentOf(match)) != folder.native()) continue;
        if (!belongs(platform::lastComponent(match))) continue;
        add(match, kind);
    }
}

void TemplateSearch::add(const Path& item, Leftover::Kind kind) {
    if (!taken_.insert(item.native()).second) return;
    if (!isSafe_(item)) return;
    found_.push_back(Leftover{item, kind, DiskScanner::size(item)});
}

std::vector<Leftover> TemplateSearch::take() {
    std::stable_sort(found_.begin(), found_.end(),
                     [](const Leftover& a, const Leftover& b) { return a.bytes > b.bytes; });
    return std::move(found_);
}

}  // namespace sorbeta::Uninstaller
