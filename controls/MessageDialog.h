#pragma once
#include "store/Messages.h"

namespace q7 {
// The real message box: a QMessageBox titled by its type, with the Spanish
// button captions "&Aceptar", "&Cancelar", "&Si", "&No".
MsgButton ShowMessageDialog(MsgType type, unsigned buttons, const QString &text);

// Makes ShowMessageDialog the handler of ShowMessage.
void InstallMessageDialog();
}  // namespace q7
