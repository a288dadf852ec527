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
#include "store/Paths.h"
#include "store/Sqlite.h"
#include "wizard/WizardTables.h"
#include "wizard/q7UpdateModulo.h"

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

// Closes a table handle when the step that opened it ends, also on failure.
class CloseAtEnd {
 public:
  explicit CloseAtEnd(q7::TableHandle &table) : m_table(table) {}
  ~CloseAtEnd() { m_table.Close(); }
  CloseAtEnd(const CloseAtEnd &) = delete;
  CloseAtEnd &operator=(const CloseAtEnd &) = delete;

 private:
  q7::TableHandle &m_table;
};

// The preparation ran into a failure it has already reported.
struct PreparationStopped {};

// Values the preparation loads from the Administrativo settings record.
struct AdminTaxSettings {
  QString tax1Name, tax2Name;
  double tax1Rate = 0, tax2Rate = 0;
  bool tax1Active = false, tax2Active = false;
  int taxMode = 0;
};

AdminTaxSettings ReadAdminTaxSettings(q7::TableHandle &table) {
  AdminTaxSettings s;
  s.tax1Name = table.AsText(QStringLiteral("IMPUESTO1"));
  s.tax2Name = table.AsText(QStringLiteral("IMPUESTO2"));
  s.tax1Rate = table.AsCurrency(QStringLiteral("MTO_IMPUESTO1"));
  s.tax2Rate = table.AsCurrency(QStringLiteral("MTO_IMPUESTO2"));
  s.tax1Active = table.AsBoolean(QStringLiteral("ACTIVAR_IMPUESTO1"));
  s.tax2Active = table.AsBoolean(QStringLiteral("ACTIVAR_IMPUESTO2"));
  s.taxMode = table.AsInteger(QStringLiteral("MODO_IVA"));
  return s;
}

// Values the preparation loads from the Alimentos && Bebidas settings record.
struct FoodSettings {
  QString service1Name, service2Name;
  double service1Rate = 0, service2Rate = 0;
  bool service1Active = false, service2Active = false;
  std::int32_t autoCode = 0, autoFill = 0;
};

FoodSettings ReadFoodSettings(q7::TableHandle &table) {
  FoodSettings s;
  s.service1Name = table.AsText(QStringLiteral("FCO_SERVICIO1"));
  s.service2Name = table.AsText(QStringLiteral("FCO_SERVICIO2"));
  s.service1Rate = table.AsCurrency(QStringLiteral("FCO_MTOSERVICIO1"));
  s.service2Rate = table.AsCurrency(QStringLiteral("FCO_MTOSERVICIO2"));
  s.service1Active = table.AsBoolean(QStringLiteral("FCO_ACTIVARSERVICIO1"));
  s.service2Active = table.AsBoolean(QStringLiteral("FCO_ACTIVARSERVICIO2"));
  s.autoCode = table.AsInteger(QStringLiteral("FCO_AUTOCODE"));
  s.autoFill = table.AsInteger(QStringLiteral("FCO_AUTOFILL"));
  return s;
}

// Whether a table file exists, its name matched without regard to case.
bool TableFileExists(const QString &folder, const QString &fileName) {
  return QFileInfo(q7::ResolveExistingPath(q7::JoinFolderFile(folder, fileName))).isFile();
}

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

void Tq7UpdateModuloForm::LoadFoodCodeOptions(std::int32_t autoCode, std::int32_t autoFill) {
  for (const q7::CodeBit &bit : q7::FoodCodeBits()) {
    if (auto *code = findChild<QCheckBox *>(QString::fromLatin1(bit.codeCheck)))
      code->setChecked(q7::BitIsSet(autoCode, bit));
    if (auto *fill = findChild<QCheckBox *>(QString::fromLatin1(bit.fillCheck)))
      fill->setChecked(q7::BitIsSet(autoFill, bit));
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

  {
    q7::TableHandle &companies = Tables->Tablasempresas;
    companies.Close();
    companies.SetFolder(QString());
    companies.SetTableName(QLatin1String(q7::kCompanyListTable));
    CloseAtEnd closer(companies);
    companies.Open();
    DataFolder = q7::AdministrativoDataFolder(companies.AsText(QStringLiteral("FE_DIRDATOS")));
    SettingsTable = QLatin1String(q7::kAdminSettingsTable);
  }

  {
    q7::TableHandle &settings = Tables->Tabla;
    settings.Close();
    settings.SetFolder(DataFolder);
    settings.SetTableName(SettingsTable);
    CloseAtEnd closer(settings);
    settings.Open();
    ProposePeriod(EFechaInicio, EFechaFinal, EDescripPeriodo);
    const AdminTaxSettings s = ReadAdminTaxSettings(settings);
    ENombreImpuesto1->setText(s.tax1Name);
    ENombreImpuesto2->setText(s.tax2Name);
    EAlicuota1->SetInitText(s.tax1Rate);
    EAlicuotaDos->SetInitText(s.tax2Rate);
    CBActivo1->setChecked(s.tax1Active);
    CBActivo2->setChecked(s.tax2Active);
    // A mode outside the list leaves the box without a selection.
    CBTipoImpuesto2->setCurrentIndex(
        s.taxMode >= 0 && s.taxMode < CBTipoImpuesto2->count() ? s.taxMode : -1);
  }

  FocusWithHint(ENitEmpre);
  if (IsInstallationRun()) PControlModulos->setCurrentIndex(q7::kCountryPage);
}

void Tq7UpdateModuloForm::PrepareContabilidad() {
  ShowModuleHeader(QStringLiteral("Contabilidad"), CabeceraContabilidad, 1);
  ModulePage = 1;
  DataFolder = QLatin1String(q7::kDataSistemaFolder);
  SettingsTable = QLatin1String(q7::kAccountingCompanyTable);
  EAnoPeriodo->SetInitText(TodayYear);

  if (!TableFileExists(DataFolder, QLatin1String(q7::kPriceIndexTable) + QLatin1String(".dat"))) {
    FailPreparation(kInitError);
    throw PreparationStopped{};
  }

  q7::TableHandle &company = Tables->TbEmpresaCont;
  company.Close();
  company.SetFolder(DataFolder);
  company.SetTableName(SettingsTable);
  company.Open();
  if (!company.FindKey(QLatin1String(q7::kDemoCompany))) {
    FailPreparation(QStringLiteral("No existe empresa DEMO en esta contabilidad."));
    throw PreparationStopped{};
  }
  // A failed read is reported by ReadBlobField; the image keeps what was read.
  q7::ReadBlobField(QStringLiteral("PERIODOS"), q7::kPeriodosSize, QStringLiteral("del ejercicio."),
                    company, reinterpret_cast<std::uint8_t *>(PeriodsImage.data()));
  // TbEmpresaCont stays open on the record "DEMO" for the save.

  q7::TableHandle &indexes = Tables->TbIPC;
  indexes.Close();
  indexes.SetTableName(QLatin1String(q7::kPriceIndexTable));
  indexes.SetFolder(DataFolder);
  indexes.Open();  // stays open for the price-index page until the window goes

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

  {
    q7::TableHandle &settings = Tables->Tabla;
    settings.Close();
    settings.SetFolder(DataFolder);
    settings.SetTableName(SettingsTable);
    CloseAtEnd closer(settings);
    settings.Open();
    ProposePeriod(EFechaIniFood, EFechaFinalFood, EDescripPFood);
    const FoodSettings s = ReadFoodSettings(settings);
    ENomServMesa->setText(s.service1Name);
    ENomCargxEnv->setText(s.service2Name);
    EAlicuotaServMesa->SetInitText(s.service1Rate);
    EAlicuotaCargxEnv->SetInitText(s.service2Rate);
    CheckBServ1->setChecked(s.service1Active);
    CheckBServ2->setChecked(s.service2Active);
    LoadFoodCodeOptions(s.autoCode, s.autoFill);
  }

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
