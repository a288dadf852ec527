// q7ControlsDemo [--grab FILE]: a window with one of each entry control of the
// library, to look at and try the keyboard conventions of the base window.
// With --grab the window is drawn once, saved as a PNG picture in FILE and the
// program ends (it then runs without a display under QT_QPA_PLATFORM=offscreen).
#include "controls/EnterForms.h"
#include "controls/LibrarySettings.h"
#include "controls/MemoTarvo.h"
#include "controls/MessageDialog.h"
#include "controls/TarvoDateEdit.h"
#include "controls/TarvoEdit.h"
#include "controls/TarvoLists.h"
#include "controls/TarvoNumberEdit.h"
#include "resources/DataModuleMenus.h"
#include "store/Messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

namespace {

constexpr int kFieldWidth = 150;

class TControlsDemoForm : public TEForm {
  Q_OBJECT
 public:
  TControlsDemoForm() {
    setObjectName(QStringLiteral("ControlsDemoForm"));
    setWindowTitle(QStringLiteral("Controles de entrada"));

    // ---- Single-line fields (left) -------------------------------------------
    auto *campos = new QGroupBox(QStringLiteral("Campos"), this);
    auto *grid = new QGridLayout(campos);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    int row = 0;
    auto addRow = [&](const QString &caption, QWidget *field, const char *name) {
      field->setObjectName(QString::fromLatin1(name));
      auto *label = new QLabel(caption, campos);
      label->setBuddy(field);
      grid->addWidget(label, row, 0);
      grid->addWidget(field, row, 1, Qt::AlignLeft);
      ++row;
    };

    ECodigo = new TTarvoEdit(campos);
    ECodigo->SetMaxLength(6);
    ECodigo->SetFillCero(true);
    ECodigo->SetText(QStringLiteral("42"));
    ECodigo->SetHint(QStringLiteral("Código de hasta seis dígitos; al salir se completa con ceros"));
    ECodigo->setFixedWidth(90);
    addRow(QStringLiteral("&Código :"), ECodigo, "ECodigo");

    EPorcentaje = new TTarvoNumberEdit(campos);
    EPorcentaje->SetMaxValor(100);
    EPorcentaje->SetPorcent(TTarvoNumberEdit::Porcentaje);
    EPorcentaje->SetInitText(16);
    EPorcentaje->SetHint(QStringLiteral("Porcentaje entre 0 y 100"));
    EPorcentaje->setFixedWidth(kFieldWidth);
    addRow(QStringLiteral("&Porcentaje :"), EPorcentaje, "EPorcentaje");

    EImporte = new TTarvoNumberEdit(campos);
    EImporte->SetShowButton(true);
    EImporte->SetInitText(1234.5);
    EImporte->SetHint(QStringLiteral("Importe; Alt+Abajo o el botón abren la calculadora"));
    EImporte->setFixedWidth(kFieldWidth);
    addRow(QStringLiteral("&Importe :"), EImporte, "EImporte");

    EAnio = new TTarvoNumberEdit(campos);
    EAnio->SetTipoDato(TTarvoNumberEdit::Entero);
    EAnio->SetDecimales(0);
    EAnio->SetHideSeparator(true);
    EAnio->SetMinValor(1900);
    EAnio->SetMaxValor(2099);
    EAnio->SetInitText(QDate::currentDate().year());
    EAnio->SetHint(QStringLiteral("Año sin separador de miles"));
    EAnio->setFixedWidth(90);
    addRow(QStringLiteral("Añ&o :"), EAnio, "EAnio");

    EFecha = new TTarvoDateEdit(campos);
    EFecha->SetShowButton(true);
    EFecha->SetQDate(QDate::currentDate());
    EFecha->SetHint(QStringLiteral("Fecha día/mes/año; Alt+Abajo o el botón abren el calendario"));
    EFecha->setFixedWidth(kFieldWidth);
    addRow(QStringLiteral("&Fecha :"), EFecha, "EFecha");

    CBMoneda = new QComboBox(campos);
    CBMoneda->addItems({QStringLiteral("Moneda nacional"), QStringLiteral("Dólares"),
                        QStringLiteral("Euros")});
    CBMoneda->setToolTip(QStringLiteral("Moneda de los importes"));
    CBMoneda->setFixedWidth(kFieldWidth);
    addRow(QStringLiteral("&Moneda :"), CBMoneda, "CBMoneda");

    CheckActivo = new QCheckBox(QStringLiteral("Acti&vo"), campos);
    CheckActivo->setObjectName(QStringLiteral("CheckActivo"));
    CheckActivo->setChecked(true);
    CheckActivo->setToolTip(QStringLiteral("Marca de ejemplo"));
    grid->addWidget(CheckActivo, row++, 1);

    MDireccion = new TMemoTarvo(campos);
    MDireccion->SetMaxLineas(3);
    MDireccion->SetLines({QStringLiteral("Av. Reforma 100, piso 3"), QStringLiteral("Col. Centro"),
                          QStringLiteral("Ciudad de México")});
    MDireccion->SetHint(QStringLiteral("Dirección en tres líneas; Intro en la tercera pasa al campo siguiente"));
    MDireccion->setFixedSize(230, MDireccion->sizeHint().height());
    addRow(QStringLiteral("&Dirección :"), MDireccion, "MDireccion");
    grid->itemAtPosition(row - 1, 0)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->setRowStretch(row, 1);

    // ---- Lists (right) ------------------------------------------------------
    auto *listas = new QGroupBox(QStringLiteral("Listas"), this);
    auto *column = new QVBoxLayout(listas);
    column->setSpacing(4);
    auto addBlock = [&](const QString &caption, QAbstractItemView *list, const char *name, int rows) {
      list->setObjectName(QString::fromLatin1(name));
      // Whole rows only, plus the frame and, when shown, the horizontal bar.
      const int bar = list->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
                          ? 0
                          : list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
      list->setFixedSize(220, rows * list->sizeHintForRow(0) + 2 * list->frameWidth() + bar);
      auto *label = new QLabel(caption, listas);
      label->setBuddy(list);
      column->addWidget(label);
      column->addWidget(list);
      column->addSpacing(8);
    };

    LLista = new TTarvoList(listas);
    LLista->addItems({QStringLiteral("Enero"), QStringLiteral("Febrero"), QStringLiteral("Marzo"),
                      QStringLiteral("Abril"), QStringLiteral("Mayo"), QStringLiteral("Junio"),
                      QStringLiteral("Julio"), QStringLiteral("Agosto"), QStringLiteral("Septiembre"),
                      QStringLiteral("Octubre"), QStringLiteral("Noviembre"), QStringLiteral("Diciembre")});
    LLista->setCurrentRow(0);
    LLista->SetHint(QStringLiteral("Lista con barra vertical fija"));
    addBlock(QStringLiteral("&Lista :"), LLista, "LLista", 8);

    LHorizontal = new TTarvoHorizontalList(listas);
    LHorizontal->addItems({QStringLiteral("Primer renglón largo de la lista, que sigue más allá del borde derecho"),
                           QStringLiteral("Segundo renglón"), QStringLiteral("Tercer renglón"),
                           QStringLiteral("Cuarto renglón")});
    LHorizontal->SetHScroll(480);
    LHorizontal->setCurrentRow(0);
    LHorizontal->SetHint(QStringLiteral("Lista con desplazamiento horizontal de 480 puntos"));
    addBlock(QStringLiteral("Lista &horizontal :"), LHorizontal, "LHorizontal", 4);
    column->addStretch(1);

    // ---- Buttons and status bar ------------------------------------------------
    BAceptar001 = new QPushButton(QStringLiteral("&Aceptar"), this);
    BAceptar001->setObjectName(QStringLiteral("BAceptar001"));
    BAceptar001->setToolTip(QStringLiteral("Muestra los valores capturados"));
    BSalir005 = new QPushButton(QStringLiteral("&Salir"), this);
    BSalir005->setObjectName(QStringLiteral("BSalir005"));
    BSalir005->setToolTip(QStringLiteral("Cierra la ventana"));
    for (QPushButton *b : {BAceptar001, BSalir005}) b->setMinimumWidth(100);
    connect(BAceptar001, &QPushButton::clicked, this, &TControlsDemoForm::BAceptarClick);
    connect(BSalir005, &QPushButton::clicked, this, &QWidget::close);

    Status = new QStatusBar(this);
    Status->setObjectName(QStringLiteral("Status"));
    Status->setSizeGripEnabled(false);

    auto *groups = new QHBoxLayout;
    groups->setSpacing(12);
    groups->addWidget(campos, 0);
    groups->addWidget(listas, 0);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BAceptar001);
    buttons->addWidget(BSalir005);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 12, 12, 8);
    body->setSpacing(12);
    body->addLayout(groups);
    body->addLayout(buttons);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addLayout(body);
    outer->addWidget(Status);
    // The window keeps the size its contents need.
    outer->setSizeConstraint(QLayout::SetFixedSize);

    const QList<QWidget *> order{ECodigo,    EPorcentaje, EImporte, EAnio,       EFecha,   CBMoneda,
                                 CheckActivo, MDireccion, LLista,   LHorizontal, BAceptar001, BSalir005};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    FormCreate();
  }

  void FormCreate() override {
    TEForm::FormCreate();
    ECodigo->setFocus();
  }

 private:
  void BAceptarClick() {
    const QString text =
        QStringLiteral("Código: %1\nPorcentaje: %2\nImporte: %3\nAño: %4\nFecha: %5\nMoneda: %6\n"
                       "Activo: %7\nDirección: %8\nLista: %9\nLista horizontal: %10")
            .arg(ECodigo->text(), EPorcentaje->text(), EImporte->text(), EAnio->text(), EFecha->text(),
                 CBMoneda->currentText(),
                 CheckActivo->isChecked() ? QStringLiteral("sí") : QStringLiteral("no"),
                 MDireccion->Lines().join(QStringLiteral(" / ")),
                 LLista->currentItem() ? LLista->currentItem()->text() : QString(),
                 LHorizontal->currentItem() ? LHorizontal->currentItem()->text() : QString());
    q7::ShowMessage(q7::MsgType::Information, q7::MbOK, text);
  }

  TTarvoEdit *ECodigo;
  TTarvoNumberEdit *EPorcentaje;
  TTarvoNumberEdit *EImporte;
  TTarvoNumberEdit *EAnio;
  TTarvoDateEdit *EFecha;
  QComboBox *CBMoneda;
  QCheckBox *CheckActivo;
  TMemoTarvo *MDireccion;
  TTarvoList *LLista;
  TTarvoHorizontalList *LHorizontal;
  QPushButton *BAceptar001;
  QPushButton *BSalir005;
  QStatusBar *Status;
};

}  // namespace

int main(int argc, char *argv[]) {
  // The number, date and time formats are in force before any field exists.
  q7::InitLocaleSettingsFromSystem();

  QApplication app(argc, argv);
  q7::InstallMessageDialog();

  const QStringList args = QApplication::arguments();
  QString grabFile;
  if (args.size() == 3 && args[1] == QStringLiteral("--grab") && !args[2].isEmpty()) {
    grabFile = args[2];
  } else if (args.size() != 1) {
    std::fprintf(stderr, "uso: q7ControlsDemo [--grab ARCHIVO.png]\n");
    return 64;
  }

  TMenuDataModule menus;
  TControlsDemoForm form;
  form.show();

  if (!grabFile.isEmpty()) {
    // After the first pass of the event loop, when the window is laid out and drawn.
    QTimer::singleShot(0, &form, [&form, &grabFile] {
      const bool saved = form.grab().save(grabFile, "PNG");
      if (!saved) std::fprintf(stderr, "q7ControlsDemo: no se pudo guardar %s\n", qPrintable(grabFile));
      QApplication::exit(saved ? 0 : 1);
    });
  }
  return app.exec();
}

#include "q7ControlsDemo.moc"
