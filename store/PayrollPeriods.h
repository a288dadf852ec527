#pragma once
// The payroll save of the Nómina module: the three payrolls of "q7Nominas.dat"
// (monthly, twice-monthly, weekly, the first three records in key order) are
// moved to the payroll year. Each record gets its period list rebuilt for the
// year, the payroll year FNO_ANOCURSO, the start FNO_FINICIO and the current
// period FNO_ACTUAL taken from the system date.
//
// Dates are whole-day serials (store/ValueKinds.h: 0 is 30 December 1899).
#include "store/BlobImages.h"

#include <QDate>
#include <QString>

#include <array>

namespace q7 {

// The three payrolls, in record order.
enum PayrollList : int { kMonthlyPayroll = 0, kTwiceMonthlyPayroll = 1, kWeeklyPayroll = 2 };
inline constexpr int kPayrollLists = 3;

// Periods rebuilt in a list: 12, 24 or 52 (0 for any other list).
int PayrollPeriodCount(int list);

// Day of the week counted 1 for Sunday, 2 for Monday ... 7 for Saturday.
int PayrollWeekDay(const QDate &date);

// Days of a month as the payroll counts them: every year divisible by 4 is a
// leap year (no century rule); any month outside 1..12 has 31 days.
int PayrollDaysInMonth(int month, int year);

// The same month and day in another year. The last day of February goes to
// the last day of February of that year (29 February 2024 -> 28 February
// 2025, 28 February 2025 -> 29 February 2028), so every day has a match and
// no February day is left outside the periods.
int RedatePayrollDay(int serial, int year);

// Number of the current weekly period for the payroll year and the system
// date: the day of the year d counted with PayrollDaysInMonth, then d * 52 /
// 364 rounded half to even plus 1 when 1 January of the payroll year is not a
// Monday (years with a 28-day February), or d * (365 / 7) / 365 rounded
// (other years); raised by one when the rounding fell below the quotient.
int PayrollWeekNumber(int payrollYear, int todayYear, int todayMonth, int todayDay);

// Rebuilds the first PayrollPeriodCount(list) slots of a list for year:
// monthly and twice-monthly slots are re-dated (RedatePayrollDay); weekly
// slots become 52 weeks of seven days from the Monday on or before 1 January
// (2 January when 1 January is a Sunday). Slots beyond the count are kept.
void RebuildPayrollList(PayrollPeriodList &periods, int list, int year);

// The plain fields a payroll record receives.
struct PayrollRecordValues {
  int anoCurso = 0;  // FNO_ANOCURSO
  int actual = 0;    // FNO_ACTUAL
  int inicio = 0;    // FNO_FINICIO, serial
};
// For list 0 and 1: the year, 1 January and the month (or half month) of
// today. For the weekly list: the start of week 1 and its year, and
// PayrollWeekNumber.
PayrollRecordValues PayrollValuesFor(int list, int year, const QDate &today);

struct PayrollRebuild {
  // The three lists as written (the window keeps them). A table with fewer
  // than three records gives the missing lists the last record's periods;
  // an empty one gives lists rebuilt from zeros.
  std::array<PayrollPeriodList, kPayrollLists> lists{};
  int recordsWritten = 0;
};

// The Nómina save. Opens "DataSistema/q7Nominas.dat" under workFolder ("" =
// the working folder), reads FNO_FECHAPERIODOS of the first three records in
// key order, rebuilds the lists for year and writes each of these records
// (FNO_ANOCURSO, FNO_ACTUAL, FNO_FINICIO, FNO_FECHAPERIODOS) in one
// transaction: on any failure (file or column missing, engine error) nothing
// of the table changes and a StoreError naming "q7Nominas.dat" is thrown.
// Records after the third are left untouched. year must be 1 to 9999.
PayrollRebuild RebuildPayrollPeriods(const QString &workFolder, int year, const QDate &today);

}  // namespace q7
