#pragma once
// The wizard window in a sample working folder, as the wizard tests use it:
// a laid-out sample (working folder and program folder) made current, the
// system date pinned to 15 April 2024, the picture lists created before any
// window as the program does, messages recorded, and helpers to open the
// window, type, press through the pages and read or change the tables.
#include "resources/DataModuleMenus.h"
#include "support/MessageRecorder.h"
#include "wizard/q7UpdateModulo.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <gtest/gtest.h>

#include <memory>
#include <string>

class QLineEdit;

namespace q7test {

class WizardFixture : public ::testing::Test {
 public:
  // sharedSample: the tests only read the sample, so one layout serves every
  // test of the program; a test that changes a table calls FreshFolders().
  explicit WizardFixture(bool sharedSample = false) : m_sharedSample(sharedSample) {}

  void SetUp() override;
  void TearDown() override;

  // A new sample working folder and program folder, made current.
  void FreshFolders();
  // Makes the given working and program folders current for a new window.
  void UseFolders(const QString &workFolder, const QString &programFolder);

  // The window built from a command line.
  Tq7UpdateModuloForm &Open(const QStringList &args);
  // Shows the window with real focus handling.
  void ShowActive();

  // The user empties the field and types (the numeric fields check each key
  // against the text so far, whatever is selected).
  static void Type(QLineEdit *field, const QString &text);
  // "&Anterior", "&Siguiente", "&Finalizar": enabled/visible as a short code.
  std::string Buttons() const;

  // Runs SQL on a table file of the working folder.
  void Sql(const QString &file, const QString &sql) const;
  // First column of the first row of a query on a table file (a path relative
  // to the working folder, or absolute); invalid when there is no row.
  QVariant Value(const QString &file, const QString &sql) const;
  QString Text(const QString &file, const QString &sql) const { return Value(file, sql).toString(); }

  QTemporaryDir dir;
  QString savedFolder, work, program;
  TMenuDataModule menus;  // before the window, as the program creates it
  MessageRecorder messages;
  std::unique_ptr<Tq7UpdateModuloForm> form;

 private:
  bool m_sharedSample;
  int m_layouts = 0;
};

}  // namespace q7test
