#include "controls/MessageDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace q7 {

MsgButton ShowMessageDialog(MsgType type, unsigned buttons, const QString &text) {
  QMessageBox::Icon icon = QMessageBox::Information;
  switch (type) {
    case MsgType::Warning: icon = QMessageBox::Warning; break;
    case MsgType::Error: icon = QMessageBox::Critical; break;
    case MsgType::Information: icon = QMessageBox::Information; break;
    case MsgType::Confirmation: icon = QMessageBox::Question; break;
  }
  QMessageBox box(icon, MessageTitle(type), DisplayText(text), QMessageBox::NoButton,
                  QApplication::activeWindow());
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  struct Entry {
    MsgButton button;
    const char *caption;
    QMessageBox::ButtonRole role;
  };
  const Entry entries[] = {{MbYes, "&Si", QMessageBox::YesRole},
                           {MbNo, "&No", QMessageBox::NoRole},
                           {MbOK, "&Aceptar", QMessageBox::AcceptRole},
                           {MbCancel, "&Cancelar", QMessageBox::RejectRole}};
  QList<QPair<QAbstractButton *, MsgButton>> made;
  if (buttons == MbNone) buttons = MbOK;
  for (const Entry &e : entries) {
    if (!(buttons & e.button)) continue;
    made.append({box.addButton(QString::fromUtf8(e.caption), e.role), e.button});
  }
  box.setDefaultButton(qobject_cast<QPushButton *>(made.first().first));
  box.exec();
  for (const auto &pair : made)
    if (box.clickedButton() == pair.first) return pair.second;
  // Closed without a button (Escape): the Cancel or No answer where offered.
  if (buttons & MbCancel) return MbCancel;
  if (buttons & MbNo) return MbNo;
  return made.first().second;
}

void InstallMessageDialog() { SetMessageHandler(&ShowMessageDialog); }

}  // namespace q7
