// "&Finalizar": writes the pages of the prepared module into its tables and
// shows the final panel. The pages are read into plain values here; the
// store functions write them. A failing step names its table in the error
// box and ends the program; what was stored before the failure stays stored.
#include "controls/MemoTarvo.h"
#include "controls/ProgramEnd.h"
#include "controls/TarvoDateEdit.h"
#include "controls/TarvoEdit.h"
#include "controls/TarvoNumberEdit.h"
#include "deploy/InstallCopy.h"
#include "store/AccountingRollover.h"
#include "store/Messages.h"
#include "store/ModuleData.h"
#include "store/ModuleSettings.h"
#include "store/PayrollPeriods.h"
#include "wizard/WizardTables.h"
#include "wizard/q7UpdateModulo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <exception>

namespace {

// What a save step was working on, for the error message when it fails.
struct SaveLabels {
  QString module;  // appended to the final message
  QString table;   // named by the error message; set before each step
};

// A failure of the installation step: the list could not be read or the log
// not written.
const QString kInstallList = QStringLiteral("Install.txt");

void RepaintNotice(Tq7UpdateModuloForm &form) { form.PanelMensaje->repaint(); }

// In an installation run, the chosen country's files are copied to the places
// the installation list names before the module's tables are written.
void InstallationStep(Tq7UpdateModuloForm &form, SaveLabels &labels) {
  if (!form.IsInstallationRun()) return;
  const QString country = form.ComboPaises->currentText();
  // Without a country the folder would be q7Folder/ itself: nothing to deploy.
  if (country.isEmpty()) return;
  labels.table = kInstallList;
  try {
    q7::DeployCountryFiles(QDir::currentPath(), country, form.LogRequested());
  } catch (const std::exception &error) {
    throw q7::SaveStepError(kInstallList, QString::fromUtf8(error.what()));
  }
}

void SaveAdministrativo(Tq7UpdateModuloForm &form, SaveLabels &labels) {
  RepaintNotice(form);
  form.Tables->Tablasempresas.Close();
  InstallationStep(form, labels);
  labels.module = QStringLiteral("Administrativo");
  labels.table = QString::fromLatin1(q7::kAdminSettingsTable);

  q7::CompanyData company;
  company.nit = form.ENitEmpre->text();
  company.rif = form.ERifEmpre->text();
  company.address = form.EDirEmpre->Text();
  company.representative = form.ERepreEmpre->text();
  company.representativeRif = form.ERifRepreEmpre->text();
  company.postalAddress = form.EDirPostalEmpre->Text();
  company.phone = form.ETelefEmpre->text();
  company.fax = form.EFaxEmpre->text();
  company.email = form.EEmailEmpre->text();
  company.website = form.EWebEmpre->text();

  q7::AdminSettings values;
  values.period.start = form.EFechaInicio->DateAsQDate();
  values.period.end = form.EFechaFinal->DateAsQDate();
  values.period.name = form.EDescripPeriodo->text();
  values.taxes.name1 = form.ENombreImpuesto1->text();
  values.taxes.name2 = form.ENombreImpuesto2->text();
  values.taxes.rate1 = form.EAlicuota1->AsFloat();
  values.taxes.rate2 = form.EAlicuotaDos->AsFloat();
  values.taxes.active1 = form.CBActivo1->isChecked();
  values.taxes.active2 = form.CBActivo2->isChecked();
  values.taxes.mode = form.CBTipoImpuesto2->currentIndex();
  values.bankDebitTax = form.EImpDebitoBancario->AsFloat();
  const struct {
    q7::AdminCodeKind kind;
    QCheckBox *code;
    QCheckBox *fill;
  } codes[] = {
      {q7::kCodeCategoria, form.CheckDepartamentos, form.CheckRellenarDepa},
      {q7::kCodeInventario, form.CheckInventario, form.CheckRellenarInve},
      {q7::kCodeZona, form.CheckZonas, form.CheckRellenarZona},
      {q7::kCodeCliente, form.CheckClientes, form.CheckRellenarClient},
      {q7::kCodeVendedor, form.CheckVendedores, form.CheckRellenarVen},
      {q7::kCodeProveedor, form.CheckProveedores, form.CheckRellenarProvee},
      {q7::kCodeConcepto, form.CheckConceptos, form.CheckRellenarConcep},
      {q7::kCodeBeneficiario, form.CheckBeneficiarios, form.CheckRellenarBene},
  };
  for (const auto &c : codes) {
    values.autoCode[c.kind] = c.code->isChecked();
    values.fillCode[c.kind] = c.fill->isChecked();
  }
  values.specialTaxpayer = form.CheckBContribuyenteEsp->isChecked();

  q7::SaveAdministrativo(form.Tables->Tabla, form.Tables->Tablasempresas, form.DataFolder, form.CompanyCode(),
                         company, values);

  // The end of the period becomes the wizard's "today", as stored in
  // ESTADANO2000..1998, and the period names built from it are kept.
  const QDate end = values.period.end;
  form.TodayYear = static_cast<std::uint16_t>(end.year());
  form.TodayMonth = static_cast<std::uint16_t>(end.month());
  form.TodayDay = static_cast<std::uint16_t>(end.day());
  form.PeriodDescriptions = q7::BuildPeriodDescriptions(end.month());
}

void SaveContabilidad(Tq7UpdateModuloForm &form, SaveLabels &labels) {
  RepaintNotice(form);
  form.Tables->TbActivosCont.Close();
  InstallationStep(form, labels);
  // The year on the price-index page is stored first, as by "Guardar"; it
  // reports its own failure and the save goes on.
  form.ToolButton5Click();
  labels.table = QString::fromLatin1(q7::kAccountingCompanyTable);
  // Fixed assets and the company record move to the new year together or
  // not at all; a failure names the table it met ("q7CActivos.dat" or
  // "q7CEmpresas.dat").
  form.PeriodsImage = q7::RollAccountingYear(QString(), form.EAnoPeriodo->AsInteger(), form.PeriodsImage).periods;
  labels.module = QStringLiteral("Contabilidad");
}

void SaveNomina(Tq7UpdateModuloForm &form, SaveLabels &labels) {
  RepaintNotice(form);
  InstallationStep(form, labels);
  labels.table = QString::fromLatin1(q7::kPayrollTable);
  const QDate today(form.TodayYear, form.TodayMonth, form.TodayDay);
  const q7::PayrollRebuild rebuilt = q7::RebuildPayrollPeriods(QString(), form.EAnoNomina->AsInteger(), today);
  form.PayrollImages = rebuilt.lists;
  labels.module = QStringLiteral("Nómina");
}

void SaveAlimentos(Tq7UpdateModuloForm &form, SaveLabels &labels) {
  form.PanelMensaje->setText(QStringLiteral("Espere guardando...."));
  RepaintNotice(form);
  labels.module = QStringLiteral("Alimentos && Bebidas");
  labels.table = QString::fromLatin1(q7::kConfigTable);

  q7::FoodSettings values;
  for (int k = 0; k < 9; ++k) {
    values.autoCode[k] = form.chkCodigo[k]->isChecked();
    values.autoFill[k] = form.CheckRellenarF[k]->isChecked();
  }
  values.period.start = form.EFechaIniFood->DateAsQDate();
  values.period.end = form.EFechaFinalFood->DateAsQDate();
  values.period.name = form.EDescripPFood->text();
  values.services.name1 = form.ENomServMesa->text();
  values.services.name2 = form.ENomCargxEnv->text();
  values.services.rate1 = form.EAlicuotaServMesa->AsFloat();
  values.services.rate2 = form.EAlicuotaCargxEnv->AsFloat();
  values.services.active1 = form.CheckBServ1->isChecked();
  values.services.active2 = form.CheckBServ2->isChecked();
  q7::SaveFood(form.Tables->Tabla, form.DataFolder, values);
}

void SaveHoteleria(Tq7UpdateModuloForm &form, SaveLabels &labels) {
  form.PanelMensaje->setText(QStringLiteral("Espere guardando...."));
  RepaintNotice(form);
  labels.module = QStringLiteral("Hotelería");
  labels.table = QString::fromLatin1(q7::kConfigTable);

  q7::HotelSettings values;
  const auto bits = q7::HotelCodeBits();
  for (std::size_t i = 0; i < bits.size() && i < values.autoCode.size(); ++i) {
    const auto *code = form.findChild<QCheckBox *>(QString::fromLatin1(bits[i].codeCheck));
    const auto *fill = form.findChild<QCheckBox *>(QString::fromLatin1(bits[i].fillCheck));
    values.autoCode[i] = code && code->isChecked();
    values.autoFill[i] = fill && fill->isChecked();
  }
  values.period.start = form.EFechaIniHotel->DateAsQDate();
  values.period.end = form.EFechaHastaHotel->DateAsQDate();
  values.period.name = form.EDescripcionPeriodoHotel->text();
  values.currentDate = form.EFechaActualHotel->DateAsQDate();
  q7::SaveHotel(form.Tables->Tabla, form.DataFolder, values);
}

void ShowFinalPanel(Tq7UpdateModuloForm &form, const QString &moduleLabel) {
  form.PanelMensaje->hide();
  // The label shows its text as typed: "&&" is turned into the "&" it stands for.
  form.LMensaje->setText(form.LMensaje->text() + u' ' + q7::DisplayText(moduleLabel) + u'.');
  form.PanelFinal->show();
  form.PanelFinal->raise();
  form.PanelBotones->hide();
  form.BAnterior032->hide();
  form.BSiguiente033->hide();
  form.BCancelar002->hide();
  form.BGrabar001->hide();
  // The pages behind the panel are out of reach: "&Salir" takes the focus,
  // so Enter ends the program.
  form.FocusWithHint(form.BSalir005);
}

void FailSave(Tq7UpdateModuloForm &form, QString table) {
  // The message never names an empty table: without a label the module's
  // settings table is the one the save was about to write.
  if (table.isEmpty()) table = form.SettingsTable;
  form.Tables->Tabla.Close();  // the record being edited is discarded
  form.PanelMensaje->hide();
  q7::ShowMessage(q7::MsgType::Error, q7::MbOK, q7::SaveErrorText(table));
  q7::RequestProgramEnd(q7::ExitFailed);
}

}  // namespace

void Tq7UpdateModuloForm::BGrabar001Click() {
  PanelMensaje->move(118, 196);
  PanelMensaje->show();
  PanelMensaje->raise();
  PanelMensaje->repaint();
  Tables->Tabla.Close();
  Tables->Tabla.SetFolder(DataFolder);
  Tables->Tabla.SetTableName(SettingsTable);

  SaveLabels labels;
  try {
    switch (PControlModulos->currentIndex()) {
      case 0:
        SaveAdministrativo(*this, labels);
        break;
      case 1:
        SaveContabilidad(*this, labels);
        break;
      case 2:
        SaveNomina(*this, labels);
        break;
      case 3:
        SaveAlimentos(*this, labels);
        break;
      case 4:
        SaveHoteleria(*this, labels);
        break;
      default:
        break;  // no module page: nothing is written
    }
  } catch (const q7::SaveStepError &error) {
    FailSave(*this, error.Table().isEmpty() ? labels.table : error.Table());
    return;
  } catch (const q7::StoreError &error) {
    FailSave(*this, !error.File().isEmpty() ? QFileInfo(error.File()).fileName() : labels.table);
    return;
  } catch (const std::exception &) {
    FailSave(*this, labels.table);
    return;
  }
  Tables->Tabla.Close();
  ShowFinalPanel(*this, labels.module);
}
