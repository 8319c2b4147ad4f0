#pragma once

namespace dialogs {

// Runs the first-start sequence unless both acceptances are remembered from an
// earlier run. Returns once both agreements are accepted; a refusal ends the program.
void RunFirstStartSequenceWhenDue();

// Shows the terms window, then the licence window, each waiting with events
// running until it is accepted. A window closed without being accepted ends the program.
void RunFirstStartSequence();

}  // namespace dialogs
