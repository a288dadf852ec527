// Installation copy and log: list parsing, extension groups, copies with one
// retry, attributes afterwards, and the log records byte for byte.
#include "deploy/FileOps.h"
#include "deploy/InstallCopy.h"
#include "store/TableHandle.h"
#include "tools/SampleData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <vector>

using namespace q7;

namespace {

std::string Spaces(int n) { return std::string(size_t(n), ' '); }

// Windows-1252 bytes of the sizes part that every record A to D carries.
std::string Sizes(const std::string &installed, int o, const std::string &fresh, int w) {
  return " - Tama\xF1o Original " + installed + Spaces(o) + "Bytes - Tama\xF1o Nuevo " + fresh + Spaces(w) +
         "Bytes";
}

class InstallCopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    QDir(Root()).mkpath(QStringLiteral("q7Folder/Colombia"));
    QDir(Root()).mkpath(QStringLiteral("DataSistema"));
  }

  QString Root() const { return m_dir.path(); }
  QString Country() const { return Root() + QStringLiteral("/q7Folder/Colombia/"); }
  QString At(const QString &relative) const { return Root() + u'/' + relative; }

  static void Write(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
  }
  static QByteArray Read(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  void List(const QByteArray &bytes) { Write(At(QStringLiteral("q7Folder/Install.txt")), bytes); }
  void Source(const QString &name, int size) { Write(Country() + name, QByteArray(size, 'x')); }

  // The log's lines without their CR LF, as byte strings gtest prints readably.
  std::vector<std::string> LogLines() const {
    const QByteArray log = Read(At(QStringLiteral("q7Folder/LOGINSTALL.txt")));
    if (log.isEmpty()) return {};
    EXPECT_TRUE(log.endsWith("\r\n"));
    QList<QByteArray> lines = log.split('\n');
    lines.removeLast();
    std::vector<std::string> result;
    for (QByteArray &line : lines) {
      EXPECT_TRUE(line.endsWith('\r'));
      line.chop(1);
      result.push_back(line.toStdString());
    }
    return result;
  }

  static bool OwnerWritable(const QString &path) {
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && (st.st_mode & S_IWUSR) != 0;
  }

  InstallCopyResult Run(bool log = true) { return CopyInstallationFiles(Root(), Country(), log); }

  QTemporaryDir m_dir;
};

}  // namespace

TEST(InstallLogRecordTest, WorkedExampleIs136Characters) {
  const QString record = InstallLogRecord('A', 1, QStringLiteral("C:\\DATOS\\CUENTAS.DAT"), 1024, 2048);
  const QString expected = QStringLiteral("1") + QString(3, u' ') + QStringLiteral("COPIADO EN ") +
                           QString(5, u' ') + QStringLiteral("[ C:\\DATOS\\CUENTAS.DAT ] ") + QString(25, u' ') +
                           QStringLiteral(" - Tamaño Original 1024") + QString(6, u' ') +
                           QStringLiteral("Bytes - Tamaño Nuevo 2048") + QString(6, u' ') + QStringLiteral("Bytes ");
  EXPECT_EQ(record, expected);
  EXPECT_EQ(record.size(), 136);
}

TEST(InstallLogRecordTest, ColumnsAndFills) {
  struct Case {
    const char *name;
    char kind;
    qint64 n;
    QString path;
    QString expected;
  };
  const QString p20 = QStringLiteral("C:\\DATOS\\CUENTAS.DAT");
  const QString p50(50, u'x');
  const QString sizes = QStringLiteral(" - Tamaño Original 0") + QString(9, u' ') +
                        QStringLiteral("Bytes - Tamaño Nuevo -5") + QString(8, u' ') + QStringLiteral("Bytes");
  const Case cases[] = {
      {"B", 'B', 12, p20,
       QStringLiteral("12  NO COPIADO EN  ") + QStringLiteral(" [ ") + p20 + QStringLiteral(" ]") + QString(25, u' ') + u' ' + sizes},
      {"C", 'C', 123, p20,
       QStringLiteral("123 2 COPIADO EN   ") + QStringLiteral(" [ ") + p20 + QStringLiteral("] ") + QString(25, u' ') + u' ' + sizes +
           QStringLiteral(" - READONLY")},
      {"D with n of five digits", 'D', 12345, p20,
       QStringLiteral("12345 2 NO COPIADO EN   ") + QStringLiteral(" [ ") + p20 + QStringLiteral(" ]") + QString(25, u' ') + u' ' +
           sizes + QStringLiteral(" - READONLY")},
      {"A with a long path keeps one space", 'A', 7, p50,
       QStringLiteral("7   COPIADO EN      [ ") + p50 + QStringLiteral(" ]  ") + sizes + u' '},
      {"E is not padded", 'E', 3, p20, QStringLiteral("3  ERROR [") + p20 + QStringLiteral(" ]")},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(InstallLogRecord(c.kind, c.n, c.path, 0, -5), c.expected) << c.name;
  }
  // Short paths and n below 1000: the sizes start after column 70 (73 in D).
  EXPECT_EQ(InstallLogRecord('A', 999, p20, 0, 0).indexOf(QStringLiteral(" - Tama")), 70);
  EXPECT_EQ(InstallLogRecord('B', 1, QStringLiteral("X"), 0, 0).indexOf(QStringLiteral(" - Tama")), 70);
  EXPECT_EQ(InstallLogRecord('C', 1, QString(44, u'p'), 0, 0).indexOf(QStringLiteral(" - Tama")), 70);
  EXPECT_EQ(InstallLogRecord('D', 1, p20, 0, 0).indexOf(QStringLiteral(" - Tama")), 73);
}

TEST(InstallLineTest, SplitsLikeTheList) {
  struct Case {
    const char *line;
    const char *fileName, *folder, *base, *extension;
  };
  const Case cases[] = {
      {"CUENTAS.idx,DataSistema\\,x,y", "CUENTAS.idx", "DataSistema\\", "CUENTAS", ".IDX"},
      {"cuentas.dat,DataSistema\\", "cuentas.dat", "", "cuentas", ".DAT"},
      {"sin coma", "", "", "", ""},
      {"leeme,C:\\ con espacio \\,", "leeme", "C:\\ con espacio \\", "", "LEEME"},
      {"a.b.c,,", "a.b.c", "", "a", ".B.C"},
      {"Año.dat,d\\,", "Año.dat", "d\\", "Año", ".DAT"},  // only ASCII letters change case
  };
  for (const Case &c : cases) {
    const InstallLine parts = SplitInstallLine(QString::fromUtf8(c.line));
    EXPECT_EQ(parts.fileName, QString::fromUtf8(c.fileName)) << c.line;
    EXPECT_EQ(parts.destinationFolder, QString::fromUtf8(c.folder)) << c.line;
    EXPECT_EQ(parts.baseName, QString::fromUtf8(c.base)) << c.line;
    EXPECT_EQ(parts.extension, QString::fromUtf8(c.extension)) << c.line;
  }
  EXPECT_EQ(MemberExtensions(QStringLiteral(".BLB")), (QStringList{".DAT", ".IDX", ".BLB"}));
  EXPECT_EQ(MemberExtensions(QStringLiteral(".BAK")), (QStringList{".SPR", ".BAK", ".PFG"}));
  EXPECT_EQ(MemberExtensions(QStringLiteral(".TXT")), (QStringList{".TXT"}));
}

TEST_F(InstallCopyTest, GroupLineCopiesPresentMembersAndLogsThem) {
  Source(QStringLiteral("CUENTAS.DAT"), 2048);
  Source(QStringLiteral("cuentas.blb"), 10);  // small letters in the country folder
  Write(At(QStringLiteral("DataSistema/CUENTAS.DAT")), QByteArray(1024, 'o'));
  List("CUENTAS.IDX,DataSistema\\,\r\n");

  const InstallCopyResult result = Run();

  EXPECT_EQ(result.filesFound, 2);
  EXPECT_EQ(Read(At(QStringLiteral("DataSistema/CUENTAS.DAT"))), QByteArray(2048, 'x'));
  EXPECT_EQ(Read(At(QStringLiteral("DataSistema/CUENTAS.BLB"))), QByteArray(10, 'x'));
  EXPECT_FALSE(QFile::exists(At(QStringLiteral("DataSistema/CUENTAS.IDX"))));
  const std::vector<std::string> expected{
      "1   COPIADO EN      [ DataSistema\\CUENTAS.DAT ] " + Spaces(22) + Sizes("1024", 6, "2048", 6) + " ",
      "2   COPIADO EN      [ DataSistema\\CUENTAS.BLB ] " + Spaces(22) + Sizes("0", 9, "10", 8) + " ",
  };
  EXPECT_EQ(LogLines(), expected);
}

TEST_F(InstallCopyTest, CountsOnlyFilesFoundAcrossLines) {
  for (const char *name : {"UNO.DAT", "DOS.DAT", "TRES.DAT"}) Source(QString::fromLatin1(name), 1);
  Source(QStringLiteral("X.spr"), 3);
  Source(QStringLiteral("X.PFG"), 4);
  List("UNO.IDX,DataSistema\\,\r\n\r\nDOS.BLB,DataSistema\\,\r\nTRES.DAT,DataSistema\\,\r\n"
       "X.bak,DataSistema\\,\r\n");

  const InstallCopyResult result = Run();

  ASSERT_EQ(result.entries.size(), 5);
  const char *destinations[] = {"DataSistema\\UNO.DAT", "DataSistema\\DOS.DAT", "DataSistema\\TRES.DAT",
                                "DataSistema\\X.SPR", "DataSistema\\X.PFG"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(result.entries[i].number, i + 1);
    EXPECT_EQ(result.entries[i].destinationPath, QString::fromLatin1(destinations[i]));
  }
  EXPECT_TRUE(QFile::exists(At(QStringLiteral("DataSistema/X.SPR"))));
  EXPECT_TRUE(QFile::exists(At(QStringLiteral("DataSistema/X.PFG"))));
  const std::vector<std::string> lines = LogLines();
  ASSERT_EQ(lines.size(), 5u);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(lines[i].starts_with(std::to_string(i + 1) + Spaces(3))) << i;
}

TEST_F(InstallCopyTest, ReadOnlyDestinationIsCopiedOnSecondTryAndLeftReadOnly) {
  Source(QStringLiteral("PLAN.DAT"), 300);
  const QString destination = At(QStringLiteral("DataSistema/PLAN.DAT"));
  Write(destination, QByteArray(200, 'o'));
  SetFileReadOnly(destination);
  List("PLAN.DAT,DataSistema\\,\r\n");

  Run();

  const std::vector<std::string> expected{
      "1   NO COPIADO EN   [ DataSistema\\PLAN.DAT ]" + Spaces(25) + " " + Sizes("0", 9, "300", 7),
      "1   2 COPIADO EN    [ DataSistema\\PLAN.DAT] " + Spaces(25) + " " + Sizes("200", 7, "300", 7) +
          " - READONLY",
  };
  EXPECT_EQ(LogLines(), expected);
  EXPECT_EQ(Read(destination), QByteArray(300, 'x'));
  EXPECT_FALSE(OwnerWritable(destination));
  EXPECT_FALSE(OwnerWritable(Country() + QStringLiteral("PLAN.DAT")));
}

TEST_F(InstallCopyTest, MissingDestinationFolderFailsTwiceAndSourceEndsReadOnly) {
  Source(QStringLiteral("PLAN.DAT"), 5);
  List("PLAN.DAT,NoHay\\,\r\n");

  const InstallCopyResult result = Run();

  ASSERT_EQ(result.entries.size(), 1);
  EXPECT_FALSE(result.entries[0].copiedFirst);
  EXPECT_FALSE(result.entries[0].copiedSecond);
  const std::vector<std::string> expected{
      "1   NO COPIADO EN   [ NoHay\\PLAN.DAT ]" + Spaces(31) + " " + Sizes("0", 9, "5", 9),
      "1   2 NO COPIADO EN    [ NoHay\\PLAN.DAT ]" + Spaces(31) + " " + Sizes("0", 9, "5", 9) + " - READONLY",
  };
  EXPECT_EQ(LogLines(), expected);
  EXPECT_FALSE(OwnerWritable(Country() + QStringLiteral("PLAN.DAT")));
  EXPECT_FALSE(QDir(At(QStringLiteral("NoHay"))).exists());
}

TEST_F(InstallCopyTest, WithoutLogNothingIsMeasuredOrLoggedButAttributesAreSet) {
  Source(QStringLiteral("PLAN.DAT"), 7);
  const QString destination = At(QStringLiteral("DataSistema/PLAN.DAT"));
  Write(destination, "old");
  SetFileReadOnly(destination);
  Write(At(QStringLiteral("q7Folder/LOGINSTALL.txt")), "previous log");
  List("PLAN.DAT,DataSistema\\,\r\n");

  const InstallCopyResult result = Run(false);

  EXPECT_FALSE(result.logWritten);
  EXPECT_EQ(Read(At(QStringLiteral("q7Folder/LOGINSTALL.txt"))), QByteArray("previous log"));
  ASSERT_EQ(result.entries.size(), 1);
  EXPECT_EQ(result.entries[0].newSize, 0);
  EXPECT_TRUE(result.entries[0].copiedSecond);
  EXPECT_EQ(Read(destination), QByteArray(7, 'x'));
  EXPECT_FALSE(OwnerWritable(destination));
  EXPECT_FALSE(OwnerWritable(Country() + QStringLiteral("PLAN.DAT")));
}

TEST_F(InstallCopyTest, EmptyListLeavesAnEmptyLog) {
  Write(At(QStringLiteral("q7Folder/LOGINSTALL.txt")), "previous log");
  List("");
  EXPECT_EQ(Run().filesFound, 0);
  EXPECT_EQ(Read(At(QStringLiteral("q7Folder/LOGINSTALL.txt"))), QByteArray());
}

TEST_F(InstallCopyTest, MissingListIsAnErrorAndCreatesNoLog) {
  EXPECT_THROW(Run(), InstallCopyError);
  EXPECT_FALSE(QFile::exists(At(QStringLiteral("q7Folder/LOGINSTALL.txt"))));
}

TEST_F(InstallCopyTest, ReadOnlyLogCannotBeCreated) {
  List("");
  const QString log = At(QStringLiteral("q7Folder/LOGINSTALL.txt"));
  Write(log, "kept");
  SetFileReadOnly(log);
  EXPECT_THROW(Run(), InstallCopyError);
  EXPECT_EQ(Read(log), QByteArray("kept"));
}

TEST_F(InstallCopyTest, OddLinesAreWorkedThroughWithoutStopping) {
  Source(QStringLiteral("UNO.DAT"), 1);
  Source(QStringLiteral("leeme"), 2);
  Source(QStringLiteral("FIN.TXT"), 3);
  QByteArray list;
  list += "UNO.DAT\r\n";                          // no comma: nothing
  list += "UNO.DAT,DataSistema\\\r\n";            // one comma: into the working folder
  list += "\r\n\r\n";                             // empty lines
  list += "leeme,DataSistema\\,\r\n";             // no dot: the whole name in capitals
  list += "sindot,DataSistema\\,\r\n";            // no such file
  list += QByteArray("\x81\x00\xff\x1a.DAT,\x90\\,\r\n", 14);  // any byte value
  list += QByteArray(5000, 'L') + ".DAT,DataSistema\\,\r\n";         // very long name
  list += "UNO.DAT," + QByteArray(5000, 'F') + "\\,\r\n";           // very long folder
  list += "FIN.TXT,DataSistema\\,";              // last line without line end
  List(list);

  const InstallCopyResult result = Run();

  ASSERT_EQ(result.entries.size(), 4);
  EXPECT_EQ(result.entries[0].destinationPath, QStringLiteral("UNO.DAT"));
  EXPECT_EQ(result.entries[1].destinationPath, QStringLiteral("DataSistema\\LEEME"));
  EXPECT_FALSE(result.entries[2].copiedFirst || result.entries[2].copiedSecond);
  EXPECT_EQ(result.entries[3].destinationPath, QStringLiteral("DataSistema\\FIN.TXT"));
  EXPECT_TRUE(QFile::exists(At(QStringLiteral("UNO.DAT"))));
  EXPECT_EQ(Read(At(QStringLiteral("DataSistema/LEEME"))), QByteArray(2, 'x'));
  EXPECT_EQ(Read(At(QStringLiteral("DataSistema/FIN.TXT"))), QByteArray(3, 'x'));
  const std::vector<std::string> lines = LogLines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_TRUE(lines[2].starts_with("3   NO COPIADO EN   [ FFF"));
  EXPECT_TRUE(lines[3].ends_with("UNO.DAT ]" + Spaces(2) + Sizes("0", 9, "1", 9) + " - READONLY"));
  EXPECT_TRUE(lines[4].starts_with("4   COPIADO EN"));
}

TEST_F(InstallCopyTest, ExistingDestinationIsMatchedWithoutCaseAndKeepsItsName) {
  Source(QStringLiteral("Plan.dat"), 4);
  Write(At(QStringLiteral("DataSistema/plan.DAT")), "old");
  List("PLAN.DAT,datasistema\\,\r\n");

  Run();

  EXPECT_EQ(Read(At(QStringLiteral("DataSistema/plan.DAT"))), QByteArray(4, 'x'));
  EXPECT_EQ(QDir(At(QStringLiteral("DataSistema"))).entryList(QDir::Files), QStringList{"plan.DAT"});
  const std::vector<std::string> lines = LogLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(lines[0].starts_with("1   COPIADO EN      [ datasistema\\PLAN.DAT ]"));
}

TEST_F(InstallCopyTest, TableWithPendingJournalIsNotReplaced) {
  Source(QStringLiteral("PLAN.DAT"), 4);
  const QString destination = At(QStringLiteral("DataSistema/PLAN.DAT"));
  Write(destination, "old");
  Write(destination + QStringLiteral("-journal"), "pending");
  List("PLAN.DAT,DataSistema\\,\r\n");

  const InstallCopyResult result = Run(false);

  ASSERT_EQ(result.entries.size(), 1);
  EXPECT_FALSE(result.entries[0].copiedSecond);
  EXPECT_EQ(Read(destination), QByteArray("old"));
}

TEST_F(InstallCopyTest, DeployCountryFilesNeedsTheCountryFolder) {
  Source(QStringLiteral("UNO.DAT"), 1);
  List("UNO.DAT,DataSistema\\,\r\n");
  EXPECT_FALSE(DeployCountryFiles(Root(), QStringLiteral("Aruba"), true).has_value());
  EXPECT_FALSE(QFile::exists(At(QStringLiteral("q7Folder/LOGINSTALL.txt"))));
  const auto result = DeployCountryFiles(Root(), QStringLiteral("colombia"), false);
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->filesFound, 1);
}

TEST_F(InstallCopyTest, MeasureFileSizesStopsAtTheFirstFileItCannotOpen) {
  Source(QStringLiteral("S.DAT"), 11);
  const QString destination = At(QStringLiteral("D.DAT"));
  struct Case {
    const char *name;
    bool sourceThere, destinationThere, destinationReadOnly;
    qint64 installed, fresh;
    bool throws;
  };
  const Case cases[] = {
      {"both measured", true, true, false, 22, 11, false},
      {"source missing leaves both", false, true, false, -1, -1, true},
      {"destination missing leaves installed", true, false, false, -1, 11, true},
      {"read-only destination leaves installed", true, true, true, -1, 11, true},
  };
  for (const Case &c : cases) {
    QFile::remove(destination);
    if (c.destinationThere) Write(destination, QByteArray(22, 'd'));
    if (c.destinationReadOnly) SetFileReadOnly(destination);
    const QString source = Country() + (c.sourceThere ? QStringLiteral("S.DAT") : QStringLiteral("NO.DAT"));
    qint64 installed = -1, fresh = -1;
    bool threw = false;
    try {
      MeasureFileSizes(installed, fresh, destination, source);
    } catch (const std::exception &) {
      threw = true;
    }
    EXPECT_EQ(threw, c.throws) << c.name;
    EXPECT_EQ(installed, c.installed) << c.name;
    EXPECT_EQ(fresh, c.fresh) << c.name;
  }
  // Lengths beyond 32 bits are shown as they are (a sparse file takes no room).
  const QString big = At(QStringLiteral("BIG.DAT"));
  QFile file(big);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_TRUE(file.resize(qint64(5) << 30));
  file.close();
  qint64 installed = 0, fresh = 0;
  MeasureFileSizes(installed, fresh, big, big);
  EXPECT_EQ(fresh, qint64(5) << 30);
}

// On the sample layout: the country's files reach their folders, and a table
// the program holds open is not replaced.
TEST(InstallCopySampleTest, DeploysCountryFilesAndLeavesAnOpenTableAlone) {
  QTemporaryDir work, program;
  q7sample::LayOutSampleData(work.path(), program.path());
  const QString root = work.path() + u'/';

  const auto result = DeployCountryFiles(work.path(), QStringLiteral("Colombia"), true);
  ASSERT_TRUE(result.has_value());
  QStringList destinations;
  for (const InstallCopyEntry &entry : result->entries) {
    EXPECT_TRUE(entry.copiedFirst) << entry.destinationPath.toStdString();
    destinations << entry.destinationPath;
  }
  EXPECT_EQ(destinations, (QStringList{"DataSistema\\CUENTAS.DAT", "Reportes\\BALANCE.SPR",
                                       "Reportes\\BALANCE.PFG", "LEEME.TXT"}));
  TableHandle accounts;
  accounts.SetFolder(root + QStringLiteral("DataSistema"));
  accounts.SetTableName(QStringLiteral("CUENTAS"));
  ASSERT_NO_THROW(accounts.Open());
  EXPECT_EQ(accounts.AsText(QStringLiteral("NOMBRE")), QStringLiteral("Caja"));
  accounts.Close();

  // The accounting company table stays open for a whole accounting run.
  TableHandle companies;
  companies.SetFolder(root + QStringLiteral("DataSistema"));
  companies.SetTableName(QStringLiteral("q7CEmpresas.dat"));
  companies.Open();
  QFile list(root + QStringLiteral("q7Folder/Install.txt"));
  ASSERT_TRUE(list.open(QIODevice::WriteOnly | QIODevice::Truncate));
  list.write("q7CEmpresas.dat,DataSistema\\,\r\n");
  list.close();

  const auto refused = DeployCountryFiles(work.path(), QStringLiteral("Colombia"), true);
  ASSERT_TRUE(refused.has_value());
  ASSERT_EQ(refused->entries.size(), 1);
  EXPECT_FALSE(refused->entries[0].copiedFirst);
  EXPECT_FALSE(refused->entries[0].copiedSecond);
  EXPECT_EQ(refused->entries[0].installedSize, 0);
  ASSERT_TRUE(companies.FindKey(QStringLiteral("DEMO")));
  EXPECT_EQ(companies.AsText(QStringLiteral("NOMBRE")), QStringLiteral("Empresa de Demostración, C.A."));
}
