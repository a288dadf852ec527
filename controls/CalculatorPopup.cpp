#include "controls/CalculatorPopup.h"

#include <QLabel>

TCalculatorPopup::TCalculatorPopup(QWidget *parent) : QFrame(parent, Qt::Popup) {}
void TCalculatorPopup::Open(QWidget *, double value) { SetValue(value); show(); }
void TCalculatorPopup::Close() { hide(); }
double TCalculatorPopup::Value() const { return accumulator_; }
void TCalculatorPopup::SetValue(double value) { accumulator_ = value; }
QString TCalculatorPopup::DisplayText() const { return QString(); }
void TCalculatorPopup::PressButton(int code) { emit ButtonPressed(code); }
void TCalculatorPopup::keyPressEvent(QKeyEvent *event) { QFrame::keyPressEvent(event); }
void TCalculatorPopup::hideEvent(QHideEvent *event) { QFrame::hideEvent(event); emit Closed(); }
void TCalculatorPopup::Apply(int) {}
void TCalculatorPopup::Compute() {}
void TCalculatorPopup::Refresh() {}
