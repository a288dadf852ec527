// Value kinds of the tables: currency, day serials, OLE dates, Windows-1252.
#include "store/Sqlite.h"
#include "store/ValueKinds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace q7;

TEST(ValueKinds, CurrencyRoundsHalfToEven) {
  struct Case {
    const char *name;
    double value;
    std::int64_t units;
  } cases[] = {
      {"four decimals kept", 12.3457, 123457},
      {"fifth decimal rounds", 12.345678, 123457},
      {"tie to even down", 0.00005, 0},
      {"tie to even up", 0.00015, 2},
      {"tie 0.00025 to even", 0.00025, 2},
      {"just over tie", 0.000050001, 1},
      {"negative tie", -0.00015, -2},
      {"negative", -12.345678, -123457},
      {"zero", 0.0, 0},
      {"large", 9999999999999.99, 99999999999999900},
      {"binary inexact 1.005", 1.005, 10050},
      {"rate 16%", 16.0, 160000},
  };
  for (const Case &c : cases) EXPECT_EQ(CurrencyToUnits(c.value), c.units) << c.name;
}

TEST(ValueKinds, CurrencyRoundTripsToFourDecimals) {
  EXPECT_DOUBLE_EQ(UnitsToCurrency(CurrencyToUnits(12.345678)), 12.3457);
  EXPECT_DOUBLE_EQ(UnitsToCurrency(CurrencyToUnits(0.1)), 0.1);
}

TEST(ValueKinds, CurrencyRefusesWhatCannotBeStored) {
  EXPECT_THROW(CurrencyToUnits(std::numeric_limits<double>::quiet_NaN()), StoreError);
  EXPECT_THROW(CurrencyToUnits(std::numeric_limits<double>::infinity()), StoreError);
  EXPECT_THROW(CurrencyToUnits(1e16), StoreError);
}

TEST(ValueKinds, DateSerials) {
  EXPECT_EQ(SerialToDate(0), QDate(1899, 12, 30));
  EXPECT_EQ(SerialToDate(1), QDate(1899, 12, 31));
  EXPECT_EQ(DateToSerial(QDate(1900, 3, 1)), 61);
  EXPECT_EQ(DateToSerial(QDate(2025, 1, 15)), 45672);
  EXPECT_EQ(DateToSerial(QDate()), 0);
  EXPECT_EQ(SerialToDate(DateToSerial(QDate(2024, 2, 29))), QDate(2024, 2, 29));
  EXPECT_EQ(SerialToDate(-1), QDate(1899, 12, 29));
}

TEST(ValueKinds, IsoText) {
  EXPECT_EQ(SerialToIsoText(45672), QStringLiteral("2025-01-15"));
  EXPECT_EQ(SerialToIsoText(0), QStringLiteral("1899-12-30"));
  EXPECT_EQ(IsoTextToSerial(QStringLiteral("2025-01-15")), 45672);
  EXPECT_EQ(IsoTextToSerial(QStringLiteral("2025-01-15 10:30:00")), 45672);
  for (const char *bad : {"", "2025-02-30", "15/01/2025", "2025-1-15", "abcd-ef-gh", "2025-01-15x"})
    EXPECT_FALSE(IsoTextToSerial(QString::fromLatin1(bad)).has_value()) << bad;
}

TEST(ValueKinds, OleDates) {
  EXPECT_EQ(OleDateToSerial(45672.0), 45672);
  EXPECT_EQ(OleDateToSerial(45672.75), 45672);  // the time of day is dropped
  EXPECT_EQ(OleDateToSerial(0.0), 0);
  EXPECT_EQ(OleDateToSerial(std::nan("")), 0);
  EXPECT_EQ(OleDateToSerial(1e300), 0);
  EXPECT_DOUBLE_EQ(SerialToOleDate(45672), 45672.0);
}

TEST(ValueKinds, Windows1252) {
  const QString spanish = QStringLiteral("Nómina Áreas Tamaños €");
  ASSERT_TRUE(CanEncodeWindows1252(spanish));
  const QByteArray bytes = EncodeWindows1252(spanish);
  EXPECT_EQ(bytes.size(), spanish.size());
  EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xF3);           // ó
  EXPECT_EQ(static_cast<unsigned char>(bytes.back()), 0x80);       // €
  EXPECT_EQ(DecodeWindows1252(bytes), spanish);
  EXPECT_EQ(DecodeWindows1252(QByteArray("a\0b", 3)), QString::fromUtf16(u"a\0b", 3));

  for (const QString &bad : {QStringLiteral("Ωmega"), QStringLiteral("日本"), QStringLiteral("emoji 😀"),
                             QString(QChar(0x0141))}) {
    EXPECT_FALSE(CanEncodeWindows1252(bad)) << bad.toStdString();
    EXPECT_THROW(EncodeWindows1252(bad), StoreError) << bad.toStdString();
  }
}
