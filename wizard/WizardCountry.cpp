// The country page of an installation run: choosing the country, applying
// what the module takes from the country's template, and the way back to the
// page so the country can be changed.
#include "controls/TarvoDateEdit.h"
#include "controls/TarvoEdit.h"
#include "controls/TarvoNumberEdit.h"
#include "store/Messages.h"
#include "store/ModuleData.h"
#include "store/ModuleSettings.h"
#include "wizard/WizardTables.h"
#include "wizard/q7UpdateModulo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <exception>

namespace {

// Left edges of the second fiscal identity in its own slot.
constexpr int kRifLeft = 193;
constexpr int kShape33Left = 197;

void ApplyIdentityLayout(Tq7UpdateModuloForm &form, const q7::IdentityLayout &layout) {
  form.LNit->setText(layout.nitCaption);
  form.LNit->setVisible(layout.nitVisible);
  form.ENitEmpre->setVisible(layout.nitVisible);
  form.LRif->setText(layout.rifCaption);
  form.LRif->setVisible(layout.rifVisible);
  form.ERifEmpre->setVisible(layout.rifVisible);
  form.Shape32->resize(layout.shape32Width, form.Shape32->height());
  form.Shape33->resize(layout.shape33Width, form.Shape33->height());
  if (layout.rifInFirstSlot) {
    // The second identity takes the first slot.
    form.LRif->move(form.LNit->x(), form.LRif->y());
    form.ERifEmpre->move(form.LNit->x(), form.ERifEmpre->y());
    form.Shape33->move(form.Shape32->x(), form.Shape33->y());
  } else {
    form.LRif->move(kRifLeft, form.LRif->y());
    form.ERifEmpre->move(kRifLeft, form.ERifEmpre->y());
    form.Shape33->move(kShape33Left, form.Shape33->y());
  }
  form.LDatosEmpre->setText(layout.datosEmpreCaption);
  form.LRifRepresentante->setText(layout.rifRepresentanteCaption);
}

// The taxes and the fiscal identities of the Administrativo template. The
// layout is reset first, so a field hidden for an earlier country shows
// again; a template that cannot be read leaves the reset layout and throws.
// A country without a template changes nothing: what an earlier country
// brought stays, taxes and identities alike.
void ApplyAdministrativoTemplate(Tq7UpdateModuloForm &form, const QString &countryFolder) {
  if (!form.TemplateExists(countryFolder, form.SettingsTable)) return;
  ApplyIdentityLayout(form, q7::DefaultIdentityLayout());
  // Read whole before anything is shown: all of the template or none of it.
  const q7::AdminTemplate tmpl = q7::ReadAdministrativoTemplate(form.Tables->TablaDos, countryFolder);
  form.ENombreImpuesto1->setText(tmpl.taxes.name1);
  form.ENombreImpuesto2->setText(tmpl.taxes.name2);
  form.EAlicuota1->SetInitText(tmpl.taxes.rate1);
  form.EAlicuotaDos->SetInitText(tmpl.taxes.rate2);
  form.CBActivo1->setChecked(tmpl.taxes.active1);
  form.CBActivo2->setChecked(tmpl.taxes.active2);
  // A mode outside the list leaves the box without a selection.
  const int mode = tmpl.taxes.mode;
  form.CBTipoImpuesto2->setCurrentIndex(mode >= 0 && mode < form.CBTipoImpuesto2->count() ? mode : -1);
  ApplyIdentityLayout(form, q7::TemplateIdentityLayout(tmpl.identity1, tmpl.identity2));
}

// Alimentos && Bebidas: a country template makes the wizard load the module's
// own settings again, as the preparation does (captions are not touched).
void ReloadFoodSettings(Tq7UpdateModuloForm &form) {
  const q7::FoodSettings food = q7::ReadFoodSettings(form.Tables->TablaDos, form.DataFolder);
  const Tq7UpdateModuloForm::Period period = Tq7UpdateModuloForm::DefaultPeriod(form.TodayYear, form.TodayMonth);
  form.EFechaIniFood->SetQDate(period.start);
  form.EFechaFinalFood->SetQDate(period.end);
  form.EDescripPFood->setText(period.description);
  form.ENomServMesa->setText(food.services.name1);
  form.ENomCargxEnv->setText(food.services.name2);
  form.EAlicuotaServMesa->SetInitText(food.services.rate1);
  form.EAlicuotaCargxEnv->SetInitText(food.services.rate2);
  form.CheckBServ1->setChecked(food.services.active1);
  form.CheckBServ2->setChecked(food.services.active2);
  form.LoadFoodCodeOptions(food.autoCode, food.autoFill);
}

}  // namespace

// Runs when "&Siguiente" is pressed on the country page.
void Tq7UpdateModuloForm::SelectCountry() {
  for (int n = 0; n < static_cast<int>(RadioBP.size()); ++n) {
    if (RadioBP[n]->isChecked()) {
      ComboPaises->setCurrentIndex(n);
      break;
    }
  }
  if (ComboPaises->currentIndex() < 0) {
    q7::ShowMessage(q7::MsgType::Information, q7::MbOK, QStringLiteral("Seleccione el país para continuar."));
    return;
  }
  const QString country = ComboPaises->currentText();
  const QString countryFolder = q7::CountryFolder(country);

  // A template that exists but cannot be read is reported and the country
  // page stays; a missing folder or template simply loads nothing.
  try {
    switch (Arguments().value(0).toInt()) {
      case q7::kAdministrativo:
        ApplyAdministrativoTemplate(*this, countryFolder);
        break;
      case q7::kContabilidad:
        if (TemplateExists(countryFolder, SettingsTable))
          q7::ReadTemplatePeriods(Tables->TablaDos, countryFolder, PeriodsImage);
        break;
      case q7::kNomina:
        // The payroll's single page is its last page.
        BGrabar001->show();
        BAnterior032->setEnabled(true);
        BSiguiente033->setEnabled(false);
        break;
      case q7::kFood:
        if (TemplateExists(countryFolder, SettingsTable)) ReloadFoodSettings(*this);
        break;
      default:
        break;
    }
  } catch (const std::exception &error) {
    Tables->TablaDos.Close();
    q7::ShowMessage(q7::MsgType::Error, q7::MbOK, QString::fromUtf8(error.what()));
    return;
  }

  setWindowTitle(QStringLiteral("q7 Inicialización - ") + country);
  BAnterior032->setEnabled(true);
  PControlModulos->setCurrentIndex(ModulePage);
}

void Tq7UpdateModuloForm::ReturnToCountryPage() {
  PControlModulos->setCurrentIndex(q7::kCountryPage);
  BAnterior032->setEnabled(false);
  setWindowTitle(QStringLiteral("q7 Inicialización"));
}

bool Tq7UpdateModuloForm::TemplateExists(const QString &folder, const QString &fileName) {
  return q7::TemplateExists(folder, fileName);
}
