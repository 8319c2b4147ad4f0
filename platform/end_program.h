#pragma once

#include <functional>

namespace platform {

// Ends the process at once with every window, also from inside a wait, the
// way the programs' Exit commands and refusals require.
[[noreturn]] void EndProgram();

// Tests install a handler that records the request instead; it must not
// return normally (throwing is how a test unwinds out of the caller).
void SetEndProgramHandler(std::function<void()> handler);

}  // namespace platform
