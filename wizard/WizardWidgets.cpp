#include "wizard/WizardWidgets.h"

#include <QStyleOptionButton>
#include <QStylePainter>

LeftCaptionCheckBox::LeftCaptionCheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent) {}

QSize LeftCaptionCheckBox::sizeHint() const { return QCheckBox::sizeHint(); }

void LeftCaptionCheckBox::paintEvent(QPaintEvent *) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const int indicatorWidth = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this);
  const int indicatorHeight = style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this);
  const QRect whole = rect();

  QStyleOptionButton indicator = option;
  indicator.rect = QRect(whole.right() - indicatorWidth + 1,
                         whole.top() + (whole.height() - indicatorHeight) / 2, indicatorWidth,
                         indicatorHeight);
  painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);

  QStyleOptionButton label = option;
  label.rect = QRect(whole.left(), whole.top(), whole.width() - indicatorWidth - 4, whole.height());
  painter.drawControl(QStyle::CE_CheckBoxLabel, label);

  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = label.rect.adjusted(-1, 1, 1, -1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

bool LeftCaptionCheckBox::hitButton(const QPoint &pos) const { return rect().contains(pos); }
