#include "platform/message_box.h"
#include "tests/support/message_box_recorder.h"

#include <gtest/gtest.h>

namespace {

using platform::MsgBoxButtons;
using platform::MsgBoxResult;

TEST(MessageBoxRecorder, RecordsEveryBoxAndGivesQueuedAnswersThenDefaults) {
  testsupport::MessageBoxRecorder recorder;
  recorder.SetNextAnswer(MsgBoxResult::No);
  EXPECT_EQ(platform::MsgBox("Update?", MsgBoxButtons::YesNo, "Rankscout"), MsgBoxResult::No);
  EXPECT_EQ(platform::MsgBox("Again?", MsgBoxButtons::YesNo, "Rankscout"), MsgBoxResult::Yes);
  EXPECT_EQ(platform::MsgBox("Done.", MsgBoxButtons::OK, "Other"), MsgBoxResult::OK);
  ASSERT_EQ(recorder.shown().size(), 3u);
  EXPECT_EQ(recorder.shown()[0].prompt, "Update?");
  EXPECT_EQ(recorder.shown()[2].title, "Other");
  EXPECT_EQ(recorder.shown()[2].buttons, MsgBoxButtons::OK);
}

}  // namespace
