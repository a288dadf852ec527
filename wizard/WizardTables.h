#pragma once
// The table handles of the wizard window. Each names a folder and a table and
// is opened by the step that uses it; TbEmpresaCont and TbIPC stay open from
// the preparation of Contabilidad until the window is destroyed.
struct WizardTables {
};
