#include "store/ValueKinds.h"

#include "store/Sqlite.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace q7 {

namespace {

// value * 10000 rounded half to even, decided on the shortest decimal text
// of the double: 0.00015 is stored as 0.000149999..., yet it is the tie the
// user typed, and 1.5 ten-thousandths goes to 2.
std::int64_t RoundTenThousandths(double value) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  std::string text(buf, res.ptr);
  bool negative = false;
  if (!text.empty() && text[0] == '-') {
    negative = true;
    text.erase(0, 1);
  }
  std::string intPart = text;
  std::string frac;
  if (auto dot = text.find('.'); dot != std::string::npos) {
    intPart = text.substr(0, dot);
    frac = text.substr(dot + 1);
  }
  while (frac.size() < 5) frac += '0';
  std::string kept = intPart + frac.substr(0, 4);
  const char first = frac[4];
  const bool restNonZero = frac.find_first_not_of('0', 5) != std::string::npos;
  // intPart can be long for large values; the caller has checked the range.
  std::int64_t units = 0;
  for (char c : kept) units = units * 10 + (c - '0');
  bool up = false;
  if (first > '5') up = true;
  else if (first == '5') up = restNonZero || (units % 2 != 0);
  if (up) ++units;
  return negative ? -units : units;
}

}  // namespace

std::int64_t CurrencyToUnits(double value) {
  // Keep well inside int64 and inside the exactness of the decimal text.
  if (!std::isfinite(value) || std::fabs(value) >= 9.0e14)
    throw StoreError(QStringLiteral("Valor monetario fuera de rango: %1").arg(value));
  return RoundTenThousandths(value);
}

double UnitsToCurrency(std::int64_t units) { return static_cast<double>(units) / 10000.0; }

QDate SerialBaseDate() { return QDate(1899, 12, 30); }

QDate SerialToDate(int serial) { return SerialBaseDate().addDays(serial); }

int DateToSerial(const QDate &date) {
  if (!date.isValid()) return kNoDate;
  return static_cast<int>(SerialBaseDate().daysTo(date));
}

QString SerialToIsoText(int serial) {
  const QDate d = SerialToDate(serial);
  return QStringLiteral("%1-%2-%3")
      .arg(d.year(), 4, 10, QLatin1Char('0'))
      .arg(d.month(), 2, 10, QLatin1Char('0'))
      .arg(d.day(), 2, 10, QLatin1Char('0'));
}

std::optional<int> IsoTextToSerial(const QString &text) {
  const QString t = text.trimmed();
  // Accept a time part after the date (written by other programs); it is dropped.
  const QString datePart = t.left(10);
  if (datePart.size() != 10 || datePart[4] != u'-' || datePart[7] != u'-') return std::nullopt;
  if (t.size() > 10 && t[10] != u' ' && t[10] != u'T') return std::nullopt;
  bool okY = false, okM = false, okD = false;
  const int y = datePart.mid(0, 4).toInt(&okY);
  const int m = datePart.mid(5, 2).toInt(&okM);
  const int d = datePart.mid(8, 2).toInt(&okD);
  if (!okY || !okM || !okD) return std::nullopt;
  const QDate date(y, m, d);
  if (!date.isValid()) return std::nullopt;
  return DateToSerial(date);
}

int OleDateToSerial(double oleDate) {
  if (!std::isfinite(oleDate)) return 0;
  const double day = std::trunc(oleDate);
  if (day > std::numeric_limits<int>::max() || day < std::numeric_limits<int>::min()) return 0;
  return static_cast<int>(day);
}

double SerialToOleDate(int serial) { return static_cast<double>(serial); }

bool CanEncodeWindows1252(const QString &text) {
  QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
  if (!encoder.isValid()) return false;
  const QByteArray bytes = encoder.encode(text);
  if (encoder.hasError()) return false;
  // The converter may substitute instead of flagging: a round trip tells.
  return DecodeWindows1252(bytes) == text;
}

QByteArray EncodeWindows1252(const QString &text) {
  if (!CanEncodeWindows1252(text))
    throw StoreError(QStringLiteral("El texto contiene caracteres que Windows-1252 no admite: ") + text);
  QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
  return encoder.encode(text);
}

QString DecodeWindows1252(const QByteArray &bytes) {
  QStringDecoder decoder("windows-1252", QStringConverter::Flag::Stateless);
  return decoder.decode(bytes);
}

}  // namespace q7
