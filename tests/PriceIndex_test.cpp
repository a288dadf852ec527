// The price-index table: the VALORES image, reading a year with its locked
// months, moving between years, and storing a year or a new one.
#include "store/PriceIndex.h"

#include "store/Sqlite.h"
#include "store/TableHandle.h"
#include "support/MessageRecorder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>

using namespace q7;

namespace {

const QString kStoreError = QStringLiteral("Error al guardar los IPC.");

MonthValues Months(std::initializer_list<double> first) {
  MonthValues v{};
  std::copy(first.begin(), first.end(), v.begin());
  return v;
}

QByteArray Blob(const MonthValues &v) { return ValoresImage::FromValues(v).ToBlob(); }

TEST(PriceIndexImage, Layout) {
  MonthValues v{};
  for (int i = 0; i < 12; ++i) v[i] = 100.0 + i;
  const ValoresImage image = ValoresImage::FromValues(v);
  for (int b = 0; b < 96; ++b) ASSERT_EQ(image.bytes[b], 0) << b;
  double january = 0, december = 0;
  std::memcpy(&january, image.data() + 96, 8);
  std::memcpy(&december, image.data() + 184, 8);
  EXPECT_EQ(january, 100.0);
  EXPECT_EQ(december, 111.0);
  EXPECT_EQ(image.ToBlob().size(), 192);

  // A short blob leaves the missing months zero; a long one is cut.
  QByteArray blob = Blob(v);
  EXPECT_EQ(ValoresImage::FromBlob(blob.left(112)).Values(), Months({100.0, 101.0}));
  EXPECT_EQ(ValoresImage::FromBlob(QByteArray()).Values(), MonthValues{});
  EXPECT_EQ(ValoresImage::FromBlob(blob + QByteArray(50, '\x7f')).Values(), v);
}

TEST(PriceIndexImage, LockedMonthsKeepTheValueRead) {
  PriceIndexYear shown;
  shown.year = 2024;
  shown.values = Months({112.34567, 0.0, 99.999999});
  shown.locked = {true, false, true};
  const MonthValues typed = Months({112.35, 7.5, 100.0});  // what the fields show, two decimals
  const MonthFlags locked = {true, false, true};
  EXPECT_EQ(ValuesToStore(shown, 2024, typed, locked), Months({112.34567, 7.5, 99.999999}));
  // Another year (an inclusion) takes every value as typed.
  EXPECT_EQ(ValuesToStore(shown, 2025, typed, locked), typed);
}

class PriceIndexTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("DataSistema")));
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    Connection(Path()).Exec(QStringLiteral("CREATE TABLE q7CIndPrec (ANO INTEGER PRIMARY KEY, VALORES BLOB)"));
  }
  QString Path() const { return m_dir.path() + QStringLiteral("/DataSistema/q7CIndPrec.dat"); }
  void Put(int year, const QByteArray &valores) {
    Connection db(Path());
    Statement insert(db, QStringLiteral("INSERT INTO q7CIndPrec VALUES (?, ?)"));
    insert.BindInt64(1, year);
    insert.BindBlob(2, valores);
    insert.Run();
  }
  QByteArray Stored(int year) {
    Connection db(Path());
    Statement one(db, QStringLiteral("SELECT VALORES FROM q7CIndPrec WHERE ANO = ?"));
    one.BindInt64(1, year);
    return one.Step() ? one.ColumnBlob(0) : QByteArray("<none>");
  }
  int Count() {
    Connection db(Path());
    Statement all(db, QStringLiteral("SELECT count(*) FROM q7CIndPrec"));
    all.Step();
    return static_cast<int>(all.ColumnInt64(0));
  }
  void Open() {
    m_table.SetFolder(m_dir.path() + QStringLiteral("/DataSistema/"));
    m_table.SetTableName(QStringLiteral("q7CIndPrec"));
    m_table.Open();
  }

  QTemporaryDir m_dir;
  TableHandle m_table;
  PriceIndexTable m_index{m_table};
  q7test::MessageRecorder m_messages;
};

TEST_F(PriceIndexTableTest, EmptyTableShowsAndStoresNothing) {
  Open();
  EXPECT_TRUE(m_index.IsEmpty());
  EXPECT_FALSE(m_index.Last());
  EXPECT_FALSE(m_index.ReadCurrent());
  EXPECT_EQ(m_index.LastYear(), 0);
  // "Guardar" with year 0 and no inclusion: no year to store.
  EXPECT_EQ(m_index.Store(0, Months({5.0}), {}, false), PriceIndexStore::Nothing);
  EXPECT_EQ(Count(), 0);
  EXPECT_TRUE(m_messages.Texts().isEmpty());
}

TEST_F(PriceIndexTableTest, ReadingLocksEveryMonthThatHoldsAValue) {
  MonthValues all{};
  for (int i = 0; i < 12; ++i) all[i] = 100.123456 + i;
  Put(2023, Blob(all));
  Put(2024, Blob(Months({112.34567, 0.0, 1e-300})));
  Put(2025, Blob(Months({101.5})).left(104));  // short: January only
  Open();

  const auto y2023 = m_index.First();
  ASSERT_TRUE(y2023);
  EXPECT_EQ(y2023->year, 2023);
  EXPECT_EQ(y2023->values, all);
  EXPECT_EQ(y2023->locked, MonthFlags({true, true, true, true, true, true, true, true, true, true, true, true}));

  const auto y2024 = m_index.Next();
  ASSERT_TRUE(y2024);
  EXPECT_TRUE(y2024->locked[0]);
  EXPECT_FALSE(y2024->locked[1]);  // exactly 0.0: editable
  EXPECT_TRUE(y2024->locked[2]);   // any other value, however small, locks

  const auto y2025 = m_index.Next();
  ASSERT_TRUE(y2025);
  EXPECT_EQ(y2025->values, Months({101.5}));
  EXPECT_EQ(std::count(y2025->locked.begin(), y2025->locked.end(), true), 1);
}

TEST_F(PriceIndexTableTest, FirstAndLastEnds) {
  Put(2023, Blob(Months({1.0})));
  Put(2024, Blob(Months({2.0})));
  Open();
  EXPECT_EQ(m_index.First()->year, 2023);
  EXPECT_EQ(m_index.Prior()->year, 2023);  // the position stays
  EXPECT_EQ(m_index.Last()->year, 2024);
  EXPECT_EQ(m_index.Next()->year, 2024);
  EXPECT_EQ(m_index.Prior()->year, 2023);
  EXPECT_EQ(m_index.LastYear(), 2024);
  EXPECT_EQ(m_table.AsInteger(QStringLiteral("ANO")), 2023);  // LastYear does not move
}

TEST_F(PriceIndexTableTest, StoringWritesLockedMonthsExactlyAndTypedOnes) {
  QByteArray blob = Blob(Months({112.34567, 0.0, 98.7654321}));
  std::memset(blob.data(), 0xFF, 96);  // whatever the first bytes held
  Put(2023, Blob(Months({1.0})));
  Put(2024, blob);
  Put(2025, Blob(Months({3.0})));
  Open();
  m_index.Last();
  ASSERT_EQ(m_index.Prior()->year, 2024);

  // The fields show two decimals; February was typed.
  const MonthValues typed = Months({112.35, 4.25, 98.77});
  const MonthFlags locked = {true, false, true};
  EXPECT_EQ(m_index.Store(2024, typed, locked, false), PriceIndexStore::Stored);

  const QByteArray stored = Stored(2024);
  ASSERT_EQ(stored.size(), 192);
  EXPECT_EQ(stored.left(96), QByteArray(96, '\0'));
  EXPECT_EQ(ValoresImage::FromBlob(stored).Values(), Months({112.34567, 4.25, 98.7654321}));
  // The table stands on the year stored: the next year is the next one.
  EXPECT_EQ(m_table.AsInteger(QStringLiteral("ANO")), 2024);
  EXPECT_EQ(m_index.Next()->year, 2025);
  EXPECT_TRUE(m_messages.Texts().isEmpty());
}

TEST_F(PriceIndexTableTest, IncludingANewYearAndRefusingAnExistingOne) {
  Put(2024, Blob(Months({5.0})));
  Open();
  m_index.Last();

  EXPECT_EQ(m_index.Store(2025, Months({1.5, 2.5}), {}, true), PriceIndexStore::Stored);
  EXPECT_EQ(ValoresImage::FromBlob(Stored(2025)).Values(), Months({1.5, 2.5}));
  EXPECT_EQ(m_table.AsInteger(QStringLiteral("ANO")), 2025);
  EXPECT_EQ(m_index.LastYear(), 2025);

  // An inclusion of a year that exists: refused, nothing pending, nothing changed.
  const QByteArray before = Stored(2024);
  EXPECT_EQ(m_index.Store(2024, Months({9.0}), {}, true), PriceIndexStore::Failed);
  EXPECT_EQ(m_messages.Texts(), QStringList({kStoreError}));
  EXPECT_FALSE(m_table.InEditState());
  EXPECT_EQ(Stored(2024), before);
  EXPECT_EQ(Count(), 2);
  // The table is usable afterwards: moving and storing work.
  EXPECT_EQ(m_index.Last()->year, 2025);
  EXPECT_EQ(m_index.Store(2026, Months({7.0}), {}, true), PriceIndexStore::Stored);
  EXPECT_EQ(Count(), 3);
}

TEST_F(PriceIndexTableTest, AYearTheTableDoesNotHoldIsNotWrittenElsewhere) {
  Put(2024, Blob(Months({5.0})));
  Open();
  const QByteArray before = Stored(2024);
  EXPECT_EQ(m_index.Store(2030, Months({1.0}), {}, false), PriceIndexStore::Failed);
  EXPECT_EQ(m_index.Store(0, Months({1.0}), {}, true), PriceIndexStore::Failed);
  EXPECT_EQ(m_messages.Texts(), QStringList({kStoreError, kStoreError}));
  EXPECT_EQ(Stored(2024), before);
  EXPECT_EQ(Count(), 1);
}

}  // namespace
