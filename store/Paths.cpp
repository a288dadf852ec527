#include "store/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>

namespace q7 {

namespace {
QMutex &ProgramFolderMutex() {
  static QMutex mutex;
  return mutex;
}
QString &ProgramFolderOverride() {
  static QString folder;
  return folder;
}

QString WithTrailingSlash(QString path) {
  if (!path.endsWith(u'/')) path += u'/';
  return path;
}
}  // namespace

QString NormalizeSeparators(const QString &path) {
  QString out = path;
  out.replace(u'\\', u'/');
  return out;
}

QString AbsoluteFolder(const QString &folder) {
  const QString normal = NormalizeSeparators(folder);
  QString absolute = QDir::isAbsolutePath(normal) ? normal : QDir::currentPath() + u'/' + normal;
  return WithTrailingSlash(QDir::cleanPath(absolute));
}

QString JoinFolderFile(const QString &folder, const QString &fileName) {
  return QDir::cleanPath(AbsoluteFolder(folder) + NormalizeSeparators(fileName));
}

QString ResolveExistingPath(const QString &path) {
  QString normal = NormalizeSeparators(path);
  if (!QDir::isAbsolutePath(normal)) normal = QDir::currentPath() + u'/' + normal;
  normal = QDir::cleanPath(normal);
  if (QFileInfo::exists(normal)) return normal;

  const QStringList parts = normal.split(u'/', Qt::SkipEmptyParts);
  QString current = QStringLiteral("/");
  for (qsizetype i = 0; i < parts.size(); ++i) {
    const QString &part = parts[i];
    const QString exact = WithTrailingSlash(current) + part;
    if (QFileInfo::exists(exact)) {
      current = exact;
      continue;
    }
    QString match;
    if (part != QLatin1String(".") && part != QLatin1String("..")) {
      QDir dir(current);
      const QStringList entries =
          dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
      for (const QString &entry : entries) {
        if (entry.compare(part, Qt::CaseInsensitive) == 0) {
          match = entry;
          break;
        }
      }
    }
    if (match.isEmpty()) {
      // Nothing matches: the rest stays as formed.
      QString formed = exact;
      for (qsizetype j = i + 1; j < parts.size(); ++j) formed += u'/' + parts[j];
      return formed;
    }
    current = WithTrailingSlash(current) + match;
  }
  return current;
}

QString ProgramFolder() {
  {
    QMutexLocker lock(&ProgramFolderMutex());
    if (!ProgramFolderOverride().isEmpty()) return ProgramFolderOverride();
  }
  return WithTrailingSlash(QCoreApplication::applicationDirPath());
}

void SetProgramFolderForTests(const QString &folder) {
  QMutexLocker lock(&ProgramFolderMutex());
  ProgramFolderOverride() = folder.isEmpty() ? QString() : AbsoluteFolder(folder);
}

}  // namespace q7
