#pragma once
// The pool the engine's own work runs on (walks, measurements, removals,
// listings). Qt's painting and image code hand their pieces to
// QThreadPool::globalInstance() and wait for them on the GUI thread, so disk
// work queued there would hold back every frame that fills a large area until
// a walk finished: the engine keeps to a pool of its own instead.
#include <stop_token>

class QThreadPool;

namespace sorbeta {

// One pool for the whole process, as many threads as the machine has cores.
QThreadPool* workPool();

// Makes every thread of the pool at once, each stepping back from the
// interface thread (see platform::yieldToInterface), and keeps them: a scan
// that takes every core then leaves the window's frames on time. The
// application calls it once at start, before any work is queued.
void yieldWorkToInterface();

// Waits for the work queued and running, as the pool itself would when it
// goes. Called once on the way out, before the program's static tables go
// (the pool, made first, goes last): work still running after them would
// read freed memory (a scan still finding its places when the window
// closes, say).
void finishWork();

// Requested by finishWork() before it waits: work whose result nobody will
// read once the program is leaving (a scan's measuring) stops early.
std::stop_token leavingToken();

}  // namespace sorbeta
