#pragma once
// File-system operations of the installation copy, with the behaviour of the
// suite's original platform on a POSIX file system:
// - names are matched without regard to letter case, and a replaced file keeps
//   the name it had;
// - the read-only attribute is the owner write bit, and this program refuses to
//   write a read-only file even when it runs as root;
// - a copy replaces its destination through a temporary file that is flushed
//   and renamed over it, so an interrupted copy leaves the old file whole;
// - a file this program holds open as a table is in use and is not replaced.
// No widget header here.
#include <QString>

#include <stdexcept>

namespace q7 {

// True when the path (matched without regard to case) names an existing
// regular file; folders, devices and pipes do not count.
bool IsExistingFile(const QString &path);

// True when the file exists and its owner write bit is clear.
bool IsReadOnlyFile(const QString &path);

// Sets the attributes of a regular file to none (owner write bit set again) or
// to read-only alone (every write bit cleared). Folders and missing files are
// left alone; failures are ignored, as the caller expects.
void ClearFileAttributes(const QString &path);
void SetFileReadOnly(const QString &path);

// Copies `source` over `destination`, replacing an existing destination.
// Returns false, with the reason in *why, when the copy is refused: missing or
// unreadable source, missing destination folder, read-only destination, a
// destination or source that is in use, a table file with a journal beside it,
// or any write error. The destination's permission bits and modification time
// are taken from the source, as an ordinary file copy does.
bool CopyFileOver(const QString &source, const QString &destination, QString *why = nullptr);

// Opens the file for reading and writing and returns its length in bytes.
// Throws std::runtime_error when the file is missing, is not a regular file, is
// read-only, is in use as a table, or cannot be opened.
qint64 FileLengthOpenedForWriting(const QString &path);

}  // namespace q7
