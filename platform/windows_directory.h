#pragma once

// The Windows directory and the drive mapping: a Windows path "X:\a\b" names
// the file a/b in the folder of drive X, <XDG data home>/rankscout/drives/x
// (which may be a link to anywhere). Paths without a drive letter are taken
// as this system's own, with "\" read as "/".

#include <QChar>
#include <QString>

#include <cstdint>

namespace platform {

// Copies "C:\WINDOWS" with its NUL and returns its length; when `size` is too
// small, copies nothing and returns the size needed, NUL included.
std::uint32_t GetWindowsDirectoryA(char* buffer, std::uint32_t size);

QString DriveFolder(QChar driveLetter);

// The local path that a Windows-style path names.
QString NativePath(const QString& windowsPath);

}  // namespace platform
