#pragma once

// The agreement state shared by the main window's load, the first-start
// sequence and the two agreement windows.

namespace dialogs {

// Yes while the first-start sequence runs; the main window's load sets it to no first.
inline bool FirstStart = false;
// Set when the terms, respectively the licence agreement, is accepted in this run.
inline bool TermsAccepted = false;
inline bool LicenseAccepted = false;

}  // namespace dialogs
