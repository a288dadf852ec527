// PrepareModule: turns the window into the wizard of one module. It takes
// the system date, selects the module's page and header, fixes the module's
// folder and settings table, loads the stored settings into the pages,
// proposes the current month as the working period and sets the first focus.
// A failure shows its message and ends the program before the window shows.
#include "controls/ProgramEnd.h"
#include "controls/TarvoDateEdit.h"
#include "controls/TarvoEdit.h"
#include "controls/TarvoNumberEdit.h"
#include "store/BlobFields.h"
#include "store/Messages.h"
#include "store/ModuleData.h"
#include "store/ModuleSettings.h"
#include "store/Paths.h"
#include "store/Sqlite.h"
#include "wizard/WizardTables.h"
#include "wizard/q7UpdateModulo.h"
#include "controls/MemoTarvo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <exception>

namespace {

const QString kInitError = QStringLiteral("Error al inicializar la aplicación.");

// The preparation ran into a failure it has already reported.
struct PreparationStopped {};

}  // namespace

void Tq7UpdateModuloForm::PrepareModule(std::uint8_t module, const QString &company) {
  const QDate today = SystemDate();
  TodayYear = static_cast<std::uint16_t>(today.year());
  TodayMonth = static_cast<std::uint16_t>(today.month());
  TodayDay = static_cast<std::uint16_t>(today.day());

  try {
    switch (module) {
      case q7::kAdministrativo:
        PrepareAdministrativo(company);
        break;
      case q7::kContabilidad:
        PrepareContabilidad();
        break;
      case q7::kNomina:
        PrepareNomina();
        break;
      case q7::kFood:
        PrepareAlimentos();
        break;
      case q7::kHotel:
        PrepareHoteleria();
        break;
      default:
        return;  // no module: the window keeps its design state
    }
  } catch (const PreparationStopped &) {
    // Reported and ended by the step itself.
  } catch (const std::exception &) {
    FailPreparation(kInitError);
  }
}

void Tq7UpdateModuloForm::FailPreparation(const QString &message) {
  CloseAllTables();
  q7::ShowMessage(q7::MsgType::Error, q7::MbOK, message);
  q7::RequestProgramEnd(q7::ExitFailed);
}

void Tq7UpdateModuloForm::CloseAllTables() { Tables->CloseAll(); }

void Tq7UpdateModuloForm::ShowModuleHeader(const QString &name, QLabel *picture, int pageIndex) {
  PControlModulos->setCurrentIndex(pageIndex);
  picture->show();
  picture->raise();
  ModuleName = name;
}

void Tq7UpdateModuloForm::ProposePeriod(TTarvoDateEdit *start, TTarvoDateEdit *end,
                                        TTarvoEdit *description) {
  const Period period = DefaultPeriod(TodayYear, TodayMonth);
  start->SetQDate(period.start);
  end->SetQDate(period.end);
  description->setText(period.description);
}

void Tq7UpdateModuloForm::LoadFoodCodeOptions(const std::array<bool, 9> &autoCode,
                                              const std::array<bool, 9> &autoFill) {
  for (int k = 0; k < 9; ++k) {
    chkCodigo[k]->setChecked(autoCode[k]);
    CheckRellenarF[k]->setChecked(autoFill[k]);
  }
}

void Tq7UpdateModuloForm::PrepareAdministrativo(const QString &company) {
  const bool demo = company.toUpper() == QLatin1String(q7::kDemoCompany);
  if (demo) {
    // The demonstration company's data are not asked for: its walk starts
    // on the period page.
    PageControlAdministrativo->setCurrentIndex(2);
    PageControlAdministrativo->setTabVisible(0, false);
    PageControlAdministrativo->setTabVisible(1, false);
    PageControlAdministrativo->setCurrentIndex(2);
    FirstAdminPage = 2;
  } else {
    FirstAdminPage = 0;
  }
  ShowModuleHeader(QStringLiteral("Administrativo"), CabeceraAdministrativo, 0);
  ModulePage = 0;

  const q7::AdministrativoCompany stored = q7::ReadAdministrativoCompany(Tables->Tablasempresas);
  DataFolder = stored.dataFolder;
  SettingsTable = QLatin1String(q7::kAdminSettingsTable);
  // The company pages show the stored company data: the save writes these
  // fields back, and untouched pages must not blank the company's record.
  ENitEmpre->setText(stored.company.nit);
  ERifEmpre->setText(stored.company.rif);
  EDirEmpre->SetText(stored.company.address);
  ERepreEmpre->setText(stored.company.representative);
  ERifRepreEmpre->setText(stored.company.representativeRif);
  EDirPostalEmpre->SetText(stored.company.postalAddress);
  ETelefEmpre->setText(stored.company.phone);
  EFaxEmpre->setText(stored.company.fax);
  EEmailEmpre->setText(stored.company.email);
  EWebEmpre->setText(stored.company.website);

  ProposePeriod(EFechaInicio, EFechaFinal, EDescripPeriodo);
  const q7::TaxSettings taxes = q7::ReadAdministrativoTaxes(Tables->Tabla, DataFolder);
  ENombreImpuesto1->setText(taxes.name1);
  ENombreImpuesto2->setText(taxes.name2);
  EAlicuota1->SetInitText(taxes.rate1);
  EAlicuotaDos->SetInitText(taxes.rate2);
  CBActivo1->setChecked(taxes.active1);
  CBActivo2->setChecked(taxes.active2);
  // A mode outside the list leaves the box without a selection.
  CBTipoImpuesto2->setCurrentIndex(
      taxes.mode >= 0 && taxes.mode < CBTipoImpuesto2->count() ? taxes.mode : -1);

  FocusWithHint(ENitEmpre);
  if (IsInstallationRun()) PControlModulos->setCurrentIndex(q7::kCountryPage);
}

void Tq7UpdateModuloForm::PrepareContabilidad() {
  ShowModuleHeader(QStringLiteral("Contabilidad"), CabeceraContabilidad, 1);
  ModulePage = 1;
  DataFolder = QLatin1String(q7::kDataSistemaFolder);
  SettingsTable = QLatin1String(q7::kAccountingCompanyTable);
  EAnoPeriodo->SetInitText(TodayYear);

  if (!q7::PriceIndexTableExists(DataFolder)) {
    FailPreparation(kInitError);
    throw PreparationStopped{};
  }
  // Found, TbEmpresaCont stays open on the record "DEMO" for the save; a
  // failed read of PERIODOS is reported and the image keeps what was read.
  if (!q7::OpenDemoCompany(Tables->TbEmpresaCont, DataFolder, PeriodsImage)) {
    FailPreparation(QStringLiteral("No existe empresa DEMO en esta contabilidad."));
    throw PreparationStopped{};
  }
  // Stays open for the price-index page until the window goes.
  q7::OpenPriceIndexTable(Tables->TbIPC, DataFolder);

  FocusWithHint(EAnoPeriodo);
  if (IsInstallationRun()) PControlModulos->setCurrentIndex(q7::kCountryPage);
}

void Tq7UpdateModuloForm::PrepareNomina() {
  ShowModuleHeader(QStringLiteral("Nómina"), CabeceraNomina, 2);
  ModulePage = 2;
  DataFolder = QLatin1String(q7::kDataSistemaFolder);
  SettingsTable = QLatin1String(q7::kPayrollTable);
  EAnoNomina->SetInitText(TodayYear);
  FocusWithHint(EAnoNomina);
  Tables->Tabla.Close();
  Tables->Tabla.SetFolder(DataFolder);
  Tables->Tabla.SetTableName(SettingsTable);

  if (IsInstallationRun()) {
    PControlModulos->setCurrentIndex(q7::kCountryPage);
  } else {
    // The payroll has a single page, which is its last one: it can be saved
    // at once.
    BSiguiente033->setEnabled(false);
    BGrabar001->show();
  }
}

void Tq7UpdateModuloForm::PrepareAlimentos() {
  LMensaje->setText(QStringLiteral("Se guardaron los datos exitosamente, ya puede inicializar el") +
                    QString(29, u' ') + QStringLiteral("Módulo"));
  DataFolder = QLatin1String(q7::kFoodFolder);
  SettingsTable = QLatin1String(q7::kConfigTable);
  ShowModuleHeader(QStringLiteral("Alimentos && Bebidas"), CabeceraAlimentoBebidas, 3);
  ModulePage = 3;

  LFoodPeriodoI->setText(QStringLiteral("Fecha Inicio"));
  LFoodPeriodoF->setText(QStringLiteral("Fecha Final"));
  LFoodPeriodo->setText(QStringLiteral("Descripción"));
  GBServicioF->setTitle(QStringLiteral(" Servicio de Mesas "));
  LNombreServ1->setText(QStringLiteral("Nombre"));
  LNombreServ2->setText(QStringLiteral("Nombre"));
  LAlicuotaServ1->setText(QStringLiteral("Alicuota"));
  LAlicuotaServ2->setText(QStringLiteral("Alicuota"));
  CheckBServ1->setText(QStringLiteral("Activo"));
  CheckBServ2->setText(QStringLiteral("Activo"));
  for (int n = 1; n <= 9; ++n) {
    if (auto *fill = findChild<QCheckBox *>(QStringLiteral("CheckRellenarF") + QString::number(n)))
      fill->setText(QStringLiteral("Rellenar código automáticamente"));
  }
  chkCodigo[4]->setText(QStringLiteral("Áreas de P&reparación"));

  ProposePeriod(EFechaIniFood, EFechaFinalFood, EDescripPFood);
  const q7::FoodSettings food = q7::ReadFoodSettings(Tables->Tabla, DataFolder);
  ENomServMesa->setText(food.services.name1);
  ENomCargxEnv->setText(food.services.name2);
  EAlicuotaServMesa->SetInitText(food.services.rate1);
  EAlicuotaCargxEnv->SetInitText(food.services.rate2);
  CheckBServ1->setChecked(food.services.active1);
  CheckBServ2->setChecked(food.services.active2);
  LoadFoodCodeOptions(food.autoCode, food.autoFill);

  FocusWithHint(EFechaIniFood);
  if (IsInstallationRun()) PControlModulos->setCurrentIndex(q7::kCountryPage);
}

void Tq7UpdateModuloForm::PrepareHoteleria() {
  ShowModuleHeader(QStringLiteral("Hotelería"), CabeceraHotel, 4);
  ModulePage = 4;
  DataFolder = q7::ModuleDataFolder(q7::kHotel);
  SettingsTable = QLatin1String(q7::kConfigTable);
  ProposePeriod(EFechaIniHotel, EFechaHastaHotel, EDescripcionPeriodoHotel);
  EFechaActualHotel->SetQDate(QDate(TodayYear, TodayMonth, TodayDay));
  // Nothing is read: the hotel's code options start as the page designs them.
  Tables->Tabla.Close();
  Tables->Tabla.SetFolder(DataFolder);
  Tables->Tabla.SetTableName(SettingsTable);
  FocusWithHint(EDescripcionPeriodoHotel);
  if (IsInstallationRun()) PControlModulos->setCurrentIndex(q7::kCountryPage);
}
