#pragma once

#include <QString>

namespace Updater {

// The start procedure of the updater program.
void Main();

// Downloads `url` into `localPath`, always from the server; yes when the
// download service reports success.
bool DownloadMainProgram(const QString& url, const QString& localPath);

// The main program's executable on the update server.
QString MainProgramAddress();

}  // namespace Updater
