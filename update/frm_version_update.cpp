#include "update/frm_version_update.h"

#include "update/hand_over.h"

#include "platform/window_measures.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 3720;
constexpr int kClientHeight = 2145;

QFrame* MakeLine(QWidget* parent, const char* name, int height, QPalette::ColorRole colour) {
  auto* line = new QFrame(parent);
  line->setObjectName(QString::fromLatin1(name));
  line->setGeometry(0, platform::Twips(height), platform::Twips(kClientWidth), 1);
  line->setAutoFillBackground(true);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, parent->palette().color(colour));
  line->setPalette(palette);
  return line;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int left) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(platform::TwipsRect(left, 1680, 735, 375));
  return button;
}

}  // namespace

frmVersionUpdate::frmVersionUpdate(update::MainWindowLink mainWindow, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      mainWindow_(std::move(mainWindow)) {
  setObjectName(QStringLiteral("frmVersionUpdate"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("       Rankscout Version Update"));
  setFixedSize(platform::TwipsSize(kClientWidth, kClientHeight));

  Label2 = new QLabel(QStringLiteral("A new version of Rankscout is available for download.\n"
                                     "Would you like to update to the new version at this time?"),
                      this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setGeometry(platform::TwipsRect(240, 360, 3255, 975));
  Label2->setWordWrap(true);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  Command1 = MakeButton(this, "Command1", QStringLiteral("Yes"), 600);
  Command2 = MakeButton(this, "Command2", QStringLiteral("No"), 2400);
  // Each pair reads as one etched rule: light above, dark below.
  Line3 = MakeLine(this, "Line3", 120, QPalette::HighlightedText);
  Line2 = MakeLine(this, "Line2", 240, QPalette::WindowText);
  Line1 = MakeLine(this, "Line1", 1440, QPalette::HighlightedText);
  Line6 = MakeLine(this, "Line6", 1560, QPalette::WindowText);

  connect(Command1, &QPushButton::clicked, this, &frmVersionUpdate::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &frmVersionUpdate::Command2_Click);
}

void frmVersionUpdate::Form_Load() { platform::CentreOnScreen(*this); }

void frmVersionUpdate::Command1_Click() {
  // Closing deletes the window; the hand-over keeps its own copy of the link.
  const update::MainWindowLink mainWindow = mainWindow_;
  close();
  update::UpdateRankscout(mainWindow);
}

void frmVersionUpdate::Command2_Click() { close(); }
