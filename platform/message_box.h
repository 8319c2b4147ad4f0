#pragma once

#include <QString>

#include <functional>

namespace platform {

// The button sets and answers of a plain message box.
enum class MsgBoxButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgBoxResult { OK, Cancel, Yes, No };

// Shows a modal message box and returns the button pressed. Every message of
// the programs goes through here, so a test can answer it instead of a person.
MsgBoxResult MsgBox(const QString& prompt, MsgBoxButtons buttons, const QString& title);

// Replaces the real message box; an empty function restores it.
using MsgBoxHandler =
    std::function<MsgBoxResult(const QString& prompt, MsgBoxButtons buttons, const QString& title)>;
void SetMsgBoxHandler(MsgBoxHandler handler);

}  // namespace platform
