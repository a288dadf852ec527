#include "deploy/FileOps.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "store/Paths.h"
#include "store/TableHandle.h"

namespace q7 {

namespace {

// Paths are looked up without regard to letter case; what does not exist
// keeps the spelling it was formed with. A name with a NUL in it names no
// file and is not looked up.
QString ResolveFilePath(const QString &path) {
  return path.contains(QChar(u'\0')) ? path : ResolveExistingPath(path);
}

// The bytes the operating system gets for a path; false for a path that no
// file can have (an embedded NUL would silently cut the name short).
bool NativePath(const QString &path, std::string &out) {
  if (path.isEmpty() || path.contains(QChar(u'\0'))) return false;
  const QByteArray bytes = QFile::encodeName(path);
  out.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
  return true;
}

bool StatPath(const QString &path, struct stat &st) {
  std::string native;
  return NativePath(path, native) && ::stat(native.c_str(), &st) == 0;
}

bool ExistsExactly(const QString &path) {
  struct stat st;
  return StatPath(path, st);
}

// A table file of this program is in use while a table handle holds it open.
bool InUseAsTable(const QString &resolvedPath) {
  return IsTableFileOpen(resolvedPath);
}

// A rollback journal or write-ahead log beside a file means its last
// transaction is still pending: SQLite would replay that journal onto
// whatever file then carries the name, so such a file is neither copied nor
// replaced.
bool HasPendingJournal(const QString &resolvedPath) {
  return ExistsExactly(resolvedPath + QStringLiteral("-journal")) ||
         ExistsExactly(resolvedPath + QStringLiteral("-wal"));
}

QString ErrnoText(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

bool WriteAll(int fd, const char *data, size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

// Copies the open source into the open target; false on a read or write error.
bool CopyContent(int from, int to) {
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(from, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (got == 0) return true;
    if (!WriteAll(to, buffer, static_cast<size_t>(got))) return false;
  }
}

void SyncFolder(const std::string &folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // the rename is done; a folder that cannot be flushed changes nothing
  ::close(fd);
}

}  // namespace

bool IsExistingFile(const QString &path) {
  struct stat st;
  return StatPath(ResolveFilePath(path), st) && S_ISREG(st.st_mode);
}

bool IsReadOnlyFile(const QString &path) {
  struct stat st;
  return StatPath(ResolveFilePath(path), st) && (st.st_mode & S_IWUSR) == 0;
}

void ClearFileAttributes(const QString &path) {
  std::string native;
  struct stat st;
  if (!NativePath(ResolveFilePath(path), native) || ::stat(native.c_str(), &st) != 0 ||
      !S_ISREG(st.st_mode))
    return;
  ::chmod(native.c_str(), (st.st_mode & 07777) | S_IWUSR);
}

void SetFileReadOnly(const QString &path) {
  std::string native;
  struct stat st;
  if (!NativePath(ResolveFilePath(path), native) || ::stat(native.c_str(), &st) != 0 ||
      !S_ISREG(st.st_mode))
    return;
  ::chmod(native.c_str(), st.st_mode & 07777 & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH));
}

bool CopyFileOver(const QString &source, const QString &destination, QString *why) {
  auto refuse = [why](const QString &reason) {
    if (why) *why = reason;
    return false;
  };

  const QString from = ResolveFilePath(source);
  std::string fromNative;
  struct stat fromStat;
  if (!NativePath(from, fromNative) || ::stat(fromNative.c_str(), &fromStat) != 0 ||
      !S_ISREG(fromStat.st_mode))
    return refuse(QStringLiteral("no existe el archivo de origen"));
  if (InUseAsTable(from) || HasPendingJournal(from))
    return refuse(QStringLiteral("el archivo de origen está en uso"));

  const QString to = ResolveFilePath(destination);
  std::string toNative;
  if (!NativePath(to, toNative) || to.endsWith(u'/'))
    return refuse(QStringLiteral("nombre de destino no válido"));
  struct stat toStat;
  if (::stat(toNative.c_str(), &toStat) == 0) {
    if (!S_ISREG(toStat.st_mode)) return refuse(QStringLiteral("el destino no es un archivo"));
    if ((toStat.st_mode & S_IWUSR) == 0) return refuse(QStringLiteral("el destino es de solo lectura"));
    if (InUseAsTable(to) || HasPendingJournal(to))
      return refuse(QStringLiteral("el archivo de destino está en uso"));
  }

  const qsizetype slash = to.lastIndexOf(u'/');
  const QString folder = slash < 0 ? QStringLiteral(".") : (slash == 0 ? QStringLiteral("/") : to.left(slash));
  std::string folderNative;
  if (!NativePath(folder, folderNative)) return refuse(QStringLiteral("carpeta de destino no válida"));
  std::string tempName = folderNative + "/.q7copy-XXXXXX";

  const int in = ::open(fromNative.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (in < 0) return refuse(ErrnoText(errno));
  const int out = ::mkstemp(tempName.data());
  if (out < 0) {
    const int err = errno;
    ::close(in);
    return refuse(ErrnoText(err));
  }
  bool ok = CopyContent(in, out);
  int err = ok ? 0 : errno;
  ::close(in);
  if (ok && ::fchmod(out, fromStat.st_mode & 0777) != 0) ok = false, err = errno;
  if (ok) {
    const struct timespec times[2] = {fromStat.st_atim, fromStat.st_mtim};
    ::futimens(out, times);  // times are a courtesy of the copy, not its purpose
  }
  if (ok && ::fsync(out) != 0) ok = false, err = errno;
  if (::close(out) != 0 && ok) ok = false, err = errno;
  if (ok && ::rename(tempName.c_str(), toNative.c_str()) != 0) ok = false, err = errno;
  if (!ok) {
    ::unlink(tempName.c_str());
    return refuse(ErrnoText(err));
  }
  SyncFolder(folderNative);
  return true;
}

qint64 FileLengthOpenedForWriting(const QString &path) {
  const QString resolved = ResolveFilePath(path);
  std::string native;
  struct stat st;
  if (!NativePath(resolved, native) || ::stat(native.c_str(), &st) != 0)
    throw std::runtime_error("No existe el archivo " + path.toStdString());
  if (!S_ISREG(st.st_mode)) throw std::runtime_error("No es un archivo: " + path.toStdString());
  if ((st.st_mode & S_IWUSR) == 0)
    throw std::runtime_error("Archivo de solo lectura: " + path.toStdString());
  // Opening a table file beside SQLite and closing it again would drop
  // SQLite's locks on it, so a file in use is not touched at all.
  if (InUseAsTable(resolved)) throw std::runtime_error("Archivo en uso: " + path.toStdString());
  const int fd = ::open(native.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) throw std::runtime_error("No se pudo abrir " + path.toStdString() + ": " + std::strerror(errno));
  struct stat opened;
  const int rc = ::fstat(fd, &opened);
  ::close(fd);
  if (rc != 0 || !S_ISREG(opened.st_mode))
    throw std::runtime_error("No se pudo medir " + path.toStdString());
  return static_cast<qint64>(opened.st_size);
}

}  // namespace q7
