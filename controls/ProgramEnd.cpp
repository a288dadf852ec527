#include "controls/ProgramEnd.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace q7 {

namespace {
bool g_requested = false;
int g_status = 0;
}  // namespace

void RequestProgramEnd(int exitStatus) {
  if (g_requested) return;  // the first request decides the status
  g_requested = true;
  g_status = exitStatus;
  if (QCoreApplication *app = QCoreApplication::instance())
    QMetaObject::invokeMethod(app, [exitStatus] { QCoreApplication::exit(exitStatus); },
                              Qt::QueuedConnection);
}

bool ProgramEndRequested() { return g_requested; }
int ProgramEndStatus() { return g_status; }
void ResetProgramEnd() {
  g_requested = false;
  g_status = 0;
}

}  // namespace q7
