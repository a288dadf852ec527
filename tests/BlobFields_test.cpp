// Blob images and the two routines that move them through a table handle.
#include "store/BlobFields.h"
#include "store/BlobImages.h"
#include "store/Sqlite.h"
#include "store/TableHandle.h"
#include "store/ValueKinds.h"

#include "support/MessageRecorder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace q7;

namespace {

class BlobFieldsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    const QString path = m_dir.filePath("q7Nominas.dat");
    QFile(path).open(QIODevice::WriteOnly);
    Connection(path).Exec(
        "CREATE TABLE q7Nominas (FNO_CODIGO INTEGER PRIMARY KEY, FNO_FECHAPERIODOS BLOB, FNO_ANOCURSO INTEGER);"
        "INSERT INTO q7Nominas VALUES (1, NULL, 2024), (2, NULL, 2024), (3, NULL, 2024);");
    m_table.SetFolder(m_dir.path());
    m_table.SetTableName("q7Nominas.dat");
  }
  void Store(int code, const QByteArray &bytes) {
    Connection c(m_dir.filePath("q7Nominas.dat"));
    Statement s(c, "UPDATE q7Nominas SET FNO_FECHAPERIODOS = ? WHERE FNO_CODIGO = ?");
    s.BindBlob(1, bytes);
    s.BindInt64(2, code);
    s.Run();
  }
  QByteArray Stored(int code) {
    Connection c(m_dir.filePath("q7Nominas.dat"));
    Statement s(c, "SELECT FNO_FECHAPERIODOS FROM q7Nominas WHERE FNO_CODIGO = ?");
    s.BindInt64(1, code);
    s.Step();
    return s.ColumnBlob(0);
  }

  QTemporaryDir m_dir;
  TableHandle m_table;
  q7test::MessageRecorder m_messages;
};

}  // namespace

TEST_F(BlobFieldsTest, ReadFillsTheImageWithZerosAfterTheStoredBytes) {
  struct Case {
    const char *name;
    QByteArray stored;  // null: the field is NULL
    QByteArray expected;
  } cases[] = {
      {"exact", QByteArray(8, '\x11'), QByteArray(8, '\x11')},
      {"shorter", QByteArray("\x01\x00\x02", 3), QByteArray("\x01\x00\x02\x00\x00\x00\x00\x00", 8)},
      {"longer is cut", QByteArray("0123456789", 10), QByteArray("01234567", 8)},
      {"empty", QByteArray(""), QByteArray(8, '\0')},
      {"null", QByteArray(), QByteArray(8, '\0')},
  };
  for (const Case &c : cases) {
    if (c.stored.isNull()) Connection(m_dir.filePath("q7Nominas.dat")).Exec("UPDATE q7Nominas SET FNO_FECHAPERIODOS = NULL");
    else Store(1, c.stored);
    m_table.Open();
    std::uint8_t buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), 0xEE);
    EXPECT_TRUE(ReadBlobField("FNO_FECHAPERIODOS", 8, " de fecha de la nómina.", m_table, buffer)) << c.name;
    EXPECT_EQ(QByteArray(reinterpret_cast<char *>(buffer), 8), c.expected) << c.name;
    m_table.Close();
  }
  EXPECT_TRUE(m_messages.Texts().isEmpty());
}

TEST_F(BlobFieldsTest, ReadFailureIsReportedAndTheCallerGoesOnWithZeros) {
  m_table.Open();
  PeriodsImage image;
  image.bytes.fill(0xAB);
  EXPECT_FALSE(ReadBlobField("PERIODOS", image.size(), "del ejercicio.", m_table, image.data()));
  EXPECT_TRUE(std::all_of(image.bytes.begin(), image.bytes.end(), [](auto b) { return b == 0; }));
  ASSERT_EQ(m_messages.Messages().size(), 1);
  EXPECT_EQ(m_messages.Messages()[0].type, MsgType::Error);
  EXPECT_EQ(m_messages.Messages()[0].buttons, unsigned(MbOK));
  EXPECT_EQ(m_messages.Messages()[0].text, QStringLiteral("Problemas durante la lectura de los períodos del ejercicio."));

  // A closed handle: the same report, two blanks with a suffix that starts with one.
  m_messages.Clear();
  m_table.Close();
  PayrollPeriodList list;
  EXPECT_FALSE(ReadBlobField("FNO_FECHAPERIODOS", list.size(), " de fecha de la nómina.", m_table, list.data()));
  EXPECT_EQ(m_messages.Texts(),
            QStringList({QStringLiteral("Problemas durante la lectura de los períodos  de fecha de la nómina.")}));
}

TEST_F(BlobFieldsTest, WriteReplacesTheWholeContent) {
  Store(2, QByteArray(6000, '\x7F'));  // longer than the image: cut to the image
  m_table.Open();
  ASSERT_TRUE(m_table.FindKey("2"));
  m_table.Edit();
  PayrollPeriodList list;
  list.SetFirstDate(0, QDate(2025, 1, 1));
  list.SetLastDate(0, QDate(2025, 1, 31));
  EXPECT_TRUE(WriteBlobField("FNO_FECHAPERIODOS", list.size(), " FNO_FECHAPERIODOS.", m_table, list.data()));
  m_table.Post();
  const QByteArray stored = Stored(2);
  EXPECT_EQ(stored.size(), 5840);
  EXPECT_EQ(stored, QByteArray(reinterpret_cast<const char *>(list.data()), 5840));
  EXPECT_TRUE(m_messages.Texts().isEmpty());
}

TEST_F(BlobFieldsTest, WriteFailureIsReportedAndTheRecordIsStillStored) {
  Store(1, "antes");
  m_table.Open();
  std::uint8_t buffer[4] = {1, 2, 3, 4};

  // Not in edit: the field is left as it was.
  EXPECT_FALSE(WriteBlobField("FNO_FECHAPERIODOS", 4, "IPC.", m_table, buffer));
  // In edit, a field that does not exist: the other changes are still stored.
  m_table.Edit();
  m_table.SetInteger("FNO_ANOCURSO", 2025);
  EXPECT_FALSE(WriteBlobField("PERIODOS", 4, "Periodos.", m_table, buffer));
  m_table.Post();
  EXPECT_EQ(m_messages.Texts(), QStringList({QStringLiteral("No se pudo actualizar el archivo de IPC."),
                                              QStringLiteral("No se pudo actualizar el archivo de Periodos.")}));
  for (const auto &m : m_messages.Messages()) EXPECT_EQ(m.type, MsgType::Error);
  EXPECT_EQ(Stored(1), "antes");
  EXPECT_EQ(m_table.AsInteger("FNO_ANOCURSO"), 2025);
}

TEST(BlobImages, PeriodsImageLayout) {
  PeriodsImage image;
  image.bytes.fill(0x5A);  // bytes the wizard does not interpret must survive
  for (int i = 0; i < 12; ++i) {
    image.SetYear(i, 2025);
    image.SetFirstDate(i, QDate(2025, i + 1, 1));
    image.SetLastDate(i, QDate(2025, i + 1, 1).addMonths(1).addDays(-1));
  }
  EXPECT_EQ(image.bytes[276], 0xE9);  // 2025 = 0x07E9, little-endian
  EXPECT_EQ(image.bytes[277], 0x07);
  EXPECT_EQ(ReadDoubleLE(image.data() + 324), 45658.0);  // 1 January 2025
  EXPECT_EQ(ReadDoubleLE(image.data() + 420 + 8 * 11), 46022.0);  // 31 December 2025
  EXPECT_EQ(image.bytes[327], 0x00);
  EXPECT_EQ(image.bytes[331], 0x40);  // sign/exponent byte of a positive double
  EXPECT_EQ(image.LastDate(1), QDate(2025, 2, 28));
  for (std::size_t off : {0u, 275u, 300u, 323u, 516u, 527u}) EXPECT_EQ(image.bytes[off], 0x5A) << off;
  image.SetYear(0, -1);
  EXPECT_EQ(image.Year(0), -1);
  EXPECT_THROW(image.Year(12), std::out_of_range);
}

TEST(BlobImages, PeriodDescriptionsSlots) {
  PeriodDescriptions d;
  d.SetName(0, QStringLiteral("Marzo"));
  d.SetName(35, QStringLiteral("Febrero"));
  d.SetName(1, QString(45, u'x'));
  EXPECT_EQ(d.bytes[0], 5);
  EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(d.data() + 1), 5), "Marzo");
  EXPECT_EQ(d.bytes[41], 40);  // cut to 40 characters
  EXPECT_EQ(d.bytes[41 * 35], 7);
  EXPECT_EQ(d.Name(35), "Febrero");
  d.SetName(2, QStringLiteral("Diciembre año"));
  EXPECT_EQ(d.bytes[82 + 1 + 11], 0xF1);  // ñ in Windows-1252
  d.SetName(2, QStringLiteral("Ab"));  // a shorter name clears the rest of the slot
  EXPECT_TRUE(std::all_of(d.bytes.begin() + 82 + 3, d.bytes.begin() + 123, [](auto b) { return b == 0; }));
  EXPECT_THROW(d.SetName(3, QStringLiteral("Ωmega")), StoreError);
  EXPECT_EQ(d.bytes[123], 0);
}

TEST(BlobImages, PayrollSlots) {
  PayrollPeriodList list;
  list.SetFirstDay(364, 100);
  list.SetLastDay(364, 106);
  EXPECT_EQ(ReadDoubleLE(list.data() + 16 * 364), 100.0);
  EXPECT_EQ(ReadDoubleLE(list.data() + 16 * 364 + 8), 106.0);
  EXPECT_EQ(list.FirstDate(0), QDate(1899, 12, 30));  // zeros read as day 0
  EXPECT_THROW(list.FirstDay(365), std::out_of_range);
}
