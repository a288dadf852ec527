#include "controls/TarvoNumberEdit.h"

#include "controls/CalculatorPopup.h"
#include "controls/LibrarySettings.h"
#include "controls/TarvoEdit.h"  // q7::ControlHintText, q7::RequestHintText

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyle>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr QChar kPercent = u'%';

QChar DecimalSeparator() { return q7::LocaleSettings().decimalSeparator; }
QChar ThousandSeparator() { return q7::LocaleSettings().thousandSeparator; }

// Fixed notation accepts 0 to 18 decimals; other counts are brought into range.
int UsableDecimals(int decimals) { return std::clamp(decimals, 0, 18); }

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

}  // namespace

// ---------------------------------------------------------------------------
// Conversions

std::optional<double> TTarvoNumberEdit::ParseNumber(const QString &text) {
  const QString t = text.trimmed();
  const QChar dec = DecimalSeparator();
  QString ascii;
  int i = 0;
  const int n = int(t.size());
  if (i < n && (t[i] == u'+' || t[i] == u'-')) ascii += t[i++];
  int digits = 0;
  while (i < n && IsAsciiDigit(t[i])) { ascii += t[i++]; ++digits; }
  if (i < n && t[i] == dec) {
    ascii += u'.';
    ++i;
    while (i < n && IsAsciiDigit(t[i])) { ascii += t[i++]; ++digits; }
  }
  if (digits == 0) return std::nullopt;
  if (i < n && (t[i] == u'e' || t[i] == u'E')) {
    ascii += u'e';
    ++i;
    if (i < n && (t[i] == u'+' || t[i] == u'-')) ascii += t[i++];
    int expDigits = 0;
    while (i < n && IsAsciiDigit(t[i])) { ascii += t[i++]; ++expDigits; }
    if (expDigits == 0) return std::nullopt;
  }
  if (i != n) return std::nullopt;
  bool ok = false;
  const double value = ascii.toDouble(&ok);  // C locale: "." and "e"
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

QString TTarvoNumberEdit::FormatNumber(double value, int decimals, bool thousandSeparators) {
  if (!std::isfinite(value)) value = 0;
  const int d = UsableDecimals(decimals);
  QString fixed = QString::number(value, 'f', d);
  bool negative = fixed.startsWith(u'-');
  if (negative) fixed.remove(0, 1);
  // A value that rounds to zero shows no sign.
  if (std::all_of(fixed.cbegin(), fixed.cend(), [](QChar c) { return c == u'0' || c == u'.'; }))
    negative = false;
  const qsizetype point = fixed.indexOf(u'.');
  QString integer = point < 0 ? fixed : fixed.left(point);
  const QString fraction = point < 0 ? QString() : fixed.mid(point + 1);
  if (thousandSeparators)
    for (qsizetype pos = integer.size() - 3; pos > 0; pos -= 3) integer.insert(pos, ThousandSeparator());
  QString result = negative ? QStringLiteral("-") : QString();
  result += integer;
  if (d > 0) result += DecimalSeparator() + fraction;
  return result;
}

QString TTarvoNumberEdit::GeneralText(double value) {
  if (!std::isfinite(value)) value = 0;
  QString text = QString::number(value, 'g', 15);
  text.replace(u'.', DecimalSeparator());
  return text;
}

double TTarvoNumberEdit::RoundTo(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  return QString::number(value, 'f', UsableDecimals(decimals)).toDouble();
}

QString TTarvoNumberEdit::NumericCharsOnly(const QString &text) {
  const QChar dec = DecimalSeparator();
  QString result;
  for (QChar c : text)
    if (IsAsciiDigit(c) || c == u'-' || c == dec) result += c;
  return result;
}

QString TTarvoNumberEdit::StripThousandSeparators(const QString &text) {
  QString result = text;
  result.remove(ThousandSeparator());
  return result;
}

// ---------------------------------------------------------------------------
// Settings object

TTarvoNumberObject::TTarvoNumberObject(QObject *parent) : QObject(parent) {}

void TTarvoNumberObject::SetTipoDato(TDato value) { tipoDato_ = value; }

void TTarvoNumberObject::SetNNegative(bool value) { nNegative_ = value; }

void TTarvoNumberObject::SetMinValor(double value) {
  if (std::isnan(value)) return;
  if (value > maxValor_) value = maxValor_;
  if (actValor_ < value) actValor_ = value;
  minValor_ = TTarvoNumberEdit::RoundTo(value, decimales_);
}

void TTarvoNumberObject::SetMaxValor(double value) {
  if (std::isnan(value)) return;
  if (value < minValor_) value = minValor_;
  if (actValor_ > value) actValor_ = value;
  maxValor_ = TTarvoNumberEdit::RoundTo(value, decimales_);
}

void TTarvoNumberObject::SetActValor(double value) {
  if (std::isnan(value)) return;
  value = std::min(std::max(value, minValor_), maxValor_);
  actValor_ = TTarvoNumberEdit::RoundTo(value, decimales_);
}

void TTarvoNumberObject::SetDecimales(int n) {
  decimales_ = n;
  minValor_ = TTarvoNumberEdit::RoundTo(minValor_, n);
  maxValor_ = TTarvoNumberEdit::RoundTo(maxValor_, n);
  actValor_ = TTarvoNumberEdit::RoundTo(actValor_, n);
}

void TTarvoNumberObject::Assign(const TTarvoNumberObject *source) {
  if (!source || source == this) return;
  // A copy of a consistent set of values: taken as they are, not through the
  // setters, whose clamping would depend on the order of assignment.
  tipoDato_ = source->tipoDato_;
  nNegative_ = source->nNegative_;
  minValor_ = source->minValor_;
  maxValor_ = source->maxValor_;
  actValor_ = source->actValor_;
}

// ---------------------------------------------------------------------------
// Field

TTarvoNumberEdit::TTarvoNumberEdit(QWidget *parent)
    : QLineEdit(parent), numberObject_(new TTarvoNumberObject(this)) {
  connect(this, &QLineEdit::textChanged, this, &TTarvoNumberEdit::OnTextChanged);
  setAcceptDrops(false);  // dropped text would bypass the filter

  buttonAction_ = new QAction(style()->standardIcon(QStyle::SP_ArrowDown), QStringLiteral("Calculadora"), this);
  buttonAction_->setObjectName(QStringLiteral("CalculatorButton"));
  addAction(buttonAction_, QLineEdit::TrailingPosition);
  buttonAction_->setVisible(false);
  connect(buttonAction_, &QAction::triggered, this, &TTarvoNumberEdit::OpenCalculator);

  SetPorcent(Numero);
  SetInitText(numberObject_->ActValor());
  lastValue_ = AsFloat();
}

TTarvoNumberEdit::~TTarvoNumberEdit() = default;

void TTarvoNumberEdit::SetTarvoNumberObject(TTarvoNumberObject *source) {
  numberObject_->Assign(source);
}

TTarvoNumberEdit::TDato TTarvoNumberEdit::TipoDato() const { return numberObject_->TipoDato(); }
bool TTarvoNumberEdit::NNegative() const { return numberObject_->NNegative(); }
double TTarvoNumberEdit::MinValor() const { return numberObject_->MinValor(); }
double TTarvoNumberEdit::MaxValor() const { return numberObject_->MaxValor(); }
double TTarvoNumberEdit::ActValor() const { return numberObject_->ActValor(); }
int TTarvoNumberEdit::Decimales() const { return numberObject_->Decimales(); }
void TTarvoNumberEdit::SetTipoDato(TDato value) { numberObject_->SetTipoDato(value); }
void TTarvoNumberEdit::SetNNegative(bool value) { numberObject_->SetNNegative(value); }
void TTarvoNumberEdit::SetMinValor(double value) { numberObject_->SetMinValor(value); }
void TTarvoNumberEdit::SetMaxValor(double value) { numberObject_->SetMaxValor(value); }
void TTarvoNumberEdit::SetActValor(double value) { numberObject_->SetActValor(value); }
void TTarvoNumberEdit::SetDecimales(int n) { numberObject_->SetDecimales(n); }

void TTarvoNumberEdit::SetText(const QString &newText) {
  if (newText == text()) return;
  // setText would move the caret to the end and clear the modified flag.
  const int cursor = cursorPosition();
  const bool modified = isModified();
  setText(newText);
  setCursorPosition(std::min(cursor, int(newText.size())));
  setModified(modified);
}

void TTarvoNumberEdit::SetPorcent(TPorcent mode) {
  porcent_ = mode;
  QString t = text();
  if (mode == Numero) {
    const qsizetype p = t.indexOf(kPercent);
    if (p >= 0) t.remove(p, 1);
  } else if (mode == Porcentaje) {
    if (!t.contains(kPercent)) t += kPercent;
  }
  SetText(t);
}

void TTarvoNumberEdit::SetInitText(double value) {
  if (!std::isfinite(value)) value = 0;
  const bool hadPercent = text().contains(kPercent);
  initText_ = value;
  const int decimals = TipoDato() == Reales ? Decimales() : 0;
  QString t = FormatNumber(value, decimals, !hideSeparator_);
  if (hadPercent || porcent_ == Porcentaje) t += kPercent;
  SetText(t);
}

void TTarvoNumberEdit::SetHideSeparator(bool hide) { hideSeparator_ = hide; }

void TTarvoNumberEdit::SetShowButton(bool show) {
  showButton_ = show;
  buttonAction_->setVisible(show);
}

double TTarvoNumberEdit::AsFloat() const {
  const QChar dec = DecimalSeparator();
  QString reduced;
  for (QChar c : text())
    if (IsAsciiDigit(c) || c == u'+' || c == u'-' || c == dec) reduced += c;
  return ParseNumber(reduced).value_or(0.0);
}

int TTarvoNumberEdit::AsInteger() const {
  const double value = AsFloat();
  double whole = std::floor(value);
  const double rest = value - whole;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
  if (whole >= double(INT_MAX)) return INT_MAX;
  if (whole <= double(INT_MIN)) return INT_MIN;
  return int(whole);
}

// ---------------------------------------------------------------------------
// Handlers

void TTarvoNumberEdit::TarvoNumberEditKeyPress(QChar &key) {
  const QChar dec = DecimalSeparator();
  const bool isDigit = IsAsciiDigit(key);
  const bool isMinus = key == u'-';
  const bool isDecimal = key == dec;
  const bool isPercent = key == kPercent;
  const bool allowed = key == u'\b' || isDigit || (isPercent && porcent_ != Numero) ||
                       (isMinus && MinValor() < 0) ||
                       (isDecimal && Decimales() > 0 && TipoDato() == Reales);
  const QString t = text();
  if (!allowed || (isDecimal && t.contains(dec)) || (isPercent && t.contains(kPercent)) ||
      (isMinus && !t.isEmpty())) {
    key = QChar();
    return;
  }
  // The candidate is the text with the character at its end, wherever the
  // caret stands and whatever is selected. A candidate that does not parse
  // ("-", a text with "%") is let through: the change handling takes care.
  if (isDigit || isMinus || isDecimal) {
    const std::optional<double> candidate = ParseNumber(t + key);
    if (candidate && *candidate > MaxValor()) key = QChar();
  }
}

void TTarvoNumberEdit::TarvoNumberEditChange() {
  QString t = text();
  if (t.isEmpty()) return;
  const qsizetype p = t.indexOf(kPercent);
  if (p >= 0 && p != t.size() - 1) {
    t.remove(p, 1);
    t += kPercent;
  }
  const bool percent = t.endsWith(kPercent);
  if (percent) t.chop(1);
  const qsizetype point = t.indexOf(DecimalSeparator());
  const int decimals = std::max(Decimales(), 0);
  if (point >= 0 && t.size() - point - 1 > decimals) t.truncate(point + 1 + decimals);  // cut, not rounded
  const std::optional<double> value = ParseNumber(NumericCharsOnly(t));
  if (value && *value > MaxValor()) t = GeneralText(MaxValor());
  if (percent) t += kPercent;
  SetText(t);
}

void TTarvoNumberEdit::TarvoNumberEditEnter() {
  q7::RequestHintText(this, q7::ControlHintText(this));
  const QString current = text();
  const bool allSelected = !current.isEmpty() && selectedText() == current;
  const QChar dec = DecimalSeparator();
  QString cleaned;
  for (QChar c : current)
    if (IsAsciiDigit(c) || c == u'-' || c == kPercent || c == dec) cleaned += c;
  if (cleaned == current) return;
  SetText(cleaned);
  if (allSelected) selectAll();
}

void TTarvoNumberEdit::TarvoNumberEditExit() {
  QString t = text();
  bool percent = false;
  if (t.isEmpty()) {
    t = QStringLiteral("0");
  } else {
    percent = t.endsWith(kPercent);
    if (percent) {
      t.chop(1);
      SetText(t);
      t = text();
    }
    if (t.isEmpty()) t = QStringLiteral("0");
  }
  std::optional<double> value = ParseNumber(NumericCharsOnly(t));
  if (!value) {  // a lone "-" and the like
    SetInitText(0);
    return;
  }
  if (*value < MinValor()) value = MinValor();
  QString formatted = FormatNumber(*value, Decimales(), !hideSeparator_);
  if (percent || porcent_ == Porcentaje) formatted += kPercent;
  SetText(formatted);
}

bool TTarvoNumberEdit::TarvoNumberEditKeyDown(QKeyEvent *event) {
  return (event->modifiers() & Qt::AltModifier) && !showButton_;
}

void TTarvoNumberEdit::Beep() { QApplication::beep(); }

void TTarvoNumberEdit::DoPaste() { emit OnPaste(); }
void TTarvoNumberEdit::DoCut() { emit OnCut(); }
void TTarvoNumberEdit::DoClear() { emit OnClear(); }

// ---------------------------------------------------------------------------
// Events

void TTarvoNumberEdit::keyPressEvent(QKeyEvent *event) {
  if (TarvoNumberEditKeyDown(event)) {
    event->accept();
    return;
  }
  if ((event->modifiers() & Qt::AltModifier) && event->key() == Qt::Key_Down) {
    OpenCalculator();
    event->accept();
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    PasteRequest();
    event->accept();
    return;
  }
  if (event->matches(QKeySequence::Cut)) {
    CutRequest();
    event->accept();
    return;
  }
  const double before = AsFloat();
  const QString typed = event->text();
  const bool plainKey = typed.isEmpty() || isReadOnly() || event->matches(QKeySequence::Copy) ||
                        event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Undo) ||
                        event->matches(QKeySequence::Redo);
  switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
      QLineEdit::keyPressEvent(event);
      ReportEdit(before);
      return;
    default:
      break;
  }
  if (plainKey) {
    QLineEdit::keyPressEvent(event);
    ReportEdit(before);
    return;
  }
  // A typed character passes the filter; control characters (those of the
  // Ctrl shortcuts among them) never reach the text.
  const auto isControl = [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; };
  if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
    // Other shortcuts: their control characters are refused, the rest is the
    // line edit's (it types nothing with Ctrl held).
    if (std::any_of(typed.cbegin(), typed.cend(), isControl)) {
      Beep();
      event->accept();
      return;
    }
    QLineEdit::keyPressEvent(event);
  } else if (typed.size() == 1) {
    QChar key = typed[0];
    if (isControl(key))
      key = QChar();
    else
      TarvoNumberEditKeyPress(key);
    if (key.isNull()) {
      Beep();
      event->accept();
      return;
    }
    QLineEdit::keyPressEvent(event);
  } else {
    InsertFiltered(typed);
    event->accept();
  }
  ReportEdit(before);
}

void TTarvoNumberEdit::InsertFiltered(const QString &typed) {
  for (QChar c : typed) {
    QChar key = c;
    if (c.unicode() < 0x20 || c.unicode() == 0x7f)
      key = QChar();
    else
      TarvoNumberEditKeyPress(key);
    if (key.isNull())
      Beep();
    else
      insert(QString(key));  // one by one, so each check sees the text so far
  }
}

void TTarvoNumberEdit::inputMethodEvent(QInputMethodEvent *event) {
  // Text composed by an input method goes through the filter like typed text.
  if (isReadOnly() || event->commitString().isEmpty()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  const double before = AsFloat();
  QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
  QLineEdit::inputMethodEvent(&withoutCommit);
  InsertFiltered(event->commitString());
  event->accept();
  ReportEdit(before);
}

void TTarvoNumberEdit::mouseReleaseEvent(QMouseEvent *event) {
  // The middle button would insert the selection clipboard past the filter.
  if (event->button() == Qt::MiddleButton) {
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void TTarvoNumberEdit::focusInEvent(QFocusEvent *event) {
  QLineEdit::focusInEvent(event);
  // Coming back from a popup (the calculator, the context menu) or from
  // another window is no entry: the field never left.
  if (entered_ || event->reason() == Qt::PopupFocusReason) return;
  entered_ = true;
  TarvoNumberEditEnter();
}

void TTarvoNumberEdit::focusOutEvent(QFocusEvent *event) {
  // Not run while the focus is in the field's own calculator or context menu,
  // nor when another window (a message box, another program) becomes active:
  // the half-typed text stays as it is until the focus really moves on.
  const Qt::FocusReason reason = event->reason();
  if (entered_ && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
    entered_ = false;
    TarvoNumberEditExit();
  }
  QLineEdit::focusOutEvent(event);
}

void TTarvoNumberEdit::contextMenuEvent(QContextMenuEvent *event) {
  // The field's own menu, so that paste, cut and delete go through its
  // requests (the toolkit's menu calls the plain line-edit operations).
  auto *menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const bool editable = !isReadOnly();
  const bool selection = hasSelectedText();
  const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
  auto add = [menu](const QString &caption, const char *name, bool enabled, auto slot) {
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setEnabled(enabled);
    QObject::connect(action, &QAction::triggered, menu->parentWidget(), slot);
  };
  add(QStringLiteral("&Deshacer"), "edit-undo", editable && isUndoAvailable(), [this] { undo(); });
  menu->addSeparator();
  add(QStringLiteral("Cor&tar"), "edit-cut", editable && selection, [this] { CutRequest(); });
  add(QStringLiteral("&Copiar"), "edit-copy", selection, [this] { copy(); });
  add(QStringLiteral("&Pegar"), "edit-paste", editable && mime && mime->hasText(), [this] { PasteRequest(); });
  add(QStringLiteral("&Eliminar"), "edit-delete", editable && selection, [this] { ClearRequest(); });
  menu->addSeparator();
  add(QStringLiteral("Seleccionar &todo"), "select-all", !text().isEmpty(), [this] { selectAll(); });
  menu->popup(event->globalPos());
  event->accept();
}

bool TTarvoNumberEdit::event(QEvent *event) {
  if (event->type() == QEvent::ToolTip && !showHint_) return true;
  return QLineEdit::event(event);
}

// ---------------------------------------------------------------------------
// Paste, cut, clear

void TTarvoNumberEdit::PasteRequest() {
  if (isReadOnly() || !isEnabled()) return;
  const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
  if (!mime || !mime->hasText()) return;
  const std::optional<double> parsed = ParseNumber(StripThousandSeparators(mime->text()));
  if (!parsed) return;  // not a number: nothing is inserted
  const double before = AsFloat();
  double value = *parsed;
  if (value > MaxValor()) value = MaxValor();
  if (value < MinValor()) value = MinValor();
  SetInitText(value);
  setModified(true);
  // The clipboard keeps its content: the number may be pasted again elsewhere.
  DoPaste();
  ReportEdit(before);
}

void TTarvoNumberEdit::CutRequest() {
  if (isReadOnly() || !isEnabled()) return;
  const double before = AsFloat();
  DoCut();
  QLineEdit::cut();
  ReportEdit(before);
}

void TTarvoNumberEdit::ClearRequest() {
  if (isReadOnly() || !isEnabled()) return;
  const double before = AsFloat();
  DoClear();
  if (hasSelectedText()) del();
  ReportEdit(before);
}

// ---------------------------------------------------------------------------
// Calculator

TCalculatorPopup *TTarvoNumberEdit::Calculator() {
  if (!calculator_) {
    calculator_ = new TCalculatorPopup(this);
    connect(calculator_, &TCalculatorPopup::ButtonPressed, this, &TTarvoNumberEdit::CalculatorButton);
  }
  return calculator_;
}

void TTarvoNumberEdit::OpenCalculator() {
  if (isReadOnly() || !isEnabled()) return;
  Calculator()->Open(this, AsFloat());
}

bool TTarvoNumberEdit::CalculatorOpen() const { return calculator_ && calculator_->isVisible(); }

void TTarvoNumberEdit::CalculatorButton(int code) {
  if (code != CalculatorResultButton) return;
  const double value = calculator_->Value();
  if (!std::isfinite(value)) return;  // the calculator shows an error; nothing to hand over
  const double before = AsFloat();
  SetInitText(value < MinValor() ? MinValor() : value);
  if (value > MaxValor()) SetInitText(MaxValor());
  setModified(true);
  calculator_->Close();
  setFocus(Qt::PopupFocusReason);
  deselect();
  setCursorPosition(int(text().size()));
  DoPaste();
  ReportEdit(before);
}

// ---------------------------------------------------------------------------

void TTarvoNumberEdit::OnTextChanged() {
  TarvoNumberEditChange();
  const double value = AsFloat();
  if (value != lastValue_) {
    lastValue_ = value;
    emit valueChanged(value);
  }
}

void TTarvoNumberEdit::ReportEdit(double before) {
  const double value = AsFloat();
  if (value != before) emit valueEdited(value);
}
