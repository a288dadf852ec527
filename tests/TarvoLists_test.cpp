#include "controls/TarvoLists.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(TTarvoHorizontalList, HScrollSetsTheHorizontalRangeInPixels) {
  TTarvoHorizontalList list;
  list.resize(200, 100);
  list.addItems({QStringLiteral("uno"), QStringLiteral("dos")});
  list.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  const int visible = list.viewport()->width();
  const struct {
    int hScroll;
    int wantMax;
  } cases[] = {{visible + 300, 300}, {visible / 2, 0}, {0, 0}, {visible + 50, 50}, {-5, 0}};
  for (const auto &c : cases) {
    EXPECT_TRUE(list.setProperty("HScroll", c.hScroll));
    EXPECT_EQ(list.horizontalScrollBar()->maximum(), c.wantMax) << c.hScroll;
  }
  // A long item alone gives no horizontal range: only HScroll does.
  list.addItem(QString(200, u'W'));
  list.SetHScroll(0);
  QApplication::processEvents();
  EXPECT_EQ(list.horizontalScrollBar()->maximum(), 0);
}

TEST(TTarvoList, SelectedItemInHighlightColoursAndScrollBars) {
  TTarvoList list;
  list.addItems({QStringLiteral("uno"), QStringLiteral("dos")});
  list.setCurrentRow(1);
  EXPECT_EQ(list.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(list.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

  list.resize(200, 100);
  list.show();
  list.setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  const QImage image = list.viewport()->grab().toImage();
  // A point right of the item text: the item's own background.
  auto background = [&](int row) {
    const QRect r = list.visualRect(list.model()->index(row, 0));
    return QColor(image.pixel(r.right() - 4, r.center().y()));
  };
  EXPECT_EQ(background(1), list.palette().color(QPalette::Active, QPalette::Highlight));
  EXPECT_NE(background(0), list.palette().color(QPalette::Active, QPalette::Highlight));
}

}  // namespace
