#pragma once
// The accounting save of the Contabilidad module: the demonstration company
// is moved to the accounting year entered. The dates of every fixed asset
// ("DataDemo/DATA/q7CActivos.dat") move by the number of years between the
// stored fiscal year and the new one; the record "DEMO" of
// "DataSistema/q7CEmpresas.dat" receives the twelve monthly periods of the new
// year and the fiscal-year dates.
//
// Dates are whole-day serials (store/ValueKinds.h: 0 is 30 December 1899).
#include "store/BlobImages.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <optional>

namespace q7 {

// The five fixed-asset date fields, in the order they are moved.
inline constexpr const char *kFixedAssetDateFields[] = {"FECHA_ADQ", "FECHA_INC", "FECHA_INICIO", "FECHA_DEPINI",
                                                        "FECHA_ULTDEP"};

// The same month and day, years later (or earlier when negative). 29 February
// moved into a year without one becomes 28 February. nullopt when the year
// would leave 1 to 9999 or the date is not valid.
std::optional<QDate> MoveDateByYears(const QDate &date, int years);

// Sets the twelve periods of image to the months of year: year of period n,
// its first day (day 1 of month n) and last day (last day of month n). The
// bytes the periods do not use are kept.
void SetFiscalYearPeriods(PeriodsImage &image, int year);

struct RolloverResult {
  PeriodsImage periods;        // the image as written (the window keeps it)
  int yearsMoved = 0;          // d: new year minus the stored fiscal year
  std::int64_t assetsMoved = 0;  // fixed-asset records rewritten
};

// The Contabilidad save, all or nothing. workFolder is the folder holding
// "DataSistema/" and "DataDemo/DATA/" ("" = the working folder); year (1 to
// 9999) is the accounting year entered; periods is the image read from the
// record "DEMO" when the module was prepared.
//
// One connection opens "q7CEmpresas.dat" and attaches "q7CActivos.dat"; both
// must be in a rollback-journal mode with synchronous FULL, so the single
// transaction that follows is atomic across the two files:
//  - d := year - the year of FECHA_INIEJER of the record "DEMO" as stored;
//    an empty FECHA_INIEJER gives d = 0 (nothing to move from);
//  - every fixed asset's FECHA_ADQ, FECHA_INC, FECHA_INICIO, FECHA_DEPINI
//    and FECHA_ULTDEP move by d years (MoveDateByYears); an empty date stays
//    empty; a FECHA_INC that cannot be moved keeps its value, any other date
//    that cannot be moved fails the save;
//  - the record "DEMO" receives PERIODOS (SetFiscalYearPeriods), FECHA_INIEJER
//    = 1 January, FECHA_FINEJER = 31 December of year, FECHA_ULTDEPREC = 31
//    December of the year before.
// The assets are rewritten by one statement that walks the table, so memory
// does not grow with it. Any failure (a file, the record "DEMO" or a column
// missing, a journal mode that would not be atomic, a date that cannot be
// moved, an engine error) leaves both files as they were and throws
// StoreError whose File() is the table the wizard names in its message:
// "q7CActivos.dat" for the fixed-asset step, "q7CEmpresas.dat" otherwise.
RolloverResult RollAccountingYear(const QString &workFolder, int year, const PeriodsImage &periods);

}  // namespace q7
