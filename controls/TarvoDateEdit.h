#pragma once
// TTarvoDateEdit: the date entry field of the entry-control library, with its
// settings object TTarvoDateObject (earliest, latest and current date as
// texts), a typing aid that inserts the date separators, a range check when
// the focus leaves the field, a paste that takes whole dates only and a
// drop-down calendar.
//
// Dates are whole days counted from 30 December 1899 (the table layer's DATE
// value); 0 means no date. Every text is read and written in the library's
// short date format (LocaleSettings().shortDateFormat, day, month, year), so
// what the field shows is what its checks read.
#include <QDate>
#include <QLineEdit>
#include <QPointer>
#include <functional>

class QCalendarWidget;
class QFrame;
class QToolButton;

namespace q7 {

// Two-digit years fall in the hundred years starting here (the library
// controller's epoch), so "24" is 2024.
inline constexpr int kDefaultDateEpoch = 2000;

// Day serial of a date (days since 30 December 1899); 0 for an invalid date.
int DateSerial(const QDate &date);
// The date of a serial; an invalid QDate for 0.
QDate DateFromSerial(int serial);

// Reads text as day, month and year separated by the date separator. The
// year may be omitted (the year of today) or given with one or two digits
// (placed in the hundred years from epoch; 0 means kDefaultDateEpoch) or four
// digits. Returns the day serial, or 0 when the text is empty, malformed or
// not a real calendar date.
int ParseDateText(const QString &text, int epoch = 0, const QDate &today = QDate::currentDate());

// True when text (blanks around it aside) is a whole date: day, month and a
// four-digit year, forming a real calendar date.
bool IsCompleteDateText(const QString &text);

// A serial in the short date format ("31/12/2024"); an empty text for 0.
// Without forceCentury the year is written with two digits.
QString DateText(int serial, bool forceCentury = true);

// The typing aid of the date field, as a function of plain values: what a
// typed character does to a text of which selectedLength characters are
// selected.
struct DateKeyOutcome {
  enum Action {
    Discard,       // the character is dropped
    Pass,          // the character is typed normally (at the caret)
    ClearAndType,  // the text is emptied, then the character typed
    Replace,       // the text becomes newText, caret at its end
  };
  Action action = Pass;
  QString newText;
};
DateKeyOutcome DateKeyFilter(const QString &text, int selectedLength, QChar ch);

}  // namespace q7

// Settings object of a date field: earliest, latest and current date, each a
// text in the short date format. Setting one keeps the three consistent.
class TTarvoDateObject : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString MinFecha READ MinFecha WRITE SetMinFecha)
  Q_PROPERTY(QString MaxFecha READ MaxFecha WRITE SetMaxFecha)
  Q_PROPERTY(QString ActFecha READ ActFecha WRITE SetActFecha)

 public:
  explicit TTarvoDateObject(QObject *parent = nullptr);

  QString MinFecha() const { return m_minFecha; }
  QString MaxFecha() const { return m_maxFecha; }
  QString ActFecha() const { return m_actFecha; }
  void SetMinFecha(const QString &value);
  void SetMaxFecha(const QString &value);
  void SetActFecha(const QString &value);

  // Copies the three texts as they are, without the checks of the setters.
  void Assign(const TTarvoDateObject &other);

  // The texts as day serials (0 when empty or unreadable).
  int MinDate() const;
  int MaxDate() const;
  int ActDate() const;

 private:
  QString m_minFecha;
  QString m_maxFecha;
  QString m_actFecha;
};

class TTarvoDateEdit : public QLineEdit {
  Q_OBJECT
  Q_PROPERTY(TTarvoDateObject *TarvoDateObject READ TarvoDateObject WRITE SetTarvoDateObject)
  Q_PROPERTY(bool DropDownDate READ DropDownDate NOTIFY DropDownDateChanged)
  Q_PROPERTY(bool AllowBlank READ AllowBlank WRITE SetAllowBlank)
  Q_PROPERTY(int Date READ Date WRITE SetDate USER true)
  Q_PROPERTY(QString MinFecha READ MinFecha WRITE SetMinFecha)
  Q_PROPERTY(QString MaxFecha READ MaxFecha WRITE SetMaxFecha)
  Q_PROPERTY(QString ActFecha READ ActFecha WRITE SetActFecha)
  Q_PROPERTY(bool ForceCentury READ ForceCentury WRITE SetForceCentury)
  Q_PROPERTY(int Epoch READ Epoch WRITE SetEpoch)
  Q_PROPERTY(QString TodayString READ TodayString WRITE SetTodayString)
  Q_PROPERTY(bool ShowButton READ ShowButton WRITE SetShowButton)
  Q_PROPERTY(bool AllowIncDec READ AllowIncDec WRITE SetAllowIncDec)
  Q_PROPERTY(int RequiredFields READ RequiredFields WRITE SetRequiredFields)
  Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
  Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
  Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
  Q_PROPERTY(QString Text READ text WRITE setText)

 public:
  using Handler = std::function<void()>;

  explicit TTarvoDateEdit(QWidget *parent = nullptr);
  ~TTarvoDateEdit() override;

  // The settings object, owned by the field.
  TTarvoDateObject *TarvoDateObject() const { return m_dateObject; }
  // Copies the other object's texts as they are; nullptr is ignored.
  void SetTarvoDateObject(TTarvoDateObject *other);
  QString MinFecha() const;
  QString MaxFecha() const;
  QString ActFecha() const;
  void SetMinFecha(const QString &value);
  void SetMaxFecha(const QString &value);
  void SetActFecha(const QString &value);

  // The date value: the text read as a date (0 when empty or unreadable);
  // setting it shows the date in the short date format, 0 an empty text.
  int Date() const;
  void SetDate(int serial);
  QDate DateAsQDate() const { return q7::DateFromSerial(Date()); }
  void SetQDate(const QDate &date) { SetDate(q7::DateSerial(date)); }

  bool DropDownDate() const { return m_dropDownDate; }
  bool AllowBlank() const { return m_allowBlank; }
  void SetAllowBlank(bool value) { m_allowBlank = value; }
  bool ForceCentury() const { return m_forceCentury; }
  void SetForceCentury(bool value);
  // 0: the library's epoch (kDefaultDateEpoch).
  int Epoch() const { return m_epoch; }
  void SetEpoch(int value) { m_epoch = value; }
  // A text that, left in the field, stands for today's date.
  QString TodayString() const { return m_todayString; }
  void SetTodayString(const QString &value) { m_todayString = value; }
  bool ShowButton() const { return m_showButton; }
  void SetShowButton(bool value);
  // Kept with the form: "+" and "-" never reach the field (see the typing aid).
  bool AllowIncDec() const { return m_allowIncDec; }
  void SetAllowIncDec(bool value) { m_allowIncDec = value; }
  // Kept with the form; every part of a date can be completed (0: none required).
  int RequiredFields() const { return m_requiredFields; }
  void SetRequiredFields(int value) { m_requiredFields = value; }

  QString Hint() const { return toolTip(); }
  void SetHint(const QString &hint) { setToolTip(hint); }
  bool ShowHint() const { return m_showHint; }
  void SetShowHint(bool value) { m_showHint = value; }
  bool Ctl3D() const { return m_ctl3D; }
  void SetCtl3D(bool value) { m_ctl3D = value; }

  // The field's own handlers. KeyPress may change or consume the typed
  // character (set it to QChar() to drop it); KeyDown may change the key code
  // (0 drops it).
  virtual void TarvoDateEditKeyPress(QChar &key);
  virtual void TarvoDateEditOnExit();
  virtual void TarvoDateEditOnEnter();
  void TarvoDateEditKeyDown(int &key, Qt::KeyboardModifiers modifiers);

  // A form's own exit or enter handler replaces the field's one (an empty
  // handler puts the field's own back). The check that the text is a date
  // runs before either.
  void SetOnExit(Handler handler) { m_onExit = std::move(handler); }
  void SetOnEnter(Handler handler) { m_onEnter = std::move(handler); }

  // Pastes the clipboard text at the caret when it is a whole date;
  // anything else inserts nothing (the clipboard is left as it is).
  void Paste();

  // The drop-down calendar.
  void OpenCalendar();
  void CloseCalendar();
  QCalendarWidget *Calendar() const { return m_calendar; }
  QToolButton *DropDownButton() const { return m_button; }

  // The message shown when the text cannot be read as a date on leaving.
  static QString InvalidDateMessage(const QString &text);

 signals:
  void DropDownDateChanged(bool open);
  void Entered();
  void Exited();

 protected:
  bool event(QEvent *e) override;
  bool eventFilter(QObject *watched, QEvent *e) override;
  void keyPressEvent(QKeyEvent *e) override;
  void focusInEvent(QFocusEvent *e) override;
  void focusOutEvent(QFocusEvent *e) override;
  void contextMenuEvent(QContextMenuEvent *e) override;
  void mouseReleaseEvent(QMouseEvent *e) override;
  void inputMethodEvent(QInputMethodEvent *e) override;
  void resizeEvent(QResizeEvent *e) override;

 private:
  int BaseParse(const QString &text) const;
  void ReportInvalidDate(const QString &text);
  void PlaceButton();

  TTarvoDateObject *m_dateObject;
  QToolButton *m_button;
  QFrame *m_popup = nullptr;
  QCalendarWidget *m_calendar = nullptr;
  bool m_dropDownDate = false;
  bool m_allowBlank = false;
  bool m_forceCentury = true;
  int m_epoch = 0;
  QString m_todayString;
  bool m_showButton = false;
  bool m_allowIncDec = false;
  int m_requiredFields = 0;
  bool m_showHint = true;
  bool m_ctl3D = true;
  bool m_entered = false;
  Handler m_onExit;
  Handler m_onEnter;
};
