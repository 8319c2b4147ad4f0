#pragma once

#include "dialogs/agreement_memory.h"

#include <QWidget>

class QCheckBox;
class QCloseEvent;

namespace dialogs {

// frmDisclaimer and frmLicense: one window, configured per agreement. The
// controls carry their names (Check1, Command1, ...) as object names.
class AgreementWindow : public QWidget {
  Q_OBJECT

 public:
  explicit AgreementWindow(Agreement agreement);

  Agreement agreement() const { return agreement_; }

 protected:
  void closeEvent(QCloseEvent* event) override;  // Form_Unload

 private:
  void Form_Load();
  void Command1_Click();
  void Command2_Click();

  Agreement agreement_;
  QCheckBox* check1_;
};

// Shows the agreement's window, not modal: the loaded one again, or a new one.
AgreementWindow* ShowAgreement(Agreement agreement);
// The agreement's loaded window, or nullptr once it is unloaded.
AgreementWindow* LoadedAgreement(Agreement agreement);

// The Help menu's "Disclaimer" and "License".
inline void ShowDisclaimer() { ShowAgreement(Agreement::Terms); }
inline void ShowLicense() { ShowAgreement(Agreement::License); }

}  // namespace dialogs
