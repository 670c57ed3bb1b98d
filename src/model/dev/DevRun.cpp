#include "model/dev/DevRun.h"

#include "platform/ProcessRunner.h"

namespace sorbeta::DevScan {

std::optional<QByteArray> run(const std::filesystem::path& executable, const std::vector<std::string>& arguments,
                              std::chrono::milliseconds timeout, const std::vector<std::string>& environment) {
    platform::ProcessOptions options;
    options.environment = environment;
    options.timeLimit = timeout;
    options.standardError = platform::StandardError::discard;
    options.outputLimit = kOutputLimit;
    options.terminateGrace = kTerminateGrace;
    const platform::ProcessResult result = platform::runProcess(executable, arguments, options);
    if (!result.succeeded()) return std::nullopt;
    return QByteArray(result.out.data(), qsizetype(result.out.size()));
}

}  // namespace sorbeta::DevScan
