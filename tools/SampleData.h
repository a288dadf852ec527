#pragma once
// Sample data: a complete working folder with every module's tables holding
// plausible values, the country folders with their templates and installation
// files, and the installation list. The demo and the test fixtures use it.
#include <QString>
#include <QStringList>

namespace q7sample {

// The countries of the country page that get a folder; "Nicaragua", the sixth,
// is left without one so that a missing country folder can be seen.
QStringList SampleCountries();

// Lays out the sample data in workingFolder (created when missing) and the
// hotel settings table in programFolder/EMPRE003/DATA/. A folder that already
// holds files is used only when an earlier sample layout marked it; then the
// sample files are replaced and everything else stays. Throws
// std::runtime_error when a folder is refused or a file cannot be written.
void LayOutSampleData(const QString &workingFolder, const QString &programFolder);

}  // namespace q7sample
