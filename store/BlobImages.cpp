#include "store/BlobImages.h"

#include "store/ValueKinds.h"

#include <bit>
#include <cstring>
#include <stdexcept>
#include <string>

namespace q7 {

namespace {
void CheckIndex(int i, int count, const char *what) {
  if (i < 0 || i >= count)
    throw std::out_of_range(std::string(what) + ": index " + std::to_string(i) + " out of range");
}
constexpr std::size_t kYearOffset = 276;
constexpr std::size_t kFirstDayOffset = 324;
constexpr std::size_t kLastDayOffset = 420;
}  // namespace

std::int16_t ReadInt16LE(const std::uint8_t *p) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
}

void WriteInt16LE(std::uint8_t *p, std::int16_t value) {
  const auto u = static_cast<std::uint16_t>(value);
  p[0] = static_cast<std::uint8_t>(u & 0xFF);
  p[1] = static_cast<std::uint8_t>(u >> 8);
}

double ReadDoubleLE(const std::uint8_t *p) {
  std::uint64_t u = 0;
  for (int b = 7; b >= 0; --b) u = (u << 8) | p[b];
  return std::bit_cast<double>(u);
}

void WriteDoubleLE(std::uint8_t *p, double value) {
  auto u = std::bit_cast<std::uint64_t>(value);
  for (int b = 0; b < 8; ++b) {
    p[b] = static_cast<std::uint8_t>(u & 0xFF);
    u >>= 8;
  }
}

// PeriodsImage
int PeriodsImage::Year(int i) const {
  CheckIndex(i, kPeriods, "PeriodsImage");
  return ReadInt16LE(data() + kYearOffset + 2 * i);
}
void PeriodsImage::SetYear(int i, int year) {
  CheckIndex(i, kPeriods, "PeriodsImage");
  WriteInt16LE(data() + kYearOffset + 2 * i, static_cast<std::int16_t>(year));
}
double PeriodsImage::FirstDayOle(int i) const {
  CheckIndex(i, kPeriods, "PeriodsImage");
  return ReadDoubleLE(data() + kFirstDayOffset + 8 * i);
}
double PeriodsImage::LastDayOle(int i) const {
  CheckIndex(i, kPeriods, "PeriodsImage");
  return ReadDoubleLE(data() + kLastDayOffset + 8 * i);
}
int PeriodsImage::FirstDay(int i) const { return OleDateToSerial(FirstDayOle(i)); }
int PeriodsImage::LastDay(int i) const { return OleDateToSerial(LastDayOle(i)); }
void PeriodsImage::SetFirstDay(int i, int serial) {
  CheckIndex(i, kPeriods, "PeriodsImage");
  WriteDoubleLE(data() + kFirstDayOffset + 8 * i, SerialToOleDate(serial));
}
void PeriodsImage::SetLastDay(int i, int serial) {
  CheckIndex(i, kPeriods, "PeriodsImage");
  WriteDoubleLE(data() + kLastDayOffset + 8 * i, SerialToOleDate(serial));
}
QDate PeriodsImage::FirstDate(int i) const { return SerialToDate(FirstDay(i)); }
QDate PeriodsImage::LastDate(int i) const { return SerialToDate(LastDay(i)); }
void PeriodsImage::SetFirstDate(int i, const QDate &date) { SetFirstDay(i, DateToSerial(date)); }
void PeriodsImage::SetLastDate(int i, const QDate &date) { SetLastDay(i, DateToSerial(date)); }

// PeriodDescriptions
QString PeriodDescriptions::Name(int slot) const {
  CheckIndex(slot, kSlots, "PeriodDescriptions");
  const std::uint8_t *p = data() + kSlotSize * slot;
  const int n = p[0] > kMaxLength ? kMaxLength : p[0];
  return DecodeWindows1252(QByteArray(reinterpret_cast<const char *>(p + 1), n));
}

void PeriodDescriptions::SetName(int slot, const QString &name) {
  CheckIndex(slot, kSlots, "PeriodDescriptions");
  const QByteArray encoded = EncodeWindows1252(name.left(kMaxLength));  // throws before any change
  std::uint8_t *p = data() + kSlotSize * slot;
  std::memset(p, 0, kSlotSize);
  p[0] = static_cast<std::uint8_t>(encoded.size());
  std::memcpy(p + 1, encoded.constData(), static_cast<std::size_t>(encoded.size()));
}

// PayrollPeriodList
double PayrollPeriodList::FirstDayOle(int k) const {
  CheckIndex(k, kSlots, "PayrollPeriodList");
  return ReadDoubleLE(data() + 16 * k);
}
double PayrollPeriodList::LastDayOle(int k) const {
  CheckIndex(k, kSlots, "PayrollPeriodList");
  return ReadDoubleLE(data() + 16 * k + 8);
}
int PayrollPeriodList::FirstDay(int k) const { return OleDateToSerial(FirstDayOle(k)); }
int PayrollPeriodList::LastDay(int k) const { return OleDateToSerial(LastDayOle(k)); }
void PayrollPeriodList::SetFirstDay(int k, int serial) {
  CheckIndex(k, kSlots, "PayrollPeriodList");
  WriteDoubleLE(data() + 16 * k, SerialToOleDate(serial));
}
void PayrollPeriodList::SetLastDay(int k, int serial) {
  CheckIndex(k, kSlots, "PayrollPeriodList");
  WriteDoubleLE(data() + 16 * k + 8, SerialToOleDate(serial));
}
QDate PayrollPeriodList::FirstDate(int k) const { return SerialToDate(FirstDay(k)); }
QDate PayrollPeriodList::LastDate(int k) const { return SerialToDate(LastDay(k)); }
void PayrollPeriodList::SetFirstDate(int k, const QDate &date) { SetFirstDay(k, DateToSerial(date)); }
void PayrollPeriodList::SetLastDate(int k, const QDate &date) { SetLastDay(k, DateToSerial(date)); }

}  // namespace q7
