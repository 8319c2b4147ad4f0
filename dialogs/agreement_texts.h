#pragma once

#include <QStringList>

namespace dialogs {

// The list shown by the terms window, one list item per line.
QStringList TermsText();
// The end-user licence shown by the licence window, one list item per line.
QStringList LicenseText();

}  // namespace dialogs
