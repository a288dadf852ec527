// The accounting save: fixed-asset dates moved by whole years, the periods and
// fiscal-year dates of the record "DEMO", all or nothing across the two files.
#include "store/AccountingRollover.h"

#include "store/Sqlite.h"
#include "store/ValueKinds.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

using namespace q7;

namespace {

TEST(AccountingRollover, MovingADateByYears) {
  struct Case {
    QDate from;
    int years;
    std::optional<QDate> to;
  } cases[] = {
      {{2023, 3, 15}, 1, QDate(2024, 3, 15)},
      {{2024, 2, 29}, 1, QDate(2025, 2, 28)},  // no 29 February in 2025
      {{2024, 2, 29}, 4, QDate(2028, 2, 29)},
      {{2024, 2, 29}, 76, QDate(2100, 2, 28)},
      {{2024, 12, 31}, -3, QDate(2021, 12, 31)},
      {{2024, 1, 1}, 0, QDate(2024, 1, 1)},
      {{9999, 6, 1}, 1, std::nullopt},  // beyond the years a date can hold
      {{5, 6, 1}, -5, std::nullopt},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.from.toString(Qt::ISODate).toStdString() + " + " + std::to_string(c.years));
    EXPECT_EQ(MoveDateByYears(c.from, c.years), c.to);
  }
}

TEST(AccountingRollover, FiscalPeriodsOfAYear) {
  PeriodsImage image;
  std::memset(image.data(), 0x77, image.size());
  SetFiscalYearPeriods(image, 2024);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(image.Year(i), 2024);
    EXPECT_EQ(image.FirstDate(i), QDate(2024, i + 1, 1));
  }
  EXPECT_EQ(image.LastDate(0), QDate(2024, 1, 31));
  EXPECT_EQ(image.LastDate(1), QDate(2024, 2, 29));
  EXPECT_EQ(image.LastDate(11), QDate(2024, 12, 31));
  // Bytes the periods do not use are kept.
  for (std::size_t at : {std::size_t(0), std::size_t(275), std::size_t(300), std::size_t(323), std::size_t(516),
                         std::size_t(527)})
    EXPECT_EQ(image.bytes[at], 0x77) << at;
}

// ------------------------------------------------------------ the two files

class Rollover : public ::testing::Test {
 public:
  void SetUp() override { Fresh(); }
  // A new working folder with both tables.
  void Fresh() {
    m_dir = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(m_dir->isValid());
    QDir root(m_dir->path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("DataSistema")) && root.mkpath(QStringLiteral("DataDemo/DATA")));
    Make(CompanyPath(), QStringLiteral("CREATE TABLE q7CEmpresas (CODIGO TEXT PRIMARY KEY, NOMBRE TEXT, "
                                       "PERIODOS BLOB, FECHA_INIEJER DATE, FECHA_FINEJER DATE, FECHA_ULTDEPREC DATE)"));
    Make(AssetPath(), QStringLiteral("CREATE TABLE q7CActivos (CODIGO TEXT PRIMARY KEY, DESCRIPCION TEXT, "
                                     "FECHA_ADQ DATE, FECHA_INC DATE, FECHA_INICIO DATE, FECHA_DEPINI DATE, "
                                     "FECHA_ULTDEP DATE)"));
    // "AAA" comes first in key order; the periods belong to "DEMO".
    Company(QStringLiteral("INSERT INTO q7CEmpresas VALUES ('AAA', 'Primera', zeroblob(528), '2020-01-01', "
                           "'2020-12-31', '2019-12-31'), ('DEMO', 'Demostración', zeroblob(528), '2024-01-01', "
                           "'2024-12-31', '2023-12-31')"));
    std::memset(m_periods.data(), 0x3C, m_periods.size());  // what the preparation read
  }

  QString CompanyPath() const { return m_dir->path() + QStringLiteral("/DataSistema/q7CEmpresas.dat"); }
  QString AssetPath() const { return m_dir->path() + QStringLiteral("/DataDemo/DATA/q7CActivos.dat"); }
  static void Make(const QString &path, const QString &sql) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));  // an empty file is an empty database
    file.close();
    Connection(path).Exec(sql);
  }
  void Company(const QString &sql) { Connection(CompanyPath()).Exec(sql); }
  void Assets(const QString &sql) { Connection(AssetPath()).Exec(sql); }
  void Asset(const QString &code, const QString &adq, const QString &inc = QStringLiteral("2023-05-01")) {
    Connection db(AssetPath());
    Statement insert(db, QStringLiteral("INSERT INTO q7CActivos VALUES (?, 'equipo', ?, ?, '2023-06-01', "
                                        "'2023-07-01', NULL)"));
    insert.BindText(1, code);
    insert.BindText(2, adq);
    insert.BindText(3, inc);
    insert.Run();
  }
  void ManyAssets(int from, int count) {
    Connection db(AssetPath());
    Transaction t(db);
    for (int i = from; i < from + count; ++i) {
      Statement insert(db, QStringLiteral("INSERT INTO q7CActivos VALUES (?, 'equipo', '2023-03-15', "
                                          "'2024-02-29', '2020-01-01', '2023-12-31', '2024-02-29')"));
      insert.BindText(1, QStringLiteral("A%1").arg(i, 4, 10, QLatin1Char('0')));
      insert.Run();
    }
    t.Commit();
  }
  // A table as text rows, to compare before and after.
  static QStringList Dump(const QString &path, const QString &table) {
    Connection db(path);
    Statement all(db, QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" ORDER BY CODIGO"));
    QStringList rows;
    while (all.Step()) {
      QStringList row;
      for (int c = 0; c < all.ColumnCount(); ++c)
        row << (all.IsNull(c) ? QStringLiteral("<null>")
                              : all.ColumnType(c) == 4 ? QString::fromLatin1(all.ColumnBlob(c).toHex())
                                                       : all.ColumnText(c));
      rows << row.join(u'|');
    }
    return rows;
  }
  QStringList Both() const {
    return Dump(CompanyPath(), QStringLiteral("q7CEmpresas")) + Dump(AssetPath(), QStringLiteral("q7CActivos"));
  }
  QStringList AssetRow(const QString &code) {
    Connection db(AssetPath());
    Statement one(db, QStringLiteral("SELECT FECHA_ADQ, FECHA_INC, FECHA_INICIO, FECHA_DEPINI, FECHA_ULTDEP, "
                                     "DESCRIPCION FROM q7CActivos WHERE CODIGO = ?"));
    one.BindText(1, code);
    EXPECT_TRUE(one.Step());
    QStringList row;
    for (int c = 0; c < 6; ++c) row << (one.IsNull(c) ? QStringLiteral("<null>") : one.ColumnText(c));
    return row;
  }
  QStringList CompanyDates(const QString &code) {
    Connection db(CompanyPath());
    Statement one(db, QStringLiteral("SELECT FECHA_INIEJER, FECHA_FINEJER, FECHA_ULTDEPREC, NOMBRE "
                                     "FROM q7CEmpresas WHERE CODIGO = ?"));
    one.BindText(1, code);
    EXPECT_TRUE(one.Step());
    return {one.ColumnText(0), one.ColumnText(1), one.ColumnText(2), one.ColumnText(3)};
  }
  PeriodsImage StoredPeriods(const QString &code) {
    Connection db(CompanyPath());
    Statement one(db, QStringLiteral("SELECT PERIODOS FROM q7CEmpresas WHERE CODIGO = ?"));
    one.BindText(1, code);
    EXPECT_TRUE(one.Step());
    PeriodsImage image;
    const QByteArray b = one.ColumnBlob(0);
    EXPECT_EQ(b.size(), 528);
    std::memcpy(image.data(), b.constData(), std::min<std::size_t>(b.size(), image.size()));
    return image;
  }

  std::unique_ptr<QTemporaryDir> m_dir;
  PeriodsImage m_periods;
};

TEST_F(Rollover, MovesTheAssetsAndWritesTheRecordDemo) {
  Asset(QStringLiteral("A1"), QStringLiteral("2023-03-15"));
  Assets(QStringLiteral("INSERT INTO q7CActivos VALUES ('A2', 'equipo', '2024-02-29', '2024-02-29', "
                        "'2024-02-29', '2024-02-29', '2024-02-29'), ('A3', 'vacío', NULL, NULL, '', NULL, NULL)"));
  const QStringList first = Dump(CompanyPath(), QStringLiteral("q7CEmpresas")).mid(0, 1);

  const RolloverResult r = RollAccountingYear(m_dir->path(), 2025, m_periods);
  EXPECT_EQ(r.yearsMoved, 1);
  EXPECT_EQ(r.assetsMoved, 3);

  EXPECT_EQ(AssetRow(QStringLiteral("A1")), QStringList({"2024-03-15", "2024-05-01", "2024-06-01", "2024-07-01",
                                                        "<null>", "equipo"}));
  // 29 February into 2025 becomes 28 February, in every field.
  EXPECT_EQ(AssetRow(QStringLiteral("A2")), QStringList({"2025-02-28", "2025-02-28", "2025-02-28", "2025-02-28",
                                                        "2025-02-28", "equipo"}));
  // Empty dates stay empty.
  EXPECT_EQ(AssetRow(QStringLiteral("A3")), QStringList({"<null>", "<null>", "", "<null>", "<null>", "vacío"}));

  EXPECT_EQ(CompanyDates(QStringLiteral("DEMO")),
            QStringList({"2025-01-01", "2025-12-31", "2024-12-31", "Demostración"}));
  const PeriodsImage stored = StoredPeriods(QStringLiteral("DEMO"));
  EXPECT_EQ(0, std::memcmp(stored.data(), r.periods.data(), 528));
  EXPECT_EQ(stored.FirstDate(0), QDate(2025, 1, 1));
  EXPECT_EQ(stored.LastDate(1), QDate(2025, 2, 28));
  EXPECT_EQ(stored.LastDate(11), QDate(2025, 12, 31));
  EXPECT_EQ(stored.Year(6), 2025);
  EXPECT_EQ(stored.bytes[0], 0x3C);  // the uninterpreted bytes come from the image read
  EXPECT_EQ(stored.bytes[527], 0x3C);
  // The first record, not the one the periods were read from, stays as it was.
  EXPECT_EQ(Dump(CompanyPath(), QStringLiteral("q7CEmpresas")).mid(0, 1), first);
}

TEST_F(Rollover, YearsMovedByTheStoredFiscalYear) {
  struct Case {
    const char *name;
    const char *storedStart;  // FECHA_INIEJER of "DEMO"; nullptr = empty
    int year;
    int d;
    const char *adq;  // FECHA_ADQ of the asset afterwards (stored 2023-03-15)
  } cases[] = {
      {"same year", "2024-01-01", 2024, 0, "2023-03-15"},
      {"backwards", "2024-01-01", 2022, -2, "2021-03-15"},
      {"empty fiscal year", nullptr, 2025, 0, "2023-03-15"},
      {"several years on", "2021-01-01", 2025, 4, "2027-03-15"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    Assets(QStringLiteral("DELETE FROM q7CActivos"));
    Asset(QStringLiteral("A1"), QStringLiteral("2023-03-15"));
    Connection db(CompanyPath());
    Statement set(db, QStringLiteral("UPDATE q7CEmpresas SET FECHA_INIEJER = ? WHERE CODIGO = 'DEMO'"));
    if (c.storedStart) set.BindText(1, QString::fromLatin1(c.storedStart)); else set.BindNull(1);
    set.Run();

    const RolloverResult r = RollAccountingYear(m_dir->path(), c.year, m_periods);
    EXPECT_EQ(r.yearsMoved, c.d);
    EXPECT_EQ(AssetRow(QStringLiteral("A1")).at(0), QString::fromLatin1(c.adq));
    EXPECT_EQ(CompanyDates(QStringLiteral("DEMO")).at(0), QStringLiteral("%1-01-01").arg(c.year));
    EXPECT_EQ(StoredPeriods(QStringLiteral("DEMO")).Year(0), c.year);
  }
}

TEST_F(Rollover, EmptyAssetTableStillWritesTheCompany) {
  const RolloverResult r = RollAccountingYear(m_dir->path(), 2025, m_periods);
  EXPECT_EQ(r.assetsMoved, 0);
  EXPECT_EQ(CompanyDates(QStringLiteral("DEMO")).mid(0, 3), QStringList({"2025-01-01", "2025-12-31", "2024-12-31"}));
}

TEST_F(Rollover, FechaIncThatCannotMoveKeepsItsValue) {
  Asset(QStringLiteral("A1"), QStringLiteral("2023-03-15"), QStringLiteral("not a date"));
  RollAccountingYear(m_dir->path(), 2025, m_periods);
  EXPECT_EQ(AssetRow(QStringLiteral("A1")).mid(0, 2), QStringList({"2024-03-15", "not a date"}));
}

// Any failure leaves both files as they were and names the table for the
// wizard's message.
TEST_F(Rollover, FailureChangesNeitherFile) {
  struct Case {
    const char *name;
    std::function<void(Rollover &)> setUp;
    int year;
    const char *table;
  } cases[] = {
      {"date that cannot be formed in the middle of the assets",
       [](Rollover &t) {
         t.ManyAssets(0, 20);
         t.Asset(QStringLiteral("A0020x"), QStringLiteral("2024-13-45"));
         t.ManyAssets(20, 20);
       },
       2025, "q7CActivos.dat"},
      {"year beyond 9999 in an asset",
       [](Rollover &t) {
         t.ManyAssets(0, 10);
         t.Asset(QStringLiteral("A0005x"), QStringLiteral("2024-01-01"));
         t.Company(QStringLiteral("UPDATE q7CEmpresas SET FECHA_INIEJER = '1000-01-01' WHERE CODIGO = 'DEMO'"));
       },
       9500, "q7CActivos.dat"},
      {"asset column missing",
       [](Rollover &t) {
         Make(t.AssetPath(), QStringLiteral("CREATE TABLE q7CActivos (CODIGO TEXT PRIMARY "
                                            "KEY, FECHA_ADQ DATE, FECHA_INC DATE, FECHA_INICIO DATE, "
                                            "FECHA_ULTDEP DATE)"));
       },
       2025, "q7CActivos.dat"},
      {"company record refused after the assets moved",
       [](Rollover &t) {
         t.ManyAssets(0, 10);
         t.Company(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON q7CEmpresas BEGIN "
                                  "SELECT RAISE(ABORT, 'refused'); END"));
       },
       2025, "q7CEmpresas.dat"},
      {"no record DEMO",
       [](Rollover &t) {
         t.ManyAssets(0, 10);
         t.Company(QStringLiteral("DELETE FROM q7CEmpresas WHERE CODIGO = 'DEMO'"));
       },
       2025, "q7CEmpresas.dat"},
      {"asset file in WAL mode",
       [](Rollover &t) {
         t.ManyAssets(0, 10);
         t.Assets(QStringLiteral("PRAGMA journal_mode=WAL"));
       },
       2025, "q7CActivos.dat"},
      {"asset file missing",
       [](Rollover &t) { QFile::remove(t.AssetPath()); }, 2025, "q7CActivos.dat"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    Fresh();
    c.setUp(*this);
    const QStringList before = QFile::exists(AssetPath()) ? Both() : QStringList();
    try {
      RollAccountingYear(m_dir->path(), c.year, m_periods);
      ADD_FAILURE() << "no error";
    } catch (const StoreError &e) {
      EXPECT_EQ(e.File(), QString::fromLatin1(c.table)) << e.what();
    }
    if (QFile::exists(AssetPath())) EXPECT_EQ(Both(), before);
    else EXPECT_EQ(CompanyDates(QStringLiteral("DEMO")).at(0), QStringLiteral("2024-01-01"));
  }
}

}  // namespace
