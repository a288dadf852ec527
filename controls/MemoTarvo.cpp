#include "controls/MemoTarvo.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>

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

bool TMemoTarvo::WouldOverflow(int addedLines) const {
  // Only a memo on screen has a visible area to keep to.
  if (!isVisible() || addedLines <= 0) return false;
  // A memo drawn shorter than its line limit still takes the lines the base
  // form's Enter rule relies on: MaxLineas, and the empty one below them on
  // which Enter leaves the memo.
  const int room = qMax(VisibleLineCount(), m_maxLineas > 0 ? m_maxLineas + 1 : 0);
  return document()->blockCount() + addedLines > room;
}

void TMemoTarvo::MemoEnter() { SetWantReturns(true); }

bool TMemoTarvo::event(QEvent *e) {
  if (e->type() == QEvent::ToolTip && !m_showHint) return true;
  return QPlainTextEdit::event(e);
}

void TMemoTarvo::keyPressEvent(QKeyEvent *e) {
  const bool isReturn = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  if (isReturn && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    if (!m_wantReturns) {
      e->ignore();  // Enter belongs to the window
      return;
    }
    // The memo does not scroll up for a line below its visible area.
    if (!isReadOnly() && WouldOverflow(1)) {
      QApplication::beep();
      e->accept();
      return;
    }
  }
  QPlainTextEdit::keyPressEvent(e);
}

void TMemoTarvo::insertFromMimeData(const QMimeData *source) {
  if (source && source->hasText()) {
    const QString text = source->text();
    const int added = int(text.count(u'\n')) - int(textCursor().selectedText().count(QChar::ParagraphSeparator));
    if (WouldOverflow(added)) {
      QApplication::beep();
      return;
    }
  }
  QPlainTextEdit::insertFromMimeData(source);
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
