#include "controls/TarvoDateEdit.h"

#include "controls/LibrarySettings.h"
#include "controls/TarvoEdit.h"
#include "store/Messages.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QMimeData>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace q7 {

namespace {

const QDate kSerialZero(1899, 12, 30);

bool AllDigits(const QString &s) {
  if (s.isEmpty()) return false;
  for (QChar c : s)
    if (c < u'0' || c > u'9') return false;
  return true;
}

// Splits "d<sep>m[<sep>y]" into its numeric parts; false when malformed.
bool SplitDate(const QString &text, QStringList &parts) {
  parts = text.trimmed().split(LocaleSettings().dateSeparator);
  if (parts.size() < 2 || parts.size() > 3) return false;
  for (const QString &p : parts)
    if (!AllDigits(p)) return false;
  return parts[0].size() <= 2 && parts[1].size() <= 2;
}

}  // namespace

int DateSerial(const QDate &date) { return date.isValid() ? int(kSerialZero.daysTo(date)) : 0; }

QDate DateFromSerial(int serial) { return serial == 0 ? QDate() : kSerialZero.addDays(serial); }

int ParseDateText(const QString &text, int epoch, const QDate &today) {
  QStringList parts;
  if (!SplitDate(text, parts)) return 0;
  const int day = parts[0].toInt();
  const int month = parts[1].toInt();
  int year = today.year();
  if (parts.size() == 3) {
    const QString &y = parts[2];
    if (y.size() == 4) {
      year = y.toInt();
    } else if (y.size() <= 2) {
      // The two-digit year lands in the hundred years starting at the epoch.
      const int base = epoch > 0 ? epoch : kDefaultDateEpoch;
      year = base - base % 100 + y.toInt();
      if (year < base) year += 100;
    } else {
      return 0;  // three digits: a mistyped year, not year 202
    }
  }
  const QDate d(year, month, day);
  if (!d.isValid() || year < 100) return 0;
  return DateSerial(d);
}

bool IsCompleteDateText(const QString &text) {
  QStringList parts;
  return SplitDate(text, parts) && parts.size() == 3 && parts[2].size() == 4 && ParseDateText(text) != 0;
}

QString DateText(int serial, bool forceCentury) {
  if (serial == 0) return {};
  QString format = LocaleSettings().shortDateFormat;
  if (!forceCentury) format.replace(QStringLiteral("yyyy"), QStringLiteral("yy"));
  return DateFromSerial(serial).toString(format);
}

DateKeyOutcome DateKeyFilter(const QString &text, int selectedLength, QChar ch) {
  const QChar sep = LocaleSettings().dateSeparator;
  const bool digit = ch >= u'0' && ch <= u'9';
  if (ch == QChar(u'\b')) return {DateKeyOutcome::Pass, {}};
  if (!digit && ch != sep) return {DateKeyOutcome::Discard, {}};
  const int length = int(text.size());
  // A whole date is not typed over unless it is selected.
  if (length >= LocaleSettings().shortDateFormat.size())
    return {selectedLength > 0 ? DateKeyOutcome::ClearAndType : DateKeyOutcome::Discard, {}};
  // The separators after the day and after the month come by themselves.
  if (digit && length == 2 && !text.contains(sep)) return {DateKeyOutcome::Replace, text + sep + ch};
  if (digit && length == 5) return {DateKeyOutcome::Replace, text + sep + ch};
  return {DateKeyOutcome::Pass, {}};
}

}  // namespace q7

// ---------------------------------------------------------------------------
// TTarvoDateObject

TTarvoDateObject::TTarvoDateObject(QObject *parent) : QObject(parent) {}

int TTarvoDateObject::MinDate() const { return q7::ParseDateText(m_minFecha); }
int TTarvoDateObject::MaxDate() const { return q7::ParseDateText(m_maxFecha); }
int TTarvoDateObject::ActDate() const { return q7::ParseDateText(m_actFecha); }

void TTarvoDateObject::SetMinFecha(const QString &value) {
  const int n = q7::ParseDateText(value);
  QString s = n == 0 ? QString() : value;
  const int max = MaxDate();
  const int old = MinDate();
  if (max != 0 && n > max) s = q7::DateText(max);
  if (old < n) m_actFecha = s;  // the minimum moves later
  m_minFecha = s;
}

void TTarvoDateObject::SetMaxFecha(const QString &value) {
  const int n = q7::ParseDateText(value);
  QString s = n == 0 ? QString() : value;
  const int min = MinDate();
  const int act = ActDate();
  if (min != 0 && n != 0 && n < min) s = m_minFecha;
  if (n != 0 && act > n) m_actFecha = s;
  m_maxFecha = s;
}

void TTarvoDateObject::SetActFecha(const QString &value) {
  const int n = q7::ParseDateText(value);
  QString s = n == 0 ? QString() : value;
  const int min = MinDate();
  const int max = MaxDate();
  if (n == 0 && min != 0 && max != 0) s = m_minFecha;
  if (n < min) s = m_minFecha;
  if (max != 0 && n > max) s = m_maxFecha;
  m_actFecha = s;
}

void TTarvoDateObject::Assign(const TTarvoDateObject &other) {
  m_actFecha = other.m_actFecha;
  m_minFecha = other.m_minFecha;
  m_maxFecha = other.m_maxFecha;
}

// ---------------------------------------------------------------------------
// TTarvoDateEdit

namespace {
bool IsPassingFocusChange(Qt::FocusReason reason) {
  return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}
}  // namespace

TTarvoDateEdit::TTarvoDateEdit(QWidget *parent)
    : QLineEdit(parent), m_dateObject(new TTarvoDateObject(this)), m_button(new QToolButton(this)) {
  m_button->setObjectName(QStringLiteral("DropDownButton"));
  m_button->setFocusPolicy(Qt::NoFocus);
  m_button->setCursor(Qt::ArrowCursor);
  m_button->setArrowType(Qt::DownArrow);
  m_button->setAutoRaise(true);
  m_button->hide();
  connect(m_button, &QToolButton::clicked, this, [this] {
    if (m_dropDownDate)
      CloseCalendar();
    else
      OpenCalendar();
  });
  // Text dropped from elsewhere would bypass the whole-date rule of a paste.
  setAcceptDrops(false);
}

TTarvoDateEdit::~TTarvoDateEdit() = default;

void TTarvoDateEdit::SetTarvoDateObject(TTarvoDateObject *other) {
  if (other && other != m_dateObject) m_dateObject->Assign(*other);
}

QString TTarvoDateEdit::MinFecha() const { return m_dateObject->MinFecha(); }
QString TTarvoDateEdit::MaxFecha() const { return m_dateObject->MaxFecha(); }
QString TTarvoDateEdit::ActFecha() const { return m_dateObject->ActFecha(); }
void TTarvoDateEdit::SetMinFecha(const QString &value) { m_dateObject->SetMinFecha(value); }
void TTarvoDateEdit::SetMaxFecha(const QString &value) { m_dateObject->SetMaxFecha(value); }
void TTarvoDateEdit::SetActFecha(const QString &value) { m_dateObject->SetActFecha(value); }

int TTarvoDateEdit::BaseParse(const QString &text) const {
  if (!m_todayString.isEmpty() && text.trimmed() == m_todayString) return q7::DateSerial(QDate::currentDate());
  return q7::ParseDateText(text, m_epoch);
}

int TTarvoDateEdit::Date() const { return BaseParse(text()); }

void TTarvoDateEdit::SetDate(int serial) { setText(q7::DateText(serial, m_forceCentury)); }

void TTarvoDateEdit::SetForceCentury(bool value) {
  if (m_forceCentury == value) return;
  const int d = Date();
  m_forceCentury = value;
  if (d != 0) SetDate(d);
}

void TTarvoDateEdit::SetShowButton(bool value) {
  m_showButton = value;
  m_button->setVisible(value);
  PlaceButton();
  if (!value) CloseCalendar();
}

void TTarvoDateEdit::PlaceButton() {
  const int h = height() - 4;
  const int w = qMax(16, h);
  m_button->setGeometry(width() - w - 2, 2, w, h);
  setTextMargins(0, 0, m_showButton ? w + 2 : 0, 0);
}

void TTarvoDateEdit::resizeEvent(QResizeEvent *e) {
  QLineEdit::resizeEvent(e);
  PlaceButton();
}

QString TTarvoDateEdit::InvalidDateMessage(const QString &text) {
  return QStringLiteral("Value is not a valid date \"%1\"").arg(text);
}

void TTarvoDateEdit::TarvoDateEditKeyPress(QChar &key) {
  const q7::DateKeyOutcome out = q7::DateKeyFilter(text(), int(selectedText().size()), key);
  switch (out.action) {
    case q7::DateKeyOutcome::Discard:
      key = QChar();
      break;
    case q7::DateKeyOutcome::Pass:
      break;
    case q7::DateKeyOutcome::ClearAndType:
      setText(QString(key));
      setCursorPosition(1);
      key = QChar();
      break;
    case q7::DateKeyOutcome::Replace:
      setText(out.newText);
      setCursorPosition(int(out.newText.size()));
      key = QChar();
      break;
  }
}

void TTarvoDateEdit::TarvoDateEditKeyDown(int &key, Qt::KeyboardModifiers modifiers) {
  // Alt+Down must not open the calendar of a field without a button.
  if ((modifiers & Qt::AltModifier) && !m_showButton) key = 0;
}

void TTarvoDateEdit::TarvoDateEditOnEnter() { q7::RequestHintText(this, q7::ControlHintText(this)); }

void TTarvoDateEdit::TarvoDateEditOnExit() {
  int d = q7::ParseDateText(text(), m_epoch);
  if (d == 0 && !text().isEmpty()) setText(QString());
  const int min = m_dateObject->MinDate();
  const int max = m_dateObject->MaxDate();
  if (text().isEmpty() && m_allowBlank) return;
  if (min != 0 && d < min) SetDate(min);
  if (max != 0 && d > max) SetDate(max);
}

void TTarvoDateEdit::Paste() {
  if (isReadOnly()) return;
  const QMimeData *clip = QApplication::clipboard()->mimeData();
  if (!clip || !clip->hasText()) return;
  const QString pasted = clip->text().trimmed();
  if (!q7::IsCompleteDateText(pasted)) return;
  insert(pasted);
}

void TTarvoDateEdit::OpenCalendar() {
  if (m_dropDownDate || !m_showButton || !isEnabled() || isReadOnly()) return;
  if (!m_popup) {
    m_popup = new QFrame(this, Qt::Popup);
    m_popup->setFrameShape(QFrame::Box);
    m_popup->setObjectName(QStringLiteral("CalendarPopup"));
    auto *layout = new QVBoxLayout(m_popup);
    layout->setContentsMargins(1, 1, 1, 1);
    m_calendar = new QCalendarWidget(m_popup);
    m_calendar->setObjectName(QStringLiteral("Calendar"));
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    layout->addWidget(m_calendar);
    connect(m_calendar, &QCalendarWidget::clicked, this, [this](const QDate &date) {
      SetQDate(date);
      CloseCalendar();
    });
    connect(m_calendar, &QCalendarWidget::activated, this, [this](const QDate &date) {
      SetQDate(date);
      CloseCalendar();
    });
    m_popup->installEventFilter(this);
  }
  const QDate current = DateAsQDate();
  m_calendar->setSelectedDate(current.isValid() ? current : QDate::currentDate());
  m_popup->adjustSize();
  m_popup->move(mapToGlobal(QPoint(0, height())));
  m_popup->show();
  m_calendar->setFocus(Qt::PopupFocusReason);
  m_dropDownDate = true;
  emit DropDownDateChanged(true);
}

void TTarvoDateEdit::CloseCalendar() {
  if (m_popup && m_popup->isVisible()) m_popup->hide();  // the Hide event clears DropDownDate
}

bool TTarvoDateEdit::eventFilter(QObject *watched, QEvent *e) {
  if (watched == m_popup && e->type() == QEvent::Hide && m_dropDownDate) {
    m_dropDownDate = false;
    emit DropDownDateChanged(false);
  }
  return QLineEdit::eventFilter(watched, e);
}

bool TTarvoDateEdit::event(QEvent *e) {
  if (e->type() == QEvent::ToolTip && !m_showHint) return true;
  return QLineEdit::event(e);
}

void TTarvoDateEdit::keyPressEvent(QKeyEvent *e) {
  if (e->matches(QKeySequence::Paste)) {
    Paste();
    e->accept();
    return;
  }
  int key = e->key();
  TarvoDateEditKeyDown(key, e->modifiers());
  if (key == 0) {
    e->accept();
    return;
  }
  if (key == Qt::Key_Down && (e->modifiers() & Qt::AltModifier)) {
    OpenCalendar();
    e->accept();
    return;
  }
  const QString typed = e->text();
  const bool command = e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
  // A read-only field takes no typing: the aid would set its text itself.
  if (!command && !isReadOnly() && typed.size() == 1 && typed[0].isPrint()) {
    QChar ch = typed[0];
    TarvoDateEditKeyPress(ch);
    if (ch.isNull()) {
      e->accept();
      return;
    }
    if (ch != typed[0]) {
      insert(QString(ch));
      e->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(e);
}

void TTarvoDateEdit::contextMenuEvent(QContextMenuEvent *e) {
  QMenu *menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The menu's paste goes through the whole-date check too.
  const QString pasteText = QCoreApplication::translate("QLineEdit", "&Paste");
  for (QAction *action : menu->actions()) {
    if (!action->text().startsWith(pasteText)) continue;
    disconnect(action, &QAction::triggered, nullptr, nullptr);
    connect(action, &QAction::triggered, this, &TTarvoDateEdit::Paste);
  }
  menu->popup(e->globalPos());
}

void TTarvoDateEdit::mouseReleaseEvent(QMouseEvent *e) {
  // The middle button would insert the selection clipboard past the paste check.
  if (e->button() == Qt::MiddleButton) {
    e->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(e);
}

void TTarvoDateEdit::inputMethodEvent(QInputMethodEvent *e) {
  // Composed text goes through the typing aid one character at a time.
  const QString commit = e->commitString();
  if (commit.isEmpty() || isReadOnly()) {
    QLineEdit::inputMethodEvent(e);
    return;
  }
  QInputMethodEvent withoutCommit(e->preeditString(), e->attributes());
  withoutCommit.setCommitString(QString(), e->replacementStart(), e->replacementLength());
  QLineEdit::inputMethodEvent(&withoutCommit);
  for (QChar c : commit) {
    QChar ch = c;
    TarvoDateEditKeyPress(ch);
    if (!ch.isNull()) insert(QString(ch));
  }
  e->accept();
}

void TTarvoDateEdit::focusInEvent(QFocusEvent *e) {
  QLineEdit::focusInEvent(e);
  if (m_entered || e->reason() == Qt::PopupFocusReason) return;
  m_entered = true;
  if (m_onEnter)
    m_onEnter();
  else
    TarvoDateEditOnEnter();
  emit Entered();
}

void TTarvoDateEdit::focusOutEvent(QFocusEvent *e) {
  QLineEdit::focusOutEvent(e);
  if (!m_entered || IsPassingFocusChange(e->reason())) return;
  m_entered = false;
  // The field's own reading first: a text that is no date is reported and the
  // focus goes back; the exit check does not run then.
  const QString typed = text();
  if (!typed.trimmed().isEmpty()) {
    const int d = BaseParse(typed);
    if (d == 0) {
      ReportInvalidDate(typed);
      return;
    }
    SetDate(d);
  } else if (!typed.isEmpty()) {
    setText(QString());
  }
  if (m_onExit)
    m_onExit();
  else
    TarvoDateEditOnExit();
  emit Exited();
}

void TTarvoDateEdit::ReportInvalidDate(const QString &text) {
  // After the focus change has finished: a message box inside it would run
  // its own event loop in the middle of the change.
  QPointer<TTarvoDateEdit> self(this);
  QMetaObject::invokeMethod(
      this,
      [self, text] {
        if (!self) return;
        QApplication::beep();
        q7::ShowMessage(q7::MsgType::Error, q7::MbOK, TTarvoDateEdit::InvalidDateMessage(text));
        if (self && self->isVisible() && self->isEnabled()) self->setFocus(Qt::OtherFocusReason);
      },
      Qt::QueuedConnection);
}
