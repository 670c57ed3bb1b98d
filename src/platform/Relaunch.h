#pragma once
// Starting a fresh copy of ourselves: the localisation and the layout
// direction are fixed for the life of a process, so a language change needs a
// new one.
namespace sorbeta::platform {

// Starts our own executable again, detached, with the same arguments, then
// quits this instance from the event loop whatever the start's outcome.
void relaunchSelf();

}  // namespace sorbeta::platform
