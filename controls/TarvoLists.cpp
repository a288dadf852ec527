#include "controls/TarvoLists.h"

#include <QEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

// Paints a selected item in the highlight colours, as the style does, but
// never draws the focus rectangle around the current item.
class NoFocusRectDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->state &= ~QStyle::State_HasFocus;
  }
};

}  // namespace

TTarvoList::TTarvoList(QWidget *parent) : QListWidget(parent) {
  setItemDelegate(new NoFocusRectDelegate(this));
  // The vertical bar stays (disabled while the items fit); no horizontal one.
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

TTarvoList::~TTarvoList() = default;

bool TTarvoList::event(QEvent *e) {
  if (e->type() == QEvent::ToolTip && !m_showHint) return true;
  return QListWidget::event(e);
}

TTarvoHorizontalList::TTarvoHorizontalList(QWidget *parent) : QListWidget(parent) {
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

TTarvoHorizontalList::~TTarvoHorizontalList() = default;

void TTarvoHorizontalList::SetHScroll(int width) {
  m_hScroll = width < 0 ? 0 : width;
  updateGeometries();
}

bool TTarvoHorizontalList::event(QEvent *e) {
  if (e->type() == QEvent::ToolTip && !m_showHint) return true;
  return QListWidget::event(e);
}

void TTarvoHorizontalList::updateGeometries() {
  QListWidget::updateGeometries();
  // The horizontal range is the HScroll width, not the items' width.
  QScrollBar *bar = horizontalScrollBar();
  const int visible = viewport()->width();
  bar->setPageStep(visible);
  bar->setSingleStep(qMax(1, fontMetrics().averageCharWidth()));
  bar->setRange(0, qMax(0, m_hScroll - visible));
}
