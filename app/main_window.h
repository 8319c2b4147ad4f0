#pragma once

#include <QMainWindow>

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;

// The main window: search words, web site, pages value, the 90 engine boxes
// and the menu that starts a search.
class frmMainForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit frmMainForm(QWidget* parent = nullptr);

  // Runs the start-up steps of loading the window; the caller shows it afterwards.
  void Form_Load();

  void mnuFindRanking_Click();
  void mnuSelectAll_Click();
  void mnuClearAll_Click();
  void mnuWebBrowser_Click();
  void mnuHelpUpdate_Click();
  void mnuExit_Click();

  QString OnLineStatus();

  QFrame* Line1;
  QGroupBox* Frame1;
  QLabel* Label1;
  QLineEdit* Text1;
  QLabel* Label3;
  QLineEdit* Text3;
  QLabel* Label2;
  QComboBox* Combo1;
  QLabel* Label4;
  QGroupBox* Frame3;
  std::array<QCheckBox*, 90> Check1;

  QAction* mnuFindRanking;
  QAction* mnuSelectAll;
  QAction* mnuClearAll;
  QAction* mnuWebBrowser;
  QMenu* mnuHelp;
  QAction* mnuHelpAbout;
  QAction* mnuAboutBar0;
  QAction* mnuHelpDisclaimer;
  QAction* mnuHelpLicense;
  QAction* mnuAboutBar2;
  QAction* mnuHelpUpdate;
  QAction* mnuExit;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();
  void RunFirstStartSequence();
};

// The start-up procedure: creates the main window, loads it and shows it.
void Main();
