#include "model/disk/RowRoots.h"

#include <algorithm>

#include "model/catalog/Catalog.h"
#include "model/disk/Targets.h"
#include "platform/EntryInfo.h"
#include "platform/Listing.h"
#include "platform/PathText.h"

namespace sorbeta::DiskScanner {
namespace {

Path normal(const Path& path) { return Path(platform::withoutTrailingSlashes(path.lexically_normal().native())); }

bool strictlyWithin(const Path& inner, const Path& outer) { return inner != outer && isWithin(inner, outer); }

// Drops every root that another root of the list already covers: one inside
// another, or a repeat of an earlier one.
std::vector<Path> withoutNested(const std::vector<Path>& roots) {
    std::vector<Path> kept;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        bool covered = false;
        for (std::size_t j = 0; j < roots.size() && !covered; ++j) {
            if (i == j) continue;
            covered = roots[i] == roots[j] ? j < i : strictlyWithin(roots[i], roots[j]);
        }
        if (!covered) kept.push_back(roots[i]);
    }
    return kept;
}

// A category's own roots and its layer's, before other categories are heard.
std::vector<Path> namedRoots(const CategorySpec& spec, const platform::Places& places) {
    std::vector<Path> roots = resolveRoots(spec.roots, spec.childrenOf, spec.excludingChildren, {}, places);
    if (const LinuxCatalog::CategoryLayer* layer = LinuxCatalog::category(spec.id)) {
        const std::vector<Path> more = layerPlaces(layer->roots, layer->children, places);
        roots.insert(roots.end(), more.begin(), more.end());
    }
    for (Path& root : roots) root = normal(root);
    return withoutNested(roots);
}

// Replaces the root that holds `inner` by its children, all but the one on
// the way to `inner`, which is split the same way until `inner` itself is
// left out. A root that is a link holds nothing of `inner` (walks never
// follow it), and one that cannot be listed is kept whole.
void measureAround(std::vector<Path>& roots, const Path& inner) {
    for (;;) {
        const auto outer =
            std::find_if(roots.begin(), roots.end(), [&](const Path& root) { return strictlyWithin(inner, root); });
        if (outer == roots.end()) return;
        if (platform::isSymlink(*outer)) return;
        const auto names = platform::listNames(*outer);
        if (!names) return;
        const Path folder = *outer;
        std::vector<Path> children;
        for (const std::string& name : *names)
            if (folder / name != inner) children.push_back(folder / name);
        const auto at = roots.erase(outer);
        roots.insert(at, children.begin(), children.end());
    }
}

// A child's leaf: itself when it names one place, else each folder the
// pattern of its first component matches (a snap's revisions, "[0-9]*/.cache"),
// never through a link (a snap's "current" names a revision already there,
// and a link may lead out of the sandboxes altogether).
std::vector<Path> leafPlaces(const Path& child, const std::string& leaf) {
    if (leaf.empty()) return {child};
    const std::size_t slash = leaf.find('/');
    const std::string first = leaf.substr(0, slash);
    if (first.find_first_of("*?[") == std::string::npos) return {child / leaf};
    const std::string rest = slash == std::string::npos ? std::string() : leaf.substr(slash + 1);
    std::vector<Path> places;
    const auto names = platform::listNames(child);
    if (!names) return places;
    for (const std::string& name : *names) {
        if (!platform::matchesGlob(first, name) || platform::isSymlink(child / name)) continue;
        places.push_back(rest.empty() ? child / name : child / name / rest);
    }
    return places;
}

}  // namespace

bool isWithin(const Path& inner, const Path& outer) { return platform::liesWithin(inner, outer); }

std::vector<Path> layerPlaces(const std::vector<std::string>& roots,
                              const std::vector<LinuxCatalog::ChildPlaces>& children, const platform::Places& places) {
    std::vector<Path> found;
    for (const std::string& root : roots) {
        const std::vector<Path> expanded = expand(root, places);
        found.insert(found.end(), expanded.begin(), expanded.end());
    }
    for (const LinuxCatalog::ChildPlaces& source : children) {
        const auto folder = places.expandPlace(source.folder);
        if (!folder) continue;
        for (const Path& child :
             resolveRoots({}, folder->native(), source.excludingChildren, source.excludingPrefixes, places)) {
            for (const Path& place : leafPlaces(child, source.leaf)) {
                if (!source.listingLeaf) {
                    found.push_back(place);
                    continue;
                }
                const std::vector<Path> inside =
                    resolveRoots({}, place.native(), source.excludingInLeaf, source.excludingPrefixesInLeaf, places);
                found.insert(found.end(), inside.begin(), inside.end());
            }
        }
    }
    return found;
}

std::vector<Path> categoryRoots(const CategorySpec& spec, const platform::Places& places) {
    std::vector<Path> roots = namedRoots(spec, places);
    bool earlier = true;  // the other category comes before this one
    for (const CategorySpec& other : Catalog::categories()) {
        if (other.id == spec.id) {
            earlier = false;
            continue;
        }
        for (const Path& place : namedRoots(other, places)) {
            if (!platform::entryExists(place)) continue;
            measureAround(roots, place);
            if (earlier) std::erase(roots, place);
        }
    }
    return roots;
}

std::vector<Path> linuxCandidates(const CleanSpec& spec, const std::vector<Path>& own, const platform::Places& places) {
    const LinuxCatalog::RuleLayer* layer = LinuxCatalog::rule(spec.id);
    if (!layer) return {};
    std::vector<Path> covered;
    for (const Path& path : own) covered.push_back(normal(path));
    std::vector<Path> kept;
    for (const Path& path : layerPlaces(layer->keeping, {}, places)) kept.push_back(normal(path));
    std::vector<Path> found;
    for (const Path& path : layerPlaces(layer->roots, layer->children, places)) {
        const Path candidate = normal(path);
        if (std::any_of(covered.begin(), covered.end(), [&](const Path& c) { return isWithin(candidate, c); }))
            continue;
        if (std::any_of(kept.begin(), kept.end(),
                        [&](const Path& k) { return isWithin(candidate, k) || isWithin(k, candidate); }))
            continue;
        covered.push_back(candidate);
        found.push_back(candidate);
    }
    return found;
}

std::string sandboxOwner(const Path& path, const platform::Places& places) {
    const Path place = normal(path);
    for (const Path& sandboxes : {places.flatpakApps, places.snaps}) {
        const Path base = normal(sandboxes);
        if (sandboxes.empty() || !strictlyWithin(place, base)) continue;
        const Path rest = place.lexically_relative(base);
        return rest.begin() == rest.end() ? std::string() : rest.begin()->native();
    }
    return {};
}

}  // namespace sorbeta::DiskScanner
