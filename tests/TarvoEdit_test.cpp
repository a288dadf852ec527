#include "controls/TarvoEdit.h"

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(ZeroFilled, PadsUpToTheMaximumLength) {
  const struct {
    const char *text;
    int maxLength;
    const char *want;
  } cases[] = {
      {"42", 6, "000042"}, {"", 6, ""}, {"123456", 6, "123456"}, {"1234567", 6, "1234567"},
      {"42", 0, "42"},     {"A1", 4, "00A1"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(q7::ZeroFilled(QString::fromLatin1(c.text), c.maxLength), QString::fromLatin1(c.want))
        << c.text << " / " << c.maxLength;
}

class TextFieldWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(window.get());
    edit = new TTarvoEdit(window.get());
    other = new QLineEdit(window.get());
    layout->addWidget(edit);
    layout->addWidget(other);
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  std::unique_ptr<QWidget> window;
  TTarvoEdit *edit = nullptr;
  QLineEdit *other = nullptr;
};

TEST_F(TextFieldWindow, LeavingPadsWithZerosAndPutsTheCaretAtTheStart) {
  const struct {
    const char *name;
    bool fillCero;
    int maxLength;
    const char *typed;
    const char *want;
  } cases[] = {
      {"padded to the maximum length", true, 6, "42", "000042"},
      {"empty stays empty", true, 6, "", ""},
      {"full length unchanged", true, 6, "123456", "123456"},
      {"no maximum length, no padding", true, 0, "42", "42"},
      {"padding off", false, 6, "42", "42"},
  };
  for (const auto &c : cases) {
    edit->SetFillCero(c.fillCero);
    edit->SetMaxLength(c.maxLength);
    edit->clear();
    edit->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(edit->hasFocus());
    QTest::keyClicks(edit, QString::fromLatin1(c.typed));
    QTest::keyClick(edit, Qt::Key_Tab);
    ASSERT_TRUE(other->hasFocus()) << c.name;
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.want)) << c.name;
    EXPECT_EQ(edit->cursorPosition(), 0) << c.name;
  }
}

TEST_F(TextFieldWindow, MaxLengthLimitsTypingAndPropertiesAreReachableByName) {
  EXPECT_TRUE(edit->setProperty("MaxLength", 3));
  edit->setFocus();
  QTest::keyClicks(edit, QStringLiteral("12345"));
  EXPECT_EQ(edit->text(), QStringLiteral("123"));
  EXPECT_TRUE(edit->setProperty("MaxLength", 0));
  QTest::keyClicks(edit, QStringLiteral("45"));
  EXPECT_EQ(edit->text(), QStringLiteral("12345"));

  EXPECT_TRUE(edit->setProperty("TipoEdicion", QStringLiteral("SeleccionMultiple")));
  EXPECT_EQ(edit->TipoEdicion(), TTarvoEdit::SeleccionMultiple);
  EXPECT_TRUE(edit->setProperty("Elementos", 7));
  EXPECT_EQ(edit->Elementos(), 7);
  EXPECT_TRUE(edit->setProperty("FillCero", true));
  EXPECT_TRUE(edit->FillCero());
}

TEST_F(TextFieldWindow, OwnExitHandlerReplacesTheFieldsOne) {
  int calls = 0;
  edit->SetFillCero(true);
  edit->SetMaxLength(4);
  edit->SetOnExit([&] { ++calls; });
  edit->setFocus();
  QTest::keyClicks(edit, QStringLiteral("7"));
  other->setFocus();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(edit->text(), QStringLiteral("7"));
}

}  // namespace
