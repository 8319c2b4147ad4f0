#pragma once

#include "platform/message_box.h"

#include <QString>

#include <deque>
#include <functional>
#include <vector>

namespace testsupport {

// Stands in for the person in front of every message box while it lives:
// records each box and answers at once, with queued answers first.
class MessageBoxRecorder {
 public:
  struct Shown {
    QString prompt;
    platform::MsgBoxButtons buttons;
    QString title;
  };

  MessageBoxRecorder();
  ~MessageBoxRecorder();
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  void SetNextAnswer(platform::MsgBoxResult answer) { answers_.push_back(answer); }
  // Runs while a box is "open", before it is answered.
  void OnShow(std::function<void(const Shown&)> action) { onShow_ = std::move(action); }

  const std::vector<Shown>& shown() const { return shown_; }
  std::vector<QString> prompts() const;

 private:
  std::vector<Shown> shown_;
  std::deque<platform::MsgBoxResult> answers_;
  std::function<void(const Shown&)> onShow_;
};

}  // namespace testsupport
