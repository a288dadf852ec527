#include "tools/SampleData.h"

#include "store/BlobImages.h"
#include "store/ValueKinds.h"

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

#include <sqlite3.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace q7sample {

namespace {

namespace fs = std::filesystem;

// The file that marks a folder as laid out by this tool; only a folder that
// carries it may be laid out again.
constexpr const char *kMarker = ".q7sampledata";

const char *const kMonthNames[12] = {"Enero", "Febrero", "Marzo",      "Abril",   "Mayo",      "Junio",
                                     "Julio", "Agosto",  "Septiembre", "Octubre", "Noviembre", "Diciembre"};

using Value = std::variant<std::nullptr_t, qint64, QString, QByteArray>;
using Row = std::vector<Value>;

struct Column {
  const char *name;
  const char *type;  // declared type: TEXT, INTEGER, BOOLEAN, CURRENCY, DATE, BLOB (+ PRIMARY KEY)
};

[[noreturn]] void Fail(const QString &message) { throw std::runtime_error(message.toStdString()); }

fs::path NativePath(const QString &path) { return fs::path(QFile::encodeName(path).toStdString()); }

// Values as the tables store them.
Value Text(const char *utf8) { return QString::fromUtf8(utf8); }
Value Int(qint64 value) { return value; }
Value Bool(bool value) { return qint64(value ? 1 : 0); }
Value Money(double value) { return qint64(std::llround(value * 10000.0)); }
Value Day(int year, int month, int day) { return QDate(year, month, day).toString(Qt::ISODate); }
Value NoValue() { return nullptr; }

int LastDayOfMonth(int year, int month) { return QDate(year, month, 1).daysInMonth(); }

QByteArray Bytes(const std::uint8_t *data, std::size_t size) {
  return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// Writes one table file NAME.dat holding the table NAME: built under a
// temporary name and renamed into place, so a failed run leaves no half file.
void WriteTable(const QString &folder, const QString &table, const std::vector<Column> &columns,
                const std::vector<Row> &rows) {
  const QString path = folder + u'/' + table + QStringLiteral(".dat");
  const QString temporary = path + QStringLiteral(".tmp");
  std::error_code ignored;
  fs::remove(NativePath(temporary), ignored);
  fs::remove(NativePath(temporary + QStringLiteral("-journal")), ignored);

  sqlite3 *db = nullptr;
  const QByteArray nativeTemporary = QFile::encodeName(temporary);
  if (sqlite3_open_v2(nativeTemporary.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
      SQLITE_OK) {
    const QString why = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("sin memoria");
    sqlite3_close(db);
    Fail(QStringLiteral("No se pudo crear %1: %2").arg(path, why));
  }
  auto check = [&](int rc, const char *what) {
    if (rc == SQLITE_OK || rc == SQLITE_DONE || rc == SQLITE_ROW) return;
    const QString why = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_close(db);
    fs::remove(NativePath(temporary), ignored);
    Fail(QStringLiteral("%1 en %2: %3").arg(QString::fromLatin1(what), path, why));
  };

  QString create = QStringLiteral("CREATE TABLE \"%1\" (").arg(table);
  QString insert = QStringLiteral("INSERT INTO \"%1\" (").arg(table);
  QString marks;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const QString sep = i ? QStringLiteral(", ") : QString();
    create += sep + QString::fromLatin1(columns[i].name) + u' ' + QString::fromLatin1(columns[i].type);
    insert += sep + QString::fromLatin1(columns[i].name);
    marks += i ? QStringLiteral(", ?") : QStringLiteral("?");
  }
  create += u')';
  insert += QStringLiteral(") VALUES (") + marks + u')';

  check(sqlite3_exec(db, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL; BEGIN", nullptr, nullptr, nullptr),
        "BEGIN");
  check(sqlite3_exec(db, create.toUtf8().constData(), nullptr, nullptr, nullptr), "CREATE TABLE");
  sqlite3_stmt *stmt = nullptr;
  check(sqlite3_prepare_v2(db, insert.toUtf8().constData(), -1, &stmt, nullptr), "INSERT");
  for (const Row &row : rows) {
    if (row.size() != columns.size()) {
      sqlite3_finalize(stmt);
      check(SQLITE_MISUSE, "INSERT");
    }
    sqlite3_reset(stmt);
    for (std::size_t i = 0; i < row.size(); ++i) {
      const int at = static_cast<int>(i) + 1;
      const Value &value = row[i];
      if (std::holds_alternative<qint64>(value)) {
        sqlite3_bind_int64(stmt, at, std::get<qint64>(value));
      } else if (std::holds_alternative<QString>(value)) {
        const QByteArray utf8 = std::get<QString>(value).toUtf8();
        sqlite3_bind_text(stmt, at, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
      } else if (std::holds_alternative<QByteArray>(value)) {
        const QByteArray &blob = std::get<QByteArray>(value);
        sqlite3_bind_blob(stmt, at, blob.constData(), static_cast<int>(blob.size()), SQLITE_TRANSIENT);
      } else {
        sqlite3_bind_null(stmt, at);
      }
    }
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE) sqlite3_finalize(stmt);
    check(rc, "INSERT");
  }
  sqlite3_finalize(stmt);
  check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), "COMMIT");
  check(sqlite3_close(db), "CLOSE");

  // A journal left beside an earlier sample file belongs to that file.
  fs::remove(NativePath(path + QStringLiteral("-journal")), ignored);
  std::error_code error;
  fs::rename(NativePath(temporary), NativePath(path), error);
  if (error) Fail(QStringLiteral("No se pudo escribir %1: %2").arg(path, QString::fromStdString(error.message())));
}

void WriteFile(const QString &path, const QByteArray &bytes) {
  const QString temporary = path + QStringLiteral(".tmp");
  QFile file(temporary);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
      !file.flush())
    Fail(QStringLiteral("No se pudo escribir %1: %2").arg(path, file.errorString()));
  file.close();
  std::error_code error;
  fs::rename(NativePath(temporary), NativePath(path), error);
  if (error) Fail(QStringLiteral("No se pudo escribir %1: %2").arg(path, QString::fromStdString(error.message())));
}

QByteArray Windows1252(const QString &text) {
  QStringEncoder encoder("windows-1252");
  return encoder.encode(text);
}

void MakeFolder(const QString &path) {
  if (!QDir().mkpath(path)) Fail(QStringLiteral("No se pudo crear la carpeta %1").arg(path));
}

// A folder may be laid out when it is missing, empty, or marked by an
// earlier run of this tool.
void CheckFolderMayBeUsed(const QString &folder) {
  const QFileInfo info(folder);
  if (!info.exists()) return;
  if (!info.isDir()) Fail(QStringLiteral("%1 no es una carpeta").arg(folder));
  if (QFileInfo::exists(folder + u'/' + QLatin1String(kMarker))) return;
  if (!QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
    Fail(QStringLiteral("La carpeta %1 ya contiene archivos y no es una carpeta de datos de muestra; "
                        "no se escribe en ella")
             .arg(folder));
}

void WriteMarker(const QString &folder) {
  WriteFile(folder + u'/' + QLatin1String(kMarker),
            QByteArrayLiteral("Datos de muestra de q7 Inicialización: q7SampleData puede volver a escribir "
                              "sus propios archivos en esta carpeta.\n"));
}

// ---------------------------------------------------------------------------
// Images

// PERIODOS: twelve monthly periods from firstMonth of firstYear. The bytes the
// wizard does not interpret hold what an accounting module plausibly keeps
// there: a name per period (23-byte slots of a length byte and text), an
// open flag per period, and a closing status area.
QByteArray PeriodsBlob(int firstYear, int firstMonth) {
  q7::PeriodsImage image;
  for (int i = 0; i < 12; ++i) {
    const int month = (firstMonth - 1 + i) % 12 + 1;
    const int year = firstYear + (firstMonth - 1 + i) / 12;
    image.SetYear(i, year);
    image.SetFirstDate(i, QDate(year, month, 1));
    image.SetLastDate(i, QDate(year, month, LastDayOfMonth(year, month)));
    const QByteArray name =
        Windows1252(QString::fromUtf8(kMonthNames[month - 1]) + u' ' + QString::number(year)).left(22);
    std::uint8_t *slot = image.data() + 23 * i;
    slot[0] = static_cast<std::uint8_t>(name.size());
    std::memcpy(slot + 1, name.constData(), static_cast<std::size_t>(name.size()));
    q7::WriteInt16LE(image.data() + 300 + 2 * i, 1);
  }
  image.data()[516] = 0x4F;  // 'O': the fiscal year is open
  return Bytes(image.data(), image.size());
}

QByteArray PeriodDescriptionsBlob(int firstMonth) {
  q7::PeriodDescriptions image;
  for (int slot = 0; slot < q7::PeriodDescriptions::kSlots; ++slot)
    image.SetName(slot, QString::fromUtf8(kMonthNames[(firstMonth - 1 + slot) % 12]));
  return Bytes(image.data(), image.size());
}

// FNO_FECHAPERIODOS of the monthly (1), twice-monthly (2) or weekly (3)
// payroll of a year.
QByteArray PayrollBlob(int kind, int year) {
  q7::PayrollPeriodList list;
  if (kind == 1) {
    for (int m = 1; m <= 12; ++m) {
      list.SetFirstDate(m - 1, QDate(year, m, 1));
      list.SetLastDate(m - 1, QDate(year, m, LastDayOfMonth(year, m)));
    }
  } else if (kind == 2) {
    for (int m = 1; m <= 12; ++m) {
      list.SetFirstDate(2 * (m - 1), QDate(year, m, 1));
      list.SetLastDate(2 * (m - 1), QDate(year, m, 15));
      list.SetFirstDate(2 * (m - 1) + 1, QDate(year, m, 16));
      list.SetLastDate(2 * (m - 1) + 1, QDate(year, m, LastDayOfMonth(year, m)));
    }
  } else {
    QDate monday(year, 1, 1);
    while (monday.dayOfWeek() != 1) monday = monday.addDays(-1);
    for (int w = 0; w < 52; ++w) {
      list.SetFirstDate(w, monday.addDays(7 * w));
      list.SetLastDate(w, monday.addDays(7 * w + 6));
    }
  }
  return Bytes(list.data(), list.size());
}

// VALORES of the price-index table: twelve monthly values from byte 96; the
// first months monthsFilled get a value, the rest stay 0 (still to be typed).
QByteArray PriceIndexBlob(double january, double monthlyRise, int monthsFilled) {
  std::uint8_t bytes[192] = {};
  double value = january;
  for (int k = 0; k < monthsFilled; ++k) {
    q7::WriteDoubleLE(bytes + 96 + 8 * k, std::round(value * 100.0) / 100.0);
    value *= 1.0 + monthlyRise;
  }
  return Bytes(bytes, sizeof bytes);
}

// ---------------------------------------------------------------------------
// Tables

const std::vector<Column> &SettingsColumns() {
  static const std::vector<Column> columns{
      {"FECHA_INICIOPERIODO", "DATE"},
      {"FECHA_FINALPERIODO", "DATE"},
      {"NAMEPERIODO", "TEXT"},
      {"IMPUESTO1", "TEXT"},
      {"IMPUESTO2", "TEXT"},
      {"MTO_IMPUESTO1", "CURRENCY"},
      {"MTO_IMPUESTO2", "CURRENCY"},
      {"ACTIVAR_IMPUESTO1", "BOOLEAN"},
      {"ACTIVAR_IMPUESTO2", "BOOLEAN"},
      {"MODO_IVA", "INTEGER"},
      {"IMP_DEBITOBANCARIO", "CURRENCY"},
      {"AUTOCODECATEGORIA", "BOOLEAN"},
      {"FILLCODECATEGORIA", "BOOLEAN"},
      {"AUTOCODEINVENTARIO", "BOOLEAN"},
      {"FILLCODEINVENTARIO", "BOOLEAN"},
      {"AUTOCODEZONA", "BOOLEAN"},
      {"FILLCODEZONA", "BOOLEAN"},
      {"AUTOCODECLIENTE", "BOOLEAN"},
      {"FILLCODECLIENTE", "BOOLEAN"},
      {"AUTOCODEVENDEDOR", "BOOLEAN"},
      {"FILLCODEVENDEDOR", "BOOLEAN"},
      {"AUTOCODEPROVEEDOR", "BOOLEAN"},
      {"FILLCODEPROVEEDOR", "BOOLEAN"},
      {"AUTOCODECONCEPTO", "BOOLEAN"},
      {"FILLCODECONCEPTO", "BOOLEAN"},
      {"AUTOCODEBENEFICIARIO", "BOOLEAN"},
      {"FILLCODEBENEFICIARIO", "BOOLEAN"},
      {"CONTRIBUYENTE_ESPECIAL", "BOOLEAN"},
      {"ESTADANO2000", "TEXT"},
      {"ESTADANO1999", "TEXT"},
      {"ESTADANO1998", "TEXT"},
      {"DESCRIPCIONPERIODOS", "BLOB"},
      {"IDENTIDADFISCAL1", "TEXT"},
      {"IDENTIDADFISCAL2", "TEXT"},
  };
  return columns;
}

struct Taxes {
  const char *tax1;
  double rate1;
  bool active1;
  const char *tax2;
  double rate2;
  bool active2;
  int mode;
  double bankDebit;
  const char *identity1;
  const char *identity2;
};

Row SettingsRow(const Taxes &t, bool codeOptions) {
  Row row{Day(2024, 1, 1),  Day(2024, 1, 31), Text("Enero 2024"), Text(t.tax1),        Text(t.tax2),
          Money(t.rate1),   Money(t.rate2),   Bool(t.active1),     Bool(t.active2),     Int(t.mode),
          Money(t.bankDebit)};
  for (int i = 0; i < 16; ++i) row.push_back(Bool(codeOptions && (i % 2 == 0 || i < 4)));
  row.push_back(Bool(false));  // CONTRIBUYENTE_ESPECIAL
  row.push_back(Text("2024"));
  row.push_back(Text("2023"));
  row.push_back(Text("2022"));
  row.push_back(PeriodDescriptionsBlob(1));
  row.push_back(Text(t.identity1));
  row.push_back(Text(t.identity2));
  return row;
}

const std::vector<Column> &AccountingCompanyColumns() {
  static const std::vector<Column> columns{
      {"CODIGO", "TEXT PRIMARY KEY"}, {"NOMBRE", "TEXT"},        {"PERIODOS", "BLOB"},
      {"FECHA_INIEJER", "DATE"},      {"FECHA_FINEJER", "DATE"}, {"FECHA_ULTDEPREC", "DATE"},
  };
  return columns;
}

Row AccountingCompanyRow(const char *code, const char *name, int firstYear, int firstMonth) {
  const QDate first(firstYear, firstMonth, 1);
  const QDate last = first.addMonths(12).addDays(-1);
  const QDate lastDepreciation = first.addDays(-1);
  return {Text(code),
          Text(name),
          PeriodsBlob(firstYear, firstMonth),
          Day(first.year(), first.month(), first.day()),
          Day(last.year(), last.month(), last.day()),
          Day(lastDepreciation.year(), lastDepreciation.month(), lastDepreciation.day())};
}

const std::vector<Column> &FoodConfigColumns() {
  static const std::vector<Column> columns{
      {"FCO_SERVICIO1", "TEXT"},         {"FCO_SERVICIO2", "TEXT"},         {"FCO_PERIODO", "TEXT"},
      {"FCO_MTOSERVICIO1", "CURRENCY"},  {"FCO_MTOSERVICIO2", "CURRENCY"},  {"FCO_ACTIVARSERVICIO1", "BOOLEAN"},
      {"FCO_ACTIVARSERVICIO2", "BOOLEAN"}, {"FCO_AUTOCODE", "INTEGER"},     {"FCO_AUTOFILL", "INTEGER"},
      {"FCO_FECHAINI", "DATE"},          {"FCO_FECHAFIN", "DATE"},
  };
  return columns;
}

Row FoodConfigRow(const char *service1, double rate1, const char *service2, double rate2) {
  // Familias, SubFamilias and Productos coded automatically; bit 0 is set by
  // another module of the suite and is not one the wizard knows.
  return {Text(service1),    Text(service2),   Text("Enero 2024"),      Money(rate1),
          Money(rate2),      Bool(true),       Bool(false),             Int(0x40000000 | 0x20000000 | 0x02000000 | 1),
          Int(0x40000000),   Day(2024, 1, 1),  Day(2024, 1, 31)};
}

struct CountryData {
  const char *name;
  Taxes taxes;
  int fiscalYearFirstMonth;
  const char *service1;
  double serviceRate1;
  const char *accounts[4][2];
};

const std::vector<CountryData> &Countries() {
  static const std::vector<CountryData> countries{
      {"Colombia",
       {"IVA", 19.0, true, "Impuesto al Consumo", 8.0, true, 0, 0.4, "NIT", "RIF"},
       1,
       "Propina sugerida",
       10.0,
       {{"1105", "Caja"}, {"1110", "Bancos"}, {"2408", "IVA por pagar"}, {"4135", "Comercio al por mayor"}}},
      {"Aruba",
       {"BBO", 3.0, true, "BAVP", 2.0, true, 2, 0.0, "", "Persoonsnummer"},
       1,
       "Service charge",
       15.0,
       {{"1000", "Kas"}, {"1100", "Bank"}, {"2400", "BBO te betalen"}, {"8000", "Omzet"}}},
      {"Honduras",
       {"ISV", 15.0, true, "ISV Bebidas", 18.0, false, 1, 0.2, "R.T.N", ""},
       1,
       "Servicio",
       10.0,
       {{"1101", "Caja General"}, {"1102", "Bancos"}, {"2105", "ISV por pagar"}, {"4101", "Ventas"}}},
      {"Panama",
       {"ITBMS", 7.0, true, "ITBMS Licores", 10.0, true, 2, 0.0, "R.U.C", "D.V"},
       1,
       "Servicio de Mesa",
       10.0,
       {{"101", "Caja"}, {"102", "Bancos"}, {"210", "ITBMS por pagar"}, {"401", "Ventas"}}},
      {"Costa Rica",
       {"IVA", 13.0, true, "Impuesto Selectivo", 10.0, false, 0, 0.0, "Cédula Jurídica", ""},
       10,
       "Servicio",
       10.0,
       {{"1-01", "Caja"}, {"1-02", "Bancos"}, {"2-05", "IVA por pagar"}, {"4-01", "Ventas"}}},
  };
  return countries;
}

void LayOutCountry(const QString &folder, const CountryData &country) {
  MakeFolder(folder);
  WriteTable(folder, QStringLiteral("ssistema"), SettingsColumns(), {SettingsRow(country.taxes, false)});
  const int firstYear = country.fiscalYearFirstMonth == 1 ? 2024 : 2023;
  WriteTable(folder, QStringLiteral("q7CEmpresas"), AccountingCompanyColumns(),
             {AccountingCompanyRow("DEMO", "Empresa de Demostración", firstYear, country.fiscalYearFirstMonth)});
  WriteTable(folder, QStringLiteral("q7Config"), FoodConfigColumns(),
             {FoodConfigRow(country.service1, country.serviceRate1, "Cargo por Envío", 5.0)});

  // Installation files named by the installation list.
  std::vector<Row> accounts;
  for (const auto &account : country.accounts) accounts.push_back({Text(account[0]), Text(account[1])});
  WriteTable(folder, QStringLiteral("CUENTAS"), {{"CODIGO", "TEXT PRIMARY KEY"}, {"NOMBRE", "TEXT"}}, accounts);
  const QString name = QString::fromUtf8(country.name);
  WriteFile(folder + QStringLiteral("/BALANCE.SPR"),
            Windows1252(QStringLiteral("[Reporte]\r\nTitulo=Balance General - %1\r\n").arg(name)));
  WriteFile(folder + QStringLiteral("/BALANCE.PFG"),
            Windows1252(QStringLiteral("[Pagina]\r\nOrientacion=Vertical\r\nPais=%1\r\n").arg(name)));
  WriteFile(folder + QStringLiteral("/LEEME.TXT"),
            Windows1252(QStringLiteral("Archivos de instalación para %1.\r\nAño fiscal desde el mes %2.\r\n")
                            .arg(name)
                            .arg(country.fiscalYearFirstMonth)));
}

}  // namespace

QStringList SampleCountries() {
  QStringList names;
  for (const CountryData &country : Countries()) names.append(QString::fromUtf8(country.name));
  return names;
}

void LayOutSampleData(const QString &workingFolder, const QString &programFolder) {
  if (workingFolder.isEmpty() || programFolder.isEmpty()) Fail(QStringLiteral("Falta la carpeta de trabajo"));
  const QString work = QDir(workingFolder).absolutePath();
  const QString hotelRoot = QDir(programFolder).absolutePath() + QStringLiteral("/EMPRE003");

  // Every refusal comes before anything is written.
  CheckFolderMayBeUsed(work);
  CheckFolderMayBeUsed(hotelRoot);

  MakeFolder(work);
  WriteMarker(work);
  MakeFolder(hotelRoot);
  WriteMarker(hotelRoot);

  // Company list: the first company keeps its data in DataDemo/DATA.
  const std::vector<Column> companyColumns{
      {"FE_CODIGO", "TEXT PRIMARY KEY"}, {"FE_NOMBRE", "TEXT"},   {"FE_DIRDATOS", "TEXT"},
      {"FE_NIT", "TEXT"},                {"FE_RIF", "TEXT"},      {"FE_DIRECCION1", "TEXT"},
      {"FE_REPRESENTANTE", "TEXT"},      {"FE_RIFREPRESENTANTE", "TEXT"}, {"FE_DIRECCION2", "TEXT"},
      {"FE_TELEFONO", "TEXT"},           {"FE_TELEFAX", "TEXT"},  {"FE_EMAIL", "TEXT"},
      {"FE_WEBSITE", "TEXT"},
  };
  WriteTable(work, QStringLiteral("sempresas"), companyColumns,
             {
                 {Text("001"), Text("Empresa de Demostración, C.A."), Text("DataDemo/DATA"), Text("900123456-7"),
                  Text("J-30123456-0"), Text("Av. Principal, Edificio Central, Piso 3\r\nOficina 3-B"),
                  Text("María Pérez"), Text("V-12345678"), Text("Apartado Postal 1020\r\nCaracas"),
                  Text("(0212) 555-0101"), Text("(0212) 555-0102"), Text("info@demo.example"),
                  Text("www.demo.example")},
                 {Text("002"), Text("Restaurante El Fogón"), Text("EMPRE002/DATA"), Text(""), Text(""), Text(""),
                  Text(""), Text(""), Text(""), Text(""), Text(""), Text(""), Text("")},
                 {Text("003"), Text("Hotel Vista al Mar"), Text("EMPRE003/DATA"), Text(""), Text(""), Text(""),
                  Text(""), Text(""), Text(""), Text(""), Text(""), Text(""), Text("")},
             });

  // Administrativo settings of the demonstration company.
  const QString demo = work + QStringLiteral("/DataDemo/DATA");
  MakeFolder(demo);
  WriteTable(demo, QStringLiteral("ssistema"), SettingsColumns(),
             {SettingsRow({"I.V.A.", 16.0, true, "Impuesto al Lujo", 15.0, false, 0, 0.75, "N.I.T", "R.I.F"},
                          true)});

  // Fixed assets of the demonstration company, dated in the fiscal year 2024;
  // one bought on 29 February, one not yet depreciated.
  WriteTable(demo, QStringLiteral("q7CActivos"),
             {{"CODIGO", "TEXT PRIMARY KEY"},
              {"DESCRIPCION", "TEXT"},
              {"COSTO", "CURRENCY"},
              {"FECHA_ADQ", "DATE"},
              {"FECHA_INC", "DATE"},
              {"FECHA_INICIO", "DATE"},
              {"FECHA_DEPINI", "DATE"},
              {"FECHA_ULTDEP", "DATE"}},
             {
                 {Text("AF-001"), Text("Computador portátil"), Money(1250.5), Day(2023, 3, 15), Day(2023, 3, 20),
                  Day(2023, 4, 1), Day(2023, 4, 1), Day(2023, 12, 31)},
                 {Text("AF-002"), Text("Camioneta de reparto"), Money(28900), Day(2020, 2, 29), Day(2020, 3, 2),
                  Day(2020, 3, 1), Day(2020, 3, 1), Day(2023, 12, 31)},
                 {Text("AF-003"), Text("Escritorio de gerencia"), Money(480.75), Day(2021, 7, 1), Day(2021, 7, 1),
                  Day(2021, 7, 1), Day(2021, 8, 1), Day(2023, 12, 31)},
                 {Text("AF-004"), Text("Aire acondicionado"), Money(950), Day(2023, 12, 28), Day(2023, 12, 28),
                  Day(2024, 1, 1), Day(2024, 1, 1), NoValue()},
             });

  // System tables of the accounting and payroll modules.
  const QString system = work + QStringLiteral("/DataSistema");
  MakeFolder(system);
  WriteTable(system, QStringLiteral("q7CEmpresas"), AccountingCompanyColumns(),
             {AccountingCompanyRow("DEMO", "Empresa de Demostración, C.A.", 2024, 1),
              AccountingCompanyRow("EMP01", "Distribuidora Los Andes", 2023, 7)});
  WriteTable(system, QStringLiteral("q7CIndPrec"), {{"ANO", "INTEGER PRIMARY KEY"}, {"VALORES", "BLOB"}},
             {
                 {Int(2021), PriceIndexBlob(100.0, 0.012, 12)},
                 {Int(2022), PriceIndexBlob(115.4, 0.010, 12)},
                 {Int(2023), PriceIndexBlob(130.1, 0.008, 12)},
                 {Int(2024), PriceIndexBlob(142.9, 0.006, 6)},
             });
  const std::vector<Column> payrollColumns{
      {"FNO_CODIGO", "INTEGER PRIMARY KEY"}, {"FNO_DESCRIPCION", "TEXT"}, {"FNO_FECHAPERIODOS", "BLOB"},
      {"FNO_ANOCURSO", "INTEGER"},           {"FNO_ACTUAL", "INTEGER"},   {"FNO_FINICIO", "DATE"},
  };
  WriteTable(system, QStringLiteral("q7Nominas"), payrollColumns,
             {
                 {Int(1), Text("Nómina Mensual"), PayrollBlob(1, 2024), Int(2024), Int(1), Day(2024, 1, 1)},
                 {Int(2), Text("Nómina Quincenal"), PayrollBlob(2, 2024), Int(2024), Int(1), Day(2024, 1, 1)},
                 {Int(3), Text("Nómina Semanal"), PayrollBlob(3, 2024), Int(2024), Int(1), Day(2024, 1, 1)},
             });

  // Alimentos && Bebidas.
  const QString food = work + QStringLiteral("/EMPRE002/DATA");
  MakeFolder(food);
  WriteTable(food, QStringLiteral("q7Config"), FoodConfigColumns(),
             {FoodConfigRow("Servicio de Mesa", 10.0, "Cargo por Envío", 5.0)});

  // Hotelería, beside the program.
  const QString hotel = hotelRoot + QStringLiteral("/DATA");
  MakeFolder(hotel);
  WriteTable(hotel, QStringLiteral("q7Config"),
             {{"FCO_AUTOCODE", "INTEGER"},
              {"FCO_AUTOFILL", "INTEGER"},
              {"FCO_FECHAINI", "DATE"},
              {"FCO_FECHAFIN", "DATE"},
              {"FCO_LASTAUDIT", "DATE"},
              {"FCO_PERIODO", "TEXT"}},
             {{Int(0x40000000 | 0x10000000 | 0x00100000), Int(0x40000000), Day(2024, 1, 1), Day(2024, 1, 31),
               Day(2023, 12, 31), Text("Enero 2024")}});

  // Country folders and the installation list; reports go to Reportes/.
  const QString countryRoot = work + QStringLiteral("/q7Folder");
  for (const CountryData &country : Countries())
    LayOutCountry(countryRoot + u'/' + QString::fromUtf8(country.name), country);
  MakeFolder(work + QStringLiteral("/Reportes"));
  WriteFile(countryRoot + QStringLiteral("/Install.txt"),
            Windows1252(QStringLiteral("CUENTAS.DAT,DataSistema\\,Plan de cuentas del país\r\n"
                                       "BALANCE.bak,Reportes\\,Reporte de balance\r\n"
                                       "LEEME.TXT,,Notas de instalación\r\n")));
}

}  // namespace q7sample
