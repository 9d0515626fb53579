#pragma once
// The file operations of the diagnostic log on POSIX. The log may live in a shared temporary
// folder, so none of them follows a symbolic link, writes into anything but a regular file of
// this user, or truncates a file that already exists.
//
// Each operation stores the error code of a failure in the thread's last error (Windows
// numbering, see MapErrno) and returns false or an empty result.
#include <QByteArray>
#include <QString>

#include <cstdint>

#include "platform/platform.h"

namespace quarrant::posix {

// errno onto the platform error codes the log knows: 2 file not found, 3 path not found,
// 5 access denied, 8 insufficient memory, 19 write protected, 21 device not ready, 32 file in
// use, 112 disk full, 1392 corrupt file, 1151 not a program; anything else 31 (general failure).
uint32_t MapErrno(int error);

uint32_t LastError();
void SetLastError(uint32_t code);
// Stores MapErrno(errno).
void SetLastErrorFromErrno();

bool FileExists(const QString& path);       // anything but a folder (follows links)
bool DirectoryExists(const QString& path);  // follows links
bool IsSymbolicLink(const QString& path);

CreateResult CreateNewFile(const QString& path);
QString CreateUniqueFile(const QString& folder, const QString& stem);
bool RemoveFile(const QString& path);
bool ResetFileAttributes(const QString& path);
bool AppendToFile(const QString& path, const QByteArray& bytes);

}  // namespace quarrant::posix
