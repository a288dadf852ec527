// Construction, creation and end of the wizard window.
#include "wizard/q7UpdateModulo.h"

#include "controls/ProgramEnd.h"
#include "store/Messages.h"
#include "wizard/WizardTables.h"

#include <QCloseEvent>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

QDate Tq7UpdateModuloForm::s_systemDate;

Tq7UpdateModuloForm::Tq7UpdateModuloForm(const QStringList &args, QWidget *parent)
    : TEForm(parent), Tables(std::make_unique<WizardTables>()), m_args(args) {
  setWindowTitle(QStringLiteral("q7 Inicialización"));
  // A single fixed border without border icons, on top of other windows.
  setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                 Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
  BuildCatalogue();
  FormCreate();
}

Tq7UpdateModuloForm::~Tq7UpdateModuloForm() { FormDestroy(); }

QString Tq7UpdateModuloForm::CompanyCode() const { return m_args.value(1); }
bool Tq7UpdateModuloForm::IsInstallationRun() const {
  return CompanyCode() == QLatin1String("INT");
}
bool Tq7UpdateModuloForm::IsDemoCompany() const {
  return CompanyCode().toUpper() == QLatin1String("DEMO");
}
bool Tq7UpdateModuloForm::LogRequested() const { return m_args.value(2) == QLatin1String("LOG"); }

QDate Tq7UpdateModuloForm::SystemDate() {
  return s_systemDate.isValid() ? s_systemDate : QDate::currentDate();
}
void Tq7UpdateModuloForm::SetSystemDateForTests(const QDate &date) { s_systemDate = date; }

void Tq7UpdateModuloForm::FormCreate() {
  TEForm::FormCreate();
  if (m_args.isEmpty() || m_args.first().isEmpty()) {
    q7::RequestProgramEnd(q7::ExitSaved);
    return;
  }

  // The user never switches pages by tabs; only the code does.
  for (QTabWidget *pages : {PControlModulos, PageControlAdministrativo, PageControContabilidad,
                            PageControlNomina, PageControlFood, PageControlHotel})
    pages->tabBar()->hide();

  // A first argument that is not a module number prepares nothing: rather
  // than open a window with no module in it, the program says so and ends.
  bool isNumber = false;
  const int module = m_args.first().toInt(&isNumber, 10);
  if (!isNumber || module < 1 || module > 5) {
    q7::ShowMessage(q7::MsgType::Error, q7::MbOK,
                    QStringLiteral("Error al inicializar la aplicación."));
    q7::RequestProgramEnd(q7::ExitBadModule);
    return;
  }
  PrepareModule(static_cast<std::uint8_t>(module), CompanyCode());

  setFixedSize(429, 468);
  RadioBP[3]->setChecked(true);  // "Panama": a country is always chosen
  setWindowTitle(QStringLiteral("q7 Inicialización"));
  findChild<QLabel *>(QStringLiteral("LRif"))->setText(QStringLiteral("R.I.F. :"));
  findChild<QLabel *>(QStringLiteral("LRifRepresentante"))
      ->setText(QStringLiteral("R.I.F. Representante :"));
  OvcAttachedLabel2->setText(QStringLiteral("Alicuota:"));
  OvcAttachedLabel4->setText(QStringLiteral("Alicuota:"));
  for (int n = 1; n <= 6; ++n) {
    auto *radio = findChild<QRadioButton *>(QStringLiteral("RadioBP") + QString::number(n));
    if (radio) radio->move(167, 51 * n);
  }
}

void Tq7UpdateModuloForm::FormDestroy() {
  // The price-index table stays open from the preparation of Contabilidad
  // until here; every other handle is closed by the step that opened it.
  if (Tables) Tables->CloseAll();
}

void Tq7UpdateModuloForm::BSalir005Click() { q7::RequestProgramEnd(q7::ExitSaved); }

void Tq7UpdateModuloForm::closeEvent(QCloseEvent *event) {
  // Closing without an earlier request ("&Cancelar" confirmed, Escape) leaves
  // without saving; once the final panel shows, the save is done and closing
  // ends as "&Salir" does.
  if (!q7::ProgramEndRequested()) {
    const bool saved = PanelFinal && !PanelFinal->isHidden();
    q7::RequestProgramEnd(saved ? q7::ExitSaved : q7::ExitLeft);
  }
  TEForm::closeEvent(event);
}

bool Tq7UpdateModuloForm::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::KeyPress) {
    for (QComboBox *box : {CBTipoImpuesto2, ComboPaises}) {
      if (!box || (watched != box && watched != box->view())) continue;
      auto *key = static_cast<QKeyEvent *>(event);
      const QString text = key->text();
      // Only character keys pass through the handler; Ctrl and Alt
      // combinations and navigation keys act as usual.
      if (text.isEmpty() || !text.at(0).isPrint() ||
          (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        break;
      QChar ch = text.at(0);
      DBComboImpuesto2KeyPress(ch);
      if (ch.isNull()) return true;
      break;
    }
  }
  return TEForm::eventFilter(watched, event);
}
