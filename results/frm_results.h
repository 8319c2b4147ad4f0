#pragma once

#include <QMainWindow>

class FlexGrid;
class QAction;
class QFrame;

// The results window: one grid row per engine box, shown while a run fills it.
class frmResults : public QMainWindow {
  Q_OBJECT

 public:
  explicit frmResults(QWidget* parent = nullptr);

  void mnuExit_Click();

  FlexGrid* MSHFlexGrid1;
  QFrame* Line1;
  QAction* mnuExit;
  QAction* mnuPrint;

 signals:
  // The window has been unloaded; the main window is to be shown again.
  void Unloaded();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Form_Load();
  void Unload();

  bool unloaded_ = false;
};

namespace results {

// The loaded results window, or nullptr when it is not loaded.
frmResults* LoadedResults();

// Loads the results window when it is not loaded yet, hidden.
frmResults& LoadResults();

}  // namespace results
