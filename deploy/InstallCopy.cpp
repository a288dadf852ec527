#include "deploy/InstallCopy.h"

#include "deploy/FileOps.h"
#include "store/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <sys/stat.h>

namespace q7 {

namespace {

const QStringList &TableGroup() {
  static const QStringList group{QStringLiteral(".DAT"), QStringLiteral(".IDX"), QStringLiteral(".BLB")};
  return group;
}

const QStringList &ReportGroup() {
  static const QStringList group{QStringLiteral(".SPR"), QStringLiteral(".BAK"), QStringLiteral(".PFG")};
  return group;
}

// Capitals for the ASCII letters only, as the list's extensions are compared.
QString AsciiUpper(QString text) {
  for (QChar &c : text)
    if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - (u'a' - u'A'));
  return text;
}

// Spaces that fill a column of the given width after `used` characters; at
// least one.
QString Fill(qsizetype width, qsizetype used) {
  return QString(std::max<qsizetype>(1, width - used), u' ');
}

QString Absolute(const QString &workingFolder, const QString &path) {
  const QString normal = NormalizeSeparators(path);
  if (normal.startsWith(u'/')) return normal;
  QString base = workingFolder;
  if (!base.endsWith(u'/')) base += u'/';
  return base + normal;
}

// The list's lines, decoded from Windows-1252. CR LF ends a line; a lone LF
// or CR is taken as a line end too.
QStringList ReadInstallList(const QString &listPath) {
  if (!IsExistingFile(listPath))
    throw InstallCopyError("No existe la lista de instalación " + listPath.toStdString());
  QFile file(ResolveExistingPath(listPath));
  if (!file.open(QIODevice::ReadOnly))
    throw InstallCopyError("No se pudo abrir " + listPath.toStdString() + ": " +
                           file.errorString().toStdString());
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    throw InstallCopyError("No se pudo leer " + listPath.toStdString() + ": " +
                           file.errorString().toStdString());
  QStringDecoder decoder("windows-1252");
  const QString text = decoder.decode(bytes);

  QStringList lines;
  QString current;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\r' || c == u'\n') {
      lines.append(current);
      current.clear();
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      current += c;
    }
  }
  if (!current.isEmpty()) lines.append(current);
  return lines;
}

// The installation log: Windows-1252 lines ending in CR LF, each flushed as it
// is written so that a failed write is noticed at its record.
class InstallLog {
 public:
  explicit InstallLog(const QString &path) : m_encoder("windows-1252") {
    const QString resolved = ResolveExistingPath(path);
    struct stat st;
    const QByteArray native = QFile::encodeName(resolved);
    if (::stat(native.constData(), &st) == 0 && (!S_ISREG(st.st_mode) || (st.st_mode & S_IWUSR) == 0))
      throw InstallCopyError("No se puede crear el registro de instalación " + path.toStdString());
    m_file.setFileName(resolved);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
      throw InstallCopyError("No se puede crear el registro de instalación " + path.toStdString() +
                             ": " + m_file.errorString().toStdString());
  }

  void Write(const QString &record) {
    const QByteArray bytes = m_encoder.encode(record) + QByteArrayLiteral("\r\n");
    if (m_file.write(bytes) != bytes.size() || !m_file.flush())
      throw InstallCopyError("No se pudo escribir el registro de instalación: " +
                             m_file.errorString().toStdString());
  }

 private:
  QStringEncoder m_encoder;
  QFile m_file;
};

}  // namespace

InstallLine SplitInstallLine(const QString &line) {
  InstallLine parts;
  const qsizetype first = line.indexOf(u',');
  if (first >= 0) {
    parts.fileName = line.left(first);
    const QString rest = line.mid(first + 1);
    const qsizetype second = rest.indexOf(u',');
    if (second >= 0) parts.destinationFolder = rest.left(second);
  }
  const qsizetype dot = parts.fileName.indexOf(u'.');
  if (dot >= 0) {
    parts.baseName = parts.fileName.left(dot);
    parts.extension = AsciiUpper(parts.fileName.mid(dot));
  } else {
    parts.extension = AsciiUpper(parts.fileName);
  }
  return parts;
}

QStringList MemberExtensions(const QString &extension) {
  if (TableGroup().contains(extension)) return TableGroup();
  if (ReportGroup().contains(extension)) return ReportGroup();
  return {extension};
}

QString InstallLogRecord(char kind, qint64 n, const QString &destinationPath, qint64 installedSize,
                         qint64 newSize) {
  const QString number = QString::number(n);
  const QString path = destinationPath;
  if (kind == 'E') return number + QStringLiteral("  ERROR [") + path + QStringLiteral(" ]");

  const QString installed = QString::number(installedSize);
  const QString fresh = QString::number(newSize);
  const QString c = Fill(4, number.size());
  const QString g = Fill(45, path.size());
  const QString sizes = QStringLiteral(" - Tamaño Original ") + installed + Fill(10, installed.size()) +
                        QStringLiteral("Bytes - Tamaño Nuevo ") + fresh + Fill(10, fresh.size()) +
                        QStringLiteral("Bytes");
  switch (kind) {
    case 'A':
      return number + c + QStringLiteral("COPIADO EN      [ ") + path + QStringLiteral(" ] ") + g + sizes +
             QStringLiteral(" ");
    case 'B':
      return number + c + QStringLiteral("NO COPIADO EN   [ ") + path + QStringLiteral(" ]") + g +
             QStringLiteral(" ") + sizes;
    case 'C':
      return number + c + QStringLiteral("2 COPIADO EN    [ ") + path + QStringLiteral("] ") + g +
             QStringLiteral(" ") + sizes + QStringLiteral(" - READONLY");
    case 'D':
      return number + c + QStringLiteral("2 NO COPIADO EN    [ ") + path + QStringLiteral(" ]") + g +
             QStringLiteral(" ") + sizes + QStringLiteral(" - READONLY");
    default:
      return {};
  }
}

QString InstallListPath(const QString &workingFolder) {
  return ResolveExistingPath(Absolute(workingFolder, QStringLiteral("q7Folder/Install.txt")));
}

QString InstallLogPath(const QString &workingFolder) {
  return ResolveExistingPath(Absolute(workingFolder, QStringLiteral("q7Folder/LOGINSTALL.txt")));
}

QString CountrySourceFolder(const QString &workingFolder, const QString &countryName) {
  QString folder = Absolute(workingFolder, QStringLiteral("q7Folder/") + countryName);
  if (!folder.endsWith(u'/')) folder += u'/';
  return folder;
}

void MeasureFileSizes(qint64 &installedSize, qint64 &newSize, const QString &destinationPath,
                      const QString &sourcePath) {
  newSize = FileLengthOpenedForWriting(sourcePath);
  installedSize = FileLengthOpenedForWriting(destinationPath);
}

InstallCopyResult CopyInstallationFiles(const QString &workingFolder, const QString &sourceFolder,
                                        bool writeLog) {
  const QString working = QDir(workingFolder).absolutePath();
  const QStringList lines = ReadInstallList(Absolute(working, QStringLiteral("q7Folder/Install.txt")));

  InstallCopyResult result;
  std::optional<InstallLog> log;
  if (writeLog) {
    log.emplace(Absolute(working, QStringLiteral("q7Folder/LOGINSTALL.txt")));
    result.logWritten = true;
  }

  qint64 n = 0;
  QString extension;  // keeps the previous line's value until the new one is worked out
  for (const QString &line : lines) {
    if (line.isEmpty()) continue;
    QString folder;
    QString name;
    try {
      const InstallLine parts = SplitInstallLine(line);
      name = parts.fileName;
      folder = parts.destinationFolder;
      name = parts.baseName;
      extension = parts.extension;

      for (const QString &member : MemberExtensions(extension)) {
        InstallCopyEntry entry;
        entry.sourcePath = sourceFolder + parts.baseName + member;
        if (!IsExistingFile(entry.sourcePath)) continue;
        entry.number = ++n;
        entry.destinationPath = folder + parts.baseName + member;
        const QString source = entry.sourcePath;
        const QString destination = Absolute(working, entry.destinationPath);

        auto measure = [&] {
          if (!log) return;
          try {
            MeasureFileSizes(entry.installedSize, entry.newSize, destination, source);
          } catch (const std::exception &) {
            // A file that cannot be measured keeps the sizes it had.
          }
        };
        measure();
        entry.copiedFirst = CopyFileOver(source, destination);
        if (entry.copiedFirst) {
          if (log)
            log->Write(InstallLogRecord('A', n, entry.destinationPath, entry.installedSize, entry.newSize));
        } else {
          if (log)
            log->Write(InstallLogRecord('B', n, entry.destinationPath, entry.installedSize, entry.newSize));
          ClearFileAttributes(destination);
          ClearFileAttributes(source);
          // Both files end read-only after a refused copy, also when a log
          // write below fails.
          struct LeaveReadOnly {
            const QString &a, &b;
            ~LeaveReadOnly() {
              SetFileReadOnly(a);
              SetFileReadOnly(b);
            }
          } leaveReadOnly{destination, source};
          measure();
          entry.copiedSecond = CopyFileOver(source, destination);
          if (log)
            log->Write(InstallLogRecord(entry.copiedSecond ? 'C' : 'D', n, entry.destinationPath,
                                        entry.installedSize, entry.newSize));
        }
        result.entries.append(entry);
      }
    } catch (const std::exception &) {
      result.lineErrors.append(line);
      // A failure to write this record leaves the deployment.
      if (log) log->Write(InstallLogRecord('E', n, folder + name + extension, 0, 0));
    }
  }
  result.filesFound = n;
  return result;
}

std::optional<InstallCopyResult> DeployCountryFiles(const QString &workingFolder,
                                                    const QString &countryName, bool writeLog) {
  const QString working = QDir(workingFolder).absolutePath();
  QString folder = ResolveExistingPath(CountrySourceFolder(working, countryName));
  if (!QFileInfo(folder).isDir()) return std::nullopt;
  if (!folder.endsWith(u'/')) folder += u'/';
  return CopyInstallationFiles(working, folder, writeLog);
}

}  // namespace q7
