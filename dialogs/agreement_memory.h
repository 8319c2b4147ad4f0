#pragma once

namespace dialogs {

enum class Agreement { Terms, License };

// Whether the user accepted this agreement in an earlier run (kept in QSettings).
bool AcceptanceRemembered(Agreement agreement);
// Remembers the acceptance for all later runs; written through at once, since
// ending the program does not unwind.
void RememberAcceptance(Agreement agreement);

}  // namespace dialogs
