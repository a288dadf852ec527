#pragma once
// Tq7UpdateModuloForm: the first-run wizard of one module of the suite.
//
// The window holds the pages of all five modules and the country page; the
// command line (module number, company code, "LOG") picks the module, and
// PrepareModule turns the window into that module's wizard. The methods are
// split by concern over several files of this class:
//   q7UpdateModulo.cpp     construction, FormCreate, FormDestroy, ending
//   WizardCatalogue.cpp    building the pages and controls (BuildCatalogue)
//   WizardNavigation.cpp   "&Siguiente", "&Anterior", "&Cancelar", date helpers
//   WizardPreparation.cpp  PrepareModule and the per-module loading
//   WizardSaving.cpp       "&Finalizar" (BGrabar001Click) and the final panel
//   WizardCountry.cpp      SelectCountry, ReturnToCountryPage, templates
//   WizardPriceIndex.cpp   the price-index editor of the Contabilidad module
// Every control is reachable through its member below and, by its catalogue
// name, through findChild (its objectName).
#include "controls/EnterForms.h"
#include "store/BlobImages.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolBar;
class QToolButton;
class TMemoTarvo;
class TTarvoDateEdit;
class TTarvoEdit;
class TTarvoNumberEdit;

// The six table handles of the window (Tabla, TablaDos, Tablasempresas,
// TbEmpresaCont, TbIPC, TbActivosCont); defined in wizard/WizardTables.h so
// this header does not depend on the table layer.
struct WizardTables;
namespace q7 {
class PriceIndexTable;
}

class Tq7UpdateModuloForm : public TEForm {
  Q_OBJECT
 public:
  // args are the program's arguments without the program name.
  explicit Tq7UpdateModuloForm(const QStringList &args, QWidget *parent = nullptr);
  ~Tq7UpdateModuloForm() override;

  void FormCreate() override;
  void FormDestroy();

  // ---- Command line -------------------------------------------------------
  const QStringList &Arguments() const { return m_args; }
  QString CompanyCode() const;      // second argument, empty when missing
  bool IsInstallationRun() const;   // company code exactly "INT"
  bool IsDemoCompany() const;       // company code in capitals is "DEMO"
  bool LogRequested() const;        // third argument exactly "LOG"

  // ---- System date --------------------------------------------------------
  // The date PrepareModule takes as "today". Tests pin it with
  // SetSystemDateForTests; an invalid date returns to the real clock.
  static QDate SystemDate();
  static void SetSystemDateForTests(const QDate &date);

  // ---- Date helpers (WizardNavigation.cpp) --------------------------------
  // Days of a month: 31 for 1,3,5,7,8,10,12 and for any month outside 1..12;
  // 30 for 4,6,9,11; February 29 in every year divisible by 4.
  static int DaysInMonth(std::uint16_t month, std::uint16_t year);
  // "Enero" .. "Diciembre" for 1..12; empty text otherwise.
  static QString MonthNames(int month);
  // The proposed period of the month of a date: first day, last calendar
  // day, month name. Pure, for tests.
  struct Period {
    QDate start;
    QDate end;
    QString description;
  };
  static Period DefaultPeriod(std::uint16_t year, std::uint16_t month);
  // Enables button unless index equals limit (compared as 8-bit values).
  static void EnableUnlessAt(std::uint8_t index, std::uint8_t limit, QAbstractButton *button);

  // ---- Handlers -------------------------------------------------------------
  void BSiguiente033Click();   // "&Siguiente"
  void BAnterior032Click();    // "&Anterior"
  void BCancelar002Click();    // "&Cancelar"
  void BGrabar001Click();      // "&Finalizar" (WizardSaving.cpp)
  void BSalir005Click();       // "&Salir" of the final panel
  // Character typed into CBTipoImpuesto2 or ComboPaises; set to null to drop it.
  void DBComboImpuesto2KeyPress(QChar &key);
  void EFechaActualHotelExit();

  // ---- Preparation (WizardPreparation.cpp) --------------------------------
  void PrepareModule(std::uint8_t module, const QString &company);
  void ShowModuleHeader(const QString &name, QLabel *picture, int pageIndex);
  // chkCodigo<k> and CheckRellenarF<k> on exactly when entry k-1 is true.
  void LoadFoodCodeOptions(const std::array<bool, 9> &autoCode, const std::array<bool, 9> &autoFill);

  // ---- Country page (WizardCountry.cpp) -----------------------------------
  void SelectCountry();
  void ReturnToCountryPage();
  static bool TemplateExists(const QString &folder, const QString &fileName);

  // ---- Price-index editor (WizardPriceIndex.cpp) --------------------------
  // Entering the price-index page from "&Siguiente".
  void EnterPriceIndexPage();
  void ShowPriceIndexYear();
  void ClearPriceIndexFields();
  void EnableMonthFields(bool enabled);
  void StorePriceIndexYear(bool insert);
  void BAnterior2032Click();
  void BSiguiente2033Click();
  void BIncluir009Click();
  void TBCancelarClick();
  void ToolButton5Click();

  // ---- Private state, readable by tests ------------------------------------
  std::uint8_t ModulePage = 0;
  std::uint8_t FirstAdminPage = 0;
  QString ModuleName;
  QString DataFolder;      // ends with "/"
  QString SettingsTable;
  std::uint16_t TodayYear = 0;
  std::uint16_t TodayMonth = 0;
  std::uint16_t TodayDay = 0;
  QString LastIndexYear;
  q7::PeriodsImage PeriodsImage;                  // PERIODOS of the accounting company
  q7::PeriodDescriptions PeriodDescriptions;      // built at the save
  std::array<q7::PayrollPeriodList, 3> PayrollImages;  // payrolls 1..3, built at the save

  // The table handles (see WizardTables.h).
  std::unique_ptr<WizardTables> Tables;
  // The price-index editor's hold on TbIPC, made when the editor is first
  // used (WizardPriceIndex.cpp); it remembers the year shown.
  std::shared_ptr<q7::PriceIndexTable> IndexEditor;

  // ---- Controls (catalogue names) ------------------------------------------
  // Regions.
  QFrame *PanelCabecera = nullptr;
  QLabel *CabeceraAdministrativo = nullptr;
  QLabel *CabeceraContabilidad = nullptr;
  QLabel *CabeceraNomina = nullptr;
  QLabel *CabeceraAlimentoBebidas = nullptr;
  QLabel *CabeceraHotel = nullptr;
  QFrame *PanelGeneral = nullptr;
  QFrame *PanelBotones = nullptr;
  QPushButton *BAnterior032 = nullptr;
  QPushButton *BSiguiente033 = nullptr;
  QPushButton *BCancelar002 = nullptr;
  QPushButton *BGrabar001 = nullptr;
  QLabel *PanelMensaje = nullptr;  // the saving notice "Espere guardando...."
  QFrame *PanelFinal = nullptr;
  QGroupBox *GroupBox10 = nullptr;
  QLabel *Image1 = nullptr;
  QLabel *LMensaje = nullptr;
  QPushButton *BSalir005 = nullptr;

  // Page controls and pages.
  QTabWidget *PControlModulos = nullptr;
  QWidget *TabSAdministrativo = nullptr;
  QWidget *TabSContabilidad = nullptr;
  QWidget *TabSNomina = nullptr;
  QWidget *TabSFood = nullptr;
  QWidget *TabHotel = nullptr;
  QWidget *TabSPaises = nullptr;
  QTabWidget *PageControlAdministrativo = nullptr;
  QTabWidget *PageControContabilidad = nullptr;
  QTabWidget *PageControlNomina = nullptr;
  QTabWidget *PageControlFood = nullptr;
  QTabWidget *PageControlHotel = nullptr;
  QWidget *TabSheet1 = nullptr, *TabSheet5 = nullptr, *TabSheet2 = nullptr, *TabSheet6 = nullptr,
          *TabSheet7 = nullptr;                        // Administrativo 0..4
  QWidget *TabSheet3 = nullptr, *TabSheet4 = nullptr;  // Contabilidad 0..1
  QWidget *TabSheet8 = nullptr;                        // Nómina 0
  QWidget *TabSheet9 = nullptr, *TabSheet10 = nullptr; // Alimentos && Bebidas 0..1
  QWidget *TabFecha = nullptr, *TabCodigosAut = nullptr;  // Hotelería 0..1

  // Administrativo, company data (TabSheet1, TabSheet5).
  QGroupBox *GBDatosEmp1 = nullptr;
  QLabel *LDatosEmpre = nullptr;
  QLabel *LNit = nullptr;
  TTarvoEdit *ENitEmpre = nullptr;
  QFrame *Shape32 = nullptr;
  QLabel *LRif = nullptr;
  TTarvoEdit *ERifEmpre = nullptr;
  QFrame *Shape33 = nullptr;
  QLabel *LDireccion = nullptr;
  TMemoTarvo *EDirEmpre = nullptr;
  QLabel *LRepresentante = nullptr;
  TTarvoEdit *ERepreEmpre = nullptr;
  QLabel *LRifRepresentante = nullptr;
  TTarvoEdit *ERifRepreEmpre = nullptr;
  QLabel *LTelefono = nullptr;
  TTarvoEdit *ETelefEmpre = nullptr;
  QGroupBox *GBDatosEmp = nullptr;
  TMemoTarvo *EDirPostalEmpre = nullptr;
  TTarvoEdit *EFaxEmpre = nullptr;
  TTarvoEdit *EEmailEmpre = nullptr;
  TTarvoEdit *EWebEmpre = nullptr;
  QCheckBox *CheckBContribuyenteEsp = nullptr;

  // Administrativo, period (TabSheet2) and taxes (TabSheet6).
  TTarvoDateEdit *EFechaInicio = nullptr;
  TTarvoDateEdit *EFechaFinal = nullptr;
  TTarvoEdit *EDescripPeriodo = nullptr;
  TTarvoEdit *ENombreImpuesto1 = nullptr;
  TTarvoNumberEdit *EAlicuota1 = nullptr;
  QLabel *OvcAttachedLabel2 = nullptr;
  QCheckBox *CBActivo1 = nullptr;
  TTarvoEdit *ENombreImpuesto2 = nullptr;
  TTarvoNumberEdit *EAlicuotaDos = nullptr;
  QLabel *OvcAttachedLabel4 = nullptr;
  QComboBox *CBTipoImpuesto2 = nullptr;
  QCheckBox *CBActivo2 = nullptr;
  TTarvoNumberEdit *EImpDebitoBancario = nullptr;

  // Administrativo, automatic codes (TabSheet7).
  QCheckBox *CheckDepartamentos = nullptr, *CheckRellenarDepa = nullptr;
  QCheckBox *CheckClientes = nullptr, *CheckRellenarClient = nullptr;
  QCheckBox *CheckInventario = nullptr, *CheckRellenarInve = nullptr;
  QCheckBox *CheckProveedores = nullptr, *CheckRellenarProvee = nullptr;
  QCheckBox *CheckVendedores = nullptr, *CheckRellenarVen = nullptr;
  QCheckBox *CheckZonas = nullptr, *CheckRellenarZona = nullptr;
  QCheckBox *CheckConceptos = nullptr, *CheckRellenarConcep = nullptr;
  QCheckBox *CheckBeneficiarios = nullptr, *CheckRellenarBene = nullptr;

  // Contabilidad.
  TTarvoNumberEdit *EAnoPeriodo = nullptr;
  TTarvoNumberEdit *EAno = nullptr;
  std::array<TTarvoNumberEdit *, 12> EIndice{};  // EIndice[k - 1] is "EIndice<k>"
  QToolBar *ToolBar1 = nullptr;
  QToolButton *BAnterior2032 = nullptr;
  QToolButton *BSiguiente2033 = nullptr;
  QToolButton *TBCancelar = nullptr;
  QToolButton *BIncluir009 = nullptr;  // checkable: stays down while a year is included
  QToolButton *ToolButton5 = nullptr;
  QLabel *Label11 = nullptr;

  // Nómina.
  TTarvoNumberEdit *EAnoNomina = nullptr;

  // Alimentos && Bebidas.
  QLabel *LFoodPeriodoI = nullptr, *LFoodPeriodoF = nullptr, *LFoodPeriodo = nullptr;
  TTarvoDateEdit *EFechaIniFood = nullptr;
  TTarvoDateEdit *EFechaFinalFood = nullptr;
  TTarvoEdit *EDescripPFood = nullptr;
  QGroupBox *GBServicioF = nullptr;
  QLabel *LNombreServ1 = nullptr, *LAlicuotaServ1 = nullptr;
  TTarvoEdit *ENomServMesa = nullptr;
  TTarvoNumberEdit *EAlicuotaServMesa = nullptr;
  QCheckBox *CheckBServ1 = nullptr;
  QLabel *LNombreServ2 = nullptr, *LAlicuotaServ2 = nullptr;
  TTarvoEdit *ENomCargxEnv = nullptr;
  TTarvoNumberEdit *EAlicuotaCargxEnv = nullptr;
  QCheckBox *CheckBServ2 = nullptr;
  std::array<QCheckBox *, 9> chkCodigo{};        // chkCodigo[k - 1] is "chkCodigo<k>"
  std::array<QCheckBox *, 9> CheckRellenarF{};   // CheckRellenarF[k - 1] is "CheckRellenarF<k>"

  // Hotelería.
  TTarvoEdit *EDescripcionPeriodoHotel = nullptr;
  TTarvoDateEdit *EFechaIniHotel = nullptr;
  TTarvoDateEdit *EFechaHastaHotel = nullptr;
  TTarvoDateEdit *EFechaActualHotel = nullptr;
  QCheckBox *CheckTemporada = nullptr, *CheckTemporadaRellenar = nullptr;
  QCheckBox *CheckTipoTarifa = nullptr, *CheckTipoTarifaRellenar = nullptr;
  QCheckBox *CheckRegimen = nullptr, *CheckRegimenRellenar = nullptr;
  QCheckBox *CheckTipoHab = nullptr, *CheckTipoHabRellenar = nullptr;
  QCheckBox *CheckUbicaHab = nullptr, *CheckUbicaHabRellenar = nullptr;
  QCheckBox *CheckHabita = nullptr, *CheckHabitaRellenar = nullptr;
  QCheckBox *CheckCaracHabita = nullptr, *CheckCaracHabitaRellenar = nullptr;
  QCheckBox *CheckInventarioHotel = nullptr, *CheckInventarioHotelRellenar = nullptr;
  QCheckBox *CheckEmpleado = nullptr, *CheckEmpleadoRellanar = nullptr;
  QCheckBox *CheckTareas = nullptr, *CheckTareasRellenar = nullptr;

  // Country page.
  std::array<QRadioButton *, 6> RadioBP{};  // RadioBP[n - 1] is "RadioBP<n>"
  QGroupBox *GroupBox19 = nullptr;          // hidden
  QComboBox *ComboPaises = nullptr;         // hidden; the chosen country

 protected:
  void closeEvent(QCloseEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  // WizardCatalogue.cpp: builds every region, page and control.
  void BuildCatalogue();
  void BuildHeader();
  void BuildButtonBar();
  void BuildFinalPanel();
  QWidget *BuildAdminCompanyPage1();
  QWidget *BuildAdminCompanyPage2();
  QWidget *BuildAdminPeriodPage();
  QWidget *BuildAdminTaxPage();
  QWidget *BuildAdminCodePage();
  QWidget *BuildAccountingYearPage();
  QWidget *BuildPriceIndexPage();
  QWidget *BuildPayrollPage();
  QWidget *BuildFoodGeneralPage();
  QWidget *BuildFoodCodePage();
  QWidget *BuildHotelPeriodPage();
  QWidget *BuildHotelCodePage();
  QWidget *BuildCountryPage();
  void ConnectHandlers();

  // WizardPreparation.cpp: the steps of each module; each throws on failure.
  void PrepareAdministrativo(const QString &company);
  void PrepareContabilidad();
  void PrepareNomina();
  void PrepareAlimentos();
  void PrepareHoteleria();
  // Puts the default period of TodayYear/TodayMonth into three controls.
  void ProposePeriod(TTarvoDateEdit *start, TTarvoDateEdit *end, TTarvoEdit *description);
  void FailPreparation(const QString &message);
  void CloseAllTables();

  // The inner page control of a module page index 0..4, or null.
  QTabWidget *InnerPageControl(int modulePage) const;
  int StepInnerPage(int outer, int delta);

  QStringList m_args;
  static QDate s_systemDate;
};
