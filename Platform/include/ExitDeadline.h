#ifndef PLATFORM_EXITDEADLINE_H
#define PLATFORM_EXITDEADLINE_H

// The way out of the program once its event loop has ended. The clean-up
// that follows waits for worker threads, and some may not end soon: a
// transfer the receiver never answers, a reader deep in a huge or hostile
// file. Nothing the user asked to keep is being written by then, so the
// process does not wait for them past a deadline.

#include <chrono>

namespace Platform {

// Ends the process with `status` once `limit` has passed, unless it has
// ended by itself before. Returns at once; callable once per process.
void endProcessWithin(std::chrono::milliseconds limit, int status);

} // namespace Platform

#endif
