#include "controls/TarvoEdit.h"

#include <QFocusEvent>
#include <QMetaObject>

namespace q7 {

QString ControlHintText(const QWidget *control) {
  if (!control) return {};
  const QVariant show = control->property("ShowHint");
  if (show.isValid() && !show.toBool()) return {};
  const QVariant hint = control->property("Hint");
  return hint.isValid() ? hint.toString() : control->toolTip();
}

void RequestHintText(const QWidget *control, const QString &text) {
  for (QWidget *w = control ? control->parentWidget() : nullptr; w; w = w->parentWidget()) {
    if (!w->inherits("TEForm")) continue;
    // Looked up by name so the controls do not depend on the base form.
    if (w->metaObject()->indexOfMethod("ShowHintText(QString)") >= 0)
      QMetaObject::invokeMethod(w, "ShowHintText", Qt::DirectConnection, Q_ARG(QString, text));
    return;
  }
}

QString ZeroFilled(const QString &text, int maxLength) {
  if (maxLength <= 0 || text.isEmpty() || text.size() >= maxLength) return text;
  return QString(maxLength - text.size(), u'0') + text;
}

}  // namespace q7

namespace {
// Focus that leaves for a popup (a menu, a drop-down) or for another window
// comes back to the same field: it is neither an exit nor a new entry.
bool IsPassingFocusChange(Qt::FocusReason reason) {
  return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}
}  // namespace

TTarvoEdit::TTarvoEdit(QWidget *parent) : QLineEdit(parent) {}

TTarvoEdit::~TTarvoEdit() = default;

void TTarvoEdit::SetMaxLength(int value) {
  m_maxLength = value < 0 ? 0 : value;
  setMaxLength(m_maxLength == 0 ? 32767 : m_maxLength);
}

void TTarvoEdit::TarvoEditEnter() { q7::RequestHintText(this, q7::ControlHintText(this)); }

void TTarvoEdit::TarvoEditExit() {
  setCursorPosition(0);
  if (m_fillCero) {
    const QString filled = q7::ZeroFilled(text(), m_maxLength);
    if (filled != text()) {
      setText(filled);
      setCursorPosition(0);
    }
  }
}

bool TTarvoEdit::event(QEvent *e) {
  if (e->type() == QEvent::ToolTip && !m_showHint) return true;
  return QLineEdit::event(e);
}

void TTarvoEdit::focusInEvent(QFocusEvent *e) {
  QLineEdit::focusInEvent(e);
  if (m_entered || e->reason() == Qt::PopupFocusReason) return;
  m_entered = true;
  if (m_onEnter)
    m_onEnter();
  else
    TarvoEditEnter();
  emit Entered();
}

void TTarvoEdit::focusOutEvent(QFocusEvent *e) {
  QLineEdit::focusOutEvent(e);
  if (!m_entered || IsPassingFocusChange(e->reason())) return;
  m_entered = false;
  if (m_onExit)
    m_onExit();
  else
    TarvoEditExit();
  emit Exited();
}
