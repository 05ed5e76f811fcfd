// The last step of main, once the event loop is done.
#pragma once

#include <chrono>

// How long the end of a run waits for a print thread that is still at work: it has had its
// answer or been cut off by then, so it is only finishing.
inline constexpr std::chrono::milliseconds kPrintThreadsEndWithin{500};

// Returns the status for main to return once every print thread has ended: each frees Qt's data
// for its thread as it ends, which must come before Qt's own teardown. If one is still stuck on
// the print service, the run ends at once with the status instead, tearing nothing down.
int finishRun(int status);
