#include "store/ModuleData.h"

#include "store/Paths.h"
#include "store/Sqlite.h"

#include <array>

namespace q7 {

namespace {

constexpr std::array<ModuleRow, 5> kModules{{
    {kAdministrativo, "Administrativo", 0, kAdminSettingsTable},
    {kContabilidad, "Contabilidad", 1, kAccountingCompanyTable},
    {kNomina, "Nómina", 2, kPayrollTable},
    {kFood, "Alimentos && Bebidas", 3, kConfigTable},
    {kHotel, "Hotelería", 4, kConfigTable},
}};

constexpr std::array<CodeBit, 9> kFoodBits{{
    {30, 0x40000000u, "chkCodigo1", "Familias", "CheckRellenarF1"},
    {29, 0x20000000u, "chkCodigo2", "SubFamilias", "CheckRellenarF2"},
    {28, 0x10000000u, "chkCodigo5", "Áreas de P&reparación", "CheckRellenarF5"},
    {27, 0x08000000u, "chkCodigo3", "Tamaños", "CheckRellenarF3"},
    {26, 0x04000000u, "chkCodigo4", "Descriptivos", "CheckRellenarF4"},
    {25, 0x02000000u, "chkCodigo7", "Productos", "CheckRellenarF7"},
    {24, 0x01000000u, "chkCodigo6", "Calendario", "CheckRellenarF6"},
    {23, 0x00800000u, "chkCodigo9", "Configuración de Pantallas", "CheckRellenarF9"},
    {22, 0x00400000u, "chkCodigo8", "Configuración de Menús", "CheckRellenarF8"},
}};

constexpr std::array<CodeBit, 10> kHotelBits{{
    {30, 0x40000000u, "CheckTemporada", "Temporada :", "CheckTemporadaRellenar"},
    {29, 0x20000000u, "CheckTipoHab", "Tipo de Habitación :", "CheckTipoHabRellenar"},
    {28, 0x10000000u, "CheckHabita", "Habitaciones :", "CheckHabitaRellenar"},
    {27, 0x08000000u, "CheckTipoTarifa", "Tipo de Tarifa :", "CheckTipoTarifaRellenar"},
    {26, 0x04000000u, "CheckUbicaHab", "Ubicación de Habitación :", "CheckUbicaHabRellenar"},
    {25, 0x02000000u, "CheckRegimen", "Regímenes :", "CheckRegimenRellenar"},
    {24, 0x01000000u, "CheckCaracHabita", "Características de Habitación :", "CheckCaracHabitaRellenar"},
    {23, 0x00800000u, "CheckInventarioHotel", "Inventario :", "CheckInventarioHotelRellenar"},
    {20, 0x00100000u, "CheckEmpleado", "Empleados :", "CheckEmpleadoRellanar"},
    {19, 0x00080000u, "CheckTareas", "Tareas :", "CheckTareasRellenar"},
}};

}  // namespace

const ModuleRow *FindModule(int number) {
  for (const ModuleRow &row : kModules)
    if (row.number == number) return &row;
  return nullptr;
}

bool IsModuleNumber(int number) { return FindModule(number) != nullptr; }

QString ModuleName(int number) {
  const ModuleRow *row = FindModule(number);
  return row ? QString::fromUtf8(row->name) : QString();
}

int ModulePage(int number) {
  const ModuleRow *row = FindModule(number);
  return row ? row->page : -1;
}

QString SettingsTable(int number) {
  const ModuleRow *row = FindModule(number);
  return row ? QString::fromUtf8(row->settingsTable) : QString();
}

QString CountryFolder(const QString &country) {
  return QString::fromUtf8(kCountryRootFolder) + country + u'/';
}

QString AdministrativoDataFolder(const QString &feDirDatos) {
  if (feDirDatos.trimmed().isEmpty())
    throw StoreError(QStringLiteral("La carpeta de datos de la empresa (FE_DIRDATOS) está vacía"));
  return NormalizeSeparators(feDirDatos) + u'/';
}

QString ModuleDataFolder(int number, const QString &feDirDatos) {
  switch (number) {
    case kAdministrativo: return AdministrativoDataFolder(feDirDatos);
    case kContabilidad:
    case kNomina: return QString::fromUtf8(kDataSistemaFolder);
    case kFood: return QString::fromUtf8(kFoodFolder);
    case kHotel: return ProgramFolder() + QString::fromUtf8(kHotelSubfolder);
    default: break;
  }
  throw StoreError(QStringLiteral("Número de módulo no válido: %1").arg(number));
}

std::span<const CodeBit> FoodCodeBits() { return kFoodBits; }
std::span<const CodeBit> HotelCodeBits() { return kHotelBits; }

std::int32_t ComposeBitSet(std::span<const CodeBit> bits, const QList<bool> &states) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < bits.size(); ++i)
    if (static_cast<qsizetype>(i) < states.size() && states[static_cast<qsizetype>(i)]) value |= bits[i].value;
  return static_cast<std::int32_t>(value);
}

bool BitIsSet(std::int32_t bitSet, const CodeBit &bit) {
  return (static_cast<std::uint32_t>(bitSet) & bit.value) != 0;
}

}  // namespace q7
