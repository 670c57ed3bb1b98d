#include "model/files/FileDuplicates.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <map>
#include <memory>
#include <unordered_map>

#include "platform/FileFacts.h"
#include "platform/ReadOnlyFile.h"
#include "platform/Sha256.h"

namespace sorbeta::FileFinder {
namespace {

// Files are hashed a few at a time: the hash, not the disk, is the limit on
// a solid-state disk or a warm cache.
constexpr int kHashThreads = 4;

// Indices into the candidates that may share content.
using Members = std::vector<std::size_t>;

// Each member's key, worked out on several threads; a member whose file
// cannot be read gets no key and so matches nothing.
std::vector<std::optional<std::string>> keysOf(const std::vector<Found>& found, const Members& members,
                                               std::optional<std::string> (*keyOf)(const Path&)) {
    std::vector<std::optional<std::string>> keys(members.size());
    std::vector<std::size_t> positions(members.size());
    for (std::size_t i = 0; i < positions.size(); ++i) positions[i] = i;
    QThreadPool pool;
    pool.setMaxThreadCount(kHashThreads);
    QtConcurrent::blockingMap(&pool, positions,
                              [&](std::size_t position) { keys[position] = keyOf(found[members[position]].url); });
    return keys;
}

// Splits each group by the members' keys; groups of fewer than two go.
std::vector<Members> splitBy(const std::vector<Members>& groups, const std::vector<Found>& found,
                             std::optional<std::string> (*keyOf)(const Path&)) {
    Members flat;
    for (const Members& group : groups) flat.insert(flat.end(), group.begin(), group.end());
    const auto keys = keysOf(found, flat, keyOf);

    std::vector<Members> split;
    std::size_t next = 0;
    for (const Members& group : groups) {
        std::map<std::string, Members> byKey;
        for (const std::size_t member : group) {
            const auto& key = keys[next++];
            if (key) byKey[*key].push_back(member);
        }
        for (auto& [key, members] : byKey)
            if (members.size() >= 2) split.push_back(std::move(members));
    }
    return split;
}

// One name for each file: hard links (same device and inode) are one file,
// kept under the first name met. A file that cannot be examined is left out.
Members distinctFiles(const Members& bucket, const std::vector<Found>& found) {
    struct Identity {
        uint64_t device;
        uint64_t inode;
        auto operator<=>(const Identity&) const = default;
    };
    std::map<Identity, std::size_t> seen;
    Members distinct;
    for (const std::size_t member : bucket) {
        const auto facts = platform::fileFacts(found[member].url);
        if (!facts) continue;
        if (seen.emplace(Identity{facts->device, facts->inode}, member).second) distinct.push_back(member);
    }
    return distinct;
}

}  // namespace

std::optional<std::string> quickPrint(const Path& url) {
    auto file = platform::ReadOnlyFile::open(url);
    if (!file) return std::nullopt;
    platform::Sha256 hash;
    std::vector<char> block(kPrintBlock);
    if (const int64_t read = file->readAt(0, block.data(), block.size()); read > 0) hash.update(block.data(), read);
    if (const auto length = file->length(); length && *length > kTailAfter) {
        if (const int64_t read = file->readAt(*length - kPrintBlock, block.data(), block.size()); read > 0)
            hash.update(block.data(), read);
    }
    return platform::Sha256::hex(hash.finish());
}

std::optional<std::string> fullDigest(const Path& url) {
    auto file = platform::ReadOnlyFile::open(url);
    if (!file) return std::nullopt;
    file->willReadThrough();
    // One buffer per hashing thread, kept between files.
    thread_local const std::unique_ptr<char[]> chunk(new char[kDigestChunk]);
    platform::Sha256 hash;
    for (;;) {
        const int64_t read = file->read(chunk.get(), kDigestChunk);
        if (read == 0) break;
        if (read < 0) return std::nullopt;  // matches nothing: never called a copy of anything
        hash.update(chunk.get(), std::size_t(read));
    }
    return platform::Sha256::hex(hash.finish());
}

std::vector<std::vector<Found>> duplicateSets(const std::vector<Found>& found) {
    // Equal allocated sizes, outside the code roots, in the order first met.
    std::vector<Members> buckets;
    std::unordered_map<int64_t, std::size_t> bucketOf;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (found[i].inCode) continue;
        const auto [it, added] = bucketOf.emplace(found[i].bytes, buckets.size());
        if (added) buckets.emplace_back();
        buckets[it->second].push_back(i);
    }
    std::vector<Members> files;
    for (const Members& bucket : buckets) {
        if (bucket.size() < 2) continue;
        Members distinct = distinctFiles(bucket, found);
        if (distinct.size() >= 2) files.push_back(std::move(distinct));
    }

    const std::vector<Members> same = splitBy(splitBy(files, found, &quickPrint), found, &fullDigest);

    std::vector<std::vector<Found>> sets;
    for (const Members& members : same) {
        std::vector<Found> set;
        for (const std::size_t member : members) set.push_back(found[member]);
        sets.push_back(std::move(set));
    }
    const auto saving = [](const std::vector<Found>& set) { return set.front().bytes * int64_t(set.size() - 1); };
    std::stable_sort(sets.begin(), sets.end(), [&](const auto& a, const auto& b) { return saving(a) > saving(b); });
    return sets;
}

}  // namespace sorbeta::FileFinder
