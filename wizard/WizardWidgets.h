#pragma once
// Small widgets of the wizard's pages.
#include <QCheckBox>

// A check box whose caption stands to the left of its box, the way the
// wizard's pages show most of their options. Text, accelerator and clicking
// behave as in any check box; the whole width is clickable.
class LeftCaptionCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  explicit LeftCaptionCheckBox(const QString &text, QWidget *parent = nullptr);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent *event) override;
  bool hitButton(const QPoint &pos) const override;
};
