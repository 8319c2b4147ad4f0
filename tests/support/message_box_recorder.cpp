#include "tests/support/message_box_recorder.h"

namespace testsupport {
namespace {

platform::MsgBoxResult DefaultAnswer(platform::MsgBoxButtons buttons) {
  switch (buttons) {
    case platform::MsgBoxButtons::OK:
    case platform::MsgBoxButtons::OKCancel: return platform::MsgBoxResult::OK;
    case platform::MsgBoxButtons::YesNo:
    case platform::MsgBoxButtons::YesNoCancel: return platform::MsgBoxResult::Yes;
  }
  return platform::MsgBoxResult::OK;
}

}  // namespace

MessageBoxRecorder::MessageBoxRecorder() {
  platform::SetMsgBoxHandler([this](const QString& prompt, platform::MsgBoxButtons buttons,
                                    const QString& title) {
    shown_.push_back({prompt, buttons, title});
    if (onShow_) onShow_(shown_.back());
    if (answers_.empty()) return DefaultAnswer(buttons);
    const platform::MsgBoxResult answer = answers_.front();
    answers_.pop_front();
    return answer;
  });
}

MessageBoxRecorder::~MessageBoxRecorder() { platform::SetMsgBoxHandler({}); }

std::vector<QString> MessageBoxRecorder::prompts() const {
  std::vector<QString> result;
  for (const Shown& s : shown_) result.push_back(s.prompt);
  return result;
}

}  // namespace testsupport
