#include "store/AccountingRollover.h"

#include "store/ModuleData.h"
#include "store/Paths.h"
#include "store/Sqlite.h"
#include "store/ValueKinds.h"

#include <QFileInfo>

#include <cstdio>

#include <sqlite3.h>

namespace q7 {

namespace {

constexpr const char *kAssetSchema = "activos";

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysIn(int month, int year) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

struct Ymd {
  int year, month, day;
};

// The moving rule on plain numbers; false when the result leaves 1..9999 or
// the input is no date.
bool MoveYmd(Ymd &date, int years) {
  if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1 ||
      date.day > DaysIn(date.month, date.year))
    return false;
  const int year = date.year + years;
  if (year < 1 || year > 9999) return false;
  date.year = year;
  if (date.day > DaysIn(date.month, year)) date.day = DaysIn(date.month, year);  // 29 February -> 28
  return true;
}

// "YYYY-MM-DD", optionally followed by a time part, as the tables store dates.
bool ParseIsoDate(const unsigned char *text, int length, Ymd &date) {
  if (length < 10 || (length > 10 && text[10] != ' ' && text[10] != 'T')) return false;
  auto digits = [&](int from, int count, int &value) {
    value = 0;
    for (int i = from; i < from + count; ++i) {
      if (text[i] < '0' || text[i] > '9') return false;
      value = value * 10 + (text[i] - '0');
    }
    return true;
  };
  return text[4] == '-' && text[7] == '-' && digits(0, 4, date.year) && digits(5, 2, date.month) &&
         digits(8, 2, date.day);
}

// SQL function q7_move_date(date, years, keep_on_failure): the date text moved
// by whole years; NULL and "" stay as they are. A date that cannot be moved
// is returned unchanged when keep_on_failure is non-zero, otherwise it fails
// the statement (and with it the whole save).
void MoveDateFunction(sqlite3_context *context, int, sqlite3_value **args) {
  sqlite3_value *value = args[0];
  const int type = sqlite3_value_type(value);
  if (type == SQLITE_NULL) {
    sqlite3_result_null(context);
    return;
  }
  const int years = sqlite3_value_int(args[1]);
  const bool keepOnFailure = sqlite3_value_int(args[2]) != 0;
  if (type == SQLITE_TEXT) {
    const unsigned char *text = sqlite3_value_text(value);
    const int length = sqlite3_value_bytes(value);
    if (length == 0) {
      sqlite3_result_value(context, value);
      return;
    }
    Ymd date{};
    if (ParseIsoDate(text, length, date) && MoveYmd(date, years)) {
      char out[11];
      std::snprintf(out, sizeof out, "%04d-%02d-%02d", date.year, date.month, date.day);
      sqlite3_result_text(context, out, 10, SQLITE_TRANSIENT);
      return;
    }
  }
  if (keepOnFailure) {
    sqlite3_result_value(context, value);
    return;
  }
  const QByteArray shown = QByteArray(reinterpret_cast<const char *>(sqlite3_value_text(value)),
                                      sqlite3_value_bytes(value));
  const QByteArray message = QStringLiteral("No se puede mover la fecha \"%1\" %2 años")
                                 .arg(QString::fromUtf8(shown))
                                 .arg(years)
                                 .toUtf8();
  sqlite3_result_error(context, message.constData(), static_cast<int>(message.size()));
}

QString Quoted(const QString &name) {
  QString q = name;
  q.replace(u'"', QStringLiteral("\"\""));
  return u'"' + q + u'"';
}

QString TableFilePath(const QString &workFolder, const char *folder, const char *file) {
  return ResolveExistingPath(JoinFolderFile(AbsoluteFolder(workFolder) + QLatin1String(folder), QLatin1String(file)));
}

}  // namespace

std::optional<QDate> MoveDateByYears(const QDate &date, int years) {
  if (!date.isValid()) return std::nullopt;
  Ymd ymd{date.year(), date.month(), date.day()};
  if (!MoveYmd(ymd, years)) return std::nullopt;
  return QDate(ymd.year, ymd.month, ymd.day);
}

void SetFiscalYearPeriods(PeriodsImage &image, int year) {
  for (int i = 0; i < PeriodsImage::kPeriods; ++i) {
    const QDate first(year, i + 1, 1);
    image.SetYear(i, year);
    image.SetFirstDate(i, first);
    image.SetLastDate(i, first.addMonths(1).addDays(-1));
  }
}

RolloverResult RollAccountingYear(const QString &workFolder, int year, const PeriodsImage &periods) {
  const QString companyTable = QString::fromLatin1(kAccountingCompanyTable);
  const QString assetTable = QString::fromLatin1(kFixedAssetTable);
  // The table the wizard names when this save fails.
  QString failingTable = companyTable;

  RolloverResult result;
  result.periods = periods;
  try {
    if (year < 1 || year > 9999) throw StoreError(QStringLiteral("Año contable fuera de rango: %1").arg(year));
    SetFiscalYearPeriods(result.periods, year);

    Connection db(TableFilePath(workFolder, kDataSistemaFolder, kAccountingCompanyTable));
    failingTable = assetTable;
    const QString assetPath = TableFilePath(workFolder, kDataDemoFolder, kFixedAssetTable);
    db.Attach(assetPath, QLatin1String(kAssetSchema));
    try {
      db.CheckAtomicAcrossFiles();
    } catch (const StoreError &e) {
      failingTable = QFileInfo(e.File()).fileName().compare(QFileInfo(assetPath).fileName(), Qt::CaseInsensitive) == 0
                         ? assetTable
                         : companyTable;
      throw;
    }
    failingTable = companyTable;
    if (sqlite3_create_function_v2(db.Handle(), "q7_move_date", 3,
                                   SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_DIRECTONLY, nullptr,
                                   &MoveDateFunction, nullptr, nullptr, nullptr) != SQLITE_OK)
      throw StoreError(db.LastErrorMessage(), db.Path());

    const QString company = QStringLiteral("main.") + Quoted(QStringLiteral("q7CEmpresas"));
    const QString assets = QLatin1String(kAssetSchema) + u'.' + Quoted(QStringLiteral("q7CActivos"));
    const QString demo = QString::fromLatin1(kDemoCompany);

    Transaction transaction(db);

    // The year the stored fiscal year starts in, before it is replaced.
    {
      Statement read(db, QStringLiteral("SELECT FECHA_INIEJER FROM ") + company + QStringLiteral(" WHERE CODIGO = ?"));
      read.BindText(1, demo);
      if (!read.Step())
        throw StoreError(QStringLiteral("No existe empresa DEMO en esta contabilidad"), db.Path());
      const QString stored = read.IsNull(0) ? QString() : read.ColumnText(0).trimmed();
      if (!stored.isEmpty()) {
        const std::optional<int> serial = IsoTextToSerial(stored);
        if (!serial) throw StoreError(QStringLiteral("FECHA_INIEJER no es una fecha: ") + stored, db.Path());
        result.yearsMoved = year - SerialToDate(*serial).year();
      }
    }

    // The fixed assets: one statement walks the table and rewrites each
    // record. Prepared even when nothing moves, so a missing column is found.
    failingTable = assetTable;
    {
      QString set;
      for (const char *field : kFixedAssetDateFields) {
        const bool keep = qstrcmp(field, "FECHA_INC") == 0;  // its failure is ignored
        if (!set.isEmpty()) set += QStringLiteral(", ");
        set += QStringLiteral("%1 = q7_move_date(%1, ?1, %2)").arg(QLatin1String(field)).arg(keep ? 1 : 0);
      }
      Statement move(db, QStringLiteral("UPDATE ") + assets + QStringLiteral(" SET ") + set);
      if (result.yearsMoved != 0) {
        move.BindInt64(1, result.yearsMoved);
        move.Run();
        result.assetsMoved = db.Changes();
      }
    }

    // The company record the periods were read from.
    failingTable = companyTable;
    {
      Statement write(db, QStringLiteral("UPDATE ") + company +
                              QStringLiteral(" SET PERIODOS = ?1, FECHA_INIEJER = ?2, FECHA_FINEJER = ?3, "
                                             "FECHA_ULTDEPREC = ?4 WHERE CODIGO = ?5"));
      write.BindBlob(1, QByteArray(reinterpret_cast<const char *>(result.periods.data()),
                                   static_cast<qsizetype>(result.periods.size())));
      write.BindText(2, SerialToIsoText(result.periods.FirstDay(0)));
      write.BindText(3, SerialToIsoText(result.periods.LastDay(PeriodsImage::kPeriods - 1)));
      write.BindText(4, SerialToIsoText(DateToSerial(QDate(year, 1, 1)) - 1));
      write.BindText(5, demo);
      write.Run();
    }
    transaction.Commit();
  } catch (const StoreError &e) {
    throw StoreError(e.Message() + (e.File().isEmpty() ? QString() : QStringLiteral(" (") + e.File() + u')'),
                     failingTable);
  }
  return result;
}

}  // namespace q7
