#pragma once

#include "update/main_window_link.h"

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

// The offer of a new version. "Yes" hands over to the updater; "No" and
// closing the window in any other way decline. It unloads itself either way.
class frmVersionUpdate : public QWidget {
  Q_OBJECT

 public:
  explicit frmVersionUpdate(update::MainWindowLink mainWindow, QWidget* parent = nullptr);

  void Form_Load();
  void Command1_Click();
  void Command2_Click();

  QLabel* Label2;
  QPushButton* Command1;
  QPushButton* Command2;
  QFrame* Line3;
  QFrame* Line2;
  QFrame* Line1;
  QFrame* Line6;

 private:
  update::MainWindowLink mainWindow_;
};
