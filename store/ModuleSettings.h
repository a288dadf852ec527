#pragma once
// The settings the wizard loads into its pages and writes back, for
// Administrativo, Alimentos && Bebidas and Hotelería, plus the reads of the
// Contabilidad preparation and of the country templates. The window reads its
// controls into the plain values below and calls these functions with its
// table handles; every function that opens a handle closes it again when it
// ends, also on failure (the Contabilidad company and price-index handles are
// left open on purpose, as the window keeps them for the whole run).
//
// Folders are folder texts as store/ModuleData.h forms them ("/" or "\",
// ending in a separator; "" is the working folder).
#include "store/BlobImages.h"
#include "store/Sqlite.h"

#include <QDate>
#include <QString>

#include <array>

namespace q7 {

class TableHandle;

// "Enero" .. "Diciembre" for 1..12; "" outside.
QString MonthNames(int month);

// ---------------------------------------------------------------------------
// Plain values of the pages

// A working period: first day, last day and its description.
struct PeriodValues {
  QDate start;
  QDate end;
  QString name;
};

// The two taxes of Administrativo (page of the taxes; also what a country
// template supplies).
struct TaxSettings {
  QString name1;         // IMPUESTO1 - ENombreImpuesto1
  QString name2;         // IMPUESTO2 - ENombreImpuesto2
  double rate1 = 0;      // MTO_IMPUESTO1 - EAlicuota1
  double rate2 = 0;      // MTO_IMPUESTO2 - EAlicuotaDos
  bool active1 = false;  // ACTIVAR_IMPUESTO1 - CBActivo1
  bool active2 = false;  // ACTIVAR_IMPUESTO2 - CBActivo2
  int mode = 0;          // MODO_IVA - item index of CBTipoImpuesto2
};

// Company data of "sempresas.dat". The two addresses may hold several lines;
// they are stored with CR LF between lines whatever line ends the control gives.
struct CompanyData {
  QString nit;                // FE_NIT - ENitEmpre
  QString rif;                // FE_RIF - ERifEmpre
  QString address;            // FE_DIRECCION1 - EDirEmpre
  QString representative;     // FE_REPRESENTANTE - ERepreEmpre
  QString representativeRif;  // FE_RIFREPRESENTANTE - ERifRepreEmpre
  QString postalAddress;      // FE_DIRECCION2 - EDirPostalEmpre
  QString phone;              // FE_TELEFONO - ETelefEmpre
  QString fax;                // FE_TELEFAX - EFaxEmpre
  QString email;              // FE_EMAIL - EEmailEmpre
  QString website;            // FE_WEBSITE - EWebEmpre
};

// The kinds of record with automatic codes in Administrativo, in the order of
// their AUTOCODE.../FILLCODE... field pairs.
enum AdminCodeKind {
  kCodeCategoria,     // CheckDepartamentos / CheckRellenarDepa
  kCodeInventario,    // CheckInventario / CheckRellenarInve
  kCodeZona,          // CheckZonas / CheckRellenarZona
  kCodeCliente,       // CheckClientes / CheckRellenarClient
  kCodeVendedor,      // CheckVendedores / CheckRellenarVen
  kCodeProveedor,     // CheckProveedores / CheckRellenarProvee
  kCodeConcepto,      // CheckConceptos / CheckRellenarConcep
  kCodeBeneficiario,  // CheckBeneficiarios / CheckRellenarBene
  kAdminCodeKinds
};

// Everything the Administrativo save writes into "ssistema.dat".
struct AdminSettings {
  PeriodValues period;  // EFechaInicio, EFechaFinal, EDescripPeriodo
  TaxSettings taxes;
  double bankDebitTax = 0;  // IMP_DEBITOBANCARIO - EImpDebitoBancario
  std::array<bool, kAdminCodeKinds> autoCode{};  // AUTOCODE...
  std::array<bool, kAdminCodeKinds> fillCode{};  // FILLCODE...
  bool specialTaxpayer = false;                  // CONTRIBUYENTE_ESPECIAL - CheckBContribuyenteEsp
};

// The two services of Alimentos && Bebidas.
struct FoodServices {
  QString name1;         // FCO_SERVICIO1 - ENomServMesa
  QString name2;         // FCO_SERVICIO2 - ENomCargxEnv
  double rate1 = 0;      // FCO_MTOSERVICIO1 - EAlicuotaServMesa
  double rate2 = 0;      // FCO_MTOSERVICIO2 - EAlicuotaCargxEnv
  bool active1 = false;  // FCO_ACTIVARSERVICIO1 - CheckBServ1
  bool active2 = false;  // FCO_ACTIVARSERVICIO2 - CheckBServ2
};

// Alimentos && Bebidas. Index i of autoCode is chkCodigo(i+1), of autoFill
// CheckRellenarF(i+1).
struct FoodSettings {
  PeriodValues period;  // EFechaIniFood, EFechaFinalFood, EDescripPFood (saved only)
  FoodServices services;
  std::array<bool, 9> autoCode{};  // FCO_AUTOCODE
  std::array<bool, 9> autoFill{};  // FCO_AUTOFILL
};

// Hotelería. Index i of autoCode / autoFill is the i-th entry of
// HotelCodeBits() (CheckTemporada, CheckTipoHab, ... CheckTareas and their
// "...Rellenar" boxes).
struct HotelSettings {
  PeriodValues period;  // EFechaIniHotel, EFechaHastaHotel, EDescripcionPeriodoHotel
  QDate currentDate;    // EFechaActualHotel; the day before is the last audit
  std::array<bool, 10> autoCode{};  // FCO_AUTOCODE
  std::array<bool, 10> autoFill{};  // FCO_AUTOFILL
};

// Bit sets FCO_AUTOCODE / FCO_AUTOFILL <-> check states. Composing sets only
// the listed bits of the boxes that are on; decoding ignores the other bits.
std::int32_t FoodBitSet(const std::array<bool, 9> &checks);
std::array<bool, 9> FoodChecks(std::int32_t bitSet);
std::int32_t HotelBitSet(const std::array<bool, 10> &checks);
std::array<bool, 10> HotelChecks(std::int32_t bitSet);

// The 36 period names of DESCRIPCIONPERIODOS: slot 0 the month of the
// period's end date, then month by month through three years.
PeriodDescriptions BuildPeriodDescriptions(int endMonth);

// ---------------------------------------------------------------------------
// Preparation

// Administrativo: FE_DIRDATOS of the first record of "sempresas.dat" (opened
// with `companies` in the working folder) as the module's data folder.
QString ReadAdministrativoDataFolder(TableHandle &companies);

// Administrativo: the data folder and the stored company data of the first
// record of "sempresas.dat". The company pages start with what is stored, so
// a save that leaves them untouched writes the company record back as it was
// instead of blanking it. Multi-line addresses come with "\n" line ends.
struct AdministrativoCompany {
  QString dataFolder;
  CompanyData company;
};
AdministrativoCompany ReadAdministrativoCompany(TableHandle &companies);
// Administrativo: the taxes of the first record of "ssistema.dat" in
// dataFolder, opened with `settings`.
TaxSettings ReadAdministrativoTaxes(TableHandle &settings, const QString &dataFolder);

// Alimentos && Bebidas: services and code options of the first record of
// "q7Config.dat" in dataFolder (the preparation uses Tabla, the country
// reload TablaDos). The period is not read and stays empty.
FoodSettings ReadFoodSettings(TableHandle &table, const QString &dataFolder);

// Contabilidad: whether "q7CIndPrec.dat" exists in dataFolder.
bool PriceIndexTableExists(const QString &dataFolder);
// Contabilidad: opens "q7CEmpresas.dat" in dataFolder with `company` and looks
// up the record "DEMO". Found: the handle stays open on it and its PERIODOS
// are read into `periods` with ReadBlobField (which reports its own failure
// and leaves zeros where nothing was read); returns true. Not found: the
// handle is closed and false is returned. An open failure throws.
bool OpenDemoCompany(TableHandle &company, const QString &dataFolder, PeriodsImage &periods);
// Contabilidad: opens the price-index table "q7CIndPrec" in dataFolder with
// `priceIndex`; it stays open.
void OpenPriceIndexTable(TableHandle &priceIndex, const QString &dataFolder);

// ---------------------------------------------------------------------------
// Country templates (folder: CountryFolder(country))

// True when a file named fileName exists in folder (name matched without
// regard to letter case); any error while looking counts as false.
bool TemplateExists(const QString &folder, const QString &fileName);

// What the Administrativo template "ssistema.dat" supplies.
struct AdminTemplate {
  TaxSettings taxes;
  QString identity1;  // IDENTIDADFISCAL1
  QString identity2;  // IDENTIDADFISCAL2
};
// Reads the first record of "ssistema.dat" in countryFolder with `tablaDos`.
// Nothing is returned when any field cannot be read: the caller applies all
// or nothing.
AdminTemplate ReadAdministrativoTemplate(TableHandle &tablaDos, const QString &countryFolder);

// Contabilidad: the PERIODOS of the record "DEMO" of the template
// "q7CEmpresas.dat" in countryFolder, read with `tablaDos`. Without such a
// record `periods` is unchanged and the result is false. When the blob
// cannot be read ReadBlobField reports it and `periods` also stays as it was
// (rather than being wiped), so the prepared periods are kept.
bool ReadTemplatePeriods(TableHandle &tablaDos, const QString &countryFolder, PeriodsImage &periods);

// Captions and layout of the two fiscal identities on the first
// Administrativo page, from the names a template gives.
struct IdentityLayout {
  QString nitCaption;               // LNit
  QString rifCaption;               // LRif
  bool nitVisible = true;           // LNit, ENitEmpre
  bool rifVisible = true;           // LRif, ERifEmpre
  bool rifInFirstSlot = false;      // LRif, ERifEmpre, Shape33 moved to the first slot
  int shape32Width = 153;
  int shape33Width = 153;
  QString datosEmpreCaption;        // LDatosEmpre
  QString rifRepresentanteCaption;  // LRifRepresentante
};
// The layout before any template ("N.I.T", "R.I.F", both visible).
IdentityLayout DefaultIdentityLayout();
// The layout for the identity names of a template.
IdentityLayout TemplateIdentityLayout(const QString &identity1, const QString &identity2);

// ---------------------------------------------------------------------------
// Saving

// A failure of a save step. Table() is the table the user's message names,
// never empty: the table label of the step, or when none was set yet the file
// the failing step was working on.
class SaveStepError : public StoreError {
 public:
  SaveStepError(const QString &table, const QString &message);
  const QString &Table() const { return m_table; }

 private:
  QString m_table;
};

// "Error al cargar la tabla " + table + ".".
QString SaveErrorText(const QString &table);

// Administrativo: unless companyCode in capitals is "DEMO", the company data
// into the first record of "sempresas.dat" (working folder, `companies`);
// then every setting, ESTADANO2000/1999/1998 from the end date's year and the
// 36 period descriptions into the first record of "ssistema.dat" in
// dataFolder (`settings`). An empty table gets one record. The company record
// is stored before the settings record is written; a failure after that
// leaves it stored. Throws SaveStepError. The installation copy, when one is
// due, runs before this.
void SaveAdministrativo(TableHandle &settings, TableHandle &companies, const QString &dataFolder,
                        const QString &companyCode, const CompanyData &company,
                        const AdminSettings &values);

// Alimentos && Bebidas: the first record of "q7Config.dat" in dataFolder.
void SaveFood(TableHandle &settings, const QString &dataFolder, const FoodSettings &values);

// Hotelería: the first record of "q7Config.dat" in dataFolder;
// FCO_LASTAUDIT is the day before currentDate.
void SaveHotel(TableHandle &settings, const QString &dataFolder, const HotelSettings &values);

}  // namespace q7
