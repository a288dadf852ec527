#pragma once
// TMemoTarvo: the multi-line text field of the entry-control library (the
// company's addresses). It carries the line limit MaxLineas that the base
// form's Enter handling reads, takes Enter as a line break again on every
// entry (WantReturns), and does not scroll vertically while typing: a line
// break or paste that would need a line below the visible area is refused
// with a beep, and so is typing that wraps onto such a line (a memo drawn too
// short still takes MaxLineas + 1 lines).
#include <QPlainTextEdit>
#include <QStringList>
#include <functional>

class TMemoTarvo : public QPlainTextEdit {
  Q_OBJECT
  Q_PROPERTY(int MaxLineas READ MaxLineas WRITE SetMaxLineas)
  Q_PROPERTY(bool WantReturns READ WantReturns WRITE SetWantReturns)
  Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
  Q_PROPERTY(QString Text READ Text WRITE SetText USER true)
  Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
  Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
  Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)

 public:
  using Handler = std::function<void()>;

  explicit TMemoTarvo(QWidget *parent = nullptr);
  ~TMemoTarvo() override;

  // The number of lines the memo is meant to hold (read by the base form).
  int MaxLineas() const { return m_maxLineas; }
  void SetMaxLineas(int value);
  // On: Enter inserts a line break. Off: the memo leaves Enter to its window.
  bool WantReturns() const { return m_wantReturns; }
  void SetWantReturns(bool value) { m_wantReturns = value; }

  // Lines are the paragraphs of the text, numbered from 0.
  QStringList Lines() const;
  void SetLines(const QStringList &lines);
  QString Text() const { return toPlainText(); }
  void SetText(const QString &text) { setPlainText(text); }
  int LineCount() const;
  // The text of line i; an empty text when there is no such line.
  QString Line(int i) const;
  // The line of the caret.
  int CaretLine() const;
  // Empties the memo (the base form's clearing of a window).
  void ClearLines() { clear(); }
  // How many lines fit in the visible area.
  int VisibleLineCount() const;

  QString Hint() const { return toolTip(); }
  void SetHint(const QString &hint) { setToolTip(hint); }
  bool ShowHint() const { return m_showHint; }
  void SetShowHint(bool value) { m_showHint = value; }
  bool Ctl3D() const { return m_ctl3D; }
  void SetCtl3D(bool value);

  // Focus enter: Enter inserts line breaks again.
  virtual void MemoEnter();
  // A form's own enter handler replaces MemoEnter (empty: MemoEnter again).
  void SetOnEnter(Handler handler) { m_onEnter = std::move(handler); }

  QSize sizeHint() const override;

 signals:
  void Entered();

 protected:
  bool event(QEvent *e) override;
  void keyPressEvent(QKeyEvent *e) override;
  void focusInEvent(QFocusEvent *e) override;
  void focusOutEvent(QFocusEvent *e) override;
  void insertFromMimeData(const QMimeData *source) override;

 private:
  // Lines as shown, a wrapped paragraph counting each of its lines.
  int DisplayLineCount() const;
  // The lines the memo takes without scrolling.
  int LineRoom() const;
  // Runs an edit; when it needs a line below the visible area, takes it back
  // with a beep and returns false.
  bool EditWithoutScrolling(const std::function<void()> &edit);

  int m_maxLineas = 0;
  bool m_wantReturns = true;
  bool m_showHint = true;
  bool m_ctl3D = true;
  bool m_entered = false;
  Handler m_onEnter;
};
