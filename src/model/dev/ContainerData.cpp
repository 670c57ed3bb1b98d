#include "model/dev/ContainerData.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

#include "model/common/PathId.h"
#include "model/dev/DevPaths.h"
#include "model/dev/DevRun.h"
#include "model/disk/Access.h"
#include "model/disk/Measure.h"
#include "platform/EntryInfo.h"
#include "platform/FileFacts.h"
#include "platform/Translate.h"

namespace sorbeta::DevScan {
namespace {

// Suffixes tried in this order, so "B" is taken only when no longer one fits.
constexpr std::array<std::pair<std::string_view, double>, 6> kUnits = {{
    {"TB", 1e12},
    {"GB", 1e9},
    {"MB", 1e6},
    {"kB", 1e3},
    {"KB", 1e3},
    {"B", 1.0},
}};

// A plain decimal number (an optional "+", digits, a point, an exponent);
// infinities and NaN are not sizes.
std::optional<double> decimalNumber(std::string_view text) {
    if (text.starts_with('+')) text.remove_prefix(1);
    if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(number)) return std::nullopt;
    return number;
}

}  // namespace

std::optional<std::filesystem::path> dockerPath(const DevEnvironment& environment) {
    for (const auto& candidate : environment.dockerCandidates)
        if (platform::isExecutableFile(candidate)) return candidate;
    return std::nullopt;
}

std::optional<int64_t> parseDockerSize(const QString& text) {
    const QStringList pieces = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const std::string piece = (pieces.isEmpty() ? text : pieces.first()).toStdString();
    for (const auto& [suffix, factor] : kUnits) {
        if (!std::string_view(piece).ends_with(suffix)) continue;
        const auto number = decimalNumber(std::string_view(piece).substr(0, piece.size() - suffix.size()));
        if (!number) return std::nullopt;
        const double bytes = *number * factor;
        // 2^63: the first value a signed 64-bit count cannot hold.
        if (!std::isfinite(bytes) || bytes < 0 || bytes >= 9223372036854775808.0) return std::nullopt;
        return int64_t(bytes);
    }
    return std::nullopt;
}

std::optional<DevEntry> pruneEntry(const QByteArray& reclaimable) {
    const auto text = QString::fromUtf8(reclaimable);
    // Output that is not UTF-8 text says nothing.
    if (text.toUtf8() != reclaimable) return std::nullopt;
    int64_t total = 0;
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const auto size = parseDockerSize(line);
        // A total beyond 64 bits is no size either.
        if (size && __builtin_add_overflow(total, *size, &total)) return std::nullopt;
    }
    if (total <= 0) return std::nullopt;
    DevEntry entry;
    entry.id = QStringLiteral("docker:prune");
    entry.title = sorbeta::tr("Docker 不用的镜像和容器");
    entry.detail = QStringLiteral("docker system prune");
    entry.bytes = total;
    entry.action = DevEntry::DockerPrune{};
    return entry;
}

std::vector<DevEntry> vmEntries(const DevEnvironment& environment) {
    const platform::Places& places = environment.places;
    std::vector<DevEntry> entries;
    for (const DevVmFolder& folder : environment.vmFolders) {
        if (DiskScanner::limited() && Access::wouldPrompt(folder.path, places)) continue;
        if (!platform::exists(folder.path)) continue;
        const int64_t bytes = DiskScanner::size(folder.path);
        if (bytes <= kVmFolderFloor) continue;
        DevEntry entry;
        entry.id = QStringLiteral("vm:") + pathId(folder.path);
        entry.title = folder.title;
        entry.detail = DevPaths::homeRelative(folder.path, places.home);
        entry.bytes = bytes;
        entry.action = DevEntry::Reveal{folder.path};
        entries.push_back(std::move(entry));
    }

    if (const auto docker = dockerPath(environment)) {
        const auto output = run(*docker, {"system", "df", "--format", "{{.Reclaimable}}"}, environment.toolTimeLimit,
                                environment.toolEnvironment);
        if (output) {
            if (auto prune = pruneEntry(*output)) entries.insert(entries.begin(), std::move(*prune));
        }
    }
    return entries;
}

std::optional<int64_t> reclaimedSpace(const QByteArray& pruneOutput) {
    static const QString label = QStringLiteral("Total reclaimed space:");
    std::optional<int64_t> largest;
    for (const QString& line : QString::fromUtf8(pruneOutput).split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.startsWith(label)) continue;
        const auto size = parseDockerSize(trimmed.mid(label.size()).trimmed());
        if (size && (!largest || *size > *largest)) largest = size;
    }
    return largest;
}

PruneResult pruneDocker(const DevEnvironment& environment) {
    const auto docker = dockerPath(environment);
    if (!docker) return {};
    const auto output = run(*docker, {"system", "prune", "-f"}, environment.toolTimeLimit, environment.toolEnvironment);
    if (!output) return {};
    return {true, reclaimedSpace(*output).value_or(0)};
}

}  // namespace sorbeta::DevScan
