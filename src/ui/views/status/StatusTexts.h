#pragma once
// What the status page says about the figures: pure functions, so the
// page's wording and the memory map's nodes are checked without painting.
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/status/StatusTypes.h"
#include "ui/map/MapNode.h"

namespace sorbeta::StatusTexts {

// (app + wired + compressed) / total; 0 without a total.
double usedFraction(const MemoryBreakdown& memory);
int64_t usedBytes(const MemoryBreakdown& memory);
// The big figure: the used share in whole percent, truncated.
QString usedPercent(const MemoryBreakdown& memory);
// "内存已用" over "used / total" in 1024-based units.
QString usedCaption(const MemoryBreakdown& memory);
QString pressureText(int pressure);
QString uptimeText(int64_t seconds);
// "37% · 8 核 · 负载 1.2".
QString processorLine(double cpu, int cores, double load);
QString diskLine(int64_t freeBytes, int64_t totalBytes);
QString batteryLine(const BatteryInfo& battery);
QString swapLine(int64_t swapUsed);
// The cache the purge can give back, or the last purge's error.
QString footerText(const MemoryBreakdown& memory, const std::optional<QString>& purgeError);
QString purgeMessage();
// The memory parts as jellies, empty parts left out.
std::vector<MapNode> memoryNodes(const MemoryBreakdown& memory);
// Whether the map should take the new nodes: the same parts whose sizes moved
// by less than 1 % of the memory each leave the jellies as they are. Every
// new layout sets the jellies moving for a while, and on a busy machine the
// 2-second samples would otherwise keep the map painting at full rate.
bool mapNeedsNodes(const std::vector<MapNode>& shown, const std::vector<MapNode>& next, int64_t total);

}  // namespace sorbeta::StatusTexts
