#include "updater/frm_splash.h"

#include "updater/updater_module.h"

#include "platform/end_program.h"
#include "platform/event_wait.h"
#include "platform/message_box.h"
#include "platform/program_start.h"
#include "platform/window_measures.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QLabel>

#include <filesystem>
#include <system_error>

namespace {

const QString kTitle = QStringLiteral("Rankscout");
const QString kMainProgram = QStringLiteral("Rankscout.exe");
// The download lands beside the program, so that putting it in place is one rename.
const QString kDownloadFile = QStringLiteral("Rankscout.exe.download");

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top, int width, int height) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(platform::TwipsRect(left, top, width, height));
  return label;
}

// Arial bold 8.25 points in white, standing on the picture.
void MakeNotice(QLabel* label) {
  QFont font;
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  font.setPointSizeF(8.25);
  font.setBold(true);
  label->setFont(font);
  label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
}

constexpr QFileDevice::Permissions kFreshProgramPermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadUser |
    QFileDevice::WriteUser | QFileDevice::ExeUser | QFileDevice::ReadGroup | QFileDevice::ExeGroup |
    QFileDevice::ReadOther | QFileDevice::ExeOther;

}  // namespace

frmSplash::frmSplash(QString programFolder, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      programFolder_(std::move(programFolder)) {
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(QString());
  setWindowIcon(QIcon(QStringLiteral(":/updater/updater_icon.png")));
  setFixedSize(platform::TwipsSize(7095, 3975));

  Picture1 = MakeLabel(this, QString(), 0, 0, 7095, 3975);
  Picture1->setPixmap(QPixmap(QStringLiteral(":/updater/splash.jpg")));
  Picture1->setScaledContents(true);

  Label1 = MakeLabel(this, QStringLiteral("TM"), 840, 240, 255, 135);
  QFont small(QStringLiteral("Small Fonts"));
  small.setPointSizeF(5.25);
  Label1->setFont(small);
  Label1->setAutoFillBackground(true);

  Label5 = MakeLabel(this, QStringLiteral("Copyright \u00A9 2024"), 5520, 2280, 1455, 255);
  Label6 = MakeLabel(this, QStringLiteral("Rankscout Labs"), 5520, 2520, 1455, 255);
  Label7 = MakeLabel(this, QStringLiteral("Unauthorised copying or distribution of this program is prohibited by law."),
                     1560, 3360, 3735, 435);
  for (QLabel* label : {Label5, Label6, Label7}) MakeNotice(label);
  Label7->setWordWrap(true);
  for (auto [label, name] : {std::pair{Picture1, "Picture1"}, std::pair{Label1, "Label1"},
                             std::pair{Label5, "Label5"}, std::pair{Label6, "Label6"},
                             std::pair{Label7, "Label7"}})
    label->setObjectName(QString::fromLatin1(name));
}

void frmSplash::Form_Load() {
  QDir::setCurrent(programFolder_);
  platform::CentreOnScreen(*this);
  platform::ShowFirstWindow(*this);
  platform::PauseWithEvents(kStartWait);
  const bool replaced = UpdateRankscout();
  platform::MsgBox(replaced ? QStringLiteral("Updates were successful. Rankscout will restart.")
                            : QStringLiteral("The new version of Rankscout could not be downloaded. "
                                             "Rankscout will restart unchanged."),
                   platform::MsgBoxButtons::OK, kTitle);
  UpdateComplete();
}

bool frmSplash::UpdateRankscout() {
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    if (TryReplaceMainProgram()) return true;
    if (attempt < kAttempts) platform::PauseWithEvents(kRetryPause);
  }
  return false;
}

// The old program stays in place unless a complete new one is there to take its place.
bool frmSplash::TryReplaceMainProgram() {
  QFile::remove(kDownloadFile);
  const bool downloaded = Updater::DownloadMainProgram(Updater::MainProgramAddress(), kDownloadFile);
  if (!downloaded || QFileInfo(kDownloadFile).size() <= 0) {
    QFile::remove(kDownloadFile);
    return false;
  }
  const QFileInfo old(kMainProgram);
  QFile::setPermissions(kDownloadFile, old.exists() ? old.permissions() : kFreshProgramPermissions);
  std::error_code error;
  std::filesystem::rename(QFile::encodeName(kDownloadFile).toStdString(),
                          QFile::encodeName(kMainProgram).toStdString(), error);
  if (error) {
    QFile::remove(kDownloadFile);
    return false;
  }
  QFile check(kMainProgram);
  return check.open(QIODevice::ReadOnly);
}

void frmSplash::UpdateComplete() {
  if (platform::StartProgram(programFolder_ + QStringLiteral("\\") + kMainProgram,
                             platform::WindowStyle::MinimizedFocus) == 0) {
    platform::MsgBox(QStringLiteral("Rankscout could not be started."), platform::MsgBoxButtons::OK, kTitle);
  }
  platform::EndProgram();
}

void frmSplash::closeEvent(QCloseEvent* event) {
  event->accept();
  platform::EndProgram();
}
