// The payroll save: period lists rebuilt for the payroll year, the weekly
// calendar, the current period from the system date, and the write of the
// payroll table as one transaction.
#include "store/PayrollPeriods.h"

#include "store/Sqlite.h"
#include "store/ValueKinds.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>

using namespace q7;

namespace {

// ------------------------------------------------------------- pure rules

TEST(PayrollPeriods, WeeklyCalendarAndRecordValues) {
  struct Case {
    int year;
    QDate slot0First, slot0Last, slot51First, slot51Last;
    QDate inicio;
    int anoCurso;
  } cases[] = {
      // 1 January a Monday: week 1 starts on it.
      {2024, {2024, 1, 1}, {2024, 1, 7}, {2024, 12, 23}, {2024, 12, 29}, {2024, 1, 1}, 2024},
      // A Wednesday: week 1 starts on the Monday before, in the year before.
      {2025, {2024, 12, 30}, {2025, 1, 5}, {2025, 12, 22}, {2025, 12, 28}, {2024, 12, 30}, 2024},
      // A Sunday: week 1 starts on 2 January, and still the payroll year is the year before.
      {2023, {2023, 1, 2}, {2023, 1, 8}, {2023, 12, 25}, {2023, 12, 31}, {2023, 1, 2}, 2022},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.year);
    PayrollPeriodList list;
    RebuildPayrollList(list, kWeeklyPayroll, c.year);
    EXPECT_EQ(list.FirstDate(0), c.slot0First);
    EXPECT_EQ(list.LastDate(0), c.slot0Last);
    EXPECT_EQ(list.FirstDate(51), c.slot51First);
    EXPECT_EQ(list.LastDate(51), c.slot51Last);
    for (int k = 1; k < 52; ++k) ASSERT_EQ(list.FirstDay(k), list.LastDay(k - 1) + 1);
    EXPECT_EQ(list.FirstDayOle(52), 0.0);  // slot 52 is beyond the weekly count

    const PayrollRecordValues v = PayrollValuesFor(kWeeklyPayroll, c.year, QDate(2025, 3, 20));
    EXPECT_EQ(SerialToDate(v.inicio), c.inicio);
    EXPECT_EQ(v.anoCurso, c.anoCurso);
  }
}

TEST(PayrollPeriods, CurrentPeriodFromSystemDate) {
  struct Case {
    QDate today;
    int year;
    int monthly, twice, weekly;
  } cases[] = {
      {{2025, 3, 20}, 2025, 3, 6, 12},  // day 79; 1 January 2025 not a Monday
      {{2025, 3, 20}, 2024, 3, 6, 12},  // 1 January 2024 a Monday
      {{2025, 1, 5}, 2025, 1, 1, 2},
      {{2025, 1, 5}, 2024, 1, 1, 1},
      {{2025, 6, 15}, 2025, 6, 11, 25},
      {{2025, 6, 16}, 2025, 6, 12, 25},
      {{2024, 12, 31}, 2024, 12, 24, 53},  // day 366 of a leap year: f is not added
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString() + " / " + std::to_string(c.year));
    EXPECT_EQ(PayrollValuesFor(kMonthlyPayroll, c.year, c.today).actual, c.monthly);
    EXPECT_EQ(PayrollValuesFor(kTwiceMonthlyPayroll, c.year, c.today).actual, c.twice);
    EXPECT_EQ(PayrollValuesFor(kWeeklyPayroll, c.year, c.today).actual, c.weekly);
  }
}

// The week number is ceil(d / 7), except with a 28-day February and 1 January
// of the payroll year not a Monday, where it is one more when d mod 7 is 0, 4,
// 5 or 6. Checked over every day so no quotient lands a hair off.
TEST(PayrollPeriods, WeekNumberOverWholeYears) {
  for (int todayYear : {2024, 2025}) {
    for (int payrollYear : {2024, 2025}) {  // Monday / Wednesday
      const bool f = payrollYear == 2025 && todayYear == 2025;
      for (QDate day(todayYear, 1, 1); day.year() == todayYear; day = day.addDays(1)) {
        const int d = day.dayOfYear();
        int expected = (d + 6) / 7;
        if (f && (d % 7 == 0 || d % 7 >= 4)) ++expected;
        ASSERT_EQ(PayrollWeekNumber(payrollYear, todayYear, day.month(), day.day()), expected)
            << day.toString(Qt::ISODate).toStdString() << " payroll " << payrollYear;
      }
    }
  }
}

TEST(PayrollPeriods, RedatingKeepsMonthAndDay) {
  struct Case {
    QDate from;
    int year;
    QDate to;
  } cases[] = {
      {{2023, 3, 15}, 2025, {2025, 3, 15}},
      {{2024, 2, 29}, 2025, {2025, 2, 28}},  // last day of February -> last day of February
      {{2025, 2, 28}, 2028, {2028, 2, 29}},
      {{2024, 2, 28}, 2025, {2025, 2, 28}},  // not the last day in 2024
      {{2024, 2, 29}, 2100, {2100, 2, 28}},  // 2100 has no 29 February
      {{1899, 12, 30}, 2025, {2025, 12, 30}},  // an empty slot
      {{2024, 12, 31}, 2020, {2020, 12, 31}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.from.toString(Qt::ISODate).toStdString());
    EXPECT_EQ(SerialToDate(RedatePayrollDay(DateToSerial(c.from), c.year)), c.to);
  }
  EXPECT_EQ(PayrollDaysInMonth(2, 2100), 29);  // the week count's own rule
  EXPECT_EQ(PayrollDaysInMonth(13, 2024), 31);
}

// ------------------------------------------------------ the payroll table

// A monthly or twice-monthly list of a year, with a marker in every slot the
// rebuild must leave alone.
PayrollPeriodList StoredList(int list, int year) {
  PayrollPeriodList p;
  std::memset(p.data(), 0x5A, p.size());
  if (list == kMonthlyPayroll) {
    for (int m = 1; m <= 12; ++m) {
      p.SetFirstDate(m - 1, QDate(year, m, 1));
      p.SetLastDate(m - 1, QDate(year, m, 1).addMonths(1).addDays(-1));
    }
  } else if (list == kTwiceMonthlyPayroll) {
    for (int m = 1; m <= 12; ++m) {
      p.SetFirstDate(2 * m - 2, QDate(year, m, 1));
      p.SetLastDate(2 * m - 2, QDate(year, m, 15));
      p.SetFirstDate(2 * m - 1, QDate(year, m, 16));
      p.SetLastDate(2 * m - 1, QDate(year, m, 1).addMonths(1).addDays(-1));
    }
  } else {
    RebuildPayrollList(p, kWeeklyPayroll, year);
  }
  return p;
}

QByteArray Bytes(const PayrollPeriodList &p) {
  return QByteArray(reinterpret_cast<const char *>(p.data()), static_cast<qsizetype>(p.size()));
}

class PayrollTable : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("DataSistema")));
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));  // an empty file is an empty database
  }
  QString Path() const { return m_dir.path() + QStringLiteral("/DataSistema/q7Nominas.dat"); }
  void Create(const QString &columns = QStringLiteral(
                  "FNO_CODIGO INTEGER PRIMARY KEY, FNO_FECHAPERIODOS BLOB, FNO_ANOCURSO INTEGER, "
                  "FNO_ACTUAL INTEGER, FNO_FINICIO DATE, FNO_DESCRIPCION TEXT")) {
    Connection db(Path());
    db.Exec(QStringLiteral("CREATE TABLE q7Nominas (") + columns + u')');
  }
  void Add(int code, const QByteArray &periods) {
    Connection db(Path());
    Statement insert(db, QStringLiteral("INSERT INTO q7Nominas (FNO_CODIGO, FNO_FECHAPERIODOS, FNO_ANOCURSO, "
                                        "FNO_ACTUAL, FNO_FINICIO, FNO_DESCRIPCION) "
                                        "VALUES (?, ?, 2024, 7, '2024-01-01', 'nómina')"));
    insert.BindInt64(1, code);
    insert.BindBlob(2, periods);
    insert.Run();
  }
  // Every record as text, to compare the table before and after.
  QStringList Dump() {
    Connection db(Path());
    Statement all(db, QStringLiteral("SELECT * FROM q7Nominas ORDER BY FNO_CODIGO"));
    QStringList rows;
    while (all.Step()) {
      QStringList row;
      for (int c = 0; c < all.ColumnCount(); ++c)
        row << (all.ColumnType(c) == 4 ? QString::fromLatin1(all.ColumnBlob(c).toHex()) : all.ColumnText(c));
      rows << row.join(u'|');
    }
    return rows;
  }
  struct Row {
    int anoCurso, actual;
    QString inicio;
    PayrollPeriodList periods;
  };
  Row Read(int code) {
    Connection db(Path());
    Statement one(db, QStringLiteral("SELECT FNO_ANOCURSO, FNO_ACTUAL, FNO_FINICIO, FNO_FECHAPERIODOS "
                                     "FROM q7Nominas WHERE FNO_CODIGO = ?"));
    one.BindInt64(1, code);
    EXPECT_TRUE(one.Step());
    Row r{static_cast<int>(one.ColumnInt64(0)), static_cast<int>(one.ColumnInt64(1)), one.ColumnText(2), {}};
    const QByteArray b = one.ColumnBlob(3);
    std::memcpy(r.periods.data(), b.constData(), std::min<std::size_t>(b.size(), r.periods.size()));
    return r;
  }

  QTemporaryDir m_dir;
};

TEST_F(PayrollTable, RebuildsTheThreePayrollsAndLeavesTheRest) {
  Create();
  for (int j = 0; j < 3; ++j) Add(j + 1, Bytes(StoredList(j, 2024)));
  Add(4, QByteArray(5840, '\x11'));  // a fourth record: not one of the three payrolls
  const QString fourth = Dump().at(3);

  const PayrollRebuild r = RebuildPayrollPeriods(m_dir.path(), 2025, QDate(2025, 3, 20));
  EXPECT_EQ(r.recordsWritten, 3);

  const Row monthly = Read(1);
  EXPECT_EQ(monthly.anoCurso, 2025);
  EXPECT_EQ(monthly.actual, 3);
  EXPECT_EQ(monthly.inicio, QStringLiteral("2025-01-01"));
  EXPECT_EQ(monthly.periods.FirstDate(1), QDate(2025, 2, 1));
  EXPECT_EQ(monthly.periods.LastDate(1), QDate(2025, 2, 28));  // stored 29 February 2024
  EXPECT_EQ(monthly.periods.LastDate(11), QDate(2025, 12, 31));

  const Row twice = Read(2);
  EXPECT_EQ(twice.anoCurso, 2025);
  EXPECT_EQ(twice.actual, 6);
  EXPECT_EQ(twice.periods.FirstDate(3), QDate(2025, 2, 16));
  EXPECT_EQ(twice.periods.LastDate(3), QDate(2025, 2, 28));

  const Row weekly = Read(3);
  EXPECT_EQ(weekly.anoCurso, 2024);
  EXPECT_EQ(weekly.actual, 12);
  EXPECT_EQ(weekly.inicio, QStringLiteral("2024-12-30"));
  EXPECT_EQ(weekly.periods.FirstDate(0), QDate(2024, 12, 30));

  // Slots beyond 12, 24 and 52 are written back as they were read.
  const std::size_t counts[] = {12, 24, 52};
  const Row rows[] = {monthly, twice, weekly};
  for (int j = 0; j < 3; ++j) {
    const PayrollPeriodList stored = StoredList(j, 2024);
    EXPECT_EQ(0, std::memcmp(rows[j].periods.data() + 16 * counts[j], stored.data() + 16 * counts[j],
                             5840 - 16 * counts[j]))
        << "list " << j;
    EXPECT_EQ(0, std::memcmp(r.lists[j].data(), rows[j].periods.data(), 5840)) << "list " << j;
  }
  EXPECT_EQ(Dump().at(3), fourth);
}

TEST_F(PayrollTable, February28MovesToTheLeapDay) {
  Create();
  Add(1, Bytes(StoredList(kMonthlyPayroll, 2025)));
  RebuildPayrollPeriods(m_dir.path(), 2028, QDate(2025, 1, 5));
  const Row monthly = Read(1);
  EXPECT_EQ(monthly.periods.LastDate(1), QDate(2028, 2, 29));
  EXPECT_EQ(monthly.periods.FirstDate(2), QDate(2028, 3, 1));
}

TEST_F(PayrollTable, FewerRecordsShortAndEmptyLists) {
  Create();
  Add(1, QByteArray(20, '\0'));  // a short list: the rest reads as zeros
  const PayrollRebuild r = RebuildPayrollPeriods(m_dir.path(), 2025, QDate(2025, 3, 20));
  EXPECT_EQ(r.recordsWritten, 1);
  EXPECT_EQ(Read(1).periods.FirstDate(5), QDate(2025, 12, 30));  // an empty slot re-dated
  EXPECT_EQ(Dump().size(), 1);
  // The missing payrolls take the last record's periods, rebuilt.
  EXPECT_EQ(r.lists[1].FirstDate(0), QDate(2025, 12, 30));
  EXPECT_EQ(r.lists[2].FirstDate(0), QDate(2024, 12, 30));
}

TEST_F(PayrollTable, AFailureLeavesTheTableUnchanged) {
  Create();
  for (int j = 0; j < 3; ++j) Add(j + 1, Bytes(StoredList(j, 2024)));
  {
    // The weekly record cannot be written: the two stored before must not stay.
    Connection db(Path());
    db.Exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON q7Nominas WHEN old.FNO_CODIGO = 3 "
                           "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
  }
  const QStringList before = Dump();
  try {
    RebuildPayrollPeriods(m_dir.path(), 2025, QDate(2025, 3, 20));
    FAIL() << "no error";
  } catch (const StoreError &e) {
    EXPECT_EQ(e.File(), QStringLiteral("q7Nominas.dat"));
  }
  EXPECT_EQ(Dump(), before);
}

TEST_F(PayrollTable, MissingColumnOrFileIsAnError) {
  Create(QStringLiteral("FNO_CODIGO INTEGER PRIMARY KEY, FNO_FECHAPERIODOS BLOB, FNO_ANOCURSO INTEGER, "
                        "FNO_ACTUAL INTEGER"));
  Connection(Path()).Exec(QStringLiteral("INSERT INTO q7Nominas VALUES (1, NULL, 2024, 1)"));
  const QStringList before = Dump();
  EXPECT_THROW(RebuildPayrollPeriods(m_dir.path(), 2025, QDate(2025, 3, 20)), StoreError);
  EXPECT_EQ(Dump(), before);
  EXPECT_THROW(RebuildPayrollPeriods(m_dir.path() + QStringLiteral("/nowhere"), 2025, QDate(2025, 3, 20)),
               StoreError);
}

}  // namespace
