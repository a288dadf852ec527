#pragma once
// The fixed-size byte images the wizard keeps in blob fields. Numbers are
// little-endian; dates inside the images are OLE Automation dates (double days
// since 30 December 1899). Accessors take and return whole-day serials (see
// ValueKinds.h: 0 is 30 December 1899) and, for convenience, QDate. Slot and
// period indexes are 0-based; an index out of range throws std::out_of_range.
#include <QDate>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

namespace q7 {

template <std::size_t N>
struct ByteImage {
  static constexpr std::size_t kSize = N;
  std::array<std::uint8_t, N> bytes{};  // all zero when created

  std::uint8_t *data() { return bytes.data(); }
  const std::uint8_t *data() const { return bytes.data(); }
  static constexpr std::size_t size() { return N; }
  void Clear() { bytes.fill(0); }
};

// Little-endian helpers on raw bytes.
std::int16_t ReadInt16LE(const std::uint8_t *p);
void WriteInt16LE(std::uint8_t *p, std::int16_t value);
double ReadDoubleLE(const std::uint8_t *p);
void WriteDoubleLE(std::uint8_t *p, double value);

// Field PERIODOS: twelve fiscal periods (index 0 = period 1). Year at
// 276 + 2i (int16), first day at 324 + 8i, last day at 420 + 8i; the other
// bytes are kept as they are.
struct PeriodsImage : ByteImage<528> {
  static constexpr int kPeriods = 12;
  int Year(int i) const;
  void SetYear(int i, int year);  // stored as 16 bits
  double FirstDayOle(int i) const;
  double LastDayOle(int i) const;
  int FirstDay(int i) const;  // serial
  int LastDay(int i) const;
  void SetFirstDay(int i, int serial);
  void SetLastDay(int i, int serial);
  QDate FirstDate(int i) const;
  QDate LastDate(int i) const;
  void SetFirstDate(int i, const QDate &date);
  void SetLastDate(int i, const QDate &date);
};

// Field DESCRIPCIONPERIODOS: 36 slots of 41 bytes; slot i at 41i holds a
// length byte (0..40) and that many Windows-1252 characters, then zeros.
struct PeriodDescriptions : ByteImage<1476> {
  static constexpr int kSlots = 36;
  static constexpr int kSlotSize = 41;
  static constexpr int kMaxLength = 40;
  QString Name(int slot) const;  // a length byte over 40 reads 40 characters
  // Cuts the name to 40 characters; text Windows-1252 cannot hold throws
  // StoreError and leaves the slot unchanged.
  void SetName(int slot, const QString &name);
};

// Field FNO_FECHAPERIODOS: 365 slots of 16 bytes; slot k at 16k holds the
// first and the last day of one payroll period.
struct PayrollPeriodList : ByteImage<5840> {
  static constexpr int kSlots = 365;
  double FirstDayOle(int k) const;
  double LastDayOle(int k) const;
  int FirstDay(int k) const;  // serial
  int LastDay(int k) const;
  void SetFirstDay(int k, int serial);
  void SetLastDay(int k, int serial);
  QDate FirstDate(int k) const;
  QDate LastDate(int k) const;
  void SetFirstDate(int k, const QDate &date);
  void SetLastDate(int k, const QDate &date);
};

}  // namespace q7
