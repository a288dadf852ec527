// q7UpdateModulo MODULE [COMPANY [LOG]]: the first-run wizard of one module.
#include "controls/LibrarySettings.h"
#include "controls/MessageDialog.h"
#include "controls/ProgramEnd.h"
#include "resources/DataModuleMenus.h"
#include "wizard/q7UpdateModulo.h"

#include <QApplication>

int main(int argc, char *argv[]) {
  // Without a first argument the program ends at once, without a window (and
  // without needing a display).
  if (argc < 2 || argv[1][0] == '\0') return q7::ExitSaved;

  // The number, date and time formats are in force before anything else.
  q7::InitLocaleSettingsFromSystem();

  QApplication app(argc, argv);
  q7::InstallMessageDialog();

  QStringList args = QApplication::arguments();
  args.removeFirst();  // the program itself

  TMenuDataModule menus;
  Tq7UpdateModuloForm form(args);
  if (q7::ProgramEndRequested()) return q7::ProgramEndStatus();

  form.show();
  const int status = app.exec();
  // Closing the window without a request (Escape, the window system) leaves
  // without saving.
  return q7::ProgramEndRequested() ? q7::ProgramEndStatus() : (status == 0 ? q7::ExitLeft : status);
}
