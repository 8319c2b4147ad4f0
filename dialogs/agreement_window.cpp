#include "dialogs/agreement_window.h"

#include "dialogs/agreement_flags.h"
#include "dialogs/agreement_texts.h"
#include "platform/end_program.h"
#include "platform/message_box.h"
#include "platform/window_measures.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

namespace dialogs {
namespace {

// What tells the two windows apart; everything else is shared.
struct AgreementLayout {
  const char* name;
  const char* caption;
  int clientWidth;   // twips, like every measure here
  int pictureWidth;
  int listWidth;
  const char* checkCaption;
  QStringList (*text)();
  bool* accepted;
};

const AgreementLayout& Layout(Agreement agreement) {
  static const AgreementLayout kTerms{"frmDisclaimer",
                                      "Rankscout Terms, Conditions, and Disclaimer",
                                      9915,
                                      9735,
                                      9495,
                                      "Accept Conditions",
                                      &TermsText,
                                      &TermsAccepted};
  static const AgreementLayout kLicense{"frmLicense",
                                        "Rankscout License Agreement",
                                        9855,
                                        9495,
                                        9255,
                                        "Accept License",
                                        &LicenseText,
                                        &LicenseAccepted};
  return agreement == Agreement::Terms ? kTerms : kLicense;
}

constexpr int kClientHeight = 6345;

QPointer<AgreementWindow>& Loaded(Agreement agreement) {
  static QPointer<AgreementWindow> terms;
  static QPointer<AgreementWindow> license;
  return agreement == Agreement::Terms ? terms : license;
}

}  // namespace

AgreementWindow::AgreementWindow(Agreement agreement) : agreement_(agreement) {
  const AgreementLayout& layout = Layout(agreement);
  setObjectName(QLatin1String(layout.name));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QLatin1String(layout.caption));
  resize(platform::TwipsSize(layout.clientWidth, kClientHeight));

  auto* picture1 = new QFrame(this);
  picture1->setObjectName(QStringLiteral("Picture1"));
  picture1->setFrameShape(QFrame::Box);
  picture1->setGeometry(platform::TwipsRect(120, 120, layout.pictureWidth, 5415));

  auto* list1 = new QListWidget(picture1);
  list1->setObjectName(QStringLiteral("List1"));
  QFont listFont(QStringLiteral("MS Sans Serif"));
  listFont.setPointSizeF(9.75);
  list1->setFont(listFont);
  list1->setGeometry(platform::TwipsRect(120, 120, layout.listWidth, 5100));
  list1->addItems(layout.text());

  check1_ = new QCheckBox(QLatin1String(layout.checkCaption), this);
  check1_->setObjectName(QStringLiteral("Check1"));
  check1_->setGeometry(platform::TwipsRect(1920, 5760, 1695, 375));

  auto* command1 = new QPushButton(QStringLiteral("Continue"), this);
  command1->setObjectName(QStringLiteral("Command1"));
  command1->setGeometry(platform::TwipsRect(4200, 5760, 1455, 375));
  connect(command1, &QPushButton::clicked, this, &AgreementWindow::Command1_Click);

  auto* command2 = new QPushButton(QStringLiteral("Exit"), this);
  command2->setObjectName(QStringLiteral("Command2"));
  command2->setGeometry(platform::TwipsRect(6480, 5760, 1455, 375));
  connect(command2, &QPushButton::clicked, this, &AgreementWindow::Command2_Click);

  setTabOrder(check1_, command1);
  setTabOrder(command1, command2);
  check1_->setFocus();

  Form_Load();
}

void AgreementWindow::Form_Load() {
  platform::CentreOnScreen(*this);
  if (!FirstStart && AcceptanceRemembered(agreement_)) {
    check1_->setChecked(true);
    check1_->setEnabled(false);
  }
}

void AgreementWindow::Command1_Click() {
  if (!check1_->isChecked()) {
    platform::MsgBox(QStringLiteral("You must Accept the Terms and Conditions before continuing."),
                     platform::MsgBoxButtons::OK, QStringLiteral("Rankscout"));
    return;
  }
  *Layout(agreement_).accepted = true;
  if (FirstStart) RememberAcceptance(agreement_);
  close();
}

void AgreementWindow::Command2_Click() {
  if (!check1_->isChecked()) platform::EndProgram();
  close();
}

void AgreementWindow::closeEvent(QCloseEvent* event) {
  if (!check1_->isChecked()) platform::EndProgram();
  // Unloaded: the next Show builds a new window, even before this one is deleted.
  if (Loaded(agreement_) == this) Loaded(agreement_) = nullptr;
  event->accept();
}

AgreementWindow* ShowAgreement(Agreement agreement) {
  QPointer<AgreementWindow>& window = Loaded(agreement);
  if (!window) window = new AgreementWindow(agreement);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

AgreementWindow* LoadedAgreement(Agreement agreement) { return Loaded(agreement); }

}  // namespace dialogs
