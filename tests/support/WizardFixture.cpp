#include "support/WizardFixture.h"

#include "controls/ProgramEnd.h"
#include "store/Paths.h"
#include "store/Sqlite.h"
#include "tools/SampleData.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace q7test {

void WizardFixture::SetUp() {
  ASSERT_TRUE(dir.isValid());
  savedFolder = QDir::currentPath();
  Tq7UpdateModuloForm::SetSystemDateForTests(QDate(2024, 4, 15));
  if (!m_sharedSample) {
    FreshFolders();
    return;
  }
  static QTemporaryDir shared;
  static bool laidOut = false;
  if (!laidOut) {
    q7sample::LayOutSampleData(shared.path() + QStringLiteral("/work"),
                               shared.path() + QStringLiteral("/program"));
    laidOut = true;
  }
  UseFolders(shared.path() + QStringLiteral("/work"), shared.path() + QStringLiteral("/program"));
}

void WizardFixture::TearDown() {
  form.reset();
  QDir::setCurrent(savedFolder);
  q7::SetProgramFolderForTests(QString());
  Tq7UpdateModuloForm::SetSystemDateForTests(QDate());
  q7::ResetProgramEnd();
}

void WizardFixture::FreshFolders() {
  form.reset();
  const QString base = dir.path() + u'/' + QString::number(++m_layouts);
  q7sample::LayOutSampleData(base + QStringLiteral("/work"), base + QStringLiteral("/program"));
  UseFolders(base + QStringLiteral("/work"), base + QStringLiteral("/program"));
}

void WizardFixture::UseFolders(const QString &workFolder, const QString &programFolder) {
  form.reset();
  work = workFolder;
  program = programFolder;
  q7::SetProgramFolderForTests(program + u'/');
  QDir::setCurrent(work);
  q7::ResetProgramEnd();
  messages.Clear();
}

Tq7UpdateModuloForm &WizardFixture::Open(const QStringList &args) {
  form = std::make_unique<Tq7UpdateModuloForm>(args);
  return *form;
}

void WizardFixture::ShowActive() {
  form->show();
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

void WizardFixture::Type(QLineEdit *field, const QString &text) {
  field->clear();
  QTest::keyClicks(field, text);
}

std::string WizardFixture::Buttons() const {
  std::string s;
  s += form->BAnterior032->isEnabled() ? 'A' : 'a';
  s += form->BSiguiente033->isEnabled() ? 'S' : 's';
  s += form->BGrabar001->isHidden() ? 'f' : 'F';
  return s;
}

void WizardFixture::Sql(const QString &file, const QString &sql) const {
  q7::Connection db(work + u'/' + file);
  db.Exec(sql);
}

QVariant WizardFixture::Value(const QString &file, const QString &sql) const {
  q7::Connection db(file.startsWith(u'/') ? file : work + u'/' + file);
  q7::Statement query(db, sql);
  if (!query.Step()) return {};
  if (query.ColumnType(0) == 4 /* SQLITE_BLOB */) return query.ColumnBlob(0);
  if (query.ColumnType(0) == 1 /* SQLITE_INTEGER */) return QVariant::fromValue(query.ColumnInt64(0));
  return query.ColumnText(0);
}

}  // namespace q7test
