// The price-index editor of the Contabilidad module: one year of monthly
// indexes at a time, browsing the stored years and including a new one.
#include "controls/TarvoNumberEdit.h"
#include "store/Messages.h"
#include "wizard/WizardTables.h"
#include "wizard/q7UpdateModulo.h"

#include <QToolButton>

#include <exception>

// Entering the page from "&Siguiente": the latest stored year is shown and
// becomes the base of a new year.
void Tq7UpdateModuloForm::EnterPriceIndexPage() {
  try {
    q7::TableHandle &indexes = Tables->TbIPC;
    if (indexes.IsOpen() && indexes.RecordCount() > 0) {
      indexes.Last();
      ShowPriceIndexYear();
    }
  } catch (const std::exception &error) {
    q7::ShowMessage(q7::MsgType::Error, q7::MbOK, QString::fromUtf8(error.what()));
  }
  LastIndexYear = QString::number(EAno->AsInteger());
  BIncluir009->setEnabled(true);
}

// (The editor's operations are filled in with the price-index work.)
void Tq7UpdateModuloForm::ShowPriceIndexYear() {}
void Tq7UpdateModuloForm::ClearPriceIndexFields() {}
void Tq7UpdateModuloForm::EnableMonthFields(bool) {}
void Tq7UpdateModuloForm::StorePriceIndexYear(bool) {}
void Tq7UpdateModuloForm::BAnterior2032Click() {}
void Tq7UpdateModuloForm::BSiguiente2033Click() {}
void Tq7UpdateModuloForm::BIncluir009Click() {}
void Tq7UpdateModuloForm::TBCancelarClick() {}
void Tq7UpdateModuloForm::ToolButton5Click() {}
