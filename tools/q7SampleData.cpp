// q7SampleData WORKING_FOLDER [PROGRAM_FOLDER]: lays out the sample data. The
// program folder, where the hotel keeps EMPRE003/DATA/, defaults to the folder
// of this command, which is where q7UpdateModulo is built beside it.
#include "tools/SampleData.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <exception>

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() < 2 || args.size() > 3 || args[1].isEmpty()) {
    std::fprintf(stderr, "uso: q7SampleData CARPETA_DE_TRABAJO [CARPETA_DEL_PROGRAMA]\n");
    return 64;
  }
  const QString working = args[1];
  const QString program = args.size() == 3 ? args[2] : QCoreApplication::applicationDirPath();
  try {
    q7sample::LayOutSampleData(working, program);
  } catch (const std::exception &error) {
    std::fprintf(stderr, "q7SampleData: %s\n", error.what());
    return 1;
  }
  std::printf("Datos de muestra en %s (hotel en %s)\n", qPrintable(QDir(working).absolutePath()),
              qPrintable(QDir(program).absoluteFilePath(QStringLiteral("EMPRE003/DATA"))));
  return 0;
}
