#pragma once
// Installation copy: the files of the chosen country are copied to the places
// named by the installation list "q7Folder/Install.txt", and, on request, each
// copy is recorded with its sizes in "q7Folder/LOGINSTALL.txt". Nothing here
// shows a message: single copies are only recorded in the log, and the errors
// that end the deployment are thrown to the caller. No widget header here.
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>

namespace q7 {

// The deployment could not start or could not go on: the installation list is
// missing or unreadable, or the installation log cannot be created or written.
class InstallCopyError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One line of the installation list, split as the list is read.
struct InstallLine {
  QString fileName;           // up to the first ","; empty when there is none
  QString destinationFolder;  // between the first and the second ","; empty without a second ","
  QString baseName;           // file name up to its first "."; empty without "."
  QString extension;          // file name from its first ".", ASCII capitals; the whole name without "."
};
InstallLine SplitInstallLine(const QString &line);

// The extensions a line's extension stands for, in copy order: the whole table
// group (".DAT", ".IDX", ".BLB") or report group (".SPR", ".BAK", ".PFG") for
// any of its members, otherwise the extension alone.
QStringList MemberExtensions(const QString &extension);

// One log record. kind is 'A' (copied), 'B' (first copy refused), 'C' (second
// copy done), 'D' (second copy refused) or 'E' (error on the line);
// destinationPath is the path as formed from the list.
QString InstallLogRecord(char kind, qint64 n, const QString &destinationPath, qint64 installedSize,
                         qint64 newSize);

// What happened to one source file found.
struct InstallCopyEntry {
  qint64 number = 0;        // n of the log
  QString sourcePath;       // country folder, base name, member extension
  QString destinationPath;  // as formed from the list (the log's path)
  bool copiedFirst = false;
  bool copiedSecond = false;  // meaningful only when the first copy was refused
  qint64 installedSize = 0;   // measured only with the log on
  qint64 newSize = 0;
};

struct InstallCopyResult {
  qint64 filesFound = 0;  // the final n
  QList<InstallCopyEntry> entries;
  QStringList lineErrors;  // lines abandoned by an error (record E with the log on)
  bool logWritten = false;
};

// Paths of the installation files, under a working folder.
QString InstallListPath(const QString &workingFolder);  // .../q7Folder/Install.txt
QString InstallLogPath(const QString &workingFolder);   // .../q7Folder/LOGINSTALL.txt
QString CountrySourceFolder(const QString &workingFolder, const QString &countryName);  // .../q7Folder/<country>/

// Stores the length of the source file into newSize, then that of the
// destination file into installedSize; each file is opened for reading and
// writing to be measured. Throws at the first file that cannot be opened or
// measured (missing, read-only, in use), leaving the values not yet reached
// untouched.
void MeasureFileSizes(qint64 &installedSize, qint64 &newSize, const QString &destinationPath,
                      const QString &sourcePath);

// Works through the installation list of workingFolder, copying each listed
// file that exists in sourceFolder (a full path) to its destination; relative
// destination folders are taken from workingFolder. A refused copy is tried
// once more after the attributes of both files are cleared, and both files are
// left read-only afterwards. With writeLog, LOGINSTALL.txt is created anew and
// gets one record per file found. Throws InstallCopyError when the list cannot
// be read or the log cannot be created or written; files copied before stay.
InstallCopyResult CopyInstallationFiles(const QString &workingFolder, const QString &sourceFolder,
                                        bool writeLog);

// The installation step of a save: deploys the files of the country folder
// q7Folder/<countryName>/ when that folder exists; nullopt when it does not
// (nothing is deployed and the save goes on). Errors as CopyInstallationFiles.
std::optional<InstallCopyResult> DeployCountryFiles(const QString &workingFolder,
                                                    const QString &countryName, bool writeLog);

}  // namespace q7
