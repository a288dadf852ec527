// The sample layout: every table opens through the table layer with the
// columns the wizard needs, the images have their sizes and plausible
// periods, and a folder that holds someone else's files is never written.
#include "store/BlobImages.h"
#include "store/TableHandle.h"
#include "tools/SampleData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace q7;

namespace {

struct TableCase {
  std::string folder;  // relative to the working folder ("P:" = program folder)
  const char *table;
  std::vector<std::pair<const char *, FieldKind>> columns;
};

class SampleDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_work.isValid());
    ASSERT_TRUE(m_program.isValid());
    q7sample::LayOutSampleData(m_work.path(), m_program.path());
  }
  QString Work(const QString &relative = {}) const { return m_work.path() + u'/' + relative; }

  QTemporaryDir m_work;
  QTemporaryDir m_program;
};

}  // namespace

TEST_F(SampleDataTest, EveryTableOpensWithTheColumnsTheWizardNeeds) {
  using K = FieldKind;
  const std::vector<std::pair<const char *, K>> settings{
      {"FECHA_INICIOPERIODO", K::Date}, {"NAMEPERIODO", K::Text},        {"MTO_IMPUESTO1", K::Currency},
      {"ACTIVAR_IMPUESTO2", K::Boolean}, {"MODO_IVA", K::Integer},        {"IMP_DEBITOBANCARIO", K::Currency},
      {"FILLCODEBENEFICIARIO", K::Boolean}, {"ESTADANO1998", K::Text},   {"DESCRIPCIONPERIODOS", K::Blob},
      {"IDENTIDADFISCAL1", K::Text},    {"IDENTIDADFISCAL2", K::Text}};
  const std::vector<std::pair<const char *, K>> companies{
      {"CODIGO", K::Text}, {"PERIODOS", K::Blob}, {"FECHA_INIEJER", K::Date}, {"FECHA_ULTDEPREC", K::Date}};
  const std::vector<std::pair<const char *, K>> food{
      {"FCO_SERVICIO1", K::Text},  {"FCO_MTOSERVICIO2", K::Currency}, {"FCO_ACTIVARSERVICIO1", K::Boolean},
      {"FCO_AUTOCODE", K::Integer}, {"FCO_AUTOFILL", K::Integer},     {"FCO_FECHAFIN", K::Date}};
  std::vector<TableCase> cases{
      {"", "sempresas.dat", {{"FE_DIRDATOS", K::Text}, {"FE_NIT", K::Text}, {"FE_WEBSITE", K::Text}}},
      {"DataDemo/DATA/", "ssistema.dat", settings},
      {"DataSistema/", "q7CEmpresas.dat", companies},
      {"DataSistema/", "q7CIndPrec", {{"ANO", K::Integer}, {"VALORES", K::Blob}}},
      {"DataDemo/DATA/", "q7CActivos.dat", {{"FECHA_ADQ", K::Date}, {"FECHA_INC", K::Date},
                                            {"FECHA_INICIO", K::Date}, {"FECHA_DEPINI", K::Date},
                                            {"FECHA_ULTDEP", K::Date}}},
      {"DataSistema/", "q7Nominas.dat", {{"FNO_CODIGO", K::Integer}, {"FNO_FECHAPERIODOS", K::Blob},
                                         {"FNO_ANOCURSO", K::Integer}, {"FNO_ACTUAL", K::Integer},
                                         {"FNO_FINICIO", K::Date}}},
      {"EMPRE002/DATA/", "q7Config.dat", food},
      {"P:EMPRE003/DATA/", "q7Config.dat", {{"FCO_AUTOCODE", K::Integer}, {"FCO_LASTAUDIT", K::Date},
                                            {"FCO_PERIODO", K::Text}}},
  };
  for (const QString &country : q7sample::SampleCountries()) {
    const std::string f = ("q7Folder/" + country + "/").toStdString();
    cases.push_back({f, "ssistema.dat", settings});
    cases.push_back({f, "q7CEmpresas.dat", companies});
    cases.push_back({f, "q7Config.dat", food});
  }

  for (const TableCase &c : cases) {
    const QString where = QString::fromStdString(c.folder);
    TableHandle table;
    table.SetFolder(where.startsWith(u"P:") ? m_program.path() + u'/' + where.mid(2) : Work(where));
    table.SetTableName(QString::fromUtf8(c.table));
    SCOPED_TRACE(c.folder + c.table);
    ASSERT_NO_THROW(table.Open());
    EXPECT_FALSE(table.IsEmpty());
    for (const auto &[name, kind] : c.columns) {
      const FieldInfo *field = table.FindField(QString::fromLatin1(name));
      ASSERT_NE(field, nullptr) << name;
      EXPECT_EQ(field->kind, kind) << name;
    }
  }
}

TEST_F(SampleDataTest, RecordsTheWizardReadsHoldPlausibleValues) {
  TableHandle companies;
  companies.SetTableName(QStringLiteral("sempresas.dat"));
  companies.SetFolder(Work());
  companies.Open();
  EXPECT_EQ(companies.AsText(QStringLiteral("FE_DIRDATOS")), QStringLiteral("DataDemo/DATA"));

  TableHandle accounting;
  accounting.SetFolder(Work(QStringLiteral("DataSistema")));
  accounting.SetTableName(QStringLiteral("q7CEmpresas.dat"));
  accounting.Open();
  ASSERT_TRUE(accounting.FindKey(QStringLiteral("DEMO")));
  const QByteArray periods = accounting.ReadBlob(QStringLiteral("PERIODOS"));
  ASSERT_EQ(periods.size(), 528);
  PeriodsImage image;
  std::memcpy(image.data(), periods.constData(), image.size());
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(image.Year(i), 2024);
    EXPECT_EQ(image.FirstDate(i), QDate(2024, i + 1, 1));
    EXPECT_EQ(image.LastDate(i), QDate(2024, i + 1, 1).addMonths(1).addDays(-1));
  }

  TableHandle payroll;
  payroll.SetFolder(Work(QStringLiteral("DataSistema")));
  payroll.SetTableName(QStringLiteral("q7Nominas.dat"));
  payroll.Open();
  const int periodsPerYear[] = {12, 24, 52};
  for (int code = 1; code <= 3; ++code, payroll.Next()) {
    EXPECT_EQ(payroll.AsInteger(QStringLiteral("FNO_CODIGO")), code);
    const QByteArray bytes = payroll.ReadBlob(QStringLiteral("FNO_FECHAPERIODOS"));
    ASSERT_EQ(bytes.size(), 5840);
    PayrollPeriodList list;
    std::memcpy(list.data(), bytes.constData(), list.size());
    const int last = periodsPerYear[code - 1] - 1;
    EXPECT_TRUE(list.FirstDate(0).isValid() && list.LastDate(last).isValid()) << code;
    EXPECT_EQ(list.LastDate(last).addDays(1) > list.FirstDate(0).addDays(360), true) << code;
    EXPECT_EQ(list.FirstDayOle(last + 1), 0.0) << code;
  }

  TableHandle indexes;
  indexes.SetFolder(Work(QStringLiteral("DataSistema")));
  indexes.SetTableName(QStringLiteral("q7CIndPrec"));
  indexes.Open();
  EXPECT_GE(indexes.RecordCount(), 3);
  indexes.Last();
  EXPECT_EQ(indexes.ReadBlob(QStringLiteral("VALORES")).size(), 192);

  EXPECT_FALSE(QFileInfo::exists(Work(QStringLiteral("q7Folder/Nicaragua"))));
  const QByteArray list = [&] {
    QFile file(Work(QStringLiteral("q7Folder/Install.txt")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }();
  EXPECT_TRUE(list.startsWith("CUENTAS.DAT,DataSistema\\,"));
  EXPECT_TRUE(list.endsWith("\r\n"));
  EXPECT_FALSE(list.contains("\r\r")) << "CR LF written once";
}

TEST_F(SampleDataTest, RefusesAFolderWithOtherFilesAndLaysOutItsOwnAgain) {
  QTemporaryDir other;
  QFile mine(other.path() + QStringLiteral("/notas.txt"));
  ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
  mine.write("mine");
  mine.close();
  EXPECT_THROW(q7sample::LayOutSampleData(other.path(), m_program.path()), std::runtime_error);
  EXPECT_EQ(QDir(other.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"notas.txt"});

  // A program folder whose EMPRE003 someone else filled is refused before the
  // working folder is touched.
  QTemporaryDir program, fresh;
  QDir(program.path()).mkpath(QStringLiteral("EMPRE003/DATA"));
  QFile hotel(program.path() + QStringLiteral("/EMPRE003/DATA/q7Config.dat"));
  ASSERT_TRUE(hotel.open(QIODevice::WriteOnly));
  hotel.close();
  EXPECT_THROW(q7sample::LayOutSampleData(fresh.path(), program.path()), std::runtime_error);
  EXPECT_TRUE(QDir(fresh.path()).isEmpty());

  // The earlier sample layout is laid out again; files of others stay.
  QFile extra(Work(QStringLiteral("DataSistema/extra.txt")));
  ASSERT_TRUE(extra.open(QIODevice::WriteOnly));
  extra.close();
  EXPECT_NO_THROW(q7sample::LayOutSampleData(m_work.path(), m_program.path()));
  EXPECT_TRUE(QFileInfo::exists(extra.fileName()));
}
