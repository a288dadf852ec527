#pragma once
// The table handles of the wizard window. Each names a folder and a table and
// is opened by the step that uses it and closed when that step ends;
// TbEmpresaCont and TbIPC stay open from the preparation of Contabilidad until
// the window is destroyed.
#include "store/TableHandle.h"

struct WizardTables {
  q7::TableHandle Tabla;           // the module's settings table
  q7::TableHandle TablaDos;        // country templates
  q7::TableHandle Tablasempresas;  // the company list "sempresas.dat"
  q7::TableHandle TbEmpresaCont;   // "q7CEmpresas.dat", on the record "DEMO"
  q7::TableHandle TbIPC;           // the price-index table "q7CIndPrec"
  q7::TableHandle TbActivosCont;   // the fixed-asset table (accounting save)

  void CloseAll() noexcept {
    Tabla.Close();
    TablaDos.Close();
    Tablasempresas.Close();
    TbEmpresaCont.Close();
    TbIPC.Close();
    TbActivosCont.Close();
  }
};
