#pragma once
// The first thing a launch does with the user's files: carry over what the
// product kept under its former name, then claim the one instance per user.
// In that order, because the claim makes the data folder (its lock lives
// there), and a data folder that exists is never replaced by the former one:
// claiming first would strand the former history and held items for good.
#include "platform/Places.h"
#include "platform/SingleInstance.h"

namespace sorbeta {

// True when this launch may go on: it is now the one instance (waiting up to
// `waitMs` for the lock), or no lock can be made at all. A cleaner must still
// start on a full disk, the very time it is needed; it then runs without
// the lock and the hand-over socket. False only when another instance holds
// the lock.
bool claimLaunch(platform::SingleInstance& instance, const platform::Places& places, int waitMs);

}  // namespace sorbeta
