#include "dialogs/agreement_memory.h"

#include <QSettings>
#include <QString>

namespace dialogs {
namespace {

QString Key(Agreement agreement) {
  return agreement == Agreement::Terms ? QStringLiteral("Agreements/TermsAccepted")
                                       : QStringLiteral("Agreements/LicenseAccepted");
}

// The program's own settings file, named as the start-up names the application.
QSettings Store() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Rankscout"),
                   QStringLiteral("Rankscout"));
}

}  // namespace

bool AcceptanceRemembered(Agreement agreement) {
  return Store().value(Key(agreement), false).toBool();
}

void RememberAcceptance(Agreement agreement) {
  QSettings store = Store();
  store.setValue(Key(agreement), true);
  store.sync();
}

}  // namespace dialogs
