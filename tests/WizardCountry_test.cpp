// The country page of an installation run through the window, in a sample
// working folder: the fiscal identities a template names, a missing country
// folder, changing the country, the Nómina buttons, the accounting periods
// and food settings a country brings, and the deployment on saving.
#include "controls/ProgramEnd.h"
#include "controls/TarvoEdit.h"
#include "controls/TarvoNumberEdit.h"
#include "store/Paths.h"
#include "store/Sqlite.h"
#include "support/WizardFixture.h"
#include "tools/SampleData.h"
#include "wizard/WizardTables.h"
#include "wizard/q7UpdateModulo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

QString S(const char *utf8) { return QString::fromUtf8(utf8); }

const QString kDatosPrefix = S("Introduzca los datos de la empresa: dirección postal, ");

class WizardCountryTest : public q7test::WizardFixture {
 protected:
  void Open(const QStringList &args) {
    WizardFixture::Open(args);
    ASSERT_FALSE(q7::ProgramEndRequested());
    ASSERT_EQ(form->PControlModulos->currentIndex(), 5);
  }
  // Picks the country's radio button and presses "&Siguiente".
  void Choose(const char *country) {
    for (QRadioButton *radio : form->RadioBP)
      if (radio->text() == S(country)) radio->setChecked(true);
    form->BSiguiente033->click();
  }
};

// ---- Administrativo: the two fiscal identities ----------------------------------------

TEST_F(WizardCountryTest, TemplateNamesTheFiscalIdentities) {
  // The sample's Costa Rica names only its first identity; here it names none.
  Sql("q7Folder/Costa Rica/ssistema.dat", "UPDATE ssistema SET IDENTIDADFISCAL1 = ''");
  struct Case {
    const char *country;
    const char *nit, *rif;
    bool nitShown, rifShown, rifInFirstSlot;
    const char *datos;
  } const cases[] = {
      {"Colombia", "NIT", "RIF", true, true, false, "NIT, RIF, "},
      {"Aruba", "", "Persoonsnummer", false, true, true, "Persoonsnummer, "},
      {"Honduras", "R.T.N", "", true, false, false, "R.T.N, "},
      {"Costa Rica", "", "", false, false, true, ""},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.country);
    Open({"1", "INT"});
    Choose(c.country);
    ASSERT_TRUE(messages.Texts().isEmpty()) << messages.Texts().join(u'|').toStdString();
    EXPECT_EQ(form->PControlModulos->currentIndex(), 0);
    EXPECT_EQ(form->windowTitle(), S("q7 Inicialización - ") + S(c.country));
    EXPECT_EQ(Buttons(), "ASf");

    EXPECT_EQ(form->LNit->text(), S(c.nit));
    EXPECT_EQ(form->LRif->text(), S(c.rif));
    EXPECT_EQ(!form->LNit->isHidden(), c.nitShown);
    EXPECT_EQ(!form->ENitEmpre->isHidden(), c.nitShown);
    EXPECT_EQ(!form->LRif->isHidden(), c.rifShown);
    EXPECT_EQ(!form->ERifEmpre->isHidden(), c.rifShown);
    EXPECT_EQ(form->Shape32->width(), c.nitShown ? 153 : 0);
    EXPECT_EQ(form->Shape33->width(), c.rifShown ? 153 : 0);
    // Without a first identity the second one takes its slot.
    EXPECT_EQ(form->LRif->x(), c.rifInFirstSlot ? form->LNit->x() : 193);
    EXPECT_EQ(form->ERifEmpre->x(), c.rifInFirstSlot ? form->ENitEmpre->x() : 193);
    EXPECT_EQ(form->Shape33->x(), c.rifInFirstSlot ? form->Shape32->x() : 197);
    EXPECT_EQ(form->LDatosEmpre->text(), kDatosPrefix + S(c.datos) + S("fax, e-mail, website entre otros."));
    EXPECT_EQ(form->LRifRepresentante->text(), S(c.nit) + S(" Representante :"));
  }
}

TEST_F(WizardCountryTest, TemplateTaxesReplaceThePreparedOnes) {
  Open({"1", "INT"});
  Choose("Panama");
  EXPECT_EQ(form->ENombreImpuesto1->text(), S("ITBMS"));
  EXPECT_EQ(form->ENombreImpuesto2->text(), S("ITBMS Licores"));
  EXPECT_DOUBLE_EQ(form->EAlicuota1->InitText(), 7.0);
  EXPECT_DOUBLE_EQ(form->EAlicuotaDos->InitText(), 10.0);
  EXPECT_TRUE(form->CBActivo1->isChecked());
  EXPECT_TRUE(form->CBActivo2->isChecked());
  EXPECT_EQ(form->CBTipoImpuesto2->currentIndex(), 2);
  EXPECT_FALSE(form->Tables->TablaDos.IsOpen());
}

TEST_F(WizardCountryTest, MissingCountryFolderLoadsNothingAndOpensTheModule) {
  Open({"1", "INT"});
  Choose("Nicaragua");
  EXPECT_TRUE(messages.Texts().isEmpty());
  EXPECT_EQ(form->ComboPaises->currentText(), S("Nicaragua"));
  EXPECT_EQ(form->windowTitle(), S("q7 Inicialización - Nicaragua"));
  EXPECT_EQ(form->PControlModulos->currentIndex(), 0);
  EXPECT_EQ(form->ENombreImpuesto1->text(), S("I.V.A."));  // as prepared
  EXPECT_DOUBLE_EQ(form->EAlicuota1->InitText(), 16.0);
  EXPECT_FALSE(form->ENitEmpre->isHidden());
  EXPECT_FALSE(form->ERifEmpre->isHidden());
}

TEST_F(WizardCountryTest, GoingBackAndChoosingAnotherCountryResetsTheLayout) {
  Open({"1", "INT"});
  Choose("Aruba");  // no first identity: the second moves into its slot
  ASSERT_TRUE(form->ENitEmpre->isHidden());

  form->BAnterior032->click();
  EXPECT_EQ(form->PControlModulos->currentIndex(), 5);
  EXPECT_EQ(form->windowTitle(), S("q7 Inicialización"));
  EXPECT_EQ(Buttons(), "aSf");

  Choose("Colombia");
  EXPECT_FALSE(form->ENitEmpre->isHidden());
  EXPECT_FALSE(form->LNit->isHidden());
  EXPECT_EQ(form->Shape32->width(), 153);
  EXPECT_EQ(form->LRif->x(), 193);
  EXPECT_EQ(form->ERifEmpre->x(), 193);
  EXPECT_EQ(form->Shape33->x(), 197);
  EXPECT_EQ(form->LNit->text(), S("NIT"));
  EXPECT_EQ(form->windowTitle(), S("q7 Inicialización - Colombia"));

  // A country without a template changes no value: the identities and taxes
  // of the country chosen before stay as they were.
  form->BAnterior032->click();
  Choose("Aruba");
  ASSERT_TRUE(form->ENitEmpre->isHidden());
  const QString taxAruba = form->ENombreImpuesto1->text();
  form->BAnterior032->click();
  Choose("Nicaragua");
  EXPECT_TRUE(messages.Texts().isEmpty());
  EXPECT_EQ(form->windowTitle(), S("q7 Inicialización - Nicaragua"));
  EXPECT_EQ(form->PControlModulos->currentIndex(), 0);
  EXPECT_TRUE(form->ENitEmpre->isHidden());
  EXPECT_TRUE(form->LNit->isHidden());
  EXPECT_EQ(form->Shape32->width(), 0);
  EXPECT_EQ(form->LRif->text(), S("Persoonsnummer"));
  EXPECT_EQ(form->ERifEmpre->x(), form->ENitEmpre->x());
  EXPECT_EQ(form->LDatosEmpre->text(), kDatosPrefix + S("Persoonsnummer, fax, e-mail, website entre otros."));
  EXPECT_EQ(form->LRifRepresentante->text(), S(" Representante :"));
  EXPECT_EQ(form->ENombreImpuesto1->text(), taxAruba);
}

TEST_F(WizardCountryTest, UnreadableTemplateIsReportedAndTheCountryPageStays) {
  QFile bad(work + QStringLiteral("/q7Folder/Colombia/ssistema.dat"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
  bad.write("no es una tabla");
  bad.close();
  Open({"1", "INT"});
  Choose("Colombia");
  ASSERT_EQ(messages.Messages().size(), 1);
  EXPECT_EQ(messages.Messages()[0].type, q7::MsgType::Error);
  EXPECT_EQ(form->PControlModulos->currentIndex(), 5);
  EXPECT_EQ(form->windowTitle(), S("q7 Inicialización"));
  EXPECT_FALSE(form->Tables->TablaDos.IsOpen());
  EXPECT_FALSE(q7::ProgramEndRequested());
}

TEST_F(WizardCountryTest, NoCountryChosenAsksForOne) {
  Open({"1", "INT"});
  for (QRadioButton *radio : form->RadioBP) {
    radio->setAutoExclusive(false);
    radio->setChecked(false);
  }
  form->BSiguiente033->click();
  EXPECT_EQ(messages.Texts(), QStringList{S("Seleccione el país para continuar.")});
  EXPECT_EQ(messages.Messages()[0].type, q7::MsgType::Information);
  EXPECT_EQ(form->PControlModulos->currentIndex(), 5);
}

// ---- The other modules ------------------------------------------------------------------

TEST_F(WizardCountryTest, NominaCanBeSavedAtOnceAndGoesBackToTheCountryPage) {
  Open({"3", "INT"});
  EXPECT_EQ(Buttons(), "aSf");
  Choose("Honduras");
  EXPECT_EQ(form->PControlModulos->currentIndex(), 2);
  EXPECT_EQ(Buttons(), "AsF");
  form->BAnterior032->click();
  EXPECT_EQ(form->PControlModulos->currentIndex(), 5);
  EXPECT_EQ(Buttons(), "aSf");
}

TEST_F(WizardCountryTest, ContabilidadTakesTheTemplatePeriodsOfDemo) {
  Open({"2", "INT"});
  ASSERT_EQ(form->PeriodsImage.FirstDate(0), QDate(2024, 1, 1));
  // Colombia's template has no record "DEMO": the periods stay as prepared.
  Sql("q7Folder/Colombia/q7CEmpresas.dat", "DELETE FROM q7CEmpresas");
  Choose("Colombia");
  EXPECT_EQ(form->PeriodsImage.FirstDate(0), QDate(2024, 1, 1));
  EXPECT_EQ(form->PControlModulos->currentIndex(), 1);

  // Costa Rica's fiscal year starts in October.
  form->BAnterior032->click();
  Choose("Costa Rica");
  EXPECT_EQ(form->PeriodsImage.FirstDate(0), QDate(2023, 10, 1));
  EXPECT_FALSE(form->Tables->TablaDos.IsOpen());
  EXPECT_TRUE(form->Tables->TbEmpresaCont.IsOpen());
}

TEST_F(WizardCountryTest, AlimentosReloadsItsOwnSettingsWhenTheCountryHasATemplate) {
  Open({"4", "INT"});
  form->ENomServMesa->setText(S("cambiado"));
  form->chkCodigo[0]->setChecked(!form->chkCodigo[0]->isChecked());
  const bool code1 = form->chkCodigo[0]->isChecked();
  Choose("Nicaragua");  // no template: nothing is read again
  EXPECT_EQ(form->ENomServMesa->text(), S("cambiado"));

  form->BAnterior032->click();
  Choose("Colombia");  // the module's own table, not the template
  EXPECT_EQ(form->ENomServMesa->text(), S("Servicio de Mesa"));
  EXPECT_EQ(form->chkCodigo[0]->isChecked(), !code1);
  EXPECT_EQ(form->EDescripPFood->text(), S("Abril"));
  EXPECT_EQ(form->LFoodPeriodoI->text(), S("Fecha Inicio"));  // captions untouched
  EXPECT_FALSE(form->Tables->TablaDos.IsOpen());
}

// ---- Deployment on saving ---------------------------------------------------------------

TEST_F(WizardCountryTest, SavingAnInstallationRunDeploysTheCountryFiles) {
  struct Case {
    QStringList args;
    const char *country;
    bool deployed, logged;
  } const cases[] = {
      {{"1", "INT", "LOG"}, "Colombia", true, true},
      {{"3", "INT", "log"}, "Panama", true, false},
      {{"2", "INT", "LOG"}, "Nicaragua", false, false},  // no country folder: the save goes on
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.country);
    q7sample::LayOutSampleData(work, program);
    for (const char *file : {"q7Folder/LOGINSTALL.txt", "DataSistema/CUENTAS.DAT", "Reportes/BALANCE.SPR",
                             "Reportes/BALANCE.PFG", "LEEME.TXT"})
      QFile::remove(work + u'/' + S(file));
    q7::ResetProgramEnd();
    messages.Clear();
    Open(c.args);
    Choose(c.country);
    for (int i = 0; i < 6 && form->BGrabar001->isHidden(); ++i) form->BSiguiente033->click();
    form->BGrabar001->click();
    ASSERT_TRUE(messages.Texts().isEmpty()) << messages.Texts().join(u'|').toStdString();
    EXPECT_FALSE(form->PanelFinal->isHidden());

    EXPECT_EQ(QFile::exists(work + QStringLiteral("/DataSistema/CUENTAS.DAT")), c.deployed);
    EXPECT_EQ(QFile::exists(work + QStringLiteral("/Reportes/BALANCE.SPR")), c.deployed);
    EXPECT_EQ(QFile::exists(work + QStringLiteral("/Reportes/BALANCE.PFG")), c.deployed);
    EXPECT_EQ(QFile::exists(work + QStringLiteral("/LEEME.TXT")), c.deployed);
    QFile log(work + QStringLiteral("/q7Folder/LOGINSTALL.txt"));
    EXPECT_EQ(log.exists(), c.logged);
    if (c.logged) {
      ASSERT_TRUE(log.open(QIODevice::ReadOnly));
      const QList<QByteArray> records = log.readAll().split('\n');
      // CUENTAS.DAT, BALANCE.SPR, BALANCE.PFG and LEEME.TXT, numbered 1 to 4.
      ASSERT_EQ(records.size(), 5);
      EXPECT_TRUE(records[0].startsWith("1   COPIADO EN "));
      EXPECT_TRUE(records[3].startsWith("4   COPIADO EN "));
      EXPECT_TRUE(records[0].contains("DataSistema\\CUENTAS.DAT"));
    }
    form.reset();
  }
}

}  // namespace
