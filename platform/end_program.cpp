#include "platform/end_program.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace platform {
namespace {

std::function<void()>& Handler() {
  static std::function<void()> handler;
  return handler;
}

}  // namespace

void EndProgram() {
  if (Handler()) Handler()();
  std::fflush(nullptr);
  // Settings are synced where they are written; nothing else needs unwinding.
  std::_Exit(0);
}

void SetEndProgramHandler(std::function<void()> handler) { Handler() = std::move(handler); }

}  // namespace platform
