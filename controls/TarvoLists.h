#pragma once
// The list controls of the entry-control library. TTarvoList keeps its
// vertical scroll bar always shown (disabled when not needed), has no
// horizontal one and paints the selected item in the highlight colours
// without a focus rectangle. TTarvoHorizontalList scrolls horizontally over a
// width in pixels set by HScroll.
#include <QListWidget>

class TTarvoList : public QListWidget {
  Q_OBJECT
  Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
  Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)

 public:
  explicit TTarvoList(QWidget *parent = nullptr);
  ~TTarvoList() override;

  QString Hint() const { return toolTip(); }
  void SetHint(const QString &hint) { setToolTip(hint); }
  bool ShowHint() const { return m_showHint; }
  void SetShowHint(bool value) { m_showHint = value; }

 protected:
  bool event(QEvent *e) override;

 private:
  bool m_showHint = true;
};

class TTarvoHorizontalList : public QListWidget {
  Q_OBJECT
  Q_PROPERTY(int HScroll READ HScroll WRITE SetHScroll)
  Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
  Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)

 public:
  explicit TTarvoHorizontalList(QWidget *parent = nullptr);
  ~TTarvoHorizontalList() override;

  // Width in pixels over which the list scrolls horizontally; 0: no
  // horizontal scrolling.
  int HScroll() const { return m_hScroll; }
  void SetHScroll(int width);

  QString Hint() const { return toolTip(); }
  void SetHint(const QString &hint) { setToolTip(hint); }
  bool ShowHint() const { return m_showHint; }
  void SetShowHint(bool value) { m_showHint = value; }

 protected:
  bool event(QEvent *e) override;
  void updateGeometries() override;

 private:
  int m_hScroll = 0;
  bool m_showHint = true;
};
