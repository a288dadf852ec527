#include "controls/TarvoNumberEdit.h"

#include "controls/CalculatorPopup.h"

TTarvoNumberObject::TTarvoNumberObject(QObject *parent) : QObject(parent) {}
void TTarvoNumberObject::SetTipoDato(TDato value) { tipoDato_ = value; }
void TTarvoNumberObject::SetNNegative(bool value) { nNegative_ = value; }
void TTarvoNumberObject::SetMinValor(double value) { minValor_ = value; }
void TTarvoNumberObject::SetMaxValor(double value) { maxValor_ = value; }
void TTarvoNumberObject::SetActValor(double value) { actValor_ = value; }
void TTarvoNumberObject::SetDecimales(int n) { decimales_ = n; }
void TTarvoNumberObject::Assign(const TTarvoNumberObject *) {}

TTarvoNumberEdit::TTarvoNumberEdit(QWidget *parent)
    : QLineEdit(parent), numberObject_(new TTarvoNumberObject(this)) {
  setText(QStringLiteral("0.00"));
}
TTarvoNumberEdit::~TTarvoNumberEdit() = default;
void TTarvoNumberEdit::SetTarvoNumberObject(TTarvoNumberObject *source) { numberObject_->Assign(source); }
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
void TTarvoNumberEdit::SetPorcent(TPorcent mode) { porcent_ = mode; }
void TTarvoNumberEdit::SetInitText(double value) { initText_ = value; setText(QString::number(value, 'f', 2)); }
void TTarvoNumberEdit::SetHideSeparator(bool hide) { hideSeparator_ = hide; }
void TTarvoNumberEdit::SetShowButton(bool show) { showButton_ = show; }
double TTarvoNumberEdit::AsFloat() const { return text().toDouble(); }
int TTarvoNumberEdit::AsInteger() const { return qRound(AsFloat()); }
void TTarvoNumberEdit::PasteRequest() {}
void TTarvoNumberEdit::CutRequest() {}
void TTarvoNumberEdit::ClearRequest() {}
TCalculatorPopup *TTarvoNumberEdit::Calculator() {
  if (!calculator_) calculator_ = new TCalculatorPopup(this);
  return calculator_;
}
void TTarvoNumberEdit::OpenCalculator() {}
bool TTarvoNumberEdit::CalculatorOpen() const { return calculator_ && calculator_->isVisible(); }
std::optional<double> TTarvoNumberEdit::ParseNumber(const QString &) { return std::nullopt; }
QString TTarvoNumberEdit::FormatNumber(double value, int decimals, bool) { return QString::number(value, 'f', decimals); }
QString TTarvoNumberEdit::GeneralText(double value) { return QString::number(value, 'g', 15); }
double TTarvoNumberEdit::RoundTo(double value, int) { return value; }
QString TTarvoNumberEdit::NumericCharsOnly(const QString &text) { return text; }
QString TTarvoNumberEdit::StripThousandSeparators(const QString &text) { return text; }
void TTarvoNumberEdit::TarvoNumberEditKeyPress(QChar &) {}
void TTarvoNumberEdit::TarvoNumberEditChange() {}
void TTarvoNumberEdit::TarvoNumberEditEnter() {}
void TTarvoNumberEdit::TarvoNumberEditExit() {}
bool TTarvoNumberEdit::TarvoNumberEditKeyDown(QKeyEvent *) { return false; }
void TTarvoNumberEdit::DoPaste() { emit OnPaste(); }
void TTarvoNumberEdit::DoCut() { emit OnCut(); }
void TTarvoNumberEdit::DoClear() { emit OnClear(); }
void TTarvoNumberEdit::keyPressEvent(QKeyEvent *event) { QLineEdit::keyPressEvent(event); }
void TTarvoNumberEdit::focusInEvent(QFocusEvent *event) { QLineEdit::focusInEvent(event); }
void TTarvoNumberEdit::focusOutEvent(QFocusEvent *event) { QLineEdit::focusOutEvent(event); }
void TTarvoNumberEdit::contextMenuEvent(QContextMenuEvent *event) { QLineEdit::contextMenuEvent(event); }
void TTarvoNumberEdit::OnTextChanged() {}
void TTarvoNumberEdit::CalculatorButton(int) {}
void TTarvoNumberEdit::ReportEdit(double) {}
void TTarvoNumberEdit::ShowHintOnForm() {}
