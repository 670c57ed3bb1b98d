#include "ui/views/status/StatusTexts.h"

#include <cmath>

#include "model/common/Bytes.h"
#include "platform/Translate.h"

namespace sorbeta::StatusTexts {

int64_t usedBytes(const MemoryBreakdown& memory) { return memory.app + memory.wired + memory.compressed; }

double usedFraction(const MemoryBreakdown& memory) {
    if (memory.total < 1) return 0;
    return double(usedBytes(memory)) / double(memory.total);
}

QString usedPercent(const MemoryBreakdown& memory) {
    return QString::number(static_cast<long long>(std::trunc(usedFraction(memory) * 100)));
}

QString usedCaption(const MemoryBreakdown& memory) {
    return sorbeta::tr("内存已用") + QLatin1Char('\n') + Bytes::text(usedBytes(memory), true) + QStringLiteral(" / ") +
           Bytes::text(memory.total, true);
}

QString pressureText(int pressure) {
    if (pressure == 4) return sorbeta::tr("内存很紧张，关掉几个不用的应用会好很多 🥵");
    if (pressure == 2) return sorbeta::tr("内存有点吃紧，可以看看右边谁最占地方");
    return sorbeta::tr("内存很宽裕，电脑状态不错 ✨");
}

QString uptimeText(int64_t seconds) {
    const int64_t s = std::max<int64_t>(0, seconds);
    const int64_t days = s / 86400, hours = (s % 86400) / 3600, minutes = (s % 3600) / 60;
    // Two units side by side, each worded for its own count.
    const auto both = [](const QString& big, const QString& small) { return sorbeta::tr("%1 %2").arg(big, small); };
    if (s >= 86400) return both(sorbeta::tr("%n 天", nullptr, days), sorbeta::tr("%n 小时", nullptr, hours));
    if (s >= 3600) return both(sorbeta::tr("%n 小时", nullptr, hours), sorbeta::tr("%n 分", nullptr, minutes));
    return sorbeta::tr("%n 分钟", nullptr, minutes);
}

QString processorLine(double cpu, int cores, double load) {
    const auto percent = static_cast<long long>(std::trunc(std::max(0.0, cpu) * 100));
    const QString usage =
        sorbeta::tr("%1 · %2").arg(QString::number(percent) + QLatin1Char('%'), sorbeta::tr("%n 核", nullptr, cores));
    return sorbeta::tr("%1 · %2").arg(usage, sorbeta::tr("负载 %1").arg(QString::asprintf("%.1f", load)));
}

QString diskLine(int64_t freeBytes, int64_t totalBytes) {
    return sorbeta::tr("可用 ") + Bytes::text(freeBytes, false) + QStringLiteral(" / ") +
           Bytes::text(totalBytes, false);
}

QString batteryLine(const BatteryInfo& battery) {
    QString line = QString::number(battery.percent) + QLatin1Char('%');
    if (battery.charging)
        line += sorbeta::tr(" · 充电中");
    else if (battery.onAC)
        line += sorbeta::tr(" · 接着电源");
    if (battery.cycles) line = sorbeta::tr("%1 · %2").arg(line, sorbeta::tr("循环 %n 次", nullptr, *battery.cycles));
    return line;
}

QString swapLine(int64_t swapUsed) {
    if (swapUsed < 1) return sorbeta::tr("没用到");
    return sorbeta::tr("用了 ") + Bytes::text(swapUsed, true);
}

QString footerText(const MemoryBreakdown& memory, const std::optional<QString>& purgeError) {
    if (purgeError) return *purgeError;
    return sorbeta::tr("可以回收的缓存：") + Bytes::text(memory.cached, true);
}

QString purgeMessage() {
    return sorbeta::tr("会用系统自带的 purge 清掉文件缓存，需要输入管理员密码（由系统弹窗，冰沙看不到）。") +
           QLatin1Char('\n') + sorbeta::tr("之后几分钟里打开文件会稍慢一点，系统会慢慢重新缓存。");
}

std::vector<MapNode> memoryNodes(const MemoryBreakdown& memory) {
    struct Part {
        const char* id;
        const char* title;
        int64_t bytes;
        Flavor flavor;
        MapNode::Kind kind;
    };
    const Part parts[] = {
        {"mem.app", SORBETA_TR_NOOP("应用"), memory.app, Flavor::strawberry, MapNode::Kind::category},
        {"mem.wired", SORBETA_TR_NOOP("系统占用"), memory.wired, Flavor::grape, MapNode::Kind::category},
        {"mem.compressed", SORBETA_TR_NOOP("已压缩"), memory.compressed, Flavor::mango, MapNode::Kind::category},
        {"mem.cached", SORBETA_TR_NOOP("文件缓存"), memory.cached, Flavor::mint, MapNode::Kind::category},
        {"mem.free", SORBETA_TR_NOOP("空闲"), memory.free, Flavor::blueberry, MapNode::Kind::free},
    };
    std::vector<MapNode> nodes;
    for (const Part& part : parts) {
        if (part.bytes <= 0) continue;
        MapNode node;
        node.id = part.id;
        node.title = sorbeta::tr(part.title);
        node.bytes = part.bytes;
        node.flavor = part.flavor;
        node.kind = part.kind;
        node.memoryUnits = true;
        nodes.push_back(std::move(node));
    }
    return nodes;
}

bool mapNeedsNodes(const std::vector<MapNode>& shown, const std::vector<MapNode>& next, int64_t total) {
    if (shown.size() != next.size()) return true;
    const double step = std::max<double>(1, double(total) * 0.01);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown[i].id != next[i].id || shown[i].title != next[i].title) return true;
        if (std::abs(double(shown[i].bytes - next[i].bytes)) >= step) return true;
    }
    return false;
}

}  // namespace sorbeta::StatusTexts
