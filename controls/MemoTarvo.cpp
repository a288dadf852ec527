#include "controls/MemoTarvo.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

TMemoTarvo::TMemoTarvo(QWidget *parent) : QPlainTextEdit(parent) {
  // Tab moves on, as in every entry field of the library.
  setTabChangesFocus(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

TMemoTarvo::~TMemoTarvo() = default;

void TMemoTarvo::SetMaxLineas(int value) {
  m_maxLineas = value;
  updateGeometry();
}

void TMemoTarvo::SetCtl3D(bool value) {
  m_ctl3D = value;
  setFrameShadow(value ? QFrame::Sunken : QFrame::Plain);
}

QStringList TMemoTarvo::Lines() const {
  if (document()->isEmpty()) return {};
  return toPlainText().split(u'\n');
}

void TMemoTarvo::SetLines(const QStringList &lines) { setPlainText(lines.join(u'\n')); }

int TMemoTarvo::LineCount() const { return document()->isEmpty() ? 0 : document()->blockCount(); }

QString TMemoTarvo::Line(int i) const {
  const QTextBlock block = document()->findBlockByNumber(i);
  return block.isValid() ? block.text() : QString();
}

int TMemoTarvo::CaretLine() const { return textCursor().blockNumber(); }

int TMemoTarvo::VisibleLineCount() const {
  const int spacing = qMax(1, fontMetrics().lineSpacing());
  const int usable = viewport()->height() - 2 * int(document()->documentMargin());
  return qMax(1, usable / spacing);
}

QSize TMemoTarvo::sizeHint() const {
  QSize hint = QPlainTextEdit::sizeHint();
  // Room for every line the memo is meant to hold, and the one the base
  // form's Enter rule can still add below the last.
  const int lines = qMax(3, m_maxLineas + 1);
  const int frame = 2 * frameWidth();
  hint.setHeight(lines * fontMetrics().lineSpacing() + 2 * int(document()->documentMargin()) + frame);
  return hint;
}

int TMemoTarvo::DisplayLineCount() const {
  int lines = 0;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    const QTextLayout *layout = block.layout();
    lines += layout && layout->lineCount() > 0 ? layout->lineCount() : 1;
  }
  return lines;
}

int TMemoTarvo::LineRoom() const {
  // A memo drawn shorter than its line limit still takes the lines the base
  // form's Enter rule relies on: MaxLineas, and the empty one below them on
  // which Enter leaves the memo.
  return qMax(VisibleLineCount(), m_maxLineas > 0 ? m_maxLineas + 1 : 0);
}

bool TMemoTarvo::EditWithoutScrolling(const std::function<void()> &edit) {
  // Only a memo on screen has a visible area to keep to.
  if (!isVisible() || isReadOnly()) {
    edit();
    return true;
  }
  const QString before = toPlainText();
  const QTextCursor cursor = textCursor();
  const int scroll = verticalScrollBar()->value();
  const int linesBefore = DisplayLineCount();
  const bool modified = document()->isModified();
  edit();
  // Counted as shown, wrapped lines included: a long line that wraps onto a
  // line below the visible area would scroll the text up as surely as Enter.
  const int lines = DisplayLineCount();
  if (lines <= linesBefore || lines <= LineRoom()) return true;
  // Taken back through the undo stack when that gives exactly the old text
  // (typing merges into one undo step, so it may take back more).
  bool undone = false;
  if (document()->isUndoAvailable()) {
    document()->undo();
    undone = toPlainText() == before;
    if (!undone) document()->redo();
  }
  if (!undone) setPlainText(before);
  QTextCursor restored(document());
  restored.setPosition(qMin(cursor.anchor(), int(before.size())));
  restored.setPosition(qMin(cursor.position(), int(before.size())), QTextCursor::KeepAnchor);
  setTextCursor(restored);
  document()->setModified(modified);
  verticalScrollBar()->setValue(scroll);
  QApplication::beep();
  return false;
}

void TMemoTarvo::MemoEnter() { SetWantReturns(true); }

bool TMemoTarvo::event(QEvent *e) {
  if (e->type() == QEvent::ToolTip && !m_showHint) return true;
  return QPlainTextEdit::event(e);
}

void TMemoTarvo::keyPressEvent(QKeyEvent *e) {
  const bool isReturn = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  if (isReturn && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && !m_wantReturns) {
    e->ignore();  // Enter belongs to the window
    return;
  }
  // The memo does not scroll up for a line below its visible area: a key that
  // would need one (a line break, or text that wraps) is refused.
  EditWithoutScrolling([this, e] { QPlainTextEdit::keyPressEvent(e); });
}

void TMemoTarvo::insertFromMimeData(const QMimeData *source) {
  EditWithoutScrolling([this, source] { QPlainTextEdit::insertFromMimeData(source); });
}

void TMemoTarvo::focusInEvent(QFocusEvent *e) {
  QPlainTextEdit::focusInEvent(e);
  if (m_entered || e->reason() == Qt::PopupFocusReason) return;
  m_entered = true;
  if (m_onEnter)
    m_onEnter();
  else
    MemoEnter();
  emit Entered();
}

void TMemoTarvo::focusOutEvent(QFocusEvent *e) {
  QPlainTextEdit::focusOutEvent(e);
  if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason) return;
  m_entered = false;
}
