// Module settings: bit sets, period descriptions and identity captions as
// plain values; preparation reads, template reads and saves against real
// table files in a temporary working folder.
#include "store/ModuleSettings.h"

#include "store/ModuleData.h"
#include "store/TableHandle.h"
#include "support/MessageRecorder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace q7;

namespace {

// ------------------------------------------------------------ raw SQLite

void Exec(const QString &path, const QString &sql) {
  sqlite3 *db = nullptr;
  ASSERT_EQ(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
            SQLITE_OK);
  char *error = nullptr;
  const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error);
  const QString message = error ? QString::fromUtf8(error) : QString();
  sqlite3_free(error);
  sqlite3_close(db);
  ASSERT_EQ(rc, SQLITE_OK) << message.toStdString();
}

// The first column of the first row, as SQLite's text of it; a blob comes
// back as its bytes in Latin-1.
QString Query(const QString &path, const QString &sql) {
  sqlite3 *db = nullptr;
  if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    return QStringLiteral("<no file>");
  }
  sqlite3_stmt *st = nullptr;
  QString out = QStringLiteral("<no row>");
  if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
    out = QStringLiteral("<error> ") + QString::fromUtf8(sqlite3_errmsg(db));
  } else if (sqlite3_step(st) == SQLITE_ROW) {
    if (sqlite3_column_type(st, 0) == SQLITE_NULL)
      out = QStringLiteral("<null>");
    else if (sqlite3_column_type(st, 0) == SQLITE_BLOB)
      out = QString::fromLatin1(static_cast<const char *>(sqlite3_column_blob(st, 0)), sqlite3_column_bytes(st, 0));
    else
      out = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 0)));
  }
  sqlite3_finalize(st);
  sqlite3_close(db);
  return out;
}

QByteArray FileHash(const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// ------------------------------------------------------------ schemas

const char *kCompanySchema =
    "CREATE TABLE sempresas (FE_CODIGO TEXT PRIMARY KEY, FE_NOMBRE TEXT, FE_DIRDATOS TEXT, FE_NIT TEXT, "
    "FE_RIF TEXT, FE_DIRECCION1 TEXT, FE_REPRESENTANTE TEXT, FE_RIFREPRESENTANTE TEXT, FE_DIRECCION2 TEXT, "
    "FE_TELEFONO TEXT, FE_TELEFAX TEXT, FE_EMAIL TEXT, FE_WEBSITE TEXT);";

QString AdminSchema(const QString &table, bool withSpecialTaxpayer = true) {
  QString sql = QStringLiteral("CREATE TABLE ") + table +
                QStringLiteral(
                    " (FECHA_INICIOPERIODO DATE, FECHA_FINALPERIODO DATE, NAMEPERIODO TEXT, IMPUESTO1 TEXT, "
                    "IMPUESTO2 TEXT, MTO_IMPUESTO1 CURRENCY, MTO_IMPUESTO2 CURRENCY, IMP_DEBITOBANCARIO CURRENCY, "
                    "ACTIVAR_IMPUESTO1 BOOLEAN, ACTIVAR_IMPUESTO2 BOOLEAN, MODO_IVA INTEGER, ");
  for (const char *kind : {"CATEGORIA", "INVENTARIO", "ZONA", "CLIENTE", "VENDEDOR", "PROVEEDOR", "CONCEPTO",
                           "BENEFICIARIO"})
    sql += QStringLiteral("AUTOCODE%1 BOOLEAN, FILLCODE%1 BOOLEAN, ").arg(QLatin1String(kind));
  if (withSpecialTaxpayer) sql += QStringLiteral("CONTRIBUYENTE_ESPECIAL BOOLEAN, ");
  sql += QStringLiteral(
      "ESTADANO2000 TEXT, ESTADANO1999 TEXT, ESTADANO1998 TEXT, DESCRIPCIONPERIODOS BLOB, "
      "IDENTIDADFISCAL1 TEXT, IDENTIDADFISCAL2 TEXT, OTRO TEXT);");
  return sql;
}

const char *kFoodSchema =
    "CREATE TABLE q7Config (FCO_SERVICIO1 TEXT, FCO_SERVICIO2 TEXT, FCO_PERIODO TEXT, FCO_MTOSERVICIO1 CURRENCY, "
    "FCO_MTOSERVICIO2 CURRENCY, FCO_ACTIVARSERVICIO1 BOOLEAN, FCO_ACTIVARSERVICIO2 BOOLEAN, FCO_AUTOCODE INTEGER, "
    "FCO_AUTOFILL INTEGER, FCO_FECHAINI DATE, FCO_FECHAFIN DATE);";

const char *kHotelSchema =
    "CREATE TABLE q7Config (FCO_AUTOCODE INTEGER, FCO_AUTOFILL INTEGER, FCO_FECHAINI DATE, FCO_FECHAFIN DATE, "
    "FCO_LASTAUDIT DATE, FCO_PERIODO TEXT);";

const char *kAccountingSchema =
    "CREATE TABLE q7CEmpresas (CODIGO TEXT PRIMARY KEY, PERIODOS BLOB, FECHA_INIEJER DATE, FECHA_FINEJER DATE, "
    "FECHA_ULTDEPREC DATE);";

// A temporary working folder, made current while the test runs.
class ModuleSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    m_previous = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
  }
  void TearDown() override { QDir::setCurrent(m_previous); }

  QString Path(const QString &relative) const { return m_dir.path() + u'/' + relative; }
  void MakeFolder(const QString &relative) const { ASSERT_TRUE(QDir(m_dir.path()).mkpath(relative)); }

  // "sempresas.dat" with one company whose data folder is "datos\".
  void MakeCompanyList() {
    Exec(Path("sempresas.dat"), QString::fromLatin1(kCompanySchema) +
                                    "INSERT INTO sempresas (FE_CODIGO, FE_NOMBRE, FE_DIRDATOS, FE_NIT) "
                                    "VALUES ('001', 'Nombre', 'datos', 'viejo');");
  }
  // "datos/ssistema.dat", empty or with one record of old values.
  void MakeAdminSettings(bool withRecord = true, bool withSpecialTaxpayer = true) {
    MakeFolder("datos");
    QString sql = AdminSchema("ssistema", withSpecialTaxpayer);
    if (withRecord)
      sql += "INSERT INTO ssistema (IMPUESTO1, MTO_IMPUESTO1, ACTIVAR_IMPUESTO1, MODO_IVA, NAMEPERIODO, OTRO) "
             "VALUES ('IVA', 120000, 1, 2, 'Viejo', 'intacto');";
    Exec(Path("datos/ssistema.dat"), sql);
  }

  static CompanyData SomeCompany() {
    CompanyData c;
    c.nit = "NIT-1";
    c.rif = "RIF-2";
    c.address = "Calle 1\nPiso 2";
    c.representative = "José Pérez";
    c.representativeRif = "RIF-3";
    c.postalAddress = "Apartado 4";
    c.phone = "555-1";
    c.fax = "555-2";
    c.email = "a@b.c";
    c.website = "www.b.c";
    return c;
  }

  static AdminSettings SomeAdminSettings() {
    AdminSettings s;
    s.period = {QDate(2025, 1, 1), QDate(2025, 1, 15), "Enero"};
    s.taxes = {"I.V.A.", "Lujo", 12.345678, 16, true, false, 1};
    s.bankDebitTax = 0.5;
    s.autoCode[kCodeCategoria] = true;
    s.fillCode[kCodeBeneficiario] = true;
    s.specialTaxpayer = true;
    return s;
  }

  QTemporaryDir m_dir;
  QString m_previous;
  TableHandle m_settings;
  TableHandle m_companies;
};

// ------------------------------------------------------------ plain values

TEST(ModuleSettingsValues, BitSetsCarryOnlyTheListedBits) {
  std::array<bool, 9> allFood;
  allFood.fill(true);
  std::array<bool, 10> allHotel;
  allHotel.fill(true);
  std::array<bool, 9> onlyFive{};
  onlyFive[4] = true;  // chkCodigo5
  std::array<bool, 10> onlyTareas{};
  onlyTareas[9] = true;  // CheckTareas

  EXPECT_EQ(FoodBitSet({}), 0);
  EXPECT_EQ(FoodBitSet(allFood), 0x7FC00000);  // bits 22 to 30
  EXPECT_EQ(FoodBitSet(onlyFive), 0x10000000);
  EXPECT_EQ(HotelBitSet({}), 0);
  EXPECT_EQ(HotelBitSet(allHotel), 0x7F980000);  // bits 19, 20 and 23 to 30
  EXPECT_EQ(HotelBitSet(onlyTareas), 0x00080000);

  // Reading ignores foreign bits; all 32 bits set turns every box on.
  EXPECT_EQ(FoodChecks(-1), allFood);
  EXPECT_EQ(FoodChecks(0x10000000), onlyFive);
  EXPECT_EQ(FoodChecks(0x003FFFFF | static_cast<std::int32_t>(0x80000000u)), (std::array<bool, 9>{}));
  EXPECT_EQ(HotelChecks(-1), allHotel);
  EXPECT_EQ(HotelChecks(0x00080000 | 0x00600000), onlyTareas);
}

TEST(ModuleSettingsValues, PeriodDescriptionsRunOnFromTheEndMonth) {
  const PeriodDescriptions january = BuildPeriodDescriptions(1);
  EXPECT_EQ(january.Name(0), "Enero");
  EXPECT_EQ(january.Name(11), "Diciembre");
  EXPECT_EQ(january.Name(12), "Enero");
  EXPECT_EQ(january.Name(35), "Diciembre");
  EXPECT_EQ(january.bytes[0], 5);  // length byte
  EXPECT_EQ(january.bytes[6], 0);  // rest of the slot

  const PeriodDescriptions march = BuildPeriodDescriptions(3);
  EXPECT_EQ(march.Name(0), "Marzo");
  EXPECT_EQ(march.Name(11), "Febrero");
  EXPECT_EQ(march.Name(24), "Marzo");
  EXPECT_EQ(march.Name(35), "Febrero");

  EXPECT_THROW(BuildPeriodDescriptions(0), StoreError);
  EXPECT_THROW(BuildPeriodDescriptions(13), StoreError);
}

TEST(ModuleSettingsValues, IdentityLayoutFollowsTheTemplateNames) {
  const QString prefix = QStringLiteral("Introduzca los datos de la empresa: dirección postal, ");
  const QString suffix = QStringLiteral("fax, e-mail, website entre otros.");
  struct Case {
    const char *name;
    QString n1, n2;
    bool nitVisible, rifVisible, rifFirst;
    int shape32, shape33;
    QString datos, representante;
  };
  const Case cases[] = {
      {"both", "NIT", "RIF", true, true, false, 153, 153, prefix + "NIT, RIF, " + suffix, "NIT Representante :"},
      {"first empty", "", "RIF", false, true, true, 0, 153, prefix + "RIF, " + suffix, " Representante :"},
      {"second empty", "NIT", "", true, false, false, 153, 0, prefix + "NIT, " + suffix, "NIT Representante :"},
      {"both empty", "", "", false, false, true, 0, 0, prefix + suffix, " Representante :"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    const IdentityLayout layout = TemplateIdentityLayout(c.n1, c.n2);
    EXPECT_EQ(layout.nitCaption, c.n1);
    EXPECT_EQ(layout.rifCaption, c.n2);
    EXPECT_EQ(layout.nitVisible, c.nitVisible);
    EXPECT_EQ(layout.rifVisible, c.rifVisible);
    EXPECT_EQ(layout.rifInFirstSlot, c.rifFirst);
    EXPECT_EQ(layout.shape32Width, c.shape32);
    EXPECT_EQ(layout.shape33Width, c.shape33);
    EXPECT_EQ(layout.datosEmpreCaption, c.datos);
    EXPECT_EQ(layout.rifRepresentanteCaption, c.representante);
  }

  const IdentityLayout reset = DefaultIdentityLayout();
  EXPECT_EQ(reset.nitCaption, "N.I.T");
  EXPECT_EQ(reset.rifCaption, "R.I.F");
  EXPECT_TRUE(reset.nitVisible && reset.rifVisible && !reset.rifInFirstSlot);
  EXPECT_EQ(reset.shape32Width, 153);
  EXPECT_EQ(reset.shape33Width, 153);
  EXPECT_EQ(reset.rifRepresentanteCaption, "R.I.F. Representante :");
  EXPECT_EQ(reset.datosEmpreCaption, prefix + "NIT, RIF, fax, e-mail, website entre   otros.");
}

// ------------------------------------------------------------ Administrativo save

TEST_F(ModuleSettingsTest, AdministrativoSaveWritesEveryField) {
  MakeCompanyList();
  MakeAdminSettings();
  SaveAdministrativo(m_settings, m_companies, "datos\\", "ACME", SomeCompany(), SomeAdminSettings());
  EXPECT_FALSE(m_settings.IsOpen());
  EXPECT_FALSE(m_companies.IsOpen());

  const QString companies = Path("sempresas.dat");
  auto company = [&](const char *field) {
    return Query(companies, QStringLiteral("SELECT %1 FROM sempresas").arg(QLatin1String(field)));
  };
  EXPECT_EQ(company("FE_NIT"), "NIT-1");
  EXPECT_EQ(company("FE_RIF"), "RIF-2");
  EXPECT_EQ(company("FE_DIRECCION1"), "Calle 1\r\nPiso 2");
  EXPECT_EQ(company("FE_REPRESENTANTE"), "José Pérez");
  EXPECT_EQ(company("FE_RIFREPRESENTANTE"), "RIF-3");
  EXPECT_EQ(company("FE_DIRECCION2"), "Apartado 4");
  EXPECT_EQ(company("FE_TELEFONO"), "555-1");
  EXPECT_EQ(company("FE_TELEFAX"), "555-2");
  EXPECT_EQ(company("FE_EMAIL"), "a@b.c");
  EXPECT_EQ(company("FE_WEBSITE"), "www.b.c");
  EXPECT_EQ(company("FE_NOMBRE"), "Nombre");
  EXPECT_EQ(company("FE_DIRDATOS"), "datos");

  const QString settings = Path("datos/ssistema.dat");
  auto setting = [&](const QString &field) {
    return Query(settings, QStringLiteral("SELECT %1 FROM ssistema").arg(field));
  };
  EXPECT_EQ(Query(settings, "SELECT COUNT(*) FROM ssistema"), "1");
  EXPECT_EQ(setting("FECHA_INICIOPERIODO"), "2025-01-01");
  EXPECT_EQ(setting("FECHA_FINALPERIODO"), "2025-01-15");
  EXPECT_EQ(setting("NAMEPERIODO"), "Enero");
  EXPECT_EQ(setting("IMPUESTO1"), "I.V.A.");
  EXPECT_EQ(setting("IMPUESTO2"), "Lujo");
  EXPECT_EQ(setting("MTO_IMPUESTO1"), "123457");  // 12.345678 -> 12.3457
  EXPECT_EQ(setting("MTO_IMPUESTO2"), "160000");
  EXPECT_EQ(setting("IMP_DEBITOBANCARIO"), "5000");
  EXPECT_EQ(setting("ACTIVAR_IMPUESTO1"), "1");
  EXPECT_EQ(setting("ACTIVAR_IMPUESTO2"), "0");
  EXPECT_EQ(setting("MODO_IVA"), "1");
  EXPECT_EQ(setting("AUTOCODECATEGORIA"), "1");
  EXPECT_EQ(setting("FILLCODECATEGORIA"), "0");
  EXPECT_EQ(setting("AUTOCODEZONA"), "0");
  EXPECT_EQ(setting("FILLCODEBENEFICIARIO"), "1");
  EXPECT_EQ(setting("CONTRIBUYENTE_ESPECIAL"), "1");
  EXPECT_EQ(setting("ESTADANO2000"), "2025");
  EXPECT_EQ(setting("ESTADANO1999"), "2024");
  EXPECT_EQ(setting("ESTADANO1998"), "2023");
  EXPECT_EQ(setting("OTRO"), "intacto");
  EXPECT_EQ(setting("IDENTIDADFISCAL1"), "<null>");

  const QString blob = setting("DESCRIPCIONPERIODOS");
  ASSERT_EQ(blob.size(), 1476);
  EXPECT_EQ(blob.mid(0, 6), QString(QChar(5)) + "Enero");
  EXPECT_EQ(blob.mid(41 * 35, 10), QString(QChar(9)) + "Diciembre");
}

TEST_F(ModuleSettingsTest, DemonstrationCompanyLeavesTheCompanyListUntouched) {
  MakeCompanyList();
  MakeAdminSettings();
  const QByteArray before = FileHash(Path("sempresas.dat"));
  SaveAdministrativo(m_settings, m_companies, "datos/", "Demo", SomeCompany(), SomeAdminSettings());
  EXPECT_EQ(FileHash(Path("sempresas.dat")), before);
  EXPECT_EQ(Query(Path("datos/ssistema.dat"), "SELECT IMPUESTO1 FROM ssistema"), "I.V.A.");

  // Without a company list at all the demonstration company still saves.
  ASSERT_TRUE(QFile::remove(Path("sempresas.dat")));
  EXPECT_NO_THROW(
      SaveAdministrativo(m_settings, m_companies, "datos/", "DEMO", SomeCompany(), SomeAdminSettings()));
}

TEST_F(ModuleSettingsTest, EmptySettingsTablesGetOneRecord) {
  MakeCompanyList();
  MakeAdminSettings(/*withRecord=*/false);
  MakeFolder("food");
  Exec(Path("food/q7Config.dat"), kFoodSchema);
  MakeFolder("hotel");
  Exec(Path("hotel/q7Config.dat"), kHotelSchema);

  AdminSettings admin = SomeAdminSettings();
  SaveAdministrativo(m_settings, m_companies, "datos/", "ACME", SomeCompany(), admin);
  FoodSettings food;
  food.period = {QDate(2024, 2, 1), QDate(2024, 2, 29), "Febrero"};
  food.services.name1 = "Mesa";
  SaveFood(m_settings, "food/", food);
  HotelSettings hotel;
  hotel.period = food.period;
  hotel.currentDate = QDate(2024, 2, 10);
  SaveHotel(m_settings, "hotel/", hotel);

  EXPECT_EQ(Query(Path("datos/ssistema.dat"), "SELECT COUNT(*) || IMPUESTO1 FROM ssistema"), "1I.V.A.");
  EXPECT_EQ(Query(Path("food/q7Config.dat"), "SELECT COUNT(*) || FCO_SERVICIO1 FROM q7Config"), "1Mesa");
  EXPECT_EQ(Query(Path("hotel/q7Config.dat"), "SELECT COUNT(*) || FCO_LASTAUDIT FROM q7Config"), "12024-02-09");
}

TEST_F(ModuleSettingsTest, AdministrativoFailuresNameTheTableAndKeepEarlierStores) {
  struct Case {
    const char *name;
    bool companyList;
    bool settingsFile;
    bool specialTaxpayerColumn;
    QDate endDate;
    QString table;
    bool companyStored;
  };
  const Case cases[] = {
      {"no company list", false, true, true, QDate(2025, 1, 15), "sempresas.dat", false},
      {"no settings file", true, false, true, QDate(2025, 1, 15), "ssistema.dat", false},
      {"settings field missing", true, true, false, QDate(2025, 1, 15), "ssistema.dat", true},
      {"end date missing", true, true, true, QDate(), "ssistema.dat", false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(Path("sempresas.dat"));
    QFile::remove(Path("datos/ssistema.dat"));
    if (c.companyList) MakeCompanyList();
    if (c.settingsFile) MakeAdminSettings(true, c.specialTaxpayerColumn);

    AdminSettings values = SomeAdminSettings();
    values.period.end = c.endDate;
    try {
      SaveAdministrativo(m_settings, m_companies, "datos/", "ACME", SomeCompany(), values);
      ADD_FAILURE() << "no error";
    } catch (const SaveStepError &e) {
      EXPECT_EQ(e.Table(), c.table);
      EXPECT_EQ(SaveErrorText(e.Table()), "Error al cargar la tabla " + c.table + ".");
    }
    EXPECT_FALSE(m_settings.IsOpen());
    EXPECT_FALSE(m_companies.IsOpen());
    if (c.companyList) {
      EXPECT_EQ(Query(Path("sempresas.dat"), "SELECT FE_NIT FROM sempresas"), c.companyStored ? "NIT-1" : "viejo");
    }
    if (c.settingsFile) {  // the record being edited is not stored
      EXPECT_EQ(Query(Path("datos/ssistema.dat"), "SELECT IMPUESTO1 FROM ssistema"), "IVA");
    }
  }
}

// ------------------------------------------------------------ Alimentos && Bebidas, Hotelería

TEST_F(ModuleSettingsTest, FoodSaveWritesFieldsAndDropsForeignBits) {
  MakeFolder("EMPRE002/DATA");
  Exec(Path("EMPRE002/DATA/q7Config.dat"),
       QString::fromLatin1(kFoodSchema) + "INSERT INTO q7Config (FCO_AUTOCODE, FCO_AUTOFILL) VALUES (-1, 7);");
  FoodSettings values;
  values.period = {QDate(2024, 3, 1), QDate(2024, 3, 31), "Marzo"};
  values.services = {"Mesa", "Envío", 10.00005, 2.5, true, false};
  values.autoCode[0] = true;  // chkCodigo1 only
  values.autoFill.fill(true);
  SaveFood(m_settings, "EMPRE002\\DATA\\", values);
  EXPECT_FALSE(m_settings.IsOpen());

  const QString file = Path("EMPRE002/DATA/q7Config.dat");
  auto field = [&](const char *name) {
    return Query(file, QStringLiteral("SELECT %1 FROM q7Config").arg(QLatin1String(name)));
  };
  EXPECT_EQ(field("FCO_AUTOCODE"), QString::number(0x40000000));
  EXPECT_EQ(field("FCO_AUTOFILL"), QString::number(0x7FC00000));
  EXPECT_EQ(field("FCO_FECHAINI"), "2024-03-01");
  EXPECT_EQ(field("FCO_FECHAFIN"), "2024-03-31");
  EXPECT_EQ(field("FCO_PERIODO"), "Marzo");
  EXPECT_EQ(field("FCO_SERVICIO1"), "Mesa");
  EXPECT_EQ(field("FCO_SERVICIO2"), "Envío");
  EXPECT_EQ(field("FCO_MTOSERVICIO1"), "100000");  // a tie goes to the even unit
  EXPECT_EQ(field("FCO_MTOSERVICIO2"), "25000");
  EXPECT_EQ(field("FCO_ACTIVARSERVICIO1"), "1");
  EXPECT_EQ(field("FCO_ACTIVARSERVICIO2"), "0");

  values.autoCode = {};
  values.autoFill = {};
  SaveFood(m_settings, "EMPRE002/DATA/", values);
  EXPECT_EQ(field("FCO_AUTOCODE"), "0");
  EXPECT_EQ(field("FCO_AUTOFILL"), "0");
}

TEST_F(ModuleSettingsTest, HotelSaveWritesTheDayBeforeAsLastAudit) {
  MakeFolder("prog/EMPRE003/DATA");
  Exec(Path("prog/EMPRE003/DATA/q7Config.dat"),
       QString::fromLatin1(kHotelSchema) + "INSERT INTO q7Config (FCO_AUTOCODE, FCO_AUTOFILL) VALUES (-1, -1);");
  const QString folder = Path("prog/EMPRE003/DATA/");
  HotelSettings values;
  values.period = {QDate(2024, 3, 1), QDate(2024, 3, 31), "Marzo"};
  values.currentDate = QDate(2024, 3, 1);
  values.autoCode.fill(true);
  SaveHotel(m_settings, folder, values);
  EXPECT_FALSE(m_settings.IsOpen());

  const QString file = Path("prog/EMPRE003/DATA/q7Config.dat");
  auto field = [&](const char *name) {
    return Query(file, QStringLiteral("SELECT %1 FROM q7Config").arg(QLatin1String(name)));
  };
  EXPECT_EQ(field("FCO_LASTAUDIT"), "2024-02-29");
  EXPECT_EQ(field("FCO_AUTOCODE"), QString::number(0x7F980000));
  EXPECT_EQ(field("FCO_AUTOFILL"), "0");
  EXPECT_EQ(field("FCO_FECHAINI"), "2024-03-01");
  EXPECT_EQ(field("FCO_FECHAFIN"), "2024-03-31");
  EXPECT_EQ(field("FCO_PERIODO"), "Marzo");
}

TEST_F(ModuleSettingsTest, FoodAndHotelFailuresNameTheirTable) {
  FoodSettings food;
  food.period = {QDate(2024, 3, 1), QDate(2024, 3, 31), "Marzo"};
  HotelSettings hotel;
  hotel.period = food.period;
  hotel.currentDate = QDate(2024, 3, 5);
  // Missing folder, and a table lacking a field the save writes.
  MakeFolder("bad");
  Exec(Path("bad/q7Config.dat"), "CREATE TABLE q7Config (FCO_AUTOCODE INTEGER, FCO_PERIODO TEXT);"
                                 "INSERT INTO q7Config VALUES (5, 'viejo');");
  for (const char *folder : {"missing/", "bad/"}) {
    SCOPED_TRACE(folder);
    for (int module : {kFood, kHotel}) {
      try {
        if (module == kFood)
          SaveFood(m_settings, folder, food);
        else
          SaveHotel(m_settings, folder, hotel);
        ADD_FAILURE() << "no error";
      } catch (const SaveStepError &e) {
        EXPECT_EQ(e.Table(), "q7Config.dat");
      }
      EXPECT_FALSE(m_settings.IsOpen());
    }
  }
  EXPECT_EQ(Query(Path("bad/q7Config.dat"), "SELECT FCO_AUTOCODE || FCO_PERIODO FROM q7Config"), "5viejo");
}

// ------------------------------------------------------------ preparation reads

TEST_F(ModuleSettingsTest, AdministrativoPreparationReadsFolderAndTaxes) {
  MakeCompanyList();
  MakeAdminSettings();
  const QString folder = ReadAdministrativoDataFolder(m_companies);
  EXPECT_FALSE(m_companies.IsOpen());
  EXPECT_EQ(folder, "datos/");
  const TaxSettings taxes = ReadAdministrativoTaxes(m_settings, folder);
  EXPECT_FALSE(m_settings.IsOpen());
  EXPECT_EQ(taxes.name1, "IVA");
  EXPECT_EQ(taxes.name2, "");
  EXPECT_DOUBLE_EQ(taxes.rate1, 12.0);
  EXPECT_TRUE(taxes.active1);
  EXPECT_FALSE(taxes.active2);
  EXPECT_EQ(taxes.mode, 2);

  EXPECT_THROW(ReadAdministrativoTaxes(m_settings, "nowhere/"), StoreError);
  EXPECT_FALSE(m_settings.IsOpen());
}

TEST_F(ModuleSettingsTest, FoodPreparationReadsServicesAndCodeOptions) {
  MakeFolder("EMPRE002/DATA");
  const QString file = Path("EMPRE002/DATA/q7Config.dat");
  Exec(file, QString::fromLatin1(kFoodSchema) +
                 "INSERT INTO q7Config (FCO_SERVICIO1, FCO_SERVICIO2, FCO_MTOSERVICIO1, FCO_MTOSERVICIO2, "
                 "FCO_ACTIVARSERVICIO1, FCO_ACTIVARSERVICIO2, FCO_AUTOCODE, FCO_AUTOFILL) "
                 "VALUES ('Mesa', 'Envío', 100000, 25000, 1, 0, 0, 0);");
  FoodSettings values = ReadFoodSettings(m_settings, "EMPRE002/DATA/");
  EXPECT_FALSE(m_settings.IsOpen());
  EXPECT_EQ(values.services.name1, "Mesa");
  EXPECT_EQ(values.services.name2, "Envío");
  EXPECT_DOUBLE_EQ(values.services.rate1, 10.0);
  EXPECT_DOUBLE_EQ(values.services.rate2, 2.5);
  EXPECT_TRUE(values.services.active1);
  EXPECT_FALSE(values.services.active2);
  EXPECT_EQ(values.autoCode, (std::array<bool, 9>{}));
  EXPECT_EQ(values.autoFill, (std::array<bool, 9>{}));

  Exec(file, "UPDATE q7Config SET FCO_AUTOCODE = 1342177280, FCO_AUTOFILL = 4194303;");  // bits 30 and 28; foreign
  values = ReadFoodSettings(m_settings, "EMPRE002/DATA/");
  std::array<bool, 9> oneAndFive{};
  oneAndFive[0] = oneAndFive[4] = true;
  EXPECT_EQ(values.autoCode, oneAndFive);
  EXPECT_EQ(values.autoFill, (std::array<bool, 9>{}));
}

TEST_F(ModuleSettingsTest, ContabilidadPreparationKeepsTheDemoCompanyOpen) {
  MakeFolder("DataSistema");
  EXPECT_FALSE(PriceIndexTableExists("DataSistema/"));
  Exec(Path("DataSistema/Q7CINDPREC.DAT"), "CREATE TABLE q7CIndPrec (ANO INTEGER PRIMARY KEY, VALORES BLOB);");
  EXPECT_TRUE(PriceIndexTableExists("DataSistema\\"));

  const QString periods = QStringLiteral("X'") + QString(QStringLiteral("AB")).repeated(528) + u'\'';
  Exec(Path("DataSistema/q7CEmpresas.dat"), QString::fromLatin1(kAccountingSchema) +
                                                "INSERT INTO q7CEmpresas (CODIGO, PERIODOS) VALUES ('ACME', X'01');"
                                                "INSERT INTO q7CEmpresas (CODIGO, PERIODOS) VALUES ('DEMO', " +
                                                periods + ");");
  TableHandle company, priceIndex;
  PeriodsImage image;
  ASSERT_TRUE(OpenDemoCompany(company, "DataSistema/", image));
  EXPECT_TRUE(company.IsOpen());
  EXPECT_EQ(company.AsText("CODIGO"), "DEMO");
  EXPECT_EQ(image.bytes[0], 0xAB);
  EXPECT_EQ(image.bytes[527], 0xAB);

  OpenPriceIndexTable(priceIndex, "DataSistema/");
  EXPECT_TRUE(priceIndex.IsOpen());

  Exec(Path("DataSistema/q7CEmpresas.dat"), "DELETE FROM q7CEmpresas WHERE CODIGO = 'DEMO';");
  TableHandle other;
  EXPECT_FALSE(OpenDemoCompany(other, "DataSistema/", image));
  EXPECT_FALSE(other.IsOpen());
}

// ------------------------------------------------------------ country templates

TEST_F(ModuleSettingsTest, AdministrativoTemplateReadsTaxesAndIdentities) {
  MakeFolder("q7Folder/Colombia");
  Exec(Path("q7Folder/Colombia/SSISTEMA.DAT"),
       AdminSchema("ssistema") +
           "INSERT INTO ssistema (IMPUESTO1, IMPUESTO2, MTO_IMPUESTO1, MTO_IMPUESTO2, ACTIVAR_IMPUESTO1, "
           "ACTIVAR_IMPUESTO2, MODO_IVA, IDENTIDADFISCAL1, IDENTIDADFISCAL2) "
           "VALUES ('IVA', 'Consumo', 190000, 80000, 1, 1, 2, 'NIT', '');");
  const QString folder = CountryFolder("Colombia");
  ASSERT_TRUE(TemplateExists(folder, "ssistema.dat"));
  const AdminTemplate values = ReadAdministrativoTemplate(m_settings, folder);
  EXPECT_FALSE(m_settings.IsOpen());
  EXPECT_EQ(values.taxes.name1, "IVA");
  EXPECT_EQ(values.taxes.name2, "Consumo");
  EXPECT_DOUBLE_EQ(values.taxes.rate1, 19.0);
  EXPECT_DOUBLE_EQ(values.taxes.rate2, 8.0);
  EXPECT_TRUE(values.taxes.active1 && values.taxes.active2);
  EXPECT_EQ(values.taxes.mode, 2);
  EXPECT_EQ(values.identity1, "NIT");
  EXPECT_EQ(values.identity2, "");

  // A missing country folder is no template; reading it anyway is an error
  // that leaves the handle closed.
  EXPECT_FALSE(TemplateExists(CountryFolder("Aruba"), "ssistema.dat"));
  EXPECT_FALSE(TemplateExists(folder, ""));
  EXPECT_THROW(ReadAdministrativoTemplate(m_settings, CountryFolder("Aruba")), StoreError);
  EXPECT_FALSE(m_settings.IsOpen());
}

TEST_F(ModuleSettingsTest, TemplatePeriodsReplaceThePreparedOnesOnlyWhenRead) {
  q7test::MessageRecorder messages;
  MakeFolder("q7Folder/Panama");
  const QString file = Path("q7Folder/Panama/q7CEmpresas.dat");
  Exec(file, QString::fromLatin1(kAccountingSchema) + "INSERT INTO q7CEmpresas (CODIGO) VALUES ('ACME');");
  const QString folder = CountryFolder("Panama");

  PeriodsImage prepared;
  prepared.bytes.fill(0x11);
  PeriodsImage image = prepared;
  // No record "DEMO": the periods stay as prepared.
  EXPECT_FALSE(ReadTemplatePeriods(m_settings, folder, image));
  EXPECT_EQ(image.bytes, prepared.bytes);
  EXPECT_FALSE(m_settings.IsOpen());

  // A short blob is read followed by zeros.
  Exec(file, "INSERT INTO q7CEmpresas (CODIGO, PERIODOS) VALUES ('DEMO', X'2233');");
  EXPECT_TRUE(ReadTemplatePeriods(m_settings, folder, image));
  EXPECT_EQ(image.bytes[0], 0x22);
  EXPECT_EQ(image.bytes[1], 0x33);
  EXPECT_EQ(image.bytes[2], 0);
  EXPECT_TRUE(messages.Texts().isEmpty());

  // A template without PERIODOS: the failure is reported and the periods
  // already held are kept, not wiped.
  Exec(file, "DROP TABLE q7CEmpresas; CREATE TABLE q7CEmpresas (CODIGO TEXT PRIMARY KEY);"
             "INSERT INTO q7CEmpresas VALUES ('DEMO');");
  image = prepared;
  EXPECT_TRUE(ReadTemplatePeriods(m_settings, folder, image));
  EXPECT_EQ(image.bytes, prepared.bytes);
  EXPECT_EQ(messages.Texts(), QStringList{"Problemas durante la lectura de los períodos del ejercicio."});
  EXPECT_FALSE(m_settings.IsOpen());
}

}  // namespace
