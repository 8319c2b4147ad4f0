#include "app/main_window.h"
#include "dialogs/agreement_flags.h"
#include "dialogs/agreement_memory.h"
#include "dialogs/agreement_window.h"
#include "tests/gui/agreement_test_support.h"
#include "tests/support/message_box_recorder.h"

#include <QAction>

#include <gtest/gtest.h>

namespace {

using dialogs::Agreement;
using dialogstest::Check1;

class MainWindowAgreements : public dialogstest::AgreementFixture {
 protected:
  frmMainForm window;
  testsupport::MessageBoxRecorder messages;
};

TEST_F(MainWindowAgreements, TheFirstLoadAsksForBothAgreementsBeforeItReturns) {
  dialogs::FirstStart = true;  // the load must clear a stale value before anything runs
  int accepted = 0;
  dialogstest::AcceptBothWhenShown(accepted, [this](dialogs::AgreementWindow&) {
    EXPECT_FALSE(window.isVisible());
  });

  window.Form_Load();

  EXPECT_EQ(accepted, 2);
  EXPECT_FALSE(dialogs::FirstStart);
  EXPECT_TRUE(dialogs::AcceptanceRemembered(Agreement::License));
}

TEST_F(MainWindowAgreements, HelpItemsShowTheAgreementWindowsNotModal) {
  dialogs::RememberAcceptance(Agreement::Terms);
  dialogs::RememberAcceptance(Agreement::License);
  window.Form_Load();
  EXPECT_EQ(dialogs::LoadedAgreement(Agreement::Terms), nullptr);

  window.mnuHelpDisclaimer->trigger();
  window.mnuHelpLicense->trigger();

  for (auto agreement : {Agreement::Terms, Agreement::License}) {
    dialogs::AgreementWindow* shown = dialogs::LoadedAgreement(agreement);
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_FALSE(shown->isModal());
    EXPECT_FALSE(Check1(*shown).isEnabled());
  }
}

}  // namespace
