#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {

MsgBoxHandler& Handler() {
  static MsgBoxHandler handler;
  return handler;
}

QMessageBox::StandardButtons ToQt(MsgBoxButtons buttons) {
  switch (buttons) {
    case MsgBoxButtons::OK: return QMessageBox::Ok;
    case MsgBoxButtons::OKCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgBoxButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgBoxButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

MsgBoxResult FromQt(int pressed, MsgBoxButtons buttons) {
  switch (pressed) {
    case QMessageBox::Ok: return MsgBoxResult::OK;
    case QMessageBox::Yes: return MsgBoxResult::Yes;
    case QMessageBox::No: return MsgBoxResult::No;
    case QMessageBox::Cancel: return MsgBoxResult::Cancel;
    default:
      // Closed by Esc or the close box: the box's cancelling answer.
      return buttons == MsgBoxButtons::OK ? MsgBoxResult::OK
             : buttons == MsgBoxButtons::YesNo ? MsgBoxResult::No
                                               : MsgBoxResult::Cancel;
  }
}

}  // namespace

MsgBoxResult MsgBox(const QString& prompt, MsgBoxButtons buttons, const QString& title) {
  if (Handler()) return Handler()(prompt, buttons, title);
  QMessageBox box(QMessageBox::NoIcon, title, prompt, ToQt(buttons), QApplication::activeWindow());
  return FromQt(box.exec(), buttons);
}

void SetMsgBoxHandler(MsgBoxHandler handler) { Handler() = std::move(handler); }

}  // namespace platform
