#pragma once

#include <stdexcept>

namespace testsupport {

// Thrown in place of ending the process, so the test unwinds out of the caller.
struct ProgramEnded : std::runtime_error {
  ProgramEnded() : std::runtime_error("the program asked to end") {}
};

// While it lives, platform::EndProgram throws ProgramEnded instead of ending
// the test process, and the request is counted.
class EndProgramRecorder {
 public:
  EndProgramRecorder();
  ~EndProgramRecorder();
  EndProgramRecorder(const EndProgramRecorder&) = delete;
  EndProgramRecorder& operator=(const EndProgramRecorder&) = delete;

  int requests() const { return requests_; }

 private:
  int requests_ = 0;
};

}  // namespace testsupport
