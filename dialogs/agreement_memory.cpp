#include "dialogs/agreement_memory.h"

#include <QSettings>
#include <QString>

namespace dialogs {
namespace {

QString Key(Agreement agreement) {
  return agreement == Agreement::Terms ? QStringLiteral("Agreements/TermsAccepted")
                                       : QStringLiteral("Agreements/LicenseAccepted");
}

QSettings Store() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Hallvane"),
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
