// The wizard window as built from its catalogue: names, kinds, captions,
// hints, limits and initial values, before any module is prepared. With
// Q7_SCREENSHOT_DIR set, every page is also saved there as a picture.
#include "controls/MemoTarvo.h"
#include "controls/ProgramEnd.h"
#include "controls/TarvoDateEdit.h"
#include "controls/TarvoEdit.h"
#include "controls/TarvoNumberEdit.h"
#include "resources/DataModuleMenus.h"
#include "support/MessageRecorder.h"
#include "wizard/q7UpdateModulo.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

namespace {

QString S(const char *utf8) { return QString::fromUtf8(utf8); }

class WizardCatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    q7::ResetProgramEnd();
    // No first argument: the window is built and its creation walk runs, but
    // no module is prepared.
    form = std::make_unique<Tq7UpdateModuloForm>(QStringList{});
  }
  void TearDown() override {
    form.reset();
    q7::ResetProgramEnd();
  }

  template <class T>
  T *Find(const char *name) {
    T *w = form->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  TMenuDataModule menus;  // before the window, as the program creates it
  q7test::MessageRecorder messages;
  std::unique_ptr<Tq7UpdateModuloForm> form;
};

TEST_F(WizardCatalogueTest, WithoutFirstArgumentTheProgramEndsWithoutMessage) {
  EXPECT_TRUE(q7::ProgramEndRequested());
  EXPECT_EQ(q7::ProgramEndStatus(), q7::ExitSaved);
  EXPECT_TRUE(messages.Messages().isEmpty());
}

TEST_F(WizardCatalogueTest, EveryCatalogueNameIsAControlOfItsKind) {
  struct Case {
    const char *kind;
    std::vector<const char *> names;
  };
  const Case cases[] = {
      {"TTarvoEdit",
       {"ENitEmpre", "ERifEmpre", "ERepreEmpre", "ERifRepreEmpre", "ETelefEmpre", "EFaxEmpre",
        "EEmailEmpre", "EWebEmpre", "EDescripPeriodo", "ENombreImpuesto1", "ENombreImpuesto2",
        "EDescripPFood", "ENomServMesa", "ENomCargxEnv", "EDescripcionPeriodoHotel"}},
      {"TMemoTarvo", {"EDirEmpre", "EDirPostalEmpre"}},
      {"TTarvoDateEdit",
       {"EFechaInicio", "EFechaFinal", "EFechaIniFood", "EFechaFinalFood", "EFechaIniHotel",
        "EFechaHastaHotel", "EFechaActualHotel"}},
      {"TTarvoNumberEdit",
       {"EAlicuota1", "EAlicuotaDos", "EImpDebitoBancario", "EAnoPeriodo", "EAno", "EIndice1",
        "EIndice12", "EAnoNomina", "EAlicuotaServMesa", "EAlicuotaCargxEnv"}},
      {"QComboBox", {"CBTipoImpuesto2", "ComboPaises"}},
      {"QTabWidget",
       {"PControlModulos", "PageControlAdministrativo", "PageControContabilidad",
        "PageControlNomina", "PageControlFood", "PageControlHotel"}},
      {"QPushButton", {"BAnterior032", "BSiguiente033", "BCancelar002", "BGrabar001", "BSalir005"}},
      {"QToolButton", {"BAnterior2032", "BSiguiente2033", "TBCancelar", "BIncluir009", "ToolButton5"}},
      {"QRadioButton", {"RadioBP1", "RadioBP6"}},
      {"TShape", {"Shape32", "Shape33"}},
      {"QLabel",
       {"CabeceraAdministrativo", "CabeceraContabilidad", "CabeceraNomina",
        "CabeceraAlimentoBebidas", "CabeceraHotel", "LMensaje", "Image1", "PanelMensaje",
        "LDatosEmpre", "LNit", "LRif", "LRifRepresentante", "OvcAttachedLabel2",
        "OvcAttachedLabel4", "Label11", "LFoodPeriodoI", "LNombreServ2", "LAlicuotaServ1"}},
      {"QGroupBox",
       {"GBDatosEmp1", "GBDatosEmp", "GroupBox2", "GroupBox3", "GroupBox4", "GroupBox1",
        "GroupBox8", "GroupBox9", "GrFechaEjer", "GrIPC", "GroupBox12", "GBGeneralFood",
        "GBPeriodoF", "GBServicioF", "GBServicio2F", "GBCodigoAutoF", "GroupBox18", "GroupBox17",
        "GroupBox15", "GroupBox19", "GroupBox10"}},
      {"QCheckBox",
       {"CheckBContribuyenteEsp", "CBActivo1", "CBActivo2", "CheckDepartamentos",
        "CheckRellenarBene", "chkCodigo9", "CheckRellenarF9", "CheckBServ1", "CheckTemporada",
        "CheckEmpleadoRellanar", "CheckTareasRellenar"}},
  };
  for (const Case &c : cases)
    for (const char *name : c.names) {
      QObject *o = form->findChild<QObject *>(QString::fromLatin1(name));
      ASSERT_NE(o, nullptr) << name;
      EXPECT_TRUE(o->inherits(c.kind)) << name << " is not a " << c.kind;
    }
}

TEST_F(WizardCatalogueTest, PagesOfEachPageControlInIndexOrder) {
  struct Case {
    const char *control;
    std::vector<const char *> pages;
  } const cases[] = {
      {"PControlModulos",
       {"TabSAdministrativo", "TabSContabilidad", "TabSNomina", "TabSFood", "TabHotel", "TabSPaises"}},
      {"PageControlAdministrativo", {"TabSheet1", "TabSheet5", "TabSheet2", "TabSheet6", "TabSheet7"}},
      {"PageControContabilidad", {"TabSheet3", "TabSheet4"}},
      {"PageControlNomina", {"TabSheet8"}},
      {"PageControlFood", {"TabSheet9", "TabSheet10"}},
      {"PageControlHotel", {"TabFecha", "TabCodigosAut"}},
  };
  for (const Case &c : cases) {
    auto *pages = Find<QTabWidget>(c.control);
    ASSERT_EQ(pages->count(), int(c.pages.size())) << c.control;
    for (int i = 0; i < pages->count(); ++i)
      EXPECT_EQ(pages->widget(i)->objectName(), QString::fromLatin1(c.pages[i])) << c.control;
    EXPECT_EQ(pages->currentIndex(), 0) << c.control;
  }
}

TEST_F(WizardCatalogueTest, DesignStateOfButtonsPanelsAndCountry) {
  EXPECT_FALSE(form->BAnterior032->isEnabled());
  EXPECT_TRUE(form->BSiguiente033->isEnabled());
  EXPECT_TRUE(form->BCancelar002->isEnabled());
  EXPECT_TRUE(form->BGrabar001->isHidden());
  EXPECT_TRUE(form->PanelFinal->isHidden());
  EXPECT_TRUE(form->PanelMensaje->isHidden());
  EXPECT_EQ(form->PanelMensaje->text(), S("Espere guardando...."));
  EXPECT_EQ(form->PanelMensaje->size(), QSize(185, 41));
  EXPECT_TRUE(form->CabeceraContabilidad->isHidden());
  EXPECT_TRUE(form->RadioBP[3]->isChecked());
  EXPECT_EQ(form->ComboPaises->currentIndex(), -1);
  EXPECT_EQ(form->ComboPaises->count(), 6);
  EXPECT_TRUE(form->GroupBox19->isHidden());
  EXPECT_EQ(form->LMensaje->text(), S("Se guardaron los datos exitosamente, ya puede inicializar el") +
                                        QString(34, u' ') + S("Módulo"));
  EXPECT_EQ(form->windowTitle(), S("q7 Inicialización"));

  const char *buttons[][2] = {{"BAnterior032", "&Anterior"}, {"BSiguiente033", "&Siguiente"},
                              {"BCancelar002", "&Cancelar"}, {"BGrabar001", "&Finalizar"},
                              {"BSalir005", "&Salir"}};
  for (auto &b : buttons) EXPECT_EQ(Find<QPushButton>(b[0])->text(), S(b[1]));
}

TEST_F(WizardCatalogueTest, HintsAreQuotedExactlyWithTheirTrailingBlanks) {
  const char *hints[][2] = {
      {"EFechaInicio", "Indique la fecha inicio período en curso"},
      {"EDescripPeriodo", "Indique la descripcion del período, por ejemplo : 'Enero'"},
      {"ENombreImpuesto1", "Indique el nombre del impuesto"},
      {"ENombreImpuesto2", "Indique el nombre del impuesto "},
      {"EAlicuota1", "Indique la alicuota del impuesto"},
      {"EAlicuotaDos", "Indique la alicuota del impuesto "},
      {"CBActivo1", "Status del impuesto "},
      {"CBActivo2", "Status del impuesto"},
      {"CBTipoImpuesto2", "Indique el tipo de impuesto"},
      {"CheckBServ2", "Status del impuesto "},
      {"EFechaActualHotel", "Indique la fecha final período en curso"},
      {"BIncluir009", "Incluir"},
      {"ToolButton5", "Guardar"},
  };
  for (auto &h : hints) EXPECT_EQ(Find<QWidget>(h[0])->toolTip(), S(h[1])) << h[0];
  EXPECT_TRUE(Find<QWidget>("EImpDebitoBancario")->toolTip().isEmpty());
}

TEST_F(WizardCatalogueTest, NumericFieldLimitsAndInitialValues) {
  struct Case {
    const char *name;
    TTarvoNumberEdit::TDato tipo;
    double minValor, maxValor;
    int decimales;
    TTarvoNumberEdit::TPorcent porcent;
    bool hideSeparator, showButton;
  } const cases[] = {
      {"EAlicuota1", TTarvoNumberEdit::Reales, 0, 100, 2, TTarvoNumberEdit::Porcentaje, false, false},
      {"EAlicuotaDos", TTarvoNumberEdit::Reales, 0, 100, 2, TTarvoNumberEdit::Porcentaje, false, false},
      {"EImpDebitoBancario", TTarvoNumberEdit::Reales, 0, 100, 2, TTarvoNumberEdit::Porcentaje, false, true},
      {"EAnoPeriodo", TTarvoNumberEdit::Entero, 0, 9999, 0, TTarvoNumberEdit::Numero, true, false},
      {"EAno", TTarvoNumberEdit::Entero, 0, 9999, 0, TTarvoNumberEdit::Numero, true, false},
      // Designed with five decimals; the base form imposes two.
      {"EIndice7", TTarvoNumberEdit::Reales, 0, 9999999999999.99, 2, TTarvoNumberEdit::Numero, false, false},
      {"EAnoNomina", TTarvoNumberEdit::Entero, 1900, 9999, 0, TTarvoNumberEdit::Numero, true, false},
      {"EAlicuotaCargxEnv", TTarvoNumberEdit::Reales, 0, 100, 2, TTarvoNumberEdit::Porcentaje, false, false},
  };
  for (const Case &c : cases) {
    auto *f = Find<TTarvoNumberEdit>(c.name);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->TipoDato(), c.tipo) << c.name;
    EXPECT_EQ(f->MinValor(), c.minValor) << c.name;
    EXPECT_EQ(f->MaxValor(), c.maxValor) << c.name;
    EXPECT_EQ(f->Decimales(), c.decimales) << c.name;
    EXPECT_EQ(f->Porcent(), c.porcent) << c.name;
    EXPECT_EQ(f->HideSeparator(), c.hideSeparator) << c.name;
    EXPECT_EQ(f->ShowButton(), c.showButton) << c.name;
    EXPECT_FALSE(f->NNegative()) << c.name;
  }
  EXPECT_EQ(form->EAnoNomina->AsInteger(), 1900);
  EXPECT_EQ(form->EAnoNomina->ActValor(), 1900);
  EXPECT_DOUBLE_EQ(form->EImpDebitoBancario->AsFloat(), 1.5);
  EXPECT_TRUE(form->EAno->isReadOnly());
}

TEST_F(WizardCatalogueTest, DateTextAndMemoSettings) {
  for (const char *name : {"EFechaInicio", "EFechaFinalFood", "EFechaActualHotel"}) {
    auto *f = Find<TTarvoDateEdit>(name);
    EXPECT_TRUE(f->ForceCentury()) << name;
    EXPECT_EQ(f->Epoch(), 0) << name;
    EXPECT_FALSE(f->AllowBlank()) << name;
    EXPECT_EQ(f->TodayString(), S("-")) << name;
    EXPECT_TRUE(f->ShowButton()) << name;
    EXPECT_FALSE(f->DropDownDate()) << name;
  }
  for (const char *name : {"EDirEmpre", "EDirPostalEmpre"})
    EXPECT_EQ(Find<TMemoTarvo>(name)->MaxLineas(), 3) << name;
  auto *t = Find<TTarvoEdit>("EWebEmpre");
  EXPECT_EQ(t->TipoEdicion(), TTarvoEdit::Simple);
  EXPECT_EQ(t->MaxLength(), 0);
  EXPECT_FALSE(t->FillCero());
}

TEST_F(WizardCatalogueTest, CheckBoxCaptionsAndInitialStates) {
  struct Case {
    const char *name;
    const char *caption;
    bool on;
  } const cases[] = {
      {"CheckBContribuyenteEsp", "Contribuyente Especial", false},
      {"CBActivo1", "Activo :", false},
      {"CheckDepartamentos", "Departamentos :", false},
      {"CheckRellenarDepa", "Rellenar Código automáticamente :", true},
      {"CheckBeneficiarios", "Beneficiarios :", false},
      {"chkCodigo5", "Áreas de Preparación", false},
      {"CheckRellenarF1", "Rellenar Código automáticamente", true},
      {"CheckRellenarF2", "Rellenar Código automáticamente", true},
      {"CheckRellenarF3", "Rellenar Código automáticamente :", true},
      {"chkCodigo9", "Configuración de Pantallas", false},
      {"CheckTemporada", "Temporada :", true},
      {"CheckHabita", "Habitaciones :", false},
      {"CheckHabitaRellenar", "Rellenar Código automáticamente :", false},
      {"CheckCaracHabita", "Características de Habitación :", true},
      {"CheckEmpleadoRellanar", "Rellenar Código automáticamente :", true},
  };
  for (const Case &c : cases) {
    auto *box = Find<QCheckBox>(c.name);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text(), S(c.caption)) << c.name;
    EXPECT_EQ(box->isChecked(), c.on) << c.name;
  }
}

// The focus chain of the food code page follows its designed tab order: the
// fill boxes of rows 8 down to 1, the record boxes 1 to 9, the fill box 9.
TEST_F(WizardCatalogueTest, FoodCodePageTabOrder) {
  QStringList expected;
  for (int row = 8; row >= 1; --row) expected << QStringLiteral("CheckRellenarF%1").arg(row);
  for (int row = 1; row <= 9; ++row) expected << QStringLiteral("chkCodigo%1").arg(row);
  expected << QStringLiteral("CheckRellenarF9");
  QStringList chain;
  QWidget *w = form->CheckRellenarF[7];
  for (int i = 0; i < expected.size(); ++i) {
    chain << w->objectName();
    do w = w->nextInFocusChain();
    while (!w->inherits("QCheckBox"));
  }
  EXPECT_EQ(chain, expected);
}

TEST_F(WizardCatalogueTest, CountryButtonsOnePerCountryOneUnderTheOther) {
  const char *countries[] = {"Colombia", "Aruba", "Honduras", "Panama", "Costa Rica", "Nicaragua"};
  for (int n = 1; n <= 6; ++n) {
    QRadioButton *radio = form->RadioBP[n - 1];
    EXPECT_EQ(radio->objectName(), QStringLiteral("RadioBP%1").arg(n));
    EXPECT_EQ(radio->text(), S(countries[n - 1]));
    EXPECT_EQ(form->ComboPaises->itemText(n - 1), S(countries[n - 1]));
    EXPECT_EQ(radio->property("Tag").toInt(), n);
  }
}

// Pictures of every page for a person to look at (not a check).
TEST_F(WizardCatalogueTest, ScreenshotsOfEveryPage) {
  const QString dir = qEnvironmentVariable("Q7_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "Q7_SCREENSHOT_DIR not set";
  QDir().mkpath(dir);
  form = std::make_unique<Tq7UpdateModuloForm>(QStringList{});
  form->setFixedSize(429, 468);
  form->BGrabar001->show();
  form->show();
  int shot = 0;
  for (int outer = 0; outer < form->PControlModulos->count(); ++outer) {
    form->PControlModulos->setCurrentIndex(outer);
    auto *inner = qobject_cast<QTabWidget *>(
        form->PControlModulos->widget(outer)->findChild<QTabWidget *>());
    const int pages = inner ? inner->count() : 1;
    for (int i = 0; i < pages; ++i) {
      if (inner) inner->setCurrentIndex(i);
      QApplication::processEvents();
      form->grab().save(QStringLiteral("%1/page%2_%3.png").arg(dir).arg(outer).arg(i));
      ++shot;
    }
  }
  form->PanelFinal->show();
  form->PanelFinal->raise();
  form->PanelMensaje->show();
  form->PanelMensaje->raise();
  QApplication::processEvents();
  form->grab().save(dir + QStringLiteral("/final.png"));
  EXPECT_GT(shot, 0);
  // All pictures side by side, four to a row.
  QStringList files = QDir(dir).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
  files.removeAll(QStringLiteral("all.png"));
  QImage all(4 * 429, ((files.size() + 3) / 4) * 468, QImage::Format_RGB32);
  all.fill(Qt::black);
  QPainter painter(&all);
  for (int i = 0; i < files.size(); ++i)
    painter.drawImage((i % 4) * 429, (i / 4) * 468, QImage(dir + u'/' + files[i]));
  painter.end();
  all.save(dir + QStringLiteral("/all.png"));
}

}  // namespace
