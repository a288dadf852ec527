// The table handle over SQLite files, and the connection and transaction
// guards under it. Tables are built here with raw SQL.
#include "store/Paths.h"
#include "store/Sqlite.h"
#include "store/TableHandle.h"
#include "store/ValueKinds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>

using namespace q7;

namespace {

// Creates an SQLite file (an empty file is an empty database) and runs sql in it.
void MakeTable(const QString &path, const QString &sql) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  if (!QFileInfo::exists(path)) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  Connection(path).Exec(sql);
}

QVariant Scalar(const QString &path, const QString &sql) {
  Connection c(path);
  Statement s(c, sql);
  if (!s.Step()) return {};
  switch (s.ColumnType(0)) {
    case 1: return QVariant::fromValue<qlonglong>(s.ColumnInt64(0));
    case 3: return s.ColumnText(0);
    case 4: return s.ColumnBlob(0);
    case 5: return {};
    default: return s.ColumnDouble(0);
  }
}

const char *kSettingsSql =
    "CREATE TABLE ssistema (NAMEPERIODO TEXT, MTO_IMPUESTO1 CURRENCY, ACTIVAR_IMPUESTO1 BOOLEAN, "
    "MODO_IVA INTEGER, FECHA_INICIOPERIODO DATE, DESCRIPCIONPERIODOS BLOB, OTRO TEXT DEFAULT 'de otro módulo');";

class TableHandleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    m_oldCwd = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
  }
  void TearDown() override { QDir::setCurrent(m_oldCwd); }
  QString Path(const QString &relative) const { return m_dir.filePath(relative); }

  QTemporaryDir m_dir;
  QString m_oldCwd;
};

QStringList Walk(TableHandle &t, const QString &field) {
  QStringList seen;
  for (t.First(); !t.Eof(); t.Next()) seen << t.AsText(field);
  return seen;
}

}  // namespace

TEST_F(TableHandleTest, RecordOrderFollowsPrimaryKeyElseRowid) {
  MakeTable(Path("DataSistema/q7CEmpresas.dat"),
            "CREATE TABLE q7CEmpresas (CODIGO TEXT PRIMARY KEY, NOMBRE TEXT);"
            "INSERT INTO q7CEmpresas VALUES ('ZETA','z'),('DEMO','d'),('ALFA','a');");
  MakeTable(Path("sempresas.dat"),
            "CREATE TABLE sempresas (FE_DIRDATOS TEXT);"
            "INSERT INTO sempresas VALUES ('c'),('a'),('b');");

  TableHandle keyed;
  keyed.SetFolder("DataSistema\\");
  keyed.SetTableName("q7CEmpresas.dat");
  keyed.Open();
  EXPECT_EQ(keyed.AsText("CODIGO"), "ALFA");  // stands on the first record at open
  EXPECT_EQ(Walk(keyed, "CODIGO"), QStringList({"ALFA", "DEMO", "ZETA"}));
  EXPECT_TRUE(keyed.Eof());
  EXPECT_EQ(keyed.AsText("CODIGO"), "ZETA");  // past the end it stays on the last record
  keyed.Last();
  EXPECT_EQ(keyed.AsText("CODIGO"), "ZETA");
  keyed.Prior();
  EXPECT_EQ(keyed.AsText("CODIGO"), "DEMO");
  keyed.Prior();
  keyed.Prior();
  EXPECT_TRUE(keyed.Bof());
  EXPECT_EQ(keyed.AsText("CODIGO"), "ALFA");
  EXPECT_EQ(keyed.RecordCount(), 3);

  TableHandle plain;
  plain.SetTableName("sempresas.dat");  // empty folder: the working folder
  plain.Open();
  EXPECT_EQ(plain.AsText("FE_DIRDATOS"), "c");
  EXPECT_EQ(Walk(plain, "FE_DIRDATOS"), QStringList({"c", "a", "b"}));
}

TEST_F(TableHandleTest, NullKeysAreVisitedOnce) {
  MakeTable(Path("t.dat"),
            "CREATE TABLE t (K TEXT PRIMARY KEY, V TEXT);"
            "INSERT INTO t VALUES ('b','1'),(NULL,'2'),('a','3'),(NULL,'4');");
  TableHandle t;
  t.SetTableName("t");
  t.Open();
  EXPECT_EQ(Walk(t, "V"), QStringList({"2", "4", "3", "1"}));
  t.Last();
  QStringList back;
  for (int i = 0; i < 4; ++i, t.Prior()) back << t.AsText("V");
  EXPECT_EQ(back, QStringList({"1", "3", "4", "2"}));
}

TEST_F(TableHandleTest, FindKey) {
  MakeTable(Path("DataSistema/q7CEmpresas.dat"),
            "CREATE TABLE q7CEmpresas (CODIGO TEXT PRIMARY KEY, NOMBRE TEXT);"
            "INSERT INTO q7CEmpresas VALUES ('ZETA','z'),('DEMO','d'),('ALFA','a');");
  MakeTable(Path("DataSistema/q7CIndPrec.dat"),
            "CREATE TABLE q7CIndPrec (ANO INTEGER PRIMARY KEY, VALORES BLOB);"
            "INSERT INTO q7CIndPrec VALUES (2023, x'01'),(2024, x'02');");
  MakeTable(Path("sempresas.dat"), "CREATE TABLE sempresas (FE_DIRDATOS TEXT);");

  TableHandle t;
  t.SetFolder("DataSistema/");
  t.SetTableName("q7CEmpresas");
  t.Open();
  t.Next();
  EXPECT_TRUE(t.FindKey("ZETA"));
  EXPECT_EQ(t.AsText("NOMBRE"), "z");
  EXPECT_FALSE(t.FindKey("NADA"));
  EXPECT_EQ(t.AsText("CODIGO"), "ZETA");  // position unchanged
  EXPECT_FALSE(t.FindKey("demo"));        // keys compare exactly

  TableHandle years;
  years.SetFolder("DataSistema/");
  years.SetTableName("q7CIndPrec");
  years.Open();
  EXPECT_TRUE(years.FindKey("2024"));
  EXPECT_EQ(years.AsInteger("ANO"), 2024);
  EXPECT_FALSE(years.FindKey("año"));

  TableHandle noKey;
  noKey.SetTableName("sempresas");
  noKey.Open();
  EXPECT_THROW(noKey.FindKey("x"), StoreError);
}

TEST_F(TableHandleTest, EachKindRoundTripsAndIsStoredAsAgreed) {
  MakeTable(Path("datos/ssistema.dat"), kSettingsSql);
  const QByteArray blob("a\0b\xff", 4);
  {
    TableHandle t;
    t.SetFolder("datos");
    t.SetTableName("ssistema.dat");
    t.Open();
    t.Edit();  // empty table: starts its first record
    t.SetText("NAMEPERIODO", QStringLiteral("Año 2025 – Nómina"));
    t.SetCurrency("MTO_IMPUESTO1", 12.345678);
    t.SetBoolean("ACTIVAR_IMPUESTO1", true);
    t.SetInteger("MODO_IVA", -2147483647 - 1);
    t.SetDate("FECHA_INICIOPERIODO", DateToSerial(QDate(2025, 1, 15)));
    t.WriteBlob("DESCRIPCIONPERIODOS", blob);
    t.Post();
  }
  const QString file = Path("datos/ssistema.dat");
  EXPECT_EQ(Scalar(file, "SELECT count(*) FROM ssistema").toInt(), 1);
  EXPECT_EQ(Scalar(file, "SELECT MTO_IMPUESTO1 FROM ssistema").toLongLong(), 123457);
  EXPECT_EQ(Scalar(file, "SELECT FECHA_INICIOPERIODO FROM ssistema").toString(), "2025-01-15");
  EXPECT_EQ(Scalar(file, "SELECT ACTIVAR_IMPUESTO1 FROM ssistema").toLongLong(), 1);
  EXPECT_EQ(Scalar(file, "SELECT OTRO FROM ssistema").toString(), QStringLiteral("de otro módulo"));

  TableHandle t;
  t.SetFolder("datos/");
  t.SetTableName("ssistema");
  t.Open();
  EXPECT_EQ(t.AsText("NAMEPERIODO"), QStringLiteral("Año 2025 – Nómina"));
  EXPECT_DOUBLE_EQ(t.AsCurrency("MTO_IMPUESTO1"), 12.3457);
  EXPECT_TRUE(t.AsBoolean("ACTIVAR_IMPUESTO1"));
  EXPECT_EQ(t.AsInteger("MODO_IVA"), -2147483647 - 1);
  EXPECT_EQ(SerialToDate(t.AsDate("FECHA_INICIOPERIODO")), QDate(2025, 1, 15));
  EXPECT_EQ(t.ReadBlob("DESCRIPCIONPERIODOS"), blob);

  // Date 0 is stored as NULL and NULL reads as day 0, 30 December 1899.
  t.Edit();
  t.SetDate("FECHA_INICIOPERIODO", 0);
  t.SetCurrency("MTO_IMPUESTO1", 0.00015);
  t.Post();
  EXPECT_TRUE(Scalar(file, "SELECT FECHA_INICIOPERIODO IS NULL FROM ssistema").toBool());
  EXPECT_EQ(t.AsDate("FECHA_INICIOPERIODO"), 0);
  EXPECT_EQ(SerialToDate(t.AsDate("FECHA_INICIOPERIODO")), QDate(1899, 12, 30));
  EXPECT_EQ(Scalar(file, "SELECT MTO_IMPUESTO1 FROM ssistema").toLongLong(), 2);

  // Fields are found without regard to letter case; NULLs read as empty values.
  MakeTable(file, "UPDATE ssistema SET NAMEPERIODO = NULL, MODO_IVA = NULL, ACTIVAR_IMPUESTO1 = NULL");
  t.First();
  EXPECT_EQ(t.AsText("nameperiodo"), "");
  EXPECT_EQ(t.AsInteger("modo_iva"), 0);
  EXPECT_FALSE(t.AsBoolean("Activar_Impuesto1"));
}

TEST_F(TableHandleTest, PostWritesOnlyTheColumnsSet) {
  MakeTable(Path("ssistema.dat"), kSettingsSql);
  MakeTable(Path("ssistema.dat"), "INSERT INTO ssistema (NAMEPERIODO, MODO_IVA) VALUES ('Enero', 1)");
  TableHandle t;
  t.SetTableName("ssistema");
  t.Open();
  t.Edit();
  t.SetInteger("MODO_IVA", 2);
  // Another program changes a column the edit does not touch.
  MakeTable(Path("ssistema.dat"), "UPDATE ssistema SET NAMEPERIODO = 'Febrero', OTRO = 'x'");
  t.Post();
  EXPECT_EQ(Scalar(Path("ssistema.dat"), "SELECT NAMEPERIODO || OTRO || MODO_IVA FROM ssistema").toString(),
            "Febrerox2");
}

TEST_F(TableHandleTest, CloseDiscardsAnUnstoredEdit) {
  MakeTable(Path("ssistema.dat"), kSettingsSql);
  MakeTable(Path("ssistema.dat"), "INSERT INTO ssistema (NAMEPERIODO) VALUES ('Enero')");
  TableHandle t;
  t.SetTableName("ssistema.dat");
  t.Open();
  t.Edit();
  t.SetText("NAMEPERIODO", "Marzo");
  EXPECT_EQ(t.AsText("NAMEPERIODO"), "Marzo");  // the edit shows its own values
  t.Close();
  EXPECT_FALSE(t.IsOpen());
  EXPECT_EQ(Scalar(Path("ssistema.dat"), "SELECT NAMEPERIODO FROM ssistema").toString(), "Enero");

  t.Open();
  t.Insert();
  t.SetText("NAMEPERIODO", "Nuevo");
  t.Cancel();
  EXPECT_EQ(t.RecordCount(), 1);
  EXPECT_EQ(t.AsText("NAMEPERIODO"), "Enero");
}

TEST_F(TableHandleTest, MovingOrLookingUpStoresAPendingRecord) {
  MakeTable(Path("q7CIndPrec.dat"),
            "CREATE TABLE q7CIndPrec (ANO INTEGER PRIMARY KEY, VALORES BLOB);"
            "INSERT INTO q7CIndPrec VALUES (2023, NULL),(2024, NULL);");
  TableHandle t;
  t.SetTableName("q7CIndPrec");
  t.Open();
  t.Insert();
  t.SetInteger("ANO", 2025);
  EXPECT_TRUE(t.FindKey("2025"));  // the new record is stored before the lookup
  EXPECT_EQ(t.RecordCount(), 3);

  t.First();
  t.Edit();
  t.WriteBlob("VALORES", "x");
  t.Next();
  EXPECT_EQ(Scalar(Path("q7CIndPrec.dat"), "SELECT VALORES FROM q7CIndPrec WHERE ANO = 2023").toByteArray(), "x");
  EXPECT_EQ(t.AsInteger("ANO"), 2024);
}

TEST_F(TableHandleTest, OpenFailsAndCreatesNothing) {
  MakeTable(Path("datos/ssistema.dat"), kSettingsSql);
  QFile text(Path("datos/notas.dat"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("esto no es una tabla, sino un texto cualquiera de más de cien bytes............................");
  text.close();
  const QByteArray textBefore = [&] {
    QFile f(Path("datos/notas.dat"));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }();
  MakeTable(Path("datos/otra.dat"), "CREATE TABLE distinta (A TEXT);");

  struct Case {
    const char *name;
    const char *folder;
    const char *table;
  } cases[] = {
      {"missing folder", "noexiste/", "ssistema.dat"},
      {"missing file", "datos/", "q7Config.dat"},
      {"not an SQLite file", "datos/", "notas.dat"},
      {"file without its table", "datos/", "otra"},
  };
  for (const Case &c : cases) {
    TableHandle t;
    t.SetFolder(c.folder);
    t.SetTableName(c.table);
    EXPECT_THROW(t.Open(), StoreError) << c.name;
    EXPECT_FALSE(t.IsOpen()) << c.name;
  }
  EXPECT_FALSE(QFileInfo::exists(Path("noexiste")));
  EXPECT_FALSE(QFileInfo::exists(Path("datos/q7Config.dat")));
  QFile after(Path("datos/notas.dat"));
  after.open(QIODevice::ReadOnly);
  EXPECT_EQ(after.readAll(), textBefore);
  EXPECT_EQ(QDir(Path("datos")).entryList(QDir::Files).size(), 3);  // no journal or new file left

  TableHandle t;
  t.SetFolder("datos");
  t.SetTableName("ssistema");
  t.Open();
  EXPECT_FALSE(t.HasField("NO_EXISTE"));
  EXPECT_EQ(t.FindField("NO_EXISTE"), nullptr);
  EXPECT_THROW(t.AsText("NO_EXISTE"), StoreError);
  EXPECT_THROW(t.ReadBlob("NO_EXISTE"), StoreError);
  t.Edit();
  EXPECT_THROW(t.SetText("NO_EXISTE", "x"), StoreError);
  EXPECT_THROW(t.SetInteger("NAMEPERIODO", 1), StoreError);  // wrong kind
}

TEST_F(TableHandleTest, TextOutsideWindows1252IsRefusedAndNothingWritten) {
  MakeTable(Path("ssistema.dat"), kSettingsSql);
  MakeTable(Path("ssistema.dat"), "INSERT INTO ssistema (NAMEPERIODO, MODO_IVA) VALUES ('Enero', 0)");
  TableHandle t;
  t.SetTableName("ssistema");
  t.Open();
  t.Edit();
  EXPECT_THROW(t.SetText("NAMEPERIODO", QStringLiteral("Ωmega")), StoreError);
  EXPECT_EQ(t.AsText("NAMEPERIODO"), "Enero");  // the edit keeps the old value
  t.Post();
  EXPECT_EQ(Scalar(Path("ssistema.dat"), "SELECT NAMEPERIODO FROM ssistema").toString(), "Enero");
}

TEST_F(TableHandleTest, FailedPostWritesNothing) {
  MakeTable(Path("q7CEmpresas.dat"),
            "CREATE TABLE q7CEmpresas (CODIGO TEXT PRIMARY KEY, FECHA_INIEJER DATE);"
            "INSERT INTO q7CEmpresas VALUES ('ALFA', NULL),('DEMO', NULL);");
  TableHandle t;
  t.SetTableName("q7CEmpresas");
  t.Open();
  t.Edit();
  t.SetDate("FECHA_INIEJER", DateToSerial(QDate(2025, 1, 1)));
  t.SetText("CODIGO", "DEMO");  // duplicate key: the store fails
  EXPECT_THROW(t.Post(), StoreError);
  EXPECT_TRUE(t.InEditState());
  EXPECT_EQ(Scalar(Path("q7CEmpresas.dat"), "SELECT count(*) FROM q7CEmpresas WHERE FECHA_INIEJER IS NULL").toInt(),
            2);
  t.Cancel();

  // A read-only file (owner write bit clear) is never written.
  t.Close();
  ASSERT_EQ(::chmod(QFile::encodeName(Path("q7CEmpresas.dat")).constData(), 0444), 0);
  t.Open();
  t.Edit();
  t.SetDate("FECHA_INIEJER", 1);
  EXPECT_THROW(t.Post(), StoreError);
  t.Close();
  ::chmod(QFile::encodeName(Path("q7CEmpresas.dat")).constData(), 0644);
  EXPECT_EQ(Scalar(Path("q7CEmpresas.dat"), "SELECT count(*) FROM q7CEmpresas WHERE FECHA_INIEJER IS NULL").toInt(),
            2);
}

TEST_F(TableHandleTest, NamesDifferingOnlyInCaseAddressTheSameFile) {
  MakeTable(Path("DataSistema/q7CEmpresas.dat"),
            "CREATE TABLE q7CEmpresas (CODIGO TEXT PRIMARY KEY); INSERT INTO q7CEmpresas VALUES ('DEMO');");
  TableHandle t;
  t.SetFolder("DATASISTEMA\\");
  t.SetTableName("Q7CEMPRESAS.DAT");
  EXPECT_EQ(t.FilePath(), QFileInfo(Path("DataSistema/q7CEmpresas.dat")).absoluteFilePath());
  t.Open();
  EXPECT_TRUE(t.FindKey("DEMO"));
  t.Edit();
  t.SetText("CODIGO", "DEMO2");
  t.Post();
  t.Close();
  EXPECT_EQ(QDir(Path("DataSistema")).entryList(QDir::Files), QStringList({"q7CEmpresas.dat"}));
  EXPECT_FALSE(QFileInfo::exists(Path("DATASISTEMA")));
}

TEST_F(TableHandleTest, RelativeFolderIsResolvedAtOpen) {
  MakeTable(Path("uno/DataSistema/t.dat"), "CREATE TABLE t (A TEXT); INSERT INTO t VALUES ('uno');");
  MakeTable(Path("dos/DataSistema/t.dat"), "CREATE TABLE t (A TEXT); INSERT INTO t VALUES ('dos');");
  TableHandle t;
  t.SetFolder("DataSistema\\");
  t.SetTableName("t");
  QDir::setCurrent(Path("uno"));
  t.Open();
  EXPECT_EQ(t.AsText("A"), "uno");
  QDir::setCurrent(Path("dos"));
  t.Open();
  EXPECT_EQ(t.AsText("A"), "dos");
}

TEST_F(TableHandleTest, OpenHandleHoldsNoLockAndIsRegistered) {
  MakeTable(Path("q7CEmpresas.dat"),
            "CREATE TABLE q7CEmpresas (CODIGO TEXT PRIMARY KEY, FECHA_FINEJER DATE);"
            "INSERT INTO q7CEmpresas VALUES ('ALFA', NULL),('DEMO', NULL);");
  TableHandle reader;
  reader.SetTableName("q7CEmpresas");
  EXPECT_FALSE(IsTableFileOpen(Path("q7CEmpresas.dat")));
  reader.Open();
  ASSERT_TRUE(reader.FindKey("DEMO"));
  EXPECT_TRUE(IsTableFileOpen(Path("q7CEmpresas.dat")));
  EXPECT_TRUE(IsTableFileOpen(Path("Q7CEMPRESAS.DAT")));

  // A second handle writes the same file while the first stands on a record.
  const auto start = std::chrono::steady_clock::now();
  TableHandle writer;
  writer.SetTableName("q7CEmpresas.dat");
  writer.Open();
  writer.Edit();
  writer.SetDate("FECHA_FINEJER", 10);
  writer.Post();
  writer.Close();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_TRUE(IsTableFileOpen(Path("q7CEmpresas.dat")));  // the reader still holds it
  EXPECT_EQ(reader.AsText("CODIGO"), "DEMO");
  reader.Close();
  EXPECT_FALSE(IsTableFileOpen(Path("q7CEmpresas.dat")));
}

// ------------------------------------------------------------ SQLite layer

TEST_F(TableHandleTest, ConnectionNeverCreatesAFile) {
  EXPECT_THROW(Connection(Path("nuevo.dat")), StoreError);
  EXPECT_FALSE(QFileInfo::exists(Path("nuevo.dat")));
  MakeTable(Path("a.dat"), "CREATE TABLE a (X INTEGER);");
  Connection c(Path("a.dat"));
  EXPECT_THROW(c.Attach(Path("nuevo.dat"), "n"), StoreError);
  EXPECT_FALSE(QFileInfo::exists(Path("nuevo.dat")));
  try {
    Statement s(c, "SELECT * FROM no_existe");
    FAIL() << "no error";
  } catch (const StoreError &e) {
    EXPECT_TRUE(e.Message().contains("no_existe"));
    EXPECT_EQ(e.File(), QFileInfo(Path("a.dat")).absoluteFilePath());
  }
}

TEST_F(TableHandleTest, TransactionAcrossAttachedFilesIsAllOrNothing) {
  MakeTable(Path("q7CEmpresas.dat"), "CREATE TABLE q7CEmpresas (X INTEGER); INSERT INTO q7CEmpresas VALUES (1);");
  MakeTable(Path("DataDemo/DATA/q7CActivos.dat"),
            "CREATE TABLE q7CActivos (X INTEGER); INSERT INTO q7CActivos VALUES (1);");
  auto sum = [&] {
    return Scalar(Path("q7CEmpresas.dat"), "SELECT X FROM q7CEmpresas").toInt() * 10 +
           Scalar(Path("DataDemo/DATA/q7CActivos.dat"), "SELECT X FROM q7CActivos").toInt();
  };
  {
    Connection c(Path("q7CEmpresas.dat"));
    c.Attach(Path("DataDemo/DATA/q7CActivos.dat"), "activos");
    c.CheckAtomicAcrossFiles();
    Transaction tx(c);
    c.Exec("UPDATE q7CEmpresas SET X = 2; UPDATE activos.q7CActivos SET X = 2;");
    // Dropped without Commit: both files roll back.
  }
  EXPECT_EQ(sum(), 11);
  {
    Connection c(Path("q7CEmpresas.dat"));
    c.Attach(Path("DataDemo/DATA/q7CActivos.dat"), "activos");
    Transaction tx(c);
    c.Exec("UPDATE q7CEmpresas SET X = 3;");
    EXPECT_THROW(c.Exec("UPDATE activos.no_existe SET X = 3;"), StoreError);
    tx.Rollback();
    EXPECT_TRUE(c.InAutocommit());
  }
  EXPECT_EQ(sum(), 11);
  {
    Connection c(Path("q7CEmpresas.dat"));
    c.Attach(Path("DataDemo/DATA/q7CActivos.dat"), "activos");
    Transaction tx(c);
    c.Exec("UPDATE q7CEmpresas SET X = 4; UPDATE activos.q7CActivos SET X = 4;");
    tx.Commit();
  }
  EXPECT_EQ(sum(), 44);

  // A file in WAL mode would make the commit non-atomic across files: refused.
  Connection(Path("DataDemo/DATA/q7CActivos.dat")).Exec("PRAGMA journal_mode=WAL;");
  Connection c(Path("q7CEmpresas.dat"));
  c.Attach(Path("DataDemo/DATA/q7CActivos.dat"), "activos");
  EXPECT_THROW(c.CheckAtomicAcrossFiles(), StoreError);
}

TEST_F(TableHandleTest, BusyFileIsWaitedForThenFails) {
  MakeTable(Path("t.dat"), "CREATE TABLE t (X INTEGER); INSERT INTO t VALUES (1);");
  Connection holder(Path("t.dat"));
  Transaction hold(holder);  // another writer holds the file
  TableHandle t;
  t.SetTableName("t");
  t.Open();
  t.Edit();
  t.SetInteger("X", 2);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_THROW(t.Post(), StoreError);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(4500));
  hold.Rollback();
  t.Post();
  EXPECT_EQ(Scalar(Path("t.dat"), "SELECT X FROM t").toInt(), 2);
}
