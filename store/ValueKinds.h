#pragma once
// Conversions between the value kinds of the tables and the program's values:
// currency (four decimals), dates as whole-day serials, OLE Automation dates
// inside blob images, and Windows-1252 text.
#include <QByteArray>
#include <QDate>
#include <QString>

#include <cstdint>
#include <optional>

namespace q7 {

// Currency: a floating value times 10000, rounded to the nearest integer with
// a tie going to the even one (12.345678 -> 123457, 0.00005 -> 0,
// 0.00015 -> 2). The decision is taken on the decimal value the double
// stands for (its shortest round-trip text), so 0.00015 counts as a tie.
// A value that is not finite or does not fit throws StoreError.
std::int64_t CurrencyToUnits(double value);
double UnitsToCurrency(std::int64_t units);

// Date serial: whole days since 30 December 1899; 0 means "no date" in a
// table (stored as NULL) and reads back as 30 December 1899.
constexpr int kNoDate = 0;
QDate SerialBaseDate();                // 1899-12-30
QDate SerialToDate(int serial);        // 0 -> 1899-12-30
int DateToSerial(const QDate &date);   // an invalid date -> 0
// "YYYY-MM-DD" as the tables store dates.
QString SerialToIsoText(int serial);
// Parses "YYYY-MM-DD"; nullopt when the text is not such a date.
std::optional<int> IsoTextToSerial(const QString &text);

// OLE Automation date (double days since 1899-12-30) <-> whole-day serial.
// The time of day is dropped (truncated toward zero, as the format keeps the
// day part in the integer part); a value that is not finite or out of range
// gives 0.
int OleDateToSerial(double oleDate);
double SerialToOleDate(int serial);

// Windows-1252 text. CanEncodeWindows1252 says whether every character has a
// code in the page; EncodeWindows1252 refuses (StoreError) text that has not,
// never substitutes.
bool CanEncodeWindows1252(const QString &text);
QByteArray EncodeWindows1252(const QString &text);
QString DecodeWindows1252(const QByteArray &bytes);

}  // namespace q7
