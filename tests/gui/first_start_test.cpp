#include "dialogs/agreement_flags.h"
#include "dialogs/agreement_memory.h"
#include "dialogs/agreement_window.h"
#include "dialogs/first_start.h"
#include "platform/end_program.h"
#include "tests/gui/agreement_test_support.h"
#include "tests/support/message_box_recorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

using dialogs::Agreement;
using dialogstest::Button;
using dialogstest::Check1;
using dialogstest::WhenShown;

class FirstStartTest : public dialogstest::AgreementFixture {
 protected:
  void SetUp() override {
    AgreementFixture::SetUp();
    GTEST_FLAG_SET(death_test_style, "threadsafe");
  }
  testsupport::MessageBoxRecorder messages;
};

// The state a death test's child reports just before it ends, for the parent to match.
void ReportStateWhenEnding() {
  platform::SetEndProgramHandler([] {
    std::fprintf(stderr, "ended: terms remembered %d, license remembered %d, license shown %d\n",
                 dialogs::AcceptanceRemembered(Agreement::Terms),
                 dialogs::AcceptanceRemembered(Agreement::License),
                 dialogs::LoadedAgreement(Agreement::License) != nullptr);
  });
}

TEST_F(FirstStartTest, AcceptingBothMovesOnAndIsRememberedForLaterRuns) {
  bool licenseSeenWhileTermsOpen = true;
  WhenShown(Agreement::Terms, [&](dialogs::AgreementWindow& terms) {
    EXPECT_TRUE(dialogs::FirstStart);
    EXPECT_TRUE(Check1(terms).isEnabled());
    Button(terms, "Command1").click();  // not ticked yet
    EXPECT_TRUE(terms.isVisible());
    licenseSeenWhileTermsOpen = dialogs::LoadedAgreement(Agreement::License) != nullptr;
    Check1(terms).setChecked(true);
    Button(terms, "Command1").click();
    WhenShown(Agreement::License, [](dialogs::AgreementWindow& license) {
      EXPECT_TRUE(dialogs::TermsAccepted);
      EXPECT_FALSE(Check1(license).isChecked());
      Check1(license).setChecked(true);
      Button(license, "Command1").click();
    });
  });

  dialogs::RunFirstStartSequenceWhenDue();

  EXPECT_THAT(messages.prompts(),
              testing::ElementsAre("You must Accept the Terms and Conditions before continuing."));
  EXPECT_EQ(messages.shown().at(0).title, "Rankscout");
  EXPECT_FALSE(licenseSeenWhileTermsOpen);
  EXPECT_TRUE(dialogs::TermsAccepted);
  EXPECT_TRUE(dialogs::LicenseAccepted);
  EXPECT_FALSE(dialogs::FirstStart);
  EXPECT_EQ(dialogs::LoadedAgreement(Agreement::Terms), nullptr);
  EXPECT_EQ(dialogs::LoadedAgreement(Agreement::License), nullptr);
  EXPECT_TRUE(dialogs::AcceptanceRemembered(Agreement::Terms));
  EXPECT_TRUE(dialogs::AcceptanceRemembered(Agreement::License));
}

TEST_F(FirstStartTest, ASecondStartShowsNoWindow) {
  dialogs::RememberAcceptance(Agreement::Terms);
  dialogs::RememberAcceptance(Agreement::License);
  WhenShown(Agreement::Terms, [](dialogs::AgreementWindow&) { ADD_FAILURE() << "terms shown"; });

  dialogs::RunFirstStartSequenceWhenDue();

  EXPECT_EQ(dialogs::LoadedAgreement(Agreement::Terms), nullptr);
  EXPECT_EQ(dialogs::LoadedAgreement(Agreement::License), nullptr);
  EXPECT_FALSE(dialogs::FirstStart);
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(FirstStartTest, AStartWithOnlyTheTermsRememberedAsksForBothAgain) {
  dialogs::RememberAcceptance(Agreement::Terms);
  int windowsAccepted = 0;
  dialogstest::AcceptBothWhenShown(windowsAccepted, [](dialogs::AgreementWindow& window) {
    EXPECT_FALSE(Check1(window).isChecked());  // the first start never ticks for the user
  });

  dialogs::RunFirstStartSequenceWhenDue();

  EXPECT_EQ(windowsAccepted, 2);
  EXPECT_TRUE(dialogs::AcceptanceRemembered(Agreement::License));
}

// Each refusal ends the program from inside the start-up's wait, before the
// start-up goes on; nothing is remembered for the refused window.
struct Refusal {
  const char* name;
  Agreement refused;
  bool ticked;
  const char* how;  // "Command2" (Exit) or "close" (the close box)
  const char* report;
};
void PrintTo(const Refusal& r, std::ostream* out) { *out << r.name; }

class FirstStartRefusalTest : public FirstStartTest,
                              public testing::WithParamInterface<Refusal> {};

TEST_P(FirstStartRefusalTest, EndsTheProgram) {
  const Refusal refusal = GetParam();
  const auto refuse = [refusal](dialogs::AgreementWindow& window) {
    Check1(window).setChecked(refusal.ticked);
    if (QLatin1String(refusal.how) == QLatin1String("close"))
      window.close();
    else
      Button(window, refusal.how).click();
  };
  const auto run = [&] {
    ReportStateWhenEnding();
    if (refusal.refused == Agreement::Terms) {
      WhenShown(Agreement::Terms, refuse);
    } else {
      WhenShown(Agreement::Terms, [&](dialogs::AgreementWindow& terms) {
        Check1(terms).setChecked(true);
        Button(terms, "Command1").click();
        WhenShown(Agreement::License, refuse);
      });
    }
    dialogs::RunFirstStartSequenceWhenDue();
    std::fprintf(stderr, "the start-up went on\n");
  };
  EXPECT_EXIT(run(), testing::ExitedWithCode(0), refusal.report);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, FirstStartRefusalTest,
    testing::Values(
        Refusal{"TermsCloseBoxUnticked", Agreement::Terms, false, "close",
                "terms remembered 0, license remembered 0, license shown 0"},
        Refusal{"TermsExitUnticked", Agreement::Terms, false, "Command2",
                "terms remembered 0, license remembered 0, license shown 0"},
        Refusal{"TermsExitTicked", Agreement::Terms, true, "Command2",
                "terms remembered 0, license remembered 0, license shown 0"},
        Refusal{"TermsCloseBoxTicked", Agreement::Terms, true, "close",
                "terms remembered 0, license remembered 0, license shown 0"},
        Refusal{"LicenseCloseBoxUnticked", Agreement::License, false, "close",
                "terms remembered 1, license remembered 0"},
        Refusal{"LicenseExitTicked", Agreement::License, true, "Command2",
                "terms remembered 1, license remembered 0"}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

}  // namespace
