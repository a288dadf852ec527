#pragma once
// TTarvoEdit: the single-line text field of the entry-control library. It
// shows its hint in the owning base form's status text on entry and can pad
// its text on the left with zeros when the focus leaves it.
//
// Also home of the small helpers the library's entry fields share: the hint
// text of a control and the request to the owning base form to show it.
#include <QLineEdit>
#include <functional>

namespace q7 {

// A control's hint as the base form shows it: its Hint text when ShowHint is
// on, an empty text otherwise. Controls without those properties fall back to
// their tool tip.
QString ControlHintText(const QWidget *control);

// Asks the base form that owns control (the nearest ancestor of class TEForm)
// to show text through its ShowHintText. Nothing happens when the control has
// no such owner.
void RequestHintText(const QWidget *control, const QString &text);

// The text padded on the left with "0" up to maxLength characters. An empty
// text, a text already at or above maxLength, or maxLength 0 (no limit) give
// the text unchanged.
QString ZeroFilled(const QString &text, int maxLength);

}  // namespace q7

class TTarvoEdit : public QLineEdit {
  Q_OBJECT
  Q_PROPERTY(TEdicion TipoEdicion READ TipoEdicion WRITE SetTipoEdicion)
  Q_PROPERTY(int Elementos READ Elementos WRITE SetElementos)
  Q_PROPERTY(bool FillCero READ FillCero WRITE SetFillCero)
  Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
  Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
  Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
  Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
  Q_PROPERTY(QString Text READ text WRITE setText USER true)

 public:
  // Kept with the form; no behaviour of the field depends on it.
  enum TEdicion { Simple = 0, Combo = 1, SeleccionMultiple = 2 };
  Q_ENUM(TEdicion)

  using Handler = std::function<void()>;

  explicit TTarvoEdit(QWidget *parent = nullptr);
  ~TTarvoEdit() override;

  TEdicion TipoEdicion() const { return m_tipoEdicion; }
  void SetTipoEdicion(TEdicion value) { m_tipoEdicion = value; }
  int Elementos() const { return m_elementos; }
  void SetElementos(int value) { m_elementos = value; }
  bool FillCero() const { return m_fillCero; }
  void SetFillCero(bool value) { m_fillCero = value; }
  // 0 means no limit.
  int MaxLength() const { return m_maxLength; }
  void SetMaxLength(int value);

  // The hint is the field's tool tip; ShowHint off hides it and makes the
  // status text empty.
  QString Hint() const { return toolTip(); }
  void SetHint(const QString &hint) { setToolTip(hint); }
  bool ShowHint() const { return m_showHint; }
  void SetShowHint(bool value) { m_showHint = value; }
  bool Ctl3D() const { return m_ctl3D; }
  void SetCtl3D(bool value) { m_ctl3D = value; }

  QString Text() const { return text(); }
  void SetText(const QString &value) { setText(value); }

  // Focus enter: the owning base form shows the field's hint.
  virtual void TarvoEditEnter();
  // Focus exit: caret to the start, then the zero padding of FillCero.
  virtual void TarvoEditExit();

  // A form's own handler replaces the field's one (an empty handler puts the
  // field's own back); the form may call TarvoEditEnter/Exit itself.
  void SetOnEnter(Handler handler) { m_onEnter = std::move(handler); }
  void SetOnExit(Handler handler) { m_onExit = std::move(handler); }

 signals:
  void Entered();
  void Exited();

 protected:
  bool event(QEvent *e) override;
  void focusInEvent(QFocusEvent *e) override;
  void focusOutEvent(QFocusEvent *e) override;

 private:
  TEdicion m_tipoEdicion = Simple;
  int m_elementos = 0;
  bool m_fillCero = false;
  int m_maxLength = 0;
  bool m_showHint = true;
  bool m_ctl3D = true;
  bool m_entered = false;
  Handler m_onEnter;
  Handler m_onExit;
};
