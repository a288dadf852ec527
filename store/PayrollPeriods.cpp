#include "store/PayrollPeriods.h"

#include "store/ModuleData.h"
#include "store/Paths.h"
#include "store/Sqlite.h"
#include "store/ValueKinds.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace q7 {

namespace {

QString Quoted(const QString &name) {
  QString q = name;
  q.replace(u'"', QStringLiteral("\"\""));
  return u'"' + q + u'"';
}

// "ORDER BY" clause of the declared primary key, rowid when there is none.
QString KeyOrder(Connection &db, const QString &table) {
  Statement info(db, QStringLiteral("SELECT name, pk FROM pragma_table_info(?) WHERE pk > 0 ORDER BY pk"));
  info.BindText(1, table);
  QStringList columns;
  while (info.Step()) columns << Quoted(info.ColumnText(0));
  return QStringLiteral(" ORDER BY ") + (columns.isEmpty() ? QStringLiteral("rowid") : columns.join(u','));
}

}  // namespace

int PayrollPeriodCount(int list) {
  switch (list) {
    case kMonthlyPayroll: return 12;
    case kTwiceMonthlyPayroll: return 24;
    case kWeeklyPayroll: return 52;
    default: return 0;
  }
}

int PayrollWeekDay(const QDate &date) { return date.dayOfWeek() % 7 + 1; }  // Qt: Monday 1 .. Sunday 7

int PayrollDaysInMonth(int month, int year) {
  switch (month) {
    case 4: case 6: case 9: case 11: return 30;
    case 2: return year % 4 == 0 ? 29 : 28;
    default: return 31;
  }
}

int RedatePayrollDay(int serial, int year) {
  const QDate from = SerialToDate(serial);
  int day = from.day();
  // Dates use the real calendar; the payroll's own leap rule only counts days
  // for the week number.
  if (from.month() == 2 && day == from.daysInMonth()) day = QDate(year, 2, 1).daysInMonth();
  return DateToSerial(QDate(year, from.month(), day));
}

int PayrollWeekNumber(int payrollYear, int todayYear, int todayMonth, int todayDay) {
  const int f = PayrollWeekDay(QDate(payrollYear, 1, 1)) == 2 ? 0 : 1;
  int d = todayDay;
  for (int m = 1; m < todayMonth; ++m) d += PayrollDaysInMonth(m, todayYear);
  // Extended precision, as the quotients below are meant to be d / 7 and a
  // double could land a hair above a whole number.
  long double x;
  long double r;
  if (PayrollDaysInMonth(2, todayYear) == 28) {
    x = static_cast<long double>(d) * 52.0L / 364.0L;
    r = std::nearbyint(x) + f;  // default rounding: half to even
  } else {
    x = static_cast<long double>(d) * 52.142857142857142856L / 365.0L;
    r = std::nearbyint(x);
  }
  if (r < x) r += 1;
  return static_cast<int>(r);
}

void RebuildPayrollList(PayrollPeriodList &periods, int list, int year) {
  const int count = PayrollPeriodCount(list);
  if (list != kWeeklyPayroll) {
    for (int k = 0; k < count; ++k) {
      periods.SetFirstDay(k, RedatePayrollDay(periods.FirstDay(k), year));
      periods.SetLastDay(k, RedatePayrollDay(periods.LastDay(k), year));
    }
    return;
  }
  // Weekly: the weeks follow from 1 January alone, whatever the list held.
  const QDate jan1(year, 1, 1);
  const int w = PayrollWeekDay(jan1);
  const int first = DateToSerial(jan1) + (w == 2 ? 0 : 2 - w);
  periods.SetFirstDay(0, first);
  periods.SetLastDay(0, first + 6);
  for (int k = 1; k < count; ++k) {
    const int previousLast = periods.LastDay(k - 1);
    periods.SetFirstDay(k, previousLast + 1);
    periods.SetLastDay(k, previousLast + 7);
  }
}

PayrollRecordValues PayrollValuesFor(int list, int year, const QDate &today) {
  const QDate jan1(year, 1, 1);
  PayrollRecordValues v;
  if (list == kWeeklyPayroll) {
    const int w = PayrollWeekDay(jan1);
    v.inicio = DateToSerial(jan1) + (w == 2 ? 0 : 2 - w);
    // Unless 1 January is a Monday the weekly payroll counts its year from
    // the year before, also when 1 January is a Sunday and week 1 starts on
    // 2 January: the payroll module reads FNO_ANOCURSO that way.
    v.anoCurso = w == 2 ? year : year - 1;
    v.actual = PayrollWeekNumber(year, today.year(), today.month(), today.day());
  } else {
    v.inicio = DateToSerial(jan1);
    v.anoCurso = year;
    v.actual = list == kMonthlyPayroll ? today.month() : (today.day() <= 15 ? 2 * today.month() - 1 : 2 * today.month());
  }
  return v;
}

PayrollRebuild RebuildPayrollPeriods(const QString &workFolder, int year, const QDate &today) {
  const QString tableFile = QString::fromLatin1(kPayrollTable);
  if (year < 1 || year > 9999)
    throw StoreError(QStringLiteral("Año de nómina fuera de rango: %1").arg(year), tableFile);
  if (!today.isValid()) throw StoreError(QStringLiteral("Fecha del sistema no válida"), tableFile);

  PayrollRebuild result;
  try {
    const QString path =
        ResolveExistingPath(JoinFolderFile(AbsoluteFolder(workFolder) + QLatin1String(kDataSistemaFolder), tableFile));
    Connection db(path);
    const QString table = Quoted(QStringLiteral("q7Nominas"));
    Transaction transaction(db);

    // First pass: read the lists of the first three records; later lists
    // take the last record's periods when the table holds fewer.
    std::array<std::int64_t, kPayrollLists> rowids{};
    int records = 0;
    {
      Statement read(db, QStringLiteral("SELECT rowid, FNO_FECHAPERIODOS FROM ") + table +
                             KeyOrder(db, QStringLiteral("q7Nominas")) + QStringLiteral(" LIMIT 3"));
      while (read.Step()) {
        rowids[records] = read.ColumnInt64(0);
        const QByteArray bytes = read.ColumnBlob(1);
        PayrollPeriodList &list = result.lists[records];
        list.Clear();
        std::memcpy(list.data(), bytes.constData(), std::min<std::size_t>(list.size(), bytes.size()));
        ++records;
      }
    }
    for (int j = records; j < kPayrollLists && records > 0; ++j) result.lists[j] = result.lists[records - 1];
    for (int j = 0; j < kPayrollLists; ++j) RebuildPayrollList(result.lists[j], j, year);

    // Second pass: each of these records complete, all in one transaction.
    Statement write(db, QStringLiteral("UPDATE ") + table +
                            QStringLiteral(" SET FNO_ANOCURSO = ?1, FNO_ACTUAL = ?2, FNO_FINICIO = ?3, "
                                           "FNO_FECHAPERIODOS = ?4 WHERE rowid = ?5"));
    for (int j = 0; j < records; ++j) {
      const PayrollRecordValues v = PayrollValuesFor(j, year, today);
      write.BindInt64(1, v.anoCurso);
      write.BindInt64(2, v.actual);
      write.BindText(3, SerialToIsoText(v.inicio));
      write.BindBlob(4, QByteArray(reinterpret_cast<const char *>(result.lists[j].data()),
                                   static_cast<qsizetype>(result.lists[j].size())));
      write.BindInt64(5, rowids[j]);
      write.Run();
      write.Reset();
    }
    transaction.Commit();
    result.recordsWritten = records;
  } catch (const StoreError &e) {
    throw StoreError(e.Message() + (e.File().isEmpty() ? QString() : QStringLiteral(" (") + e.File() + u')'),
                     tableFile);
  }
  return result;
}

}  // namespace q7
