#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <vector>

namespace testsupport {

// One start of the started-program stand-in.
struct StartRecord {
  QString style;  // the window style it was given, as digits
  QString workingFolder;
  QStringList arguments;
};

// The built stand-in program.
QString StartedProgramPath();

// Copies the stand-in to `path` (folders made as needed), executable.
void PlantStartedProgram(const QString& path);

// The starts recorded for the stand-in planted at `path`.
std::vector<StartRecord> StartRecords(const QString& path);

// Waits, with events running, until `count` starts are recorded or `limit` passes.
std::vector<StartRecord> WaitForStartRecords(const QString& path, std::size_t count,
                                             std::chrono::milliseconds limit = std::chrono::seconds(10));

}  // namespace testsupport
