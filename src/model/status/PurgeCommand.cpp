#include "model/status/PurgeCommand.h"

#include "platform/CacheDrop.h"
#include "platform/Translate.h"

namespace sorbeta::PurgeCommand {

Outcome judge(const platform::ProcessResult& result) {
    if (!result.started) return sorbeta::tr("没法启动 osascript");
    if (result.succeeded()) return std::nullopt;
    if (!result.timedOut && result.signal == 0 && result.exitCode == platform::kPkexecDismissed) return QString();
    return sorbeta::tr("没成功：") + QString::fromUtf8(result.err.data(), qsizetype(result.err.size())).trimmed();
}

Outcome run() {
    platform::syncFileSystems();
    return judge(platform::dropFileCaches());
}

}  // namespace sorbeta::PurgeCommand
