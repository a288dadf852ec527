#pragma once
// TTarvoNumberEdit: the single-line entry field for numbers, with its settings
// object TTarvoNumberObject (kind of number, bounds, value, decimals), a
// percent display mode, a character filter, correction of the text after every
// change, clean-up on entry and formatting on exit, a number-only paste and a
// popup calculator. Every conversion uses the separators of q7::LocaleSettings().
#include <QLineEdit>
#include <QString>
#include <optional>

class QAction;
class TCalculatorPopup;

// Settings of a numeric field. Each setter stores its value rounded to
// Decimales places and keeps MinValor <= ActValor <= MaxValor.
class TTarvoNumberObject : public QObject {
  Q_OBJECT
  Q_PROPERTY(TDato TipoDato READ TipoDato WRITE SetTipoDato)
  Q_PROPERTY(bool NNegative READ NNegative WRITE SetNNegative)
  Q_PROPERTY(double MinValor READ MinValor WRITE SetMinValor)
  Q_PROPERTY(double MaxValor READ MaxValor WRITE SetMaxValor)
  Q_PROPERTY(double ActValor READ ActValor WRITE SetActValor)
  Q_PROPERTY(int Decimales READ Decimales WRITE SetDecimales)

 public:
  enum TDato { Entero = 0, Reales = 1 };
  Q_ENUM(TDato)

  static constexpr double DefaultMaxValor = 9999999999999.99;

  explicit TTarvoNumberObject(QObject *parent = nullptr);

  TDato TipoDato() const { return tipoDato_; }
  bool NNegative() const { return nNegative_; }
  double MinValor() const { return minValor_; }
  double MaxValor() const { return maxValor_; }
  double ActValor() const { return actValor_; }
  int Decimales() const { return decimales_; }

  void SetTipoDato(TDato value);
  // Stored with the form; no behaviour of the field consults it.
  void SetNNegative(bool value);
  void SetMinValor(double value);
  void SetMaxValor(double value);
  void SetActValor(double value);
  // Stores n, then rounds MinValor, MaxValor and ActValor to n places.
  void SetDecimales(int n);

  // Copies TipoDato, NNegative, MinValor, MaxValor and ActValor (not
  // Decimales); a null source is ignored.
  void Assign(const TTarvoNumberObject *source);

 private:
  TDato tipoDato_ = Reales;
  bool nNegative_ = false;
  double minValor_ = 0;
  double maxValor_ = DefaultMaxValor;
  double actValor_ = 0;
  int decimales_ = 2;
};

class TTarvoNumberEdit : public QLineEdit {
  Q_OBJECT
  Q_PROPERTY(TTarvoNumberObject *TarvoNumberObject READ TarvoNumberObject WRITE SetTarvoNumberObject)
  // The settings object's values, reachable by name on the field itself.
  Q_PROPERTY(TTarvoNumberObject::TDato TipoDato READ TipoDato WRITE SetTipoDato)
  Q_PROPERTY(bool NNegative READ NNegative WRITE SetNNegative)
  Q_PROPERTY(double MinValor READ MinValor WRITE SetMinValor)
  Q_PROPERTY(double MaxValor READ MaxValor WRITE SetMaxValor)
  Q_PROPERTY(double ActValor READ ActValor WRITE SetActValor)
  Q_PROPERTY(int Decimales READ Decimales WRITE SetDecimales)
  Q_PROPERTY(TPorcent Porcent READ Porcent WRITE SetPorcent)
  Q_PROPERTY(double InitText READ InitText WRITE SetInitText)
  Q_PROPERTY(bool HideSeparator READ HideSeparator WRITE SetHideSeparator)
  Q_PROPERTY(bool ShowButton READ ShowButton WRITE SetShowButton)
  // Hint shown in the form's status bar on entry (the tool tip), when ShowHint is on.
  Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
  Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
  // 3-D border flag the base form sets on every edit-like control (kept only).
  Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
  // The value the text holds now (see AsFloat).
  Q_PROPERTY(double AsFloat READ AsFloat NOTIFY valueChanged USER true)
  Q_PROPERTY(int AsInteger READ AsInteger NOTIFY valueChanged)

 public:
  using TDato = TTarvoNumberObject::TDato;
  static constexpr TDato Entero = TTarvoNumberObject::Entero;
  static constexpr TDato Reales = TTarvoNumberObject::Reales;

  // Numero: never a percent sign; Porcentaje: the text always ends in "%";
  // Ambos: the user may type one "%", which is kept.
  enum TPorcent { Numero = 0, Porcentaje = 1, Ambos = 2 };
  Q_ENUM(TPorcent)

  // Code of the calculator's result button.
  static constexpr int CalculatorResultButton = 20;

  explicit TTarvoNumberEdit(QWidget *parent = nullptr);
  ~TTarvoNumberEdit() override;

  // The settings object, owned by the field.
  TTarvoNumberObject *TarvoNumberObject() const { return numberObject_; }
  // Copies the values of another settings object (see TTarvoNumberObject::Assign).
  void SetTarvoNumberObject(TTarvoNumberObject *source);

  TDato TipoDato() const;
  bool NNegative() const;
  double MinValor() const;
  double MaxValor() const;
  double ActValor() const;
  int Decimales() const;
  void SetTipoDato(TDato value);
  void SetNNegative(bool value);
  void SetMinValor(double value);
  void SetMaxValor(double value);
  void SetActValor(double value);
  void SetDecimales(int n);

  TPorcent Porcent() const { return porcent_; }
  void SetPorcent(TPorcent mode);

  // The value last given by the program; setting it renders the text with
  // the field's decimals (none for Entero). Typing does not change it.
  double InitText() const { return initText_; }
  void SetInitText(double value);

  bool HideSeparator() const { return hideSeparator_; }
  void SetHideSeparator(bool hide);

  // The calculator button is shown; Alt+Down opens the calculator only then.
  bool ShowButton() const { return showButton_; }
  void SetShowButton(bool show);

  QString Hint() const { return toolTip(); }
  void SetHint(const QString &hint) { setToolTip(hint); }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show) { showHint_ = show; }
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool value) { ctl3D_ = value; }

  // The text reduced to "+", "-", digits and the decimal separator, parsed;
  // 0 when nothing can be read.
  double AsFloat() const;
  // AsFloat rounded to the nearest integer, a half going to the even
  // neighbour; clamped to the int range.
  int AsInteger() const;

  // Requests as the context menu and the shortcuts make them.
  void PasteRequest();
  void CutRequest();
  void ClearRequest();

  // The popup calculator (created on first use).
  TCalculatorPopup *Calculator();
  void OpenCalculator();
  bool CalculatorOpen() const;

  // Conversions through LocaleSettings(), exposed for the wizard and tests.
  // Parse: optional sign, digits with at most one decimal separator, optional
  // exponent; blanks around are skipped; anything else fails.
  static std::optional<double> ParseNumber(const QString &text);
  // Fixed notation with d decimals, thousands separators unless hidden.
  static QString FormatNumber(double value, int decimals, bool thousandSeparators);
  // Shortest text with at most 15 significant digits, no separators.
  static QString GeneralText(double value);
  static double RoundTo(double value, int decimals);
  // Digits, "-" and the decimal separator of the text, in order.
  static QString NumericCharsOnly(const QString &text);
  static QString StripThousandSeparators(const QString &text);

 public slots:
  // Hide QLineEdit's slots so every route to them goes through the requests.
  void paste() { PasteRequest(); }
  void cut() { CutRequest(); }

 signals:
  // The value the text holds changed, by the user or the program.
  void valueChanged(double value);
  // The user changed the value: typing, paste, cut, clear, calculator.
  void valueEdited(double value);
  // After a number was pasted or taken from the calculator.
  void OnPaste();
  // Before a cut is carried out.
  void OnCut();
  // Before a clear of the selection is carried out.
  void OnClear();

 protected:
  // The field's handlers of its own events; a subclass may replace them.
  // KeyPress sets key to a null QChar to discard the character.
  virtual void TarvoNumberEditKeyPress(QChar &key);
  virtual void TarvoNumberEditChange();
  virtual void TarvoNumberEditEnter();
  virtual void TarvoNumberEditExit();
  // Alt held with the button hidden: the key is discarded (returns true).
  bool TarvoNumberEditKeyDown(QKeyEvent *event);

  // The warning for a discarded character (the standard beep).
  virtual void Beep();

  virtual void DoPaste();
  virtual void DoCut();
  virtual void DoClear();

  void keyPressEvent(QKeyEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  void contextMenuEvent(QContextMenuEvent *event) override;
  bool event(QEvent *event) override;
  void inputMethodEvent(QInputMethodEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

 private:
  // Sets a text that differs from the current one, keeping the caret where
  // it can stay and the modified flag as it was.
  void SetText(const QString &newText);
  void OnTextChanged();
  // Passes each character through the filter, beeping for the rejected ones,
  // and inserts the accepted ones at the caret.
  void InsertFiltered(const QString &typed);
  void CalculatorButton(int code);
  void ReportEdit(double before);

  TTarvoNumberObject *numberObject_ = nullptr;
  TPorcent porcent_ = Numero;
  double initText_ = 0;
  bool hideSeparator_ = false;
  bool showButton_ = false;
  bool showHint_ = true;
  bool ctl3D_ = true;
  QAction *buttonAction_ = nullptr;
  TCalculatorPopup *calculator_ = nullptr;
  double lastValue_ = 0;
  bool entered_ = false;  // the focus is in the field (between entry and exit)
};
