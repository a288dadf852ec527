#include "resources/DataModuleMenus.h"

namespace {
TMenuDataModule *g_instance = nullptr;
}

TMenuDataModule::TMenuDataModule(QObject *parent) : QObject(parent) {
  if (!g_instance) g_instance = this;
}
TMenuDataModule::~TMenuDataModule() {
  if (g_instance == this) g_instance = nullptr;
}
TMenuDataModule *TMenuDataModule::Instance() { return g_instance; }
