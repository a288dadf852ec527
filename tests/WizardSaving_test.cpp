// "&Finalizar" through the window, in a sample working folder: what is typed
// into the pages ends up in the module's tables, the final panel shows its
// exact message, and a failing step names its table and ends with status 2.
#include "controls/MemoTarvo.h"
#include "controls/ProgramEnd.h"
#include "controls/TarvoDateEdit.h"
#include "controls/TarvoEdit.h"
#include "controls/TarvoNumberEdit.h"
#include "resources/DataModuleMenus.h"
#include "store/Paths.h"
#include "store/PriceIndex.h"
#include "store/Sqlite.h"
#include "support/WizardFixture.h"
#include "tools/SampleData.h"
#include "wizard/WizardTables.h"
#include "wizard/q7UpdateModulo.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QVariant>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

QString S(const char *utf8) { return QString::fromUtf8(utf8); }

const QString kDone = S("Se guardaron los datos exitosamente, ya puede inicializar el");

class WizardSavingTest : public q7test::WizardFixture {
 protected:
  Tq7UpdateModuloForm &Open(const QStringList &args) {
    WizardFixture::Open(args);
    EXPECT_FALSE(q7::ProgramEndRequested());
    return *form;
  }
  // "&Siguiente" until "&Finalizar" shows, then "&Finalizar".
  void WalkAndSave() {
    for (int i = 0; i < 6 && form->BGrabar001->isHidden(); ++i) form->BSiguiente033->click();
    ASSERT_FALSE(form->BGrabar001->isHidden());
    form->BGrabar001->click();
  }
  QByteArray FileHash(const QString &file) {
    QFile f(work + u'/' + file);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
  }

  void ExpectSavedWithMessage(const QString &message) {
    EXPECT_TRUE(messages.Texts().isEmpty()) << messages.Texts().join(u'|').toStdString();
    EXPECT_FALSE(q7::ProgramEndRequested());
    EXPECT_EQ(form->LMensaje->text(), message);
    EXPECT_FALSE(form->PanelFinal->isHidden());
    EXPECT_TRUE(form->PanelMensaje->isHidden());
    for (QWidget *w : {static_cast<QWidget *>(form->PanelBotones), static_cast<QWidget *>(form->BAnterior032),
                       static_cast<QWidget *>(form->BSiguiente033), static_cast<QWidget *>(form->BCancelar002),
                       static_cast<QWidget *>(form->BGrabar001)})
      EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_FALSE(form->Tables->Tabla.IsOpen());
    EXPECT_FALSE(form->Tables->Tablasempresas.IsOpen());
    EXPECT_FALSE(form->Tables->TbActivosCont.IsOpen());
  }
};

// ---- Administrativo ---------------------------------------------------------------

TEST_F(WizardSavingTest, AdministrativoWritesCompanyAndSettings) {
  Open({"1", "001"});
  Type(form->ENitEmpre, S("900.555.111-2"));
  Type(form->ERifEmpre, S("J-40404040-1"));
  form->EDirEmpre->SetText(S("Calle 5 Nº 10\nPiso 2"));
  form->ERepreEmpre->setText(S("José Núñez"));  // typing sends ASCII keys only
  Type(form->ETelefEmpre, S("555-1234"));
  Type(form->EWebEmpre, S("www.ejemplo.example"));
  form->EFechaInicio->SetQDate(QDate(2025, 1, 1));
  form->EFechaFinal->SetQDate(QDate(2025, 1, 15));
  Type(form->EDescripPeriodo, S("Enero"));
  Type(form->ENombreImpuesto1, S("I.T.B.M.S."));
  Type(form->EAlicuota1, S("12.5"));
  form->CBTipoImpuesto2->setCurrentIndex(2);
  form->CBActivo2->setChecked(true);
  form->CheckDepartamentos->setChecked(true);
  form->CheckRellenarDepa->setChecked(false);
  form->CheckBeneficiarios->setChecked(true);
  form->CheckBContribuyenteEsp->setChecked(true);

  WalkAndSave();

  ExpectSavedWithMessage(kDone + QString(34, u' ') + S("Módulo Administrativo."));
  const QString company = QStringLiteral(" FROM sempresas WHERE FE_CODIGO = '001'");
  EXPECT_EQ(Text("sempresas.dat", "SELECT FE_NIT" + company), S("900.555.111-2"));
  EXPECT_EQ(Text("sempresas.dat", "SELECT FE_RIF" + company), S("J-40404040-1"));
  EXPECT_EQ(Text("sempresas.dat", "SELECT FE_DIRECCION1" + company), S("Calle 5 Nº 10\r\nPiso 2"));
  EXPECT_EQ(Text("sempresas.dat", "SELECT FE_REPRESENTANTE" + company), S("José Núñez"));
  EXPECT_EQ(Text("sempresas.dat", "SELECT FE_TELEFONO" + company), S("555-1234"));
  EXPECT_EQ(Text("sempresas.dat", "SELECT FE_WEBSITE" + company), S("www.ejemplo.example"));

  const QString settings = QStringLiteral("DataDemo/DATA/ssistema.dat");
  auto setting = [&](const char *field) { return Text(settings, S("SELECT ") + S(field) + S(" FROM ssistema")); };
  EXPECT_EQ(setting("FECHA_INICIOPERIODO"), S("2025-01-01"));
  EXPECT_EQ(setting("FECHA_FINALPERIODO"), S("2025-01-15"));
  EXPECT_EQ(setting("NAMEPERIODO"), S("Enero"));
  EXPECT_EQ(setting("IMPUESTO1"), S("I.T.B.M.S."));
  EXPECT_EQ(setting("IMPUESTO2"), S("Impuesto al Lujo"));
  EXPECT_EQ(setting("MTO_IMPUESTO1").toLongLong(), 125000);
  EXPECT_EQ(setting("MTO_IMPUESTO2").toLongLong(), 150000);
  EXPECT_EQ(setting("ACTIVAR_IMPUESTO2").toLongLong(), 1);
  EXPECT_EQ(setting("MODO_IVA").toLongLong(), 2);
  EXPECT_EQ(setting("IMP_DEBITOBANCARIO").toLongLong(), 15000);
  EXPECT_EQ(setting("AUTOCODECATEGORIA").toLongLong(), 1);
  EXPECT_EQ(setting("FILLCODECATEGORIA").toLongLong(), 0);
  EXPECT_EQ(setting("AUTOCODEBENEFICIARIO").toLongLong(), 1);
  EXPECT_EQ(setting("AUTOCODECLIENTE").toLongLong(), 0);
  EXPECT_EQ(setting("CONTRIBUYENTE_ESPECIAL").toLongLong(), 1);
  EXPECT_EQ(setting("ESTADANO2000"), S("2025"));
  EXPECT_EQ(setting("ESTADANO1999"), S("2024"));
  EXPECT_EQ(setting("ESTADANO1998"), S("2023"));
  // The end of the period becomes the wizard's "today".
  EXPECT_EQ(form->TodayYear, 2025);
  EXPECT_EQ(form->TodayMonth, 1);
  EXPECT_EQ(form->TodayDay, 15);
}

TEST_F(WizardSavingTest, UntouchedCompanyPagesKeepTheStoredCompanyData) {
  const char *fields[] = {"FE_NIT",      "FE_RIF",     "FE_DIRECCION1", "FE_REPRESENTANTE", "FE_RIFREPRESENTANTE",
                          "FE_DIRECCION2", "FE_TELEFONO", "FE_TELEFAX",    "FE_EMAIL",         "FE_WEBSITE"};
  auto stored = [&] {
    QStringList values;
    for (const char *f : fields) values << Text("sempresas.dat", S("SELECT ") + S(f) + S(" FROM sempresas WHERE FE_CODIGO = '001'"));
    return values;
  };
  const QStringList before = stored();
  ASSERT_FALSE(before.first().isEmpty());
  Open({"1"});
  EXPECT_EQ(form->ENitEmpre->text(), before[0]);
  EXPECT_EQ(form->EDirEmpre->Text(), QString(before[2]).replace(S("\r\n"), S("\n")));
  WalkAndSave();
  ExpectSavedWithMessage(kDone + QString(34, u' ') + S("Módulo Administrativo."));
  EXPECT_EQ(stored(), before);
}

TEST_F(WizardSavingTest, DemoCompanyLeavesTheCompanyListUntouched) {
  const QByteArray before = FileHash("sempresas.dat");
  Open({"1", "demo"});
  Type(form->ENombreImpuesto2, S("Selectivo"));
  WalkAndSave();
  ExpectSavedWithMessage(kDone + QString(34, u' ') + S("Módulo Administrativo."));
  EXPECT_EQ(FileHash("sempresas.dat"), before);
  EXPECT_EQ(Text("DataDemo/DATA/ssistema.dat", "SELECT IMPUESTO2 FROM ssistema"), S("Selectivo"));
}

// ---- Alimentos && Bebidas and Hotelería ------------------------------------------------

TEST_F(WizardSavingTest, AlimentosWritesServicesPeriodAndCodeBits) {
  Open({"4", "INT"});
  // An installation run: the country page first; nothing is deployed for
  // this module whatever the company code.
  form->RadioBP[0]->setChecked(true);
  form->BSiguiente033->click();
  ASSERT_EQ(form->PControlModulos->currentIndex(), 3);
  form->EFechaIniFood->SetQDate(QDate(2024, 5, 1));
  form->EFechaFinalFood->SetQDate(QDate(2024, 5, 31));
  Type(form->EDescripPFood, S("Mayo"));
  Type(form->ENomServMesa, S("Propina"));
  Type(form->EAlicuotaServMesa, S("12.5"));
  form->CheckBServ1->setChecked(true);
  form->CheckBServ2->setChecked(false);
  for (int k = 0; k < 9; ++k) {
    form->chkCodigo[k]->setChecked(true);
    form->CheckRellenarF[k]->setChecked(false);
  }
  WalkAndSave();

  ExpectSavedWithMessage(kDone + QString(29, u' ') + S("Módulo Alimentos & Bebidas."));
  const QString config = QStringLiteral("EMPRE002/DATA/q7Config.dat");
  auto field = [&](const char *name) { return Text(config, S("SELECT ") + S(name) + S(" FROM q7Config")); };
  EXPECT_EQ(field("FCO_AUTOCODE").toLongLong(), 0x7FC00000);  // bits 22 to 30
  EXPECT_EQ(field("FCO_AUTOFILL").toLongLong(), 0);
  EXPECT_EQ(field("FCO_FECHAINI"), S("2024-05-01"));
  EXPECT_EQ(field("FCO_FECHAFIN"), S("2024-05-31"));
  EXPECT_EQ(field("FCO_PERIODO"), S("Mayo"));
  EXPECT_EQ(field("FCO_SERVICIO1"), S("Propina"));
  EXPECT_EQ(field("FCO_MTOSERVICIO1").toLongLong(), 125000);
  EXPECT_EQ(field("FCO_ACTIVARSERVICIO1").toLongLong(), 1);
  EXPECT_EQ(field("FCO_ACTIVARSERVICIO2").toLongLong(), 0);
  EXPECT_FALSE(QFile::exists(work + QStringLiteral("/q7Folder/LOGINSTALL.txt")));
  EXPECT_FALSE(QFile::exists(work + QStringLiteral("/DataSistema/CUENTAS.DAT")));
}

TEST_F(WizardSavingTest, AfterTheSaveEnterOnTheFinalPanelEndsWithStatus0) {
  Open({"4"});
  ShowActive();
  form->BSiguiente033->click();
  form->BGrabar001->click();
  ASSERT_FALSE(form->PanelFinal->isHidden());
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == form->BSalir005; }));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(QTest::qWaitFor([] { return q7::ProgramEndRequested(); }));
  EXPECT_EQ(q7::ProgramEndStatus(), q7::ExitSaved);
}

TEST_F(WizardSavingTest, HoteleriaWritesPeriodLastAuditAndCodeBits) {
  Open({"5"});
  form->EFechaIniHotel->SetQDate(QDate(2024, 3, 1));
  form->EFechaHastaHotel->SetQDate(QDate(2024, 3, 31));
  form->EFechaActualHotel->SetQDate(QDate(2024, 3, 1));
  Type(form->EDescripcionPeriodoHotel, S("Marzo"));
  for (QCheckBox *box : form->TabCodigosAut->findChildren<QCheckBox *>()) box->setChecked(true);
  WalkAndSave();

  ExpectSavedWithMessage(kDone + QString(34, u' ') + S("Módulo Hotelería."));
  const QString config = program + QStringLiteral("/EMPRE003/DATA/q7Config.dat");
  auto field = [&](const char *name) { return Text(config, S("SELECT ") + S(name) + S(" FROM q7Config")); };
  EXPECT_EQ(field("FCO_AUTOCODE").toLongLong(), 0x7F980000);  // bits 19, 20 and 23 to 30
  EXPECT_EQ(field("FCO_AUTOFILL").toLongLong(), 0x7F980000);
  EXPECT_EQ(field("FCO_FECHAINI"), S("2024-03-01"));
  EXPECT_EQ(field("FCO_FECHAFIN"), S("2024-03-31"));
  EXPECT_EQ(field("FCO_PERIODO"), S("Marzo"));
  EXPECT_EQ(field("FCO_LASTAUDIT"), S("2024-02-29"));
}

// ---- Contabilidad and Nómina ------------------------------------------------------------

TEST_F(WizardSavingTest, ContabilidadStoresThePriceIndexYearThenRollsTheYear) {
  Open({"2"});
  Type(form->EAnoPeriodo, S("2025"));
  form->BSiguiente033->click();  // the price-index page: 2024, January to June stored
  ASSERT_EQ(form->EAno->AsInteger(), 2024);
  ASSERT_TRUE(form->EIndice[6]->isEnabled());
  Type(form->EIndice[6], S("150.25"));
  const double january = q7::ValoresImage::FromBlob(
      Value("DataSistema/q7CIndPrec.dat", "SELECT VALORES FROM q7CIndPrec WHERE ANO = 2024").toByteArray()).Month(1);
  WalkAndSave();

  ExpectSavedWithMessage(kDone + QString(34, u' ') + S("Módulo Contabilidad."));
  const q7::ValoresImage stored = q7::ValoresImage::FromBlob(
      Value("DataSistema/q7CIndPrec.dat", "SELECT VALORES FROM q7CIndPrec WHERE ANO = 2024").toByteArray());
  EXPECT_DOUBLE_EQ(stored.Month(7), 150.25);
  EXPECT_EQ(stored.Month(1), january);
  EXPECT_EQ(stored.Month(8), 0.0);

  const QString demo = QStringLiteral(" FROM q7CEmpresas WHERE CODIGO = 'DEMO'");
  EXPECT_EQ(Text("DataSistema/q7CEmpresas.dat", "SELECT FECHA_INIEJER" + demo), S("2025-01-01"));
  EXPECT_EQ(Text("DataSistema/q7CEmpresas.dat", "SELECT FECHA_FINEJER" + demo), S("2025-12-31"));
  EXPECT_EQ(Text("DataSistema/q7CEmpresas.dat", "SELECT FECHA_ULTDEPREC" + demo), S("2024-12-31"));
  EXPECT_EQ(Text("DataDemo/DATA/q7CActivos.dat", "SELECT FECHA_ADQ FROM q7CActivos WHERE CODIGO = 'AF-001'"),
            S("2024-03-15"));
  EXPECT_EQ(form->PeriodsImage.Year(11), 2025);
  // The company and price-index tables stay open until the window goes.
  EXPECT_TRUE(form->Tables->TbEmpresaCont.IsOpen());
  EXPECT_TRUE(form->Tables->TbIPC.IsOpen());
}

TEST_F(WizardSavingTest, NominaRebuildsTheThreePayrolls) {
  Open({"3"});
  Type(form->EAnoNomina, S("2025"));
  WalkAndSave();

  ExpectSavedWithMessage(kDone + QString(34, u' ') + S("Módulo Nómina."));
  const QString payroll = QStringLiteral("DataSistema/q7Nominas.dat");
  auto field = [&](const char *name, int code) {
    return Text(payroll, S("SELECT ") + S(name) + S(" FROM q7Nominas WHERE FNO_CODIGO = ") + QString::number(code));
  };
  EXPECT_EQ(field("FNO_ANOCURSO", 1).toLongLong(), 2025);
  EXPECT_EQ(field("FNO_FINICIO", 1), S("2025-01-01"));
  EXPECT_EQ(field("FNO_ACTUAL", 1).toLongLong(), 4);  // system date 15 April 2024
  EXPECT_EQ(field("FNO_ACTUAL", 2).toLongLong(), 7);
  // 1 January 2025 is a Wednesday: the weekly payroll starts on the Monday before.
  EXPECT_EQ(field("FNO_ANOCURSO", 3).toLongLong(), 2024);
  EXPECT_EQ(field("FNO_FINICIO", 3), S("2024-12-30"));
  EXPECT_EQ(form->PayrollImages[2].FirstDate(0), QDate(2024, 12, 30));
}

// ---- Failures ---------------------------------------------------------------------------

TEST_F(WizardSavingTest, AMissingTableIsNamedAndEndsWithStatus2) {
  struct Case {
    const char *name;
    QStringList args;
    QString removed;  // removed after the preparation
    const char *table;
  } const cases[] = {
      {"company list", {"1"}, QStringLiteral("sempresas.dat"), "sempresas.dat"},
      {"settings", {"1", "DEMO"}, QStringLiteral("DataDemo/DATA/ssistema.dat"), "ssistema.dat"},
      {"fixed assets", {"2"}, QStringLiteral("DataDemo/DATA/q7CActivos.dat"), "q7CActivos.dat"},
      {"payroll", {"3"}, QStringLiteral("DataSistema/q7Nominas.dat"), "q7Nominas.dat"},
      {"food", {"4"}, QStringLiteral("EMPRE002/DATA/q7Config.dat"), "q7Config.dat"},
      {"hotel", {"5"}, program + QStringLiteral("/EMPRE003/DATA/q7Config.dat"), "q7Config.dat"},
      {"installation list", {"3", "INT"}, QStringLiteral("q7Folder/Install.txt"), "Install.txt"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    q7::ResetProgramEnd();
    messages.Clear();
    Open(c.args);
    if (form->PControlModulos->currentIndex() == 5) form->BSiguiente033->click();  // Panama
    const QString path = c.removed.startsWith(u'/') ? c.removed : work + u'/' + c.removed;
    ASSERT_TRUE(QFile::remove(path)) << path.toStdString();
    WalkAndSave();

    ASSERT_EQ(messages.Messages().size(), 1) << messages.Texts().join(u'|').toStdString();
    EXPECT_EQ(messages.Messages()[0].type, q7::MsgType::Error);
    EXPECT_EQ(messages.Messages()[0].buttons, unsigned(q7::MbOK));
    EXPECT_EQ(messages.Messages()[0].text, S("Error al cargar la tabla ") + S(c.table) + u'.');
    EXPECT_TRUE(q7::ProgramEndRequested());
    EXPECT_EQ(q7::ProgramEndStatus(), q7::ExitFailed);
    EXPECT_TRUE(form->PanelFinal->isHidden());
    EXPECT_TRUE(form->PanelMensaje->isHidden());
    EXPECT_FALSE(form->Tables->Tabla.IsOpen());
    EXPECT_FALSE(form->Tables->Tablasempresas.IsOpen());
    // Put the file back for the next case.
    form.reset();
    q7sample::LayOutSampleData(work, program);
  }
}

// Pictures of the final panel for a person to look at (not a check); with
// Q7_SCREENSHOT_DIR set.
TEST_F(WizardSavingTest, ScreenshotOfTheFinalPanel) {
  const QString shots = qEnvironmentVariable("Q7_SCREENSHOT_DIR");
  if (shots.isEmpty()) GTEST_SKIP() << "Q7_SCREENSHOT_DIR not set";
  QDir().mkpath(shots);
  for (const char *module : {"1", "4"}) {
    Open({S(module)});
    form->show();
    WalkAndSave();
    QApplication::processEvents();
    form->grab().save(shots + QStringLiteral("/final_module%1.png").arg(S(module)));
  }
}

}  // namespace
