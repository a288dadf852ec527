#pragma once
// TCalculatorPopup: the small popup calculator of the numeric field. It opens
// below its field with the field's value, computes with + - * / and reports
// each button by its code; the result button has code 20. Numbers are shown
// with the decimal separator of q7::LocaleSettings().
#include <QFrame>
#include <QString>

class QLabel;

class TCalculatorPopup : public QFrame {
  Q_OBJECT
 public:
  // Button codes reported by ButtonPressed.
  enum ButtonCode {
    Digit0 = 0,  // Digit0 + n for the digit n
    DecimalPoint = 10,
    Add = 11,
    Subtract = 12,
    Multiply = 13,
    Divide = 14,
    Equals = 15,
    ClearAll = 16,
    BackSpace = 17,
    ChangeSign = 18,
    Result = 20,  // hands the value to the field
  };
  Q_ENUM(ButtonCode)

  explicit TCalculatorPopup(QWidget *parent = nullptr);

  // Shows the popup below anchor, starting from value.
  void Open(QWidget *anchor, double value);
  void Close();

  // The value shown.
  double Value() const;
  void SetValue(double value);
  QString DisplayText() const;

  // Acts as a click on the button with this code.
  void PressButton(int code);

 signals:
  void ButtonPressed(int code);
  void Closed();

 protected:
  void keyPressEvent(QKeyEvent *event) override;
  void hideEvent(QHideEvent *event) override;

 private:
  void Apply(int code);
  void Compute();
  void Refresh();

  QLabel *display_ = nullptr;
  QString entry_;          // digits being typed, "." as decimal point
  double accumulator_ = 0;
  int pendingOp_ = -1;     // Add..Divide waiting for its second operand
  bool error_ = false;
};
