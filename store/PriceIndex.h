#pragma once
// The data side of the price-index editor: the table "q7CIndPrec" holds one
// record per year (ANO, the key) with twelve monthly index values in the blob
// VALORES. The window shows one year at a time; a month that holds a stored
// value is locked, a month at exactly 0.0 can be typed into. This unit reads
// a year, moves between years and stores a year; the window only turns the
// values into fields and back.
#include "store/BlobImages.h"

#include <QByteArray>

#include <array>
#include <optional>

namespace q7 {

class TableHandle;

inline constexpr int kPriceIndexMonths = 12;
using MonthValues = std::array<double, kPriceIndexMonths>;  // index 0 = January
using MonthFlags = std::array<bool, kPriceIndexMonths>;

// VALORES, 192 bytes: bytes 0 to 95 are always written as zeros and never
// read; month k (1 to 12) is a little-endian double at 96 + 8 (k - 1).
struct ValoresImage : ByteImage<192> {
  static constexpr int kFirstValue = 96;
  double Month(int k) const;  // k 1..12
  void SetMonth(int k, double value);
  MonthValues Values() const;
  // The image of a blob: its first bytes, at most 192; a shorter or empty
  // blob leaves the rest zero.
  static ValoresImage FromBlob(const QByteArray &blob);
  // A fresh image (bytes 0 to 95 zero) holding the values.
  static ValoresImage FromValues(const MonthValues &values);
  QByteArray ToBlob() const;
};

// A year as read from the table.
struct PriceIndexYear {
  int year = 0;         // ANO; 0 is no year
  MonthValues values{};
  MonthFlags locked{};  // the stored value is not 0.0: shown, not editable
};

// Reads the record the open table stands on; nullopt when the table is
// empty or its ANO is 0 (no year: the fields keep what they show).
std::optional<PriceIndexYear> ReadPriceIndexYear(TableHandle &table);

// The values a store writes: a month the window passes as locked keeps the
// value read for that year (exactly, not its rendering on screen), when the
// year shown was read with that month locked; every other month is written
// as typed.
MonthValues ValuesToStore(const PriceIndexYear &shown, int year, const MonthValues &typed, const MonthFlags &locked);

enum class PriceIndexStore {
  Stored,   // the year was written; the table stands on its record
  Nothing,  // no year to store (year 0 without an inclusion): nothing written
  Failed,   // "Error al guardar los IPC." was shown; nothing written
};

// The editor's hold on the price-index table (the window's open handle
// TbIPC). It remembers the year last read, whose locked months a store keeps.
class PriceIndexTable {
 public:
  explicit PriceIndexTable(TableHandle &table) : m_table(table) {}

  // The year of the current record, remembered as the year shown; nullopt
  // (and the year shown unchanged) when there is no year.
  std::optional<PriceIndexYear> ReadCurrent();

  // Moves and reads the year there (see ReadCurrent). At the first or the
  // last record the position stays. Last on an empty table reads nothing.
  std::optional<PriceIndexYear> First();
  std::optional<PriceIndexYear> Prior();
  std::optional<PriceIndexYear> Next();
  std::optional<PriceIndexYear> Last();

  bool IsEmpty();
  // ANO of the last record; 0 when the table is empty. The position stays.
  int LastYear();

  // Stores a year: "Guardar", "Incluir" (the year shown, before clearing)
  // and the final save of the module. year is the year field rounded;
  // typed the twelve month fields; locked which of them are shown locked.
  //  - insert: a new record with year and the values. A year that exists (or
  //    year 0) is refused: "Error al guardar los IPC.", nothing stays pending,
  //    Failed, so the window stays in the including state.
  //  - otherwise: the record of year gets the values. Year 0 (an empty table,
  //    nothing shown) stores nothing; a year the table does not hold is
  //    Failed with the message instead of overwriting another record.
  // VALORES is written through WriteBlobField ("No se pudo actualizar el
  // archivo de IPC." on failure; the record is stored all the same).
  // Afterwards the table stands on the record stored, which is the year shown.
  PriceIndexStore Store(int year, const MonthValues &typed, const MonthFlags &locked, bool insert);

  const std::optional<PriceIndexYear> &Shown() const { return m_shown; }

 private:
  std::optional<PriceIndexYear> Move(void (TableHandle::*move)());

  TableHandle &m_table;
  std::optional<PriceIndexYear> m_shown;
};

}  // namespace q7
