#pragma once
// The scheduling weight of the calling thread. Linux keeps a nice value per
// thread, and within one process's scheduling group it only decides which of
// the process's own threads goes first: background work that yields lets the
// interface thread draw its frames on time without slowing the process
// against others.

namespace sorbeta::platform {

// How far background threads step back from the process's nice value (10
// steps give a thread about a ninth of the weight of one that did not).
inline constexpr int kBackgroundNice = 10;

// Lets the calling thread yield to the process's other threads; a thread can
// only step back, never forward again. Returns whether it stepped back.
bool yieldToInterface();

// The calling thread's nice value.
int threadNice();

}  // namespace sorbeta::platform
