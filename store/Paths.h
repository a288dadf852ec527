#pragma once
// Folder and file texts. Tables and lists may write folders with "\" or "/";
// both separate, and the program works with "/". Relative folders are
// resolved against the working folder at the time of access. File names are
// matched without regard to letter case, as on the suite's original platform.
#include <QString>

namespace q7 {

// "\" -> "/"; nothing else changes (a doubled separator stays doubled).
QString NormalizeSeparators(const QString &path);

// A folder text as an absolute folder path ending in "/": separators
// normalised, a relative folder resolved against the current working folder,
// repeated separators and "." collapsed. "" is the working folder.
QString AbsoluteFolder(const QString &folder);

// Folder text + file name as an absolute path (not looked up).
QString JoinFolderFile(const QString &folder, const QString &fileName);

// Looks the path up component by component; where a component does not exist
// as spelled, an entry of the same folder whose name differs only in letter
// case is taken (the exact spelling wins when both exist). Returns the real
// path of what exists, or the path as formed (absolute, separators
// normalised) when some component has no match.
QString ResolveExistingPath(const QString &path);

// The folder of the running program file, ending in "/".
QString ProgramFolder();
// Replaces ProgramFolder() (tests); an empty text restores the real one.
void SetProgramFolderForTests(const QString &folder);

}  // namespace q7
