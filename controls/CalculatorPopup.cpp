#include "controls/CalculatorPopup.h"

#include "controls/LibrarySettings.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

namespace {

struct ButtonDef {
  int code;
  const char *caption;
  int row;
  int column;
};

// 7 8 9 /   4 5 6 *   1 2 3 -   0 . = +   C <- +/- Aceptar
constexpr ButtonDef kButtons[] = {
    {7, "7", 0, 0}, {8, "8", 0, 1}, {9, "9", 0, 2}, {TCalculatorPopup::Divide, "/", 0, 3},
    {4, "4", 1, 0}, {5, "5", 1, 1}, {6, "6", 1, 2}, {TCalculatorPopup::Multiply, "*", 1, 3},
    {1, "1", 2, 0}, {2, "2", 2, 1}, {3, "3", 2, 2}, {TCalculatorPopup::Subtract, "-", 2, 3},
    {0, "0", 3, 0}, {TCalculatorPopup::DecimalPoint, ".", 3, 1}, {TCalculatorPopup::Equals, "=", 3, 2},
    {TCalculatorPopup::Add, "+", 3, 3},
    {TCalculatorPopup::ClearAll, "C", 4, 0}, {TCalculatorPopup::BackSpace, "\u2190", 4, 1},
    {TCalculatorPopup::ChangeSign, "\u00b1", 4, 2}, {TCalculatorPopup::Result, "Aceptar", 4, 3},
};

constexpr int kMaxEntryDigits = 15;

}  // namespace

TCalculatorPopup::TCalculatorPopup(QWidget *parent) : QFrame(parent, Qt::Popup) {
  setObjectName(QStringLiteral("Calculadora"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  display_ = new QLabel(this);
  display_->setObjectName(QStringLiteral("CalculatorDisplay"));
  display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  display_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  layout->addWidget(display_);
  auto *grid = new QGridLayout;
  grid->setSpacing(2);
  for (const ButtonDef &def : kButtons) {
    QString caption = QString::fromUtf8(def.caption);
    if (def.code == DecimalPoint) caption = q7::LocaleSettings().decimalSeparator;
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QStringLiteral("CalcButton%1").arg(def.code));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, [this, code = def.code] { PressButton(code); });
    grid->addWidget(button, def.row, def.column);
  }
  layout->addLayout(grid);
  Refresh();
}

void TCalculatorPopup::Open(QWidget *anchor, double value) {
  SetValue(value);
  if (anchor) move(anchor->mapToGlobal(QPoint(0, anchor->height())));
  show();
  setFocus(Qt::PopupFocusReason);
}

void TCalculatorPopup::Close() { hide(); }

double TCalculatorPopup::Value() const {
  if (error_) return std::numeric_limits<double>::quiet_NaN();
  if (!entry_.isEmpty() && entry_ != QLatin1String("-")) return entry_.toDouble();
  return accumulator_;
}

void TCalculatorPopup::SetValue(double value) {
  accumulator_ = std::isfinite(value) ? value : 0;
  entry_.clear();
  pendingOp_ = -1;
  error_ = false;
  Refresh();
}

QString TCalculatorPopup::DisplayText() const { return display_->text(); }

void TCalculatorPopup::PressButton(int code) {
  Apply(code);
  Refresh();
  emit ButtonPressed(code);
}

void TCalculatorPopup::Apply(int code) {
  if (error_ && code != Result) SetValue(0);
  if (code >= Digit0 && code <= Digit0 + 9) {
    const qsizetype digits = entry_.count(QRegularExpression(QStringLiteral("[0-9]")));
    if (digits >= kMaxEntryDigits) return;
    if (entry_ == QLatin1String("0")) entry_.clear();
    if (entry_ == QLatin1String("-0")) entry_ = QStringLiteral("-");
    entry_ += QChar(u'0' + code);
    return;
  }
  switch (code) {
    case DecimalPoint:
      if (entry_.contains(u'.')) return;
      if (entry_.isEmpty() || entry_ == QLatin1String("-")) entry_ += u'0';
      entry_ += u'.';
      return;
    case Add:
    case Subtract:
    case Multiply:
    case Divide:
      Compute();
      pendingOp_ = code;
      return;
    case Equals:
    case Result:
      Compute();
      pendingOp_ = -1;
      return;
    case ClearAll:
      SetValue(0);
      return;
    case BackSpace:
      entry_.chop(1);
      return;
    case ChangeSign:
      if (entry_.isEmpty())
        accumulator_ = -accumulator_;
      else if (entry_.startsWith(u'-'))
        entry_.remove(0, 1);
      else
        entry_.prepend(u'-');
      return;
    default:
      return;
  }
}

// Applies the pending operation to the accumulator and the number typed.
void TCalculatorPopup::Compute() {
  if (entry_.isEmpty() || entry_ == QLatin1String("-")) return;
  const double operand = entry_.toDouble();
  entry_.clear();
  switch (pendingOp_) {
    case Add: accumulator_ += operand; break;
    case Subtract: accumulator_ -= operand; break;
    case Multiply: accumulator_ *= operand; break;
    case Divide:
      if (operand == 0) error_ = true;
      else accumulator_ /= operand;
      break;
    default: accumulator_ = operand; break;
  }
  if (!std::isfinite(accumulator_)) error_ = true;
}

void TCalculatorPopup::Refresh() {
  const QChar dec = q7::LocaleSettings().decimalSeparator;
  QString shown;
  if (error_)
    shown = QStringLiteral("Error");
  else if (!entry_.isEmpty())
    shown = entry_;
  else
    shown = QString::number(accumulator_, 'g', 15);
  shown.replace(u'.', dec);
  display_->setText(shown);
}

void TCalculatorPopup::keyPressEvent(QKeyEvent *event) {
  const QChar dec = q7::LocaleSettings().decimalSeparator;
  const QString typed = event->text();
  int code = -1;
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: code = Result; break;
    case Qt::Key_Backspace: code = BackSpace; break;
    case Qt::Key_Delete: code = ClearAll; break;
    case Qt::Key_Escape: Close(); event->accept(); return;
    default: break;
  }
  if (code < 0 && typed.size() == 1) {
    const QChar c = typed[0];
    if (c >= u'0' && c <= u'9') code = Digit0 + (c.unicode() - u'0');
    else if (c == dec || c == u'.') code = DecimalPoint;
    else if (c == u'+') code = Add;
    else if (c == u'-') code = Subtract;
    else if (c == u'*') code = Multiply;
    else if (c == u'/') code = Divide;
    else if (c == u'=') code = Equals;
  }
  if (code < 0) {
    QFrame::keyPressEvent(event);
    return;
  }
  PressButton(code);
  event->accept();
}

void TCalculatorPopup::hideEvent(QHideEvent *event) {
  QFrame::hideEvent(event);
  emit Closed();
}
