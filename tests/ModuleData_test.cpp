// The module table, the data-folder rules, the code bit sets and the paths
// they rest on.
#include "store/ModuleData.h"
#include "store/Paths.h"
#include "store/Sqlite.h"
#include "store/TableHandle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace q7;

TEST(ModuleData, ModuleRows) {
  struct Case {
    int number;
    const char *name;
    int page;
    const char *table;
  } cases[] = {
      {1, "Administrativo", 0, "ssistema.dat"},
      {2, "Contabilidad", 1, "q7CEmpresas.dat"},
      {3, "Nómina", 2, "q7Nominas.dat"},
      {4, "Alimentos && Bebidas", 3, "q7Config.dat"},
      {5, "Hotelería", 4, "q7Config.dat"},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(ModuleName(c.number), QString::fromUtf8(c.name)) << c.number;
    EXPECT_EQ(ModulePage(c.number), c.page) << c.number;
    EXPECT_EQ(SettingsTable(c.number), QString::fromUtf8(c.table)) << c.number;
  }
  for (int bad : {0, 6, -1}) {
    EXPECT_EQ(FindModule(bad), nullptr);
    EXPECT_EQ(ModulePage(bad), -1);
    EXPECT_THROW(ModuleDataFolder(bad), StoreError);
  }
}

TEST(ModuleData, DataFolders) {
  EXPECT_EQ(ModuleDataFolder(2), "DataSistema/");
  EXPECT_EQ(ModuleDataFolder(3), "DataSistema/");
  EXPECT_EQ(ModuleDataFolder(4), "EMPRE002/DATA/");
  SetProgramFolderForTests("/opt/q7/bin");
  EXPECT_EQ(ModuleDataFolder(5), "/opt/q7/bin/EMPRE003/DATA/");
  SetProgramFolderForTests({});
  EXPECT_EQ(ModuleDataFolder(5), QDir::cleanPath(QCoreApplication::applicationDirPath()) + "/EMPRE003/DATA/");
  EXPECT_EQ(CountryFolder("Venezuela"), "q7Folder/Venezuela/");
}

TEST(ModuleData, AdministrativoFolderAppendsASeparator) {
  struct Case {
    const char *dirDatos;
    const char *folder;
  } cases[] = {
      {"EMPRE001\\DATA", "EMPRE001/DATA/"},
      {"EMPRE001\\DATA\\", "EMPRE001/DATA//"},
      {"/srv/q7/datos", "/srv/q7/datos/"},
  };
  for (const Case &c : cases) EXPECT_EQ(ModuleDataFolder(1, c.dirDatos), c.folder) << c.dirDatos;
  // An empty folder would be the root of the file system: refused.
  EXPECT_THROW(ModuleDataFolder(1, ""), StoreError);
  EXPECT_THROW(AdministrativoDataFolder("   "), StoreError);
}

TEST(ModuleData, DoubledSeparatorStillAddressesTheFolder) {
  QTemporaryDir dir;
  const QString old = QDir::currentPath();
  QDir::setCurrent(dir.path());
  QDir().mkpath("EMPRE001/DATA");
  QFile("EMPRE001/DATA/ssistema.dat").open(QIODevice::WriteOnly);
  Connection("EMPRE001/DATA/ssistema.dat").Exec("CREATE TABLE ssistema (IMPUESTO1 TEXT);");
  TableHandle t;
  t.SetFolder(ModuleDataFolder(1, "empre001\\DATA\\"));
  t.SetTableName(SettingsTable(1));
  EXPECT_NO_THROW(t.Open());
  t.Close();
  QDir::setCurrent(old);
}

TEST(ModuleData, CodeBitSets) {
  ASSERT_EQ(FoodCodeBits().size(), 9u);
  ASSERT_EQ(HotelCodeBits().size(), 10u);
  for (const auto &bits : {FoodCodeBits(), HotelCodeBits()})
    for (const CodeBit &b : bits) EXPECT_EQ(b.value, 1u << b.bit) << b.codeCheck;
  EXPECT_STREQ(FoodCodeBits()[2].codeCheck, "chkCodigo5");
  EXPECT_STREQ(FoodCodeBits()[2].caption, "Áreas de P&reparación");
  EXPECT_STREQ(HotelCodeBits()[8].fillCheck, "CheckEmpleadoRellanar");
  EXPECT_EQ(HotelCodeBits()[9].value, 0x00080000u);

  QList<bool> states(9, false);
  states[0] = states[8] = true;  // Familias, Configuración de Menús
  EXPECT_EQ(ComposeBitSet(FoodCodeBits(), states), 0x40400000);
  EXPECT_EQ(ComposeBitSet(HotelCodeBits(), QList<bool>(10, true)), 0x7F980000);
  EXPECT_EQ(ComposeBitSet(FoodCodeBits(), {}), 0);

  // Reading ignores bits that are not listed; writing rebuilds from the boxes alone.
  const std::int32_t stored = static_cast<std::int32_t>(0x80000001u | 0x40000000u);
  QList<bool> read;
  for (const CodeBit &b : FoodCodeBits()) read << BitIsSet(stored, b);
  EXPECT_EQ(read.count(true), 1);
  EXPECT_EQ(ComposeBitSet(FoodCodeBits(), read), 0x40000000);
}

TEST(Paths, FolderTexts) {
  EXPECT_EQ(NormalizeSeparators("a\\b/c\\\\"), "a/b/c//");
  EXPECT_EQ(AbsoluteFolder(""), QDir::currentPath() + "/");
  EXPECT_EQ(AbsoluteFolder("DataDemo\\DATA\\"), QDir::currentPath() + "/DataDemo/DATA/");
  EXPECT_EQ(AbsoluteFolder("/x//y/"), "/x/y/");
  EXPECT_EQ(JoinFolderFile("/x/", "q7Folder\\Install.txt"), "/x/q7Folder/Install.txt");
}

TEST(Paths, ResolveExistingPathIgnoresLetterCase) {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath("q7Folder/Venezuela");
  QFile(dir.filePath("q7Folder/Venezuela/CUENTAS.DAT")).open(QIODevice::WriteOnly);
  const QString root = dir.path();
  EXPECT_EQ(ResolveExistingPath(root + "/Q7FOLDER\\venezuela/cuentas.dat"), root + "/q7Folder/Venezuela/CUENTAS.DAT");
  // Nothing matches: the path as formed.
  EXPECT_EQ(ResolveExistingPath(root + "/q7folder/Chile/x.dat"), root + "/q7Folder/Chile/x.dat");
  // The exact spelling wins when both exist.
  QFile(dir.filePath("q7Folder/Venezuela/cuentas.dat")).open(QIODevice::WriteOnly);
  EXPECT_EQ(ResolveExistingPath(root + "/q7Folder/Venezuela/cuentas.dat"), root + "/q7Folder/Venezuela/cuentas.dat");
}
