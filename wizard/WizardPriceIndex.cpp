// The price-index editor of the Contabilidad module: one year of monthly
// indexes at a time, browsing the stored years and including a new one. The
// table work (reading a year, keeping the locked months exactly as stored,
// refusing a year that exists) is q7::PriceIndexTable's; this file turns it
// into fields and the two states of the page (browsing, including).
#include "controls/TarvoNumberEdit.h"
#include "store/Messages.h"
#include "store/PriceIndex.h"
#include "wizard/WizardTables.h"
#include "wizard/q7UpdateModulo.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <exception>
#include <optional>

namespace {

q7::PriceIndexTable &Editor(Tq7UpdateModuloForm &form) {
  if (!form.IndexEditor) form.IndexEditor = std::make_shared<q7::PriceIndexTable>(form.Tables->TbIPC);
  return *form.IndexEditor;
}

// An unexpected failure ends the handler with an error box; the window goes on.
template <class Step>
void Guarded(Step &&step) {
  try {
    step();
  } catch (const std::exception &error) {
    q7::ShowMessage(q7::MsgType::Error, q7::MbOK, QString::fromUtf8(error.what()));
  }
}

// Shows a year read from the table; without one the fields keep what they
// show. A month holding a value is locked; a month at exactly 0.0 can be typed.
void ShowYear(Tq7UpdateModuloForm &form, const std::optional<q7::PriceIndexYear> &year) {
  if (!year) return;
  form.EAno->SetInitText(year->year);
  for (int k = 0; k < q7::kPriceIndexMonths; ++k) {
    form.EIndice[k]->SetInitText(year->values[k]);
    form.EIndice[k]->setEnabled(!year->locked[k]);
  }
}

// Stores the year on screen. A month field that is disabled shows a stored
// value rounded to the field's decimals: the store keeps the value as read.
q7::PriceIndexStore StoreShownYear(Tq7UpdateModuloForm &form, bool insert) {
  q7::MonthValues typed{};
  q7::MonthFlags locked{};
  for (int k = 0; k < q7::kPriceIndexMonths; ++k) {
    typed[k] = form.EIndice[k]->AsFloat();
    locked[k] = !form.EIndice[k]->isEnabled();
  }
  return Editor(form).Store(form.EAno->AsInteger(), typed, locked, insert);
}

}  // namespace

// Entering the page from "&Siguiente": the latest stored year is shown and
// becomes the base of a new year.
void Tq7UpdateModuloForm::EnterPriceIndexPage() {
  Guarded([this] {
    if (Tables->TbIPC.IsOpen() && !Editor(*this).IsEmpty()) ShowYear(*this, Editor(*this).Last());
  });
  LastIndexYear = QString::number(EAno->AsInteger());
  BIncluir009->setEnabled(true);
}

void Tq7UpdateModuloForm::ShowPriceIndexYear() {
  Guarded([this] { ShowYear(*this, Editor(*this).ReadCurrent()); });
}

void Tq7UpdateModuloForm::ClearPriceIndexFields() {
  EAno->SetInitText(0);
  for (TTarvoNumberEdit *month : EIndice) month->SetInitText(0);
}

void Tq7UpdateModuloForm::EnableMonthFields(bool enabled) {
  for (TTarvoNumberEdit *month : EIndice) month->setEnabled(enabled);
}

void Tq7UpdateModuloForm::StorePriceIndexYear(bool insert) {
  Guarded([this, insert] { StoreShownYear(*this, insert); });
}

void Tq7UpdateModuloForm::BAnterior2032Click() {
  // A change not stored is dropped by the move, never carried to another year.
  Guarded([this] { ShowYear(*this, Editor(*this).Prior()); });
}

void Tq7UpdateModuloForm::BSiguiente2033Click() {
  Guarded([this] { ShowYear(*this, Editor(*this).Next()); });
}

void Tq7UpdateModuloForm::BIncluir009Click() {
  BIncluir009->setChecked(true);  // down while the new year is pending
  PanelBotones->setEnabled(false);
  BIncluir009->setEnabled(false);
  // The year shown, with any months typed into it, is stored before the
  // fields are cleared.
  StorePriceIndexYear(false);
  Label11->show();
  BSiguiente2033->setEnabled(false);
  BAnterior2032->setEnabled(false);
  TBCancelar->setEnabled(true);
  EAno->setReadOnly(false);
  EnableMonthFields(true);
  ClearPriceIndexFields();
  EAno->SetInitText(LastIndexYear.toInt() + 1);
  FocusWithHint(EIndice[0]);
}

void Tq7UpdateModuloForm::TBCancelarClick() {
  Label11->hide();
  PanelBotones->setEnabled(true);
  BIncluir009->setEnabled(true);
  BGrabar001->setEnabled(true);
  EAno->setReadOnly(true);
  BSiguiente2033->setEnabled(true);
  BAnterior2032->setEnabled(true);
  BIncluir009->setChecked(false);
  TBCancelar->setEnabled(false);
  EnableMonthFields(false);
  Guarded([this] {
    const std::optional<q7::PriceIndexYear> last = Editor(*this).Last();
    // With no year stored the page goes back to what it showed before the
    // inclusion (all 0), not to the abandoned year, which "Guardar" would
    // otherwise try to store into a record that does not exist.
    if (last) ShowYear(*this, last);
    else ClearPriceIndexFields();
  });
}

void Tq7UpdateModuloForm::ToolButton5Click() {
  const bool including = BIncluir009->isChecked();
  q7::PriceIndexStore stored = q7::PriceIndexStore::Failed;
  Guarded([this, including, &stored] { stored = StoreShownYear(*this, including); });
  // A refused inclusion (the year exists) has been reported; the page stays
  // in the including state so the year can be corrected or the inclusion
  // abandoned with "Cancelar".
  if (including && stored != q7::PriceIndexStore::Stored) return;

  Label11->hide();
  PanelBotones->setEnabled(true);
  BIncluir009->setEnabled(true);
  EAno->setReadOnly(true);
  BSiguiente2033->setEnabled(true);
  BAnterior2032->setEnabled(true);
  TBCancelar->setEnabled(false);
  EnableMonthFields(false);
  if (including) {
    Guarded([this] { ShowYear(*this, Editor(*this).Last()); });
    LastIndexYear = QString::number(EAno->AsInteger());
    BIncluir009->setChecked(false);
  } else {
    // The table stands on the record just stored: the year stays shown, with
    // the months now holding values locked.
    ShowPriceIndexYear();
  }
  BGrabar001->setEnabled(true);
  FocusWithHint(BGrabar001);
}
