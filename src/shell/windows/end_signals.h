#pragma once

#include <functional>

namespace lumatik {

// Runs `end` in the event loop when the desktop ends the program: SIGTERM
// (logout, shutdown, kill), SIGINT (Ctrl+C in a terminal), SIGHUP (the
// terminal closed) and the session manager's end of session. The signal
// handler only writes a byte into a pipe, which the event loop reads.
void EndOnSignals(std::function<void()> end);

}  // namespace lumatik
