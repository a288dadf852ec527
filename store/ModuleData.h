#pragma once
// The module data model: which module keeps its settings in which folder and
// table, the table file names, and the bit sets FCO_AUTOCODE / FCO_AUTOFILL.
// Folders are written with "/" and end in "/"; relative ones are resolved
// against the working folder when a table is opened (store/Paths.h).
#include <QString>
#include <QList>
#include <QStringList>

#include <cstdint>
#include <span>

namespace q7 {

// Module numbers, as given on the command line.
enum ModuleNumber : int {
  kAdministrativo = 1,
  kContabilidad = 2,
  kNomina = 3,
  kFood = 4,
  kHotel = 5,
};

// Page index of the country page in PControlModulos.
inline constexpr int kCountryPage = 5;

struct ModuleRow {
  int number;             // 1..5
  const char *name;       // ModuleName, UTF-8 ("Alimentos && Bebidas" keeps "&&")
  int page;               // ModulePage: index in PControlModulos
  const char *settingsTable;  // SettingsTable
};

// The row of a module number; nullptr outside 1..5.
const ModuleRow *FindModule(int number);
bool IsModuleNumber(int number);
// "Administrativo", "Contabilidad", "Nómina", "Alimentos && Bebidas",
// "Hotelería"; "" outside 1..5.
QString ModuleName(int number);
int ModulePage(int number);          // -1 outside 1..5
QString SettingsTable(int number);   // "" outside 1..5

// Folders.
inline constexpr const char *kDataSistemaFolder = "DataSistema/";
inline constexpr const char *kDataDemoFolder = "DataDemo/DATA/";
inline constexpr const char *kFoodFolder = "EMPRE002/DATA/";
inline constexpr const char *kHotelSubfolder = "EMPRE003/DATA/";  // under the program folder
inline constexpr const char *kCountryRootFolder = "q7Folder/";

// Table files.
inline constexpr const char *kCompanyListTable = "sempresas.dat";
inline constexpr const char *kAdminSettingsTable = "ssistema.dat";
inline constexpr const char *kAccountingCompanyTable = "q7CEmpresas.dat";
inline constexpr const char *kPriceIndexTable = "q7CIndPrec";  // opened under this name
inline constexpr const char *kFixedAssetTable = "q7CActivos.dat";
inline constexpr const char *kPayrollTable = "q7Nominas.dat";
inline constexpr const char *kConfigTable = "q7Config.dat";
inline constexpr const char *kDemoCompany = "DEMO";

// "q7Folder/" + country + "/".
QString CountryFolder(const QString &country);

// The Administrativo data folder: FE_DIRDATOS (either separator) with "/"
// always appended, so a text already ending in a separator gives a doubled
// one, which still addresses the same folder. An empty or blank FE_DIRDATOS
// would give "/", the root of the file system: that is refused with a
// StoreError instead of silently reading or writing there.
QString AdministrativoDataFolder(const QString &feDirDatos);

// DataFolder of a module: 1 -> AdministrativoDataFolder(feDirDatos);
// 2, 3 -> "DataSistema/"; 4 -> "EMPRE002/DATA/";
// 5 -> ProgramFolder() + "EMPRE003/DATA/". Outside 1..5: StoreError.
QString ModuleDataFolder(int number, const QString &feDirDatos = {});

// One bit of FCO_AUTOCODE / FCO_AUTOFILL with the check boxes that show it.
struct CodeBit {
  int bit;
  std::uint32_t value;     // 1u << bit
  const char *codeCheck;   // check box of FCO_AUTOCODE
  const char *caption;     // UTF-8 caption of the code check box
  const char *fillCheck;   // check box of FCO_AUTOFILL
};

// Alimentos && Bebidas: chkCodigo1..9 / CheckRellenarF1..9 (9 bits, 30 to 22).
std::span<const CodeBit> FoodCodeBits();
// Hotelería: the ten hotel check boxes (bits 30 to 23, 20, 19).
std::span<const CodeBit> HotelCodeBits();

// Builds a bit set from the check states, in the order of the list (states
// shorter than the list count as off). Bits not in the list are 0.
std::int32_t ComposeBitSet(std::span<const CodeBit> bits, const QList<bool> &states);
// The state of one listed bit; other bits are ignored.
bool BitIsSet(std::int32_t bitSet, const CodeBit &bit);

}  // namespace q7
