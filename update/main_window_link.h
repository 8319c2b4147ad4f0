#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace update {

// What the update check and the hand-over need of the main window.
struct MainWindowLink {
  QPointer<QWidget> window;             // unloaded when the updater has started
  std::function<void()> mnuExit_Click;  // then the Exit handler ends the program
  QString programFolder = QCoreApplication::applicationDirPath();
};

}  // namespace update
