#include "controls/MemoTarvo.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>

namespace {

class MemoWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(window.get());
    memo = new TMemoTarvo(window.get());
    memo->setObjectName(QStringLiteral("EDirEmpre"));
    memo->SetMaxLineas(3);
    memo->setFixedHeight(memo->sizeHint().height());
    other = new QLineEdit(window.get());
    layout->addWidget(memo);
    layout->addWidget(other);
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    memo->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(memo->hasFocus());
  }

  void Type(const QString &text) {
    for (QChar c : text) {
      if (c == u'\n')
        QTest::keyClick(memo, Qt::Key_Return);
      else
        QTest::keyClicks(memo, QString(c));
    }
  }

  std::unique_ptr<QWidget> window;
  TMemoTarvo *memo = nullptr;
  QLineEdit *other = nullptr;
};

TEST_F(MemoWindow, ReturnKeyIsTakenAgainOnEveryEntry) {
  Type(QStringLiteral("Av. Principal\n"));
  EXPECT_EQ(memo->LineCount(), 2);

  // The base form switches Enter off while the memo has the focus ...
  memo->SetWantReturns(false);
  QTest::keyClick(memo, Qt::Key_Return);
  EXPECT_EQ(memo->LineCount(), 2) << "Enter is left to the window";

  // ... a popup (a context menu) opening over it and closing is no new entry ...
  QFocusEvent toPopup(QEvent::FocusOut, Qt::PopupFocusReason);
  QApplication::sendEvent(memo, &toPopup);
  QFocusEvent fromPopup(QEvent::FocusIn, Qt::PopupFocusReason);
  QApplication::sendEvent(memo, &fromPopup);
  EXPECT_FALSE(memo->WantReturns());

  // ... a new entry does.
  other->setFocus(Qt::TabFocusReason);
  memo->setFocus(Qt::BacktabFocusReason);
  EXPECT_TRUE(memo->WantReturns());
  memo->moveCursor(QTextCursor::End);
  Type(QStringLiteral("Piso 2\n"));
  EXPECT_EQ(memo->Lines(), (QStringList{QStringLiteral("Av. Principal"), QStringLiteral("Piso 2"), QString()}));
}

TEST_F(MemoWindow, DoesNotScrollForALineBelowTheVisibleArea) {
  ASSERT_EQ(memo->VisibleLineCount(), 4) << "room for MaxLineas and one more";
  Type(QStringLiteral("a\nb\nc\nd\ne"));
  EXPECT_EQ(memo->Lines(), (QStringList{"a", "b", "c", "de"}));
  EXPECT_EQ(memo->verticalScrollBar()->value(), 0);

  // A paste that would add lines below is refused as a whole.
  memo->SetText(QStringLiteral("a\nb"));
  memo->moveCursor(QTextCursor::End);
  QApplication::clipboard()->setText(QStringLiteral("x\ny\nz\nw"));
  memo->paste();
  EXPECT_EQ(memo->Text(), QStringLiteral("a\nb"));
  QApplication::clipboard()->setText(QStringLiteral("x\ny"));
  memo->paste();
  EXPECT_EQ(memo->Text(), QStringLiteral("a\nbx\ny"));
}

// A long line that wraps onto a line below the visible area would scroll the
// first lines out of sight as surely as Enter: the characters that need that
// line are refused, the rest is kept.
TEST_F(MemoWindow, TypingThatWrapsBelowTheVisibleAreaIsRefused) {
  memo->setFixedWidth(140);
  QApplication::processEvents();
  const QString typed = QStringLiteral("Calle Real ").repeated(40);
  QTest::keyClicks(memo, typed);
  EXPECT_EQ(memo->verticalScrollBar()->value(), 0);
  // Each character is judged alone: blanks, and a narrow letter that still
  // fits at the end of the last line, are taken.
  const QString kept = memo->Text();
  EXPECT_TRUE(kept.startsWith(QStringLiteral("Calle Real Calle Real "))) << kept.toStdString();
  EXPECT_LT(kept.trimmed().size(), typed.trimmed().size());
  EXPECT_EQ(memo->LineCount(), 1);
}

TEST_F(MemoWindow, ShortMemoStillTakesItsLineLimitAndTheLineBelow) {
  memo->setFixedHeight(memo->fontMetrics().lineSpacing() * 2 + 12);
  QApplication::processEvents();
  ASSERT_LT(memo->VisibleLineCount(), 3);
  Type(QStringLiteral("a\nb\nc\n\nz"));
  EXPECT_EQ(memo->Lines(), (QStringList{"a", "b", "c", "z"}));
}

TEST_F(MemoWindow, LinesAndCaretLineForTheBaseForm) {
  EXPECT_TRUE(memo->setProperty("MaxLineas", 5));
  EXPECT_EQ(memo->property("MaxLineas").toInt(), 5);
  EXPECT_EQ(memo->LineCount(), 0);
  EXPECT_TRUE(memo->Lines().isEmpty());
  memo->SetLines({QStringLiteral("uno"), QString(), QStringLiteral("tres")});
  EXPECT_EQ(memo->LineCount(), 3);
  EXPECT_EQ(memo->Line(2), QStringLiteral("tres"));
  EXPECT_EQ(memo->Line(1), QString());
  EXPECT_EQ(memo->Line(7), QString());
  memo->moveCursor(QTextCursor::End);
  EXPECT_EQ(memo->CaretLine(), 2);
  memo->ClearLines();
  EXPECT_EQ(memo->Text(), QString());
}

}  // namespace
