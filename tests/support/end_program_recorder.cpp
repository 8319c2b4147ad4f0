#include "tests/support/end_program_recorder.h"

#include "platform/end_program.h"

namespace testsupport {

EndProgramRecorder::EndProgramRecorder() {
  platform::SetEndProgramHandler([this] {
    ++requests_;
    throw ProgramEnded();
  });
}

EndProgramRecorder::~EndProgramRecorder() { platform::SetEndProgramHandler({}); }

}  // namespace testsupport

