#pragma once
// Starting a fresh copy of ourselves: the localisation and the layout
// direction are fixed for the life of a process, so a language change needs a
// new one.
#include <functional>

namespace sorbeta::platform {

// Starts our own executable again, detached, with the same arguments marked
// as a relaunch (SingleInstance), then quits this instance from the event
// loop whatever the start's outcome. What was set with setBeforeRelaunch
// runs first, so the new instance finds the single-instance lock free.
void relaunchSelf();

// What runs just before the new instance starts (one action per process;
// an empty one clears it).
void setBeforeRelaunch(std::function<void()> action);

}  // namespace sorbeta::platform
