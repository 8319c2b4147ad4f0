#include "dialogs/first_start.h"

#include "dialogs/agreement_flags.h"
#include "dialogs/agreement_memory.h"
#include "dialogs/agreement_window.h"
#include "platform/end_program.h"
#include "platform/event_wait.h"

#include <QDeadlineTimer>
#include <QPointer>

#include <chrono>

namespace dialogs {
namespace {

void ShowAndWaitForAcceptance(Agreement agreement, const bool& accepted) {
  const QPointer<AgreementWindow> window = ShowAgreement(agreement);
  while (!accepted && window && window->isVisible())
    platform::WaitForNextEvent(QDeadlineTimer(std::chrono::minutes(1)));
  // "Exit" or the close box with the box ticked closes the window without
  // "Continue": the user left without accepting, so the program ends.
  if (!accepted) platform::EndProgram();
}

}  // namespace

void RunFirstStartSequence() {
  FirstStart = true;
  TermsAccepted = false;
  ShowAndWaitForAcceptance(Agreement::Terms, TermsAccepted);
  LicenseAccepted = false;
  ShowAndWaitForAcceptance(Agreement::License, LicenseAccepted);
  FirstStart = false;
}

void RunFirstStartSequenceWhenDue() {
  if (AcceptanceRemembered(Agreement::Terms) && AcceptanceRemembered(Agreement::License)) return;
  RunFirstStartSequence();
}

}  // namespace dialogs
