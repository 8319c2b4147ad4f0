#include "tests/support/start_records.h"

#include "platform/event_wait.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace testsupport {

QString StartedProgramPath() { return QStringLiteral(RANKSCOUT_STARTED_PROGRAM); }

void PlantStartedProgram(const QString& path) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile::remove(path);
  QFile::copy(StartedProgramPath(), path);
  QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ReadOwner);
}

std::vector<StartRecord> StartRecords(const QString& path) {
  QFile file(path + QStringLiteral(".started"));
  std::vector<StartRecord> records;
  if (!file.open(QIODevice::ReadOnly)) return records;
  StartRecord current;
  for (const QByteArray& raw : file.readAll().split('\n')) {
    const QString line = QString::fromUtf8(raw);
    if (line.startsWith(QLatin1String("style "))) current.style = line.mid(6);
    else if (line.startsWith(QLatin1String("cwd "))) current.workingFolder = line.mid(4);
    else if (line.startsWith(QLatin1String("arg "))) current.arguments.append(line.mid(4));
    else if (line == QLatin1String("end")) records.push_back(std::exchange(current, {}));
  }
  return records;
}

std::vector<StartRecord> WaitForStartRecords(const QString& path, std::size_t count,
                                             std::chrono::milliseconds limit) {
  const QDeadlineTimer deadline(limit);
  std::vector<StartRecord> records = StartRecords(path);
  while (records.size() < count && !deadline.hasExpired()) {
    // The started program writes from another process: look again after a short pause.
    platform::PauseWithEvents(std::chrono::milliseconds(20));
    records = StartRecords(path);
  }
  return records;
}

}  // namespace testsupport
