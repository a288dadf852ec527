#include "wizard/q7UpdateModulo.h"

#include "controls/ProgramEnd.h"
#include "wizard/WizardTables.h"

Tq7UpdateModuloForm::Tq7UpdateModuloForm(const QStringList &args, QWidget *parent)
    : TEForm(parent), m_args(args) {
  setWindowTitle(QStringLiteral("q7 Inicialización"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint);
  setFixedSize(421, 421);
  FormCreate();
}

Tq7UpdateModuloForm::~Tq7UpdateModuloForm() = default;

void Tq7UpdateModuloForm::FormCreate() {
  TEForm::FormCreate();
  if (m_args.isEmpty() || m_args.first().isEmpty()) {
    q7::RequestProgramEnd(q7::ExitSaved);
    return;
  }
}
