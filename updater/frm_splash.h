#pragma once

#include <QString>
#include <QWidget>

#include <chrono>

class QLabel;

// The updater's one window: the splash picture with its notices. Loading it
// waits briefly, replaces the main program and starts it again.
class frmSplash : public QWidget {
  Q_OBJECT

 public:
  // `programFolder` holds "Rankscout.exe" and this updater.
  explicit frmSplash(QString programFolder, QWidget* parent = nullptr);

  void Form_Load();
  // Replaces "Rankscout.exe" with the server's; false when every attempt failed.
  bool UpdateRankscout();
  // Starts "Rankscout.exe" and ends the updater.
  [[noreturn]] void UpdateComplete();

  QLabel* Picture1;
  QLabel* Label1;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;

  // The main program, which started the updater, ends during this wait.
  static constexpr std::chrono::milliseconds kStartWait{3000};
  static constexpr int kAttempts = 3;
  static constexpr std::chrono::milliseconds kRetryPause{2000};

 protected:
  // Form_QueryUnload: closing the splash in any way ends the updater at once.
  void closeEvent(QCloseEvent* event) override;

 private:
  bool TryReplaceMainProgram();

  QString programFolder_;
};
