// The wizard window from its command line: start-up, module preparation in a
// sample working folder, the walk through each module's pages, "&Cancelar",
// the hotel current-date check, the drop-down boxes and the date helpers.
#include "controls/ProgramEnd.h"
#include "controls/TarvoDateEdit.h"
#include "controls/TarvoEdit.h"
#include "controls/TarvoNumberEdit.h"
#include "store/Paths.h"
#include "store/Sqlite.h"
#include "support/WizardFixture.h"
#include "tools/SampleData.h"
#include "wizard/WizardTables.h"
#include "wizard/q7UpdateModulo.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QString S(const char *utf8) { return QString::fromUtf8(utf8); }
const QString kInitError = S("Error al inicializar la aplicación.");

class WizardTest : public q7test::WizardFixture {
 public:
  // Preparing only reads: the tests share one sample layout; a test that
  // breaks a table takes FreshFolders().
  WizardTest() : WizardFixture(/*sharedSample=*/true) {}

  int Inner() const {
    auto *pages = qobject_cast<QTabWidget *>(
        form->PControlModulos->currentWidget()->findChild<QTabWidget *>());
    return pages ? pages->currentIndex() : -1;
  }
  QString Focused() const {
    QWidget *w = form->focusWidget();
    return w ? w->objectName() : QString();
  }
  bool AllTablesClosed() const {
    const WizardTables &t = *form->Tables;
    return !t.Tabla.IsOpen() && !t.TablaDos.IsOpen() && !t.Tablasempresas.IsOpen() &&
           !t.TbEmpresaCont.IsOpen() && !t.TbIPC.IsOpen() && !t.TbActivosCont.IsOpen();
  }
};

// ---- Start-up ------------------------------------------------------------------

TEST_F(WizardTest, CommandLineChoosesPageAndRun) {
  struct Case {
    QStringList args;
    int outerPage;
    int innerPage;
    bool installation, log;
  } const cases[] = {
      {{"1"}, 0, 0, false, false},
      {{"1", "DEMO"}, 0, 2, false, false},
      {{"1", "demo"}, 0, 2, false, false},
      {{"1", "INT"}, 5, -1, true, false},
      {{"1", "int"}, 0, 0, false, false},
      {{"2", "INT", "log"}, 5, -1, true, false},
      {{"2", "INT", "LOG"}, 5, -1, true, true},
      {{"3", "EMP01"}, 2, 0, false, false},
      {{"4"}, 3, 0, false, false},
      {{"5", "INT"}, 5, -1, true, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.args.join(u' ').toStdString());
    q7::ResetProgramEnd();
    Open(c.args);
    EXPECT_FALSE(q7::ProgramEndRequested());
    EXPECT_TRUE(messages.Messages().isEmpty());
    EXPECT_EQ(form->PControlModulos->currentIndex(), c.outerPage);
    EXPECT_EQ(Inner(), c.innerPage);
    EXPECT_EQ(form->IsInstallationRun(), c.installation);
    EXPECT_EQ(form->LogRequested(), c.log);
    EXPECT_EQ(form->size(), QSize(429, 468));
    EXPECT_EQ(form->windowTitle(), S("q7 Inicialización"));
    EXPECT_TRUE(form->RadioBP[3]->isChecked());
    EXPECT_FALSE(form->BAnterior032->isEnabled());
    EXPECT_TRUE(form->BCancelar002->isEnabled());
    for (int n = 1; n <= 6; ++n) EXPECT_EQ(form->RadioBP[n - 1]->pos(), QPoint(167, 51 * n));
    EXPECT_EQ(form->findChild<QLabel *>("LRif")->text(), S("R.I.F. :"));
    EXPECT_EQ(form->OvcAttachedLabel2->text(), S("Alicuota:"));
    EXPECT_EQ(form->OvcAttachedLabel4->text(), S("Alicuota:"));
  }
}

TEST_F(WizardTest, FirstArgumentThatIsNoModuleNumberEndsWithStatus64) {
  for (const char *arg : {"0", "6", "257", "-1", "abc", "1.5", " "}) {
    SCOPED_TRACE(arg);
    q7::ResetProgramEnd();
    messages.Clear();
    Open({QString::fromLatin1(arg)});
    ASSERT_EQ(messages.Messages().size(), 1);
    EXPECT_EQ(messages.Messages()[0].type, q7::MsgType::Error);
    EXPECT_EQ(messages.Messages()[0].buttons, unsigned(q7::MbOK));
    EXPECT_EQ(messages.Messages()[0].text, kInitError);
    EXPECT_TRUE(q7::ProgramEndRequested());
    EXPECT_EQ(q7::ProgramEndStatus(), q7::ExitBadModule);
    EXPECT_TRUE(AllTablesClosed());
  }
}

TEST_F(WizardTest, SalirEndsWithStatus0AndClosingWithStatus1) {
  Open({"4"});
  form->BSalir005Click();
  EXPECT_EQ(q7::ProgramEndStatus(), q7::ExitSaved);

  q7::ResetProgramEnd();
  Open({"4"});
  ShowActive();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }));
  EXPECT_TRUE(q7::ProgramEndRequested());
  EXPECT_EQ(q7::ProgramEndStatus(), q7::ExitLeft);
}

// Escape after a successful save leaves as "&Salir" does: the module is
// saved, and the status must say so to the installation scripts.
TEST_F(WizardTest, ClosingAfterTheSaveEndsWithStatus0) {
  FreshFolders();
  Open({"3"});
  ShowActive();
  form->BGrabar001Click();
  ASSERT_FALSE(form->PanelFinal->isHidden());
  ASSERT_FALSE(q7::ProgramEndRequested());
  QWidget *focused = QApplication::focusWidget();
  ASSERT_TRUE(focused);
  QTest::keyClick(focused, Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }));
  EXPECT_EQ(q7::ProgramEndStatus(), q7::ExitSaved);
}

TEST_F(WizardTest, TheModulesHeaderPictureIsInFront) {
  const char *headers[] = {"CabeceraAdministrativo", "CabeceraContabilidad", "CabeceraNomina",
                           "CabeceraAlimentoBebidas", "CabeceraHotel"};
  for (int module = 1; module <= 5; ++module) {
    Open({QString::number(module)});
    QWidget *front = form->PanelCabecera->childAt(200, 20);
    ASSERT_NE(front, nullptr);
    EXPECT_EQ(front->objectName(), QString::fromLatin1(headers[module - 1]));
  }
}

// ---- Loaded values -------------------------------------------------------------

TEST_F(WizardTest, AdministrativoLoadsTaxesAndProposesTheMonth) {
  Open({"1"});
  EXPECT_EQ(form->ModulePage, 0);
  EXPECT_EQ(form->FirstAdminPage, 0);
  EXPECT_EQ(form->ModuleName, S("Administrativo"));
  EXPECT_EQ(form->SettingsTable, S("ssistema.dat"));
  EXPECT_TRUE(form->DataFolder.startsWith(S("DataDemo/DATA"))) << form->DataFolder.toStdString();
  EXPECT_TRUE(form->DataFolder.endsWith(u'/'));
  EXPECT_EQ(form->ENombreImpuesto1->text(), S("I.V.A."));
  EXPECT_EQ(form->ENombreImpuesto2->text(), S("Impuesto al Lujo"));
  EXPECT_DOUBLE_EQ(form->EAlicuota1->InitText(), 16.0);
  EXPECT_DOUBLE_EQ(form->EAlicuotaDos->InitText(), 15.0);
  EXPECT_TRUE(form->CBActivo1->isChecked());
  EXPECT_FALSE(form->CBActivo2->isChecked());
  EXPECT_EQ(form->CBTipoImpuesto2->currentIndex(), 0);
  EXPECT_EQ(form->EFechaInicio->DateAsQDate(), QDate(2024, 4, 1));
  EXPECT_EQ(form->EFechaFinal->DateAsQDate(), QDate(2024, 4, 30));
  EXPECT_EQ(form->EDescripPeriodo->text(), S("Abril"));
  EXPECT_EQ(form->TodayYear, 2024);
  EXPECT_EQ(form->TodayMonth, 4);
  EXPECT_EQ(form->TodayDay, 15);
  // Not loaded: the page's own values.
  EXPECT_DOUBLE_EQ(form->EImpDebitoBancario->AsFloat(), 1.5);
  EXPECT_TRUE(form->CheckRellenarDepa->isChecked());
  EXPECT_FALSE(form->CheckDepartamentos->isChecked());
  EXPECT_TRUE(AllTablesClosed());
}

TEST_F(WizardTest, ProposedPeriodFollowsTheSystemDate) {
  struct Case {
    QDate today, start, end;
    const char *name;
  } const cases[] = {
      {QDate(2024, 2, 29), QDate(2024, 2, 1), QDate(2024, 2, 29), "Febrero"},
      {QDate(2023, 12, 31), QDate(2023, 12, 1), QDate(2023, 12, 31), "Diciembre"},
      {QDate(2025, 4, 1), QDate(2025, 4, 1), QDate(2025, 4, 30), "Abril"},
      // The last day of a real February, whatever the leap rule of DaysInMonth.
      {QDate(2100, 2, 10), QDate(2100, 2, 1), QDate(2100, 2, 28), "Febrero"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString());
    Tq7UpdateModuloForm::SetSystemDateForTests(c.today);
    Open({"1"});
    EXPECT_EQ(form->EFechaInicio->DateAsQDate(), c.start);
    EXPECT_EQ(form->EFechaFinal->DateAsQDate(), c.end);
    EXPECT_EQ(form->EDescripPeriodo->text(), S(c.name));
    EXPECT_FALSE(q7::ProgramEndRequested());
  }
}

TEST_F(WizardTest, ContabilidadReadsTheDemoPeriodsAndKeepsItsTablesOpen) {
  Open({"2", "EMP01"});
  EXPECT_EQ(form->ModuleName, S("Contabilidad"));
  EXPECT_EQ(form->DataFolder, S("DataSistema/"));
  EXPECT_EQ(form->SettingsTable, S("q7CEmpresas.dat"));
  EXPECT_EQ(form->EAnoPeriodo->AsInteger(), 2024);
  EXPECT_FALSE(form->CabeceraContabilidad->isHidden());
  // The sample's "DEMO" company keeps calendar periods of 2024.
  EXPECT_EQ(form->PeriodsImage.Year(0), 2024);
  EXPECT_EQ(form->PeriodsImage.FirstDate(0), QDate(2024, 1, 1));
  EXPECT_TRUE(form->Tables->TbEmpresaCont.IsOpen());
  EXPECT_EQ(form->Tables->TbEmpresaCont.AsText("CODIGO"), S("DEMO"));
  EXPECT_TRUE(form->Tables->TbIPC.IsOpen());
  EXPECT_FALSE(form->Tables->Tabla.IsOpen());
  EXPECT_TRUE(messages.Messages().isEmpty());
}

TEST_F(WizardTest, NominaShowsTheYearAndCanBeFinishedAtOnce) {
  Open({"3"});
  EXPECT_EQ(form->ModuleName, S("Nómina"));
  EXPECT_EQ(form->EAnoNomina->AsInteger(), 2024);
  EXPECT_EQ(form->DataFolder, S("DataSistema/"));
  EXPECT_EQ(form->Tables->Tabla.TableName(), S("q7Nominas.dat"));
  EXPECT_EQ(Focused(), S("EAnoNomina"));
  EXPECT_EQ(Buttons(), "asF");
  form->BSiguiente033Click();
  EXPECT_EQ(Inner(), 0);
  EXPECT_EQ(Buttons(), "asF");
  EXPECT_TRUE(AllTablesClosed());
}

TEST_F(WizardTest, AlimentosLoadsServicesCodeOptionsAndCaptions) {
  Open({"4"});
  EXPECT_EQ(form->ModuleName, S("Alimentos && Bebidas"));
  EXPECT_EQ(form->DataFolder, S("EMPRE002/DATA/"));
  EXPECT_EQ(form->LMensaje->text(), S("Se guardaron los datos exitosamente, ya puede inicializar el") +
                                        QString(29, u' ') + S("Módulo"));
  EXPECT_EQ(form->ENomServMesa->text(), S("Servicio de Mesa"));
  EXPECT_EQ(form->ENomCargxEnv->text(), S("Cargo por Envío"));
  EXPECT_DOUBLE_EQ(form->EAlicuotaServMesa->InitText(), 10.0);
  EXPECT_DOUBLE_EQ(form->EAlicuotaCargxEnv->InitText(), 5.0);
  EXPECT_TRUE(form->CheckBServ1->isChecked());
  EXPECT_FALSE(form->CheckBServ2->isChecked());
  // FCO_AUTOCODE: Familias, SubFamilias, Productos (and a bit the wizard does
  // not know); FCO_AUTOFILL: Familias only, so the designed "on" goes.
  const bool code[9] = {true, true, false, false, false, false, true, false, false};
  for (int k = 0; k < 9; ++k) {
    EXPECT_EQ(form->chkCodigo[k]->isChecked(), code[k]) << "chkCodigo" << k + 1;
    EXPECT_EQ(form->CheckRellenarF[k]->isChecked(), k == 0) << "CheckRellenarF" << k + 1;
    EXPECT_EQ(form->CheckRellenarF[k]->text(), S("Rellenar código automáticamente"));
  }
  EXPECT_EQ(form->chkCodigo[4]->text(), S("Áreas de P&reparación"));
  EXPECT_EQ(form->findChild<QLabel *>("LFoodPeriodoI")->text(), S("Fecha Inicio"));
  EXPECT_EQ(form->findChild<QLabel *>("LAlicuotaServ2")->text(), S("Alicuota"));
  EXPECT_EQ(form->GBServicioF->title(), S(" Servicio de Mesas "));
  EXPECT_EQ(form->CheckBServ2->text(), S("Activo"));
  EXPECT_EQ(form->EFechaIniFood->DateAsQDate(), QDate(2024, 4, 1));
  EXPECT_EQ(form->EFechaFinalFood->DateAsQDate(), QDate(2024, 4, 30));
  EXPECT_EQ(form->EDescripPFood->text(), S("Abril"));
  EXPECT_TRUE(AllTablesClosed());
}

TEST_F(WizardTest, HoteleriaTakesItsFolderBesideTheProgram) {
  Open({"5"});
  EXPECT_EQ(form->ModuleName, S("Hotelería"));
  EXPECT_EQ(QDir::cleanPath(form->DataFolder), QDir::cleanPath(program + S("/EMPRE003/DATA")));
  EXPECT_EQ(form->Tables->Tabla.TableName(), S("q7Config.dat"));
  EXPECT_EQ(form->EFechaIniHotel->DateAsQDate(), QDate(2024, 4, 1));
  EXPECT_EQ(form->EFechaHastaHotel->DateAsQDate(), QDate(2024, 4, 30));
  EXPECT_EQ(form->EFechaActualHotel->DateAsQDate(), QDate(2024, 4, 15));
  EXPECT_EQ(form->EDescripcionPeriodoHotel->text(), S("Abril"));
  // Nothing is read: the designed states stay although the table holds others.
  EXPECT_TRUE(form->CheckTipoHab->isChecked());
  EXPECT_FALSE(form->CheckHabita->isChecked());
  EXPECT_TRUE(AllTablesClosed());
}

// ---- Walks -----------------------------------------------------------------------

TEST_F(WizardTest, AdministrativoWalkForwardAndBack) {
  Open({"1", "EMP01"});
  ShowActive();
  EXPECT_EQ(Focused(), S("ENitEmpre"));
  EXPECT_EQ(Buttons(), "aSf");
  struct Step {
    bool forward;
    int page;
    const char *buttons;
    const char *focus;
  } const steps[] = {
      {true, 1, "ASf", "EDirPostalEmpre"}, {true, 2, "ASf", "EFechaInicio"},
      // No focus of its own on the last page: the focus leaves the hidden page
      // for the first field of the new one.
      {true, 3, "ASf", "ENombreImpuesto1"}, {true, 4, "AsF", "CheckDepartamentos"},
      {false, 3, "ASf", "ENombreImpuesto1"}, {false, 2, "ASf", "EFechaInicio"},
      {false, 1, "ASf", "EDirPostalEmpre"}, {false, 0, "aSf", "ENitEmpre"},
  };
  for (const Step &s : steps) {
    if (s.forward) form->BSiguiente033Click();
    else form->BAnterior032Click();
    EXPECT_EQ(Inner(), s.page);
    EXPECT_EQ(Buttons(), s.buttons) << "page " << s.page;
    EXPECT_EQ(Focused(), S(s.focus)) << "page " << s.page;
  }
}

TEST_F(WizardTest, AdministrativoDemoStartsOnThePeriodPage) {
  Open({"1", "Demo"});
  EXPECT_EQ(form->FirstAdminPage, 2);
  EXPECT_EQ(Inner(), 2);
  EXPECT_FALSE(form->PageControlAdministrativo->isTabVisible(0));
  EXPECT_FALSE(form->PageControlAdministrativo->isTabVisible(1));
  EXPECT_EQ(Buttons(), "aSf");
  form->BSiguiente033Click();
  EXPECT_EQ(Inner(), 3);
  EXPECT_EQ(Buttons(), "ASf");
  form->BSiguiente033Click();
  EXPECT_EQ(Inner(), 4);
  EXPECT_EQ(Buttons(), "AsF");
  form->BAnterior032Click();
  form->BAnterior032Click();
  EXPECT_EQ(Inner(), 2);
  EXPECT_EQ(Buttons(), "aSf");
}

TEST_F(WizardTest, ContabilidadReachesThePriceIndexPage) {
  Open({"2"});
  EXPECT_EQ(Focused(), S("EAnoPeriodo"));
  form->BSiguiente033Click();
  EXPECT_EQ(Inner(), 1);
  EXPECT_EQ(Buttons(), "AsF");
  EXPECT_TRUE(form->BIncluir009->isEnabled());
  // The table stands on its latest year; LastIndexYear is what EAno shows.
  EXPECT_EQ(form->Tables->TbIPC.AsInteger("ANO"), 2024);
  EXPECT_EQ(form->LastIndexYear, QString::number(form->EAno->AsInteger()));
  form->BAnterior032Click();
  EXPECT_EQ(Inner(), 0);
  EXPECT_EQ(Buttons(), "aSf");
  EXPECT_EQ(Focused(), S("EAnoPeriodo"));
}

TEST_F(WizardTest, FoodAndHotelReachTheirCodePages) {
  struct Case {
    const char *module;
    const char *firstFocus;
    const char *codeFocus;
  } const cases[] = {{"4", "EFechaIniFood", "chkCodigo1"},
                     {"5", "EDescripcionPeriodoHotel", "CheckTemporada"}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.module);
    Open({QString::fromLatin1(c.module)});
    ShowActive();
    EXPECT_EQ(Focused(), S(c.firstFocus));
    form->BSiguiente033Click();
    EXPECT_EQ(Inner(), 1);
    EXPECT_EQ(Buttons(), "AsF");
    EXPECT_EQ(Focused(), S(c.codeFocus));
    form->BAnterior032Click();
    EXPECT_EQ(Inner(), 0);
    EXPECT_EQ(Buttons(), "aSf");
    EXPECT_EQ(Focused(), S(c.firstFocus));
  }
}

TEST_F(WizardTest, InstallationRunGoesBackToTheCountryPage) {
  Open({"3", "INT"});
  EXPECT_EQ(form->PControlModulos->currentIndex(), 5);
  EXPECT_EQ(Buttons(), "aSf");
  // As the country step leaves a single-page module.
  form->PControlModulos->setCurrentIndex(form->ModulePage);
  form->BAnterior032->setEnabled(true);
  form->BSiguiente033->setEnabled(false);
  form->BGrabar001->show();
  form->setWindowTitle(S("q7 Inicialización - Panama"));
  form->BAnterior032Click();
  EXPECT_EQ(form->PControlModulos->currentIndex(), 5);
  EXPECT_EQ(Buttons(), "aSf");
  EXPECT_EQ(form->windowTitle(), S("q7 Inicialización"));
}

TEST_F(WizardTest, AcceleratorOfSiguienteMovesThePage) {
  Open({"4"});
  ShowActive();
  QTest::keyClick(form.get(), Qt::Key_S, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return Inner() == 1; }));
  EXPECT_EQ(Inner(), 1);
}

// The hidden page controls take no focus: Tab from the last button comes round
// to the page's first field, Shift+Tab from that field goes to the last button.
TEST_F(WizardTest, TabComesRoundFromTheButtonsToThePage) {
  struct Case {
    const char *module;
    const char *firstField;
  } const cases[] = {{"1", "ENitEmpre"},      {"2", "EAnoPeriodo"},
                     {"3", "EAnoNomina"},     {"4", "EFechaIniFood"},
                     {"5", "EDescripcionPeriodoHotel"}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.module);
    Open({QString::fromLatin1(c.module)});
    ShowActive();
    ASSERT_EQ(Focused(), S(c.firstField));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(Focused(), S("BCancelar002"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(Focused(), S(c.firstField));
  }
}

// ---- Cancel ---------------------------------------------------------------------

TEST_F(WizardTest, CancelAsksWithTheModuleNameAndClosesOnYes) {
  Open({"4"});
  ShowActive();
  messages.Answer(q7::MbYes);
  form->BCancelar002Click();
  ASSERT_EQ(messages.Messages().size(), 1);
  const auto &m = messages.Messages()[0];
  EXPECT_EQ(m.type, q7::MsgType::Confirmation);
  EXPECT_EQ(m.buttons, unsigned(q7::MbYes | q7::MbNo));
  EXPECT_EQ(m.text, S("Si cancela la aplicación no se actualizará el Módulo Alimentos && Bebidas. "
                      "¿Desea cancelar la aplicación?"));
  // What the box shows.
  EXPECT_EQ(q7::DisplayText(m.text),
            S("Si cancela la aplicación no se actualizará el Módulo Alimentos & Bebidas. "
              "¿Desea cancelar la aplicación?"));
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(q7::ProgramEndStatus(), q7::ExitLeft);
}

TEST_F(WizardTest, CancelAnsweredNoKeepsEverything) {
  Open({"2"});
  ShowActive();
  form->BSiguiente033Click();
  messages.Answer(q7::MbNo);
  form->BCancelar002Click();
  EXPECT_EQ(messages.Texts(),
            QStringList{S("Si cancela la aplicación no se actualizará el Módulo Contabilidad. "
                          "¿Desea cancelar la aplicación?")});
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(q7::ProgramEndRequested());
  EXPECT_EQ(Inner(), 1);
  EXPECT_EQ(form->EAnoPeriodo->AsInteger(), 2024);
}

// ---- Hotel current date, drop-down boxes ------------------------------------------

TEST_F(WizardTest, HotelCurrentDateMustLieInThePeriod) {
  struct Case {
    QDate current;
    bool accepted;
  } const cases[] = {
      {QDate(2024, 4, 1), true},   {QDate(2024, 4, 30), true}, {QDate(2024, 4, 15), true},
      {QDate(2024, 3, 31), false}, {QDate(2024, 5, 1), false},
  };
  Open({"5"});
  ShowActive();
  for (const Case &c : cases) {
    SCOPED_TRACE(c.current.toString(Qt::ISODate).toStdString());
    form->EFechaActualHotel->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->EFechaActualHotel->hasFocus(); }));
    form->EFechaActualHotel->SetQDate(c.current);
    form->EFechaIniHotel->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(form->EFechaActualHotel->hasFocus(), !c.accepted);
    EXPECT_EQ(form->EFechaActualHotel->DateAsQDate(), c.current);
  }
  EXPECT_TRUE(messages.Messages().isEmpty());
}

TEST_F(WizardTest, TypingIntoTheDropDownBoxesChangesNothing) {
  Open({"1", "INT"});
  QTest::keyClicks(form->CBTipoImpuesto2, QStringLiteral("Al"));
  EXPECT_EQ(form->CBTipoImpuesto2->currentIndex(), 0);
  QTest::keyClicks(form->ComboPaises, QStringLiteral("Co"));
  EXPECT_EQ(form->ComboPaises->currentIndex(), -1);
  QChar key(u'x');
  form->DBComboImpuesto2KeyPress(key);
  EXPECT_TRUE(key.isNull());
}

// ---- Preparation failures ---------------------------------------------------------

TEST_F(WizardTest, PreparationFailuresEndTheProgram) {
  struct Case {
    const char *name;
    QStringList args;
    std::function<void(WizardTest &)> breakIt;
    QString message;
  };
  const Case cases[] = {
      {"company list missing", {"1"}, [](WizardTest &t) { QFile::remove(t.work + "/sempresas.dat"); },
       kInitError},
      {"administrative settings missing", {"1", "DEMO"},
       [](WizardTest &t) { QFile::remove(t.work + "/DataDemo/DATA/ssistema.dat"); }, kInitError},
      {"settings field missing", {"1"},
       [](WizardTest &t) {
         t.Sql("DataDemo/DATA/ssistema.dat", "ALTER TABLE ssistema DROP COLUMN MODO_IVA");
       },
       kInitError},
      {"food settings missing", {"4"},
       [](WizardTest &t) { QFile::remove(t.work + "/EMPRE002/DATA/q7Config.dat"); }, kInitError},
      {"price-index table missing", {"2"},
       [](WizardTest &t) { QFile::remove(t.work + "/DataSistema/q7CIndPrec.dat"); }, kInitError},
      {"accounting companies missing", {"2"},
       [](WizardTest &t) { QFile::remove(t.work + "/DataSistema/q7CEmpresas.dat"); }, kInitError},
      {"no company DEMO", {"2"},
       [](WizardTest &t) {
         t.Sql("DataSistema/q7CEmpresas.dat", "DELETE FROM q7CEmpresas WHERE CODIGO = 'DEMO'");
       },
       S("No existe empresa DEMO en esta contabilidad.")},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    FreshFolders();
    c.breakIt(*this);
    Open(c.args);
    ASSERT_EQ(messages.Messages().size(), 1);
    EXPECT_EQ(messages.Messages()[0].type, q7::MsgType::Error);
    EXPECT_EQ(messages.Messages()[0].buttons, unsigned(q7::MbOK));
    EXPECT_EQ(messages.Messages()[0].text, c.message);
    EXPECT_TRUE(q7::ProgramEndRequested());
    EXPECT_EQ(q7::ProgramEndStatus(), q7::ExitFailed);
    EXPECT_TRUE(AllTablesClosed());
  }
}

TEST_F(WizardTest, UnreadablePeriodsAreReportedAndThePreparationGoesOn) {
  FreshFolders();
  Sql("DataSistema/q7CEmpresas.dat", "ALTER TABLE q7CEmpresas DROP COLUMN PERIODOS");
  Open({"2"});
  EXPECT_EQ(messages.Texts(),
            QStringList{S("Problemas durante la lectura de los períodos del ejercicio.")});
  EXPECT_FALSE(q7::ProgramEndRequested());
  EXPECT_EQ(form->PeriodsImage.Year(0), 0);
  EXPECT_TRUE(form->Tables->TbEmpresaCont.IsOpen());
  EXPECT_TRUE(form->Tables->TbIPC.IsOpen());
}

// ---- Date helpers -------------------------------------------------------------------

TEST(WizardDates, DaysInMonth) {
  struct Case {
    int month, year, days;
  } const cases[] = {
      {1, 2023, 31}, {2, 2023, 28}, {2, 2024, 29}, {2, 2100, 29}, {2, 1900, 29}, {3, 2023, 31},
      {4, 2023, 30}, {5, 2023, 31}, {6, 2023, 30}, {7, 2023, 31}, {8, 2023, 31}, {9, 2023, 30},
      {10, 2023, 31}, {11, 2023, 30}, {12, 2023, 31}, {0, 2024, 31}, {13, 2024, 31},
  };
  for (const Case &c : cases)
    EXPECT_EQ(Tq7UpdateModuloForm::DaysInMonth(c.month, c.year), c.days)
        << c.month << "/" << c.year;
}

TEST(WizardDates, MonthNamesAndEnableUnlessAt) {
  EXPECT_EQ(Tq7UpdateModuloForm::MonthNames(1), S("Enero"));
  EXPECT_EQ(Tq7UpdateModuloForm::MonthNames(4), S("Abril"));
  EXPECT_EQ(Tq7UpdateModuloForm::MonthNames(12), S("Diciembre"));
  QPushButton button;
  Tq7UpdateModuloForm::EnableUnlessAt(4, 4, &button);
  EXPECT_FALSE(button.isEnabled());
  Tq7UpdateModuloForm::EnableUnlessAt(3, 4, &button);
  EXPECT_TRUE(button.isEnabled());
  // Compared as 8-bit values: 260 is 4.
  Tq7UpdateModuloForm::EnableUnlessAt(static_cast<std::uint8_t>(260), 4, &button);
  EXPECT_FALSE(button.isEnabled());
}

}  // namespace

namespace {

// Pictures of each prepared module's first pages for a person to look at
// (not a check); written only when Q7_SCREENSHOT_DIR is set.
TEST_F(WizardTest, ScreenshotsOfPreparedModules) {
  const QString out = qEnvironmentVariable("Q7_SCREENSHOT_DIR");
  if (out.isEmpty()) GTEST_SKIP() << "Q7_SCREENSHOT_DIR not set";
  QDir().mkpath(out);
  for (int module = 1; module <= 5; ++module) {
    Open({QString::number(module)});
    ShowActive();
    for (int page = 0; page < 2; ++page) {
      QApplication::processEvents();
      form->grab().save(QStringLiteral("%1/module%2_%3.png").arg(out).arg(module).arg(page));
      if (form->BSiguiente033->isEnabled()) form->BSiguiente033Click();
    }
  }
}

}  // namespace
