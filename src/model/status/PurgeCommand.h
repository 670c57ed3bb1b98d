#pragma once
// Giving file-cache memory back, as the status model asks for it: the
// privileged cache drop run and its outcome put in the model's words.
#include <QString>
#include <optional>

#include "platform/ProcessRunner.h"

namespace sorbeta::PurgeCommand {

// Absent: done. Empty: the user dismissed the password prompt. Otherwise
// the message to show.
using Outcome = std::optional<QString>;

Outcome judge(const platform::ProcessResult& result);

// Writes dirty data out, then runs the cache drop and judges it. Blocks
// while the password prompt is open: call it off the GUI thread.
Outcome run();

}  // namespace sorbeta::PurgeCommand
