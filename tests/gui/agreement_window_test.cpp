#include "dialogs/agreement_flags.h"
#include "dialogs/agreement_memory.h"
#include "dialogs/agreement_window.h"
#include "platform/window_measures.h"
#include "tests/gui/agreement_test_support.h"
#include "tests/support/end_program_recorder.h"
#include "tests/support/message_box_recorder.h"

#include <QListWidget>

#include <gtest/gtest.h>

namespace {

using dialogs::Agreement;
using dialogstest::Button;
using dialogstest::Check1;

struct Look {
  Agreement agreement;
  const char* objectName;
  const char* caption;
  const char* checkCaption;
  int clientWidth;
  int listWidth;
  const char* firstLine;
  int lines;  // 0 where the wording fixes no count
};
void PrintTo(const Look& look, std::ostream* out) { *out << look.objectName; }

class AgreementLookTest : public dialogstest::AgreementFixture,
                          public testing::WithParamInterface<Look> {};

TEST_P(AgreementLookTest, ShowsItsOwnCaptionTextAndControls) {
  const Look look = GetParam();
  dialogs::AgreementWindow* window = dialogs::ShowAgreement(look.agreement);

  EXPECT_EQ(window->objectName(), look.objectName);
  EXPECT_EQ(window->windowTitle(), look.caption);
  EXPECT_EQ(window->size(), platform::TwipsSize(look.clientWidth, 6345));
  EXPECT_FALSE(window->isModal());
  EXPECT_EQ(Check1(*window).text(), look.checkCaption);
  EXPECT_EQ(Check1(*window).geometry(), platform::TwipsRect(1920, 5760, 1695, 375));
  EXPECT_EQ(Button(*window, "Command1").text(), "Continue");
  EXPECT_EQ(Button(*window, "Command2").text(), "Exit");
  EXPECT_EQ(Button(*window, "Command2").geometry(), platform::TwipsRect(6480, 5760, 1455, 375));
  EXPECT_EQ(Check1(*window).nextInFocusChain(), &Button(*window, "Command1"));
  EXPECT_EQ(Button(*window, "Command1").nextInFocusChain(), &Button(*window, "Command2"));

  auto* list = window->findChild<QListWidget*>(QStringLiteral("List1"));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->parentWidget()->objectName(), "Picture1");
  EXPECT_EQ(list->geometry(), platform::TwipsRect(120, 120, look.listWidth, 5100));
  ASSERT_GT(list->count(), 0);
  if (look.lines != 0) {
    EXPECT_EQ(list->count(), look.lines);
  }
  EXPECT_EQ(list->item(0)->text(), look.firstLine);
}

INSTANTIATE_TEST_SUITE_P(
    BothWindows, AgreementLookTest,
    testing::Values(Look{Agreement::Terms, "frmDisclaimer",
                         "Rankscout Terms, Conditions, and Disclaimer", "Accept Conditions", 9915,
                         9495, "Terms and Conditions:", 0},
                    Look{Agreement::License, "frmLicense", "Rankscout License Agreement",
                         "Accept License", 9855, 9255, "RANKSCOUT END-USER LICENSE AGREEMENT",
                         164}),
    [](const testing::TestParamInfo<Look>& info) {
      return std::string(info.param.objectName);
    });

using TermsTextTest = dialogstest::AgreementFixture;

TEST_F(TermsTextTest, HasBothHeadings) {
  dialogs::AgreementWindow* window = dialogs::ShowAgreement(Agreement::Terms);
  auto* list = window->findChild<QListWidget*>(QStringLiteral("List1"));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->findItems(QStringLiteral("Disclaimer:"), Qt::MatchExactly).size(), 1);
}

// Opening from Help in a later run: every way out just closes the window.
struct LaterRunClose {
  const char* name;
  Agreement agreement;
  const char* how;  // a button's name, or "close" for the close box
};
void PrintTo(const LaterRunClose& c, std::ostream* out) { *out << c.name; }

class LaterRunTest : public dialogstest::AgreementFixture,
                     public testing::WithParamInterface<LaterRunClose> {
 protected:
  testsupport::MessageBoxRecorder messages;
  testsupport::EndProgramRecorder ending;
};

TEST_P(LaterRunTest, ShowsTheBoxTickedAndGreyedAndClosesOnlyTheWindow) {
  const LaterRunClose c = GetParam();
  dialogs::RememberAcceptance(Agreement::Terms);
  dialogs::RememberAcceptance(Agreement::License);

  dialogs::AgreementWindow* window = dialogs::ShowAgreement(c.agreement);
  ASSERT_TRUE(window->isVisible());
  EXPECT_TRUE(Check1(*window).isChecked());
  EXPECT_FALSE(Check1(*window).isEnabled());

  if (QLatin1String(c.how) == QLatin1String("close"))
    window->close();
  else
    Button(*window, c.how).click();

  EXPECT_EQ(ending.requests(), 0);
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(dialogs::LoadedAgreement(c.agreement), nullptr);
  EXPECT_FALSE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    WaysOut, LaterRunTest,
    testing::Values(LaterRunClose{"DisclaimerExit", Agreement::Terms, "Command2"},
                    LaterRunClose{"DisclaimerContinue", Agreement::Terms, "Command1"},
                    LaterRunClose{"DisclaimerCloseBox", Agreement::Terms, "close"},
                    LaterRunClose{"LicenseExit", Agreement::License, "Command2"}),
    [](const testing::TestParamInfo<LaterRunClose>& info) {
      return std::string(info.param.name);
    });

class HelpWindowTest : public dialogstest::AgreementFixture {
 protected:
  testsupport::MessageBoxRecorder messages;
  testsupport::EndProgramRecorder ending;
};

TEST_F(HelpWindowTest, ShowingAgainWhileOpenShowsTheSameWindow) {
  dialogs::AgreementWindow* first = dialogs::ShowAgreement(Agreement::License);
  first->hide();
  EXPECT_EQ(dialogs::ShowAgreement(Agreement::License), first);
  EXPECT_TRUE(first->isVisible());
}

TEST_F(HelpWindowTest, ShowingAfterCloseBuildsAFreshWindow) {
  dialogs::RememberAcceptance(Agreement::Terms);
  dialogs::AgreementWindow* first = dialogs::ShowAgreement(Agreement::Terms);
  first->close();
  dialogs::AgreementWindow* second = dialogs::ShowAgreement(Agreement::Terms);
  EXPECT_NE(second, first);
  EXPECT_TRUE(second->isVisible());
}

TEST_F(HelpWindowTest, RefusingFromHelpEndsTheProgram) {
  // No acceptance remembered, so the box is free and unticked.
  dialogs::AgreementWindow* window = dialogs::ShowAgreement(Agreement::Terms);
  ASSERT_FALSE(Check1(*window).isChecked());
  EXPECT_THROW(Button(*window, "Command2").click(), testsupport::ProgramEnded);
  EXPECT_EQ(ending.requests(), 1);
}

TEST_F(HelpWindowTest, ContinueOutsideTheFirstStartRecordsTheRunButRemembersNothing) {
  dialogs::AgreementWindow* window = dialogs::ShowAgreement(Agreement::License);
  Check1(*window).setChecked(true);
  Button(*window, "Command1").click();
  EXPECT_TRUE(dialogs::LicenseAccepted);
  EXPECT_FALSE(dialogs::AcceptanceRemembered(Agreement::License));
  EXPECT_EQ(dialogs::LoadedAgreement(Agreement::License), nullptr);
}

}  // namespace
