#include "controls/TarvoDateEdit.h"

#include "controls/LibrarySettings.h"
#include "support/MessageRecorder.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

int Serial(int y, int m, int d) { return q7::DateSerial(QDate(y, m, d)); }

// Waits for a queued reaction (Qt's QTRY macros only work inside Qt Test).
bool WaitFor(const std::function<bool()> &condition) { return QTest::qWaitFor(condition, 2000); }

// ---------------------------------------------------------------------------
// Reading and writing dates, without a window.

TEST(ParseDateText, ReadsDayMonthYear) {
  const QDate today(2024, 7, 15);
  const struct {
    const char *text;
    int epoch;
    int want;
  } cases[] = {
      {"31/12/2024", 0, 45657},  // the table layer's day count
      {"30/12/1899", 0, 0},
      {"1/5/2024", 0, Serial(2024, 5, 1)},
      {" 01/05/2024 ", 0, Serial(2024, 5, 1)},
      {"1/5", 0, Serial(2024, 5, 1)},       // no year: this year
      {"1/5/24", 0, Serial(2024, 5, 1)},    // two digits: from the epoch 2000
      {"1/5/99", 0, Serial(2099, 5, 1)},
      {"1/5/99", 1950, Serial(1999, 5, 1)},
      {"1/5/49", 1950, Serial(2049, 5, 1)},
      {"29/02/2024", 0, Serial(2024, 2, 29)},
      {"29/02/2023", 0, 0},  // not a calendar date
      {"31/04/2024", 0, 0},
      {"13/13/2024", 0, 0},
      {"31/12/202", 0, 0},  // three-digit year is a typing slip
      {"", 0, 0},
      {"31", 0, 0},
      {"31/12/2024/1", 0, 0},
      {"3a/12/2024", 0, 0},
      {"31-12-2024", 0, 0},  // not the date separator
      {"031/12/2024", 0, 0},
  };
  for (const auto &c : cases)
    EXPECT_EQ(q7::ParseDateText(QString::fromLatin1(c.text), c.epoch, today), c.want) << c.text;
}

TEST(ParseDateText, CompleteDatesAndTextRoundTrip) {
  EXPECT_TRUE(q7::IsCompleteDateText(QStringLiteral("31/12/2024")));
  EXPECT_TRUE(q7::IsCompleteDateText(QStringLiteral("1/5/2024")));
  EXPECT_FALSE(q7::IsCompleteDateText(QStringLiteral("31/12")));
  EXPECT_FALSE(q7::IsCompleteDateText(QStringLiteral("31/12/24")));
  EXPECT_FALSE(q7::IsCompleteDateText(QStringLiteral("31/02/2024")));
  EXPECT_EQ(q7::DateText(45657), QStringLiteral("31/12/2024"));
  EXPECT_EQ(q7::DateText(45657, false), QStringLiteral("31/12/24"));
  EXPECT_EQ(q7::DateText(0), QString());
  EXPECT_EQ(q7::DateFromSerial(45657), QDate(2024, 12, 31));
  EXPECT_FALSE(q7::DateFromSerial(0).isValid());
}

TEST(TTarvoDateObject, SettersKeepTheTextsConsistent) {
  struct Case {
    const char *name;
    const char *min, *max, *act;  // set in this order, with the checks
    const char *set;              // "min", "max" or "act"
    const char *value;
    const char *wantMin, *wantMax, *wantAct;
  };
  const Case cases[] = {
      {"unreadable current date with both bounds takes the minimum", "01/01/2024", "31/12/2024", "15/06/2024",
       "act", "hola", "01/01/2024", "31/12/2024", "01/01/2024"},
      {"current date before the minimum takes the minimum", "01/01/2024", "", "", "act", "01/06/2023",
       "01/01/2024", "", "01/01/2024"},
      {"current date after the maximum takes the maximum", "", "31/12/2024", "", "act", "01/01/2025", "",
       "31/12/2024", "31/12/2024"},
      {"minimum moved later resets the current date even when it was later", "01/01/2024", "",
       "01/10/2024", "min", "01/03/2024", "01/03/2024", "", "01/03/2024"},
      {"minimum moved earlier keeps the current date", "01/03/2024", "", "01/10/2024", "min", "01/01/2024",
       "01/01/2024", "", "01/10/2024"},
      {"minimum after the maximum becomes the maximum", "", "30/06/2024", "", "min", "01/09/2024",
       "30/06/2024", "30/06/2024", "30/06/2024"},
      {"unreadable minimum is emptied", "01/01/2024", "", "", "min", "31/02/2024", "", "", "01/01/2024"},
      {"maximum before the minimum becomes the minimum", "01/03/2024", "", "", "max", "01/01/2024",
       "01/03/2024", "01/03/2024", "01/03/2024"},
      {"maximum before the current date moves the current date", "", "", "15/06/2024", "max", "01/06/2024", "",
       "01/06/2024", "01/06/2024"},
  };
  for (const auto &c : cases) {
    TTarvoDateObject o;
    o.SetMinFecha(QString::fromLatin1(c.min));
    o.SetMaxFecha(QString::fromLatin1(c.max));
    o.SetActFecha(QString::fromLatin1(c.act));
    const QString v = QString::fromLatin1(c.value);
    if (QByteArray(c.set) == "min") o.SetMinFecha(v);
    if (QByteArray(c.set) == "max") o.SetMaxFecha(v);
    if (QByteArray(c.set) == "act") o.SetActFecha(v);
    EXPECT_EQ(o.MinFecha(), QString::fromLatin1(c.wantMin)) << c.name;
    EXPECT_EQ(o.MaxFecha(), QString::fromLatin1(c.wantMax)) << c.name;
    EXPECT_EQ(o.ActFecha(), QString::fromLatin1(c.wantAct)) << c.name;
  }
}

TEST(TTarvoDateEdit, AssigningASettingsObjectCopiesItsTextsUnchecked) {
  TTarvoDateEdit edit;
  TTarvoDateObject other;
  other.Assign(other);  // no-op
  other.setProperty("MinFecha", QStringLiteral("01/01/2024"));
  edit.SetTarvoDateObject(&other);
  EXPECT_EQ(edit.MinFecha(), QStringLiteral("01/01/2024"));
  edit.SetTarvoDateObject(nullptr);
  EXPECT_EQ(edit.MinFecha(), QStringLiteral("01/01/2024"));
  // Through the property system, as the base form sets properties by name.
  EXPECT_TRUE(edit.setProperty("AllowBlank", true));
  EXPECT_TRUE(edit.AllowBlank());
  EXPECT_TRUE(edit.setProperty("Date", 45657));
  EXPECT_EQ(edit.text(), QStringLiteral("31/12/2024"));
  EXPECT_EQ(edit.property("Date").toInt(), 45657);
  edit.SetDate(0);
  EXPECT_EQ(edit.text(), QString());
  EXPECT_TRUE(edit.ForceCentury());
}

// ---------------------------------------------------------------------------
// The field in a window with real focus.

class DateEditWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(window.get());
    edit = new TTarvoDateEdit(window.get());
    edit->setObjectName(QStringLiteral("EFechaInicio"));
    other = new QLineEdit(window.get());
    layout->addWidget(edit);
    layout->addWidget(other);
    window->resize(300, 120);
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Enter();
  }
  void TearDown() override {
    window.reset();
    q7::InitLocaleSettings(u'.', u',', u'/');
  }
  void Enter() {
    edit->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(edit->hasFocus());
  }
  void Leave() {
    other->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }

  std::unique_ptr<QWidget> window;
  TTarvoDateEdit *edit = nullptr;
  QLineEdit *other = nullptr;
};

TEST_F(DateEditWindow, TypingInsertsSeparatorsAndProtectsAWholeDate) {
  const struct {
    const char *name;
    const char *start;
    bool selectAll;
    const char *keys;
    const char *want;
  } cases[] = {
      {"separators after day and month", "", false, "31122024", "31/12/2024"},
      {"a further digit is discarded", "", false, "311220245", "31/12/2024"},
      {"a selected whole date is replaced", "31/12/2024", true, "0", "0"},
      {"a selected whole date starts a new one", "31/12/2024", true, "0105", "01/05"},
      {"an unselected whole date is kept", "31/12/2024", false, "7/", "31/12/2024"},
      {"typed separator: none inserted", "", false, "1/5", "1/5"},
      {"at length 5 the separator comes whatever precedes", "1/5/2", false, "0", "1/5/2/0"},
      {"letters, signs and blanks are dropped", "", false, "3a+-. 1", "31"},
      {"short text selected is typed over", "1/5", true, "2", "2"},
  };
  for (const auto &c : cases) {
    edit->setText(QString::fromLatin1(c.start));
    if (c.selectAll)
      edit->selectAll();
    else
      edit->end(false);
    QTest::keyClicks(edit, QString::fromLatin1(c.keys));
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.want)) << c.name;
  }
  edit->setText(QStringLiteral("31/12/2024"));
  edit->end(false);
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->text(), QStringLiteral("31/12/202")) << "backspace always passes";
}

// The typing aid sets the text itself; on a read-only field it must not.
TEST_F(DateEditWindow, ReadOnlyFieldTakesNoTyping) {
  const struct {
    const char *start;
    bool selectAll;
    const char *keys;
  } cases[] = {{"31/12/2024", true, "5"}, {"12", false, "3"}, {"12/05", false, "2"}, {"", false, "1"}};
  edit->setReadOnly(true);
  for (const auto &c : cases) {
    edit->setText(QString::fromLatin1(c.start));
    if (c.selectAll)
      edit->selectAll();
    else
      edit->end(false);
    QTest::keyClicks(edit, QString::fromLatin1(c.keys));
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.start)) << c.start << " + " << c.keys;
  }
}

TEST_F(DateEditWindow, HyphenSeparatorIsTypedLikeAnyOther) {
  q7::InitLocaleSettings(u'.', u',', u'-');
  const struct {
    const char *keys;
    const char *want;
  } cases[] = {{"31122024", "31-12-2024"}, {"01-05-2024", "01-05-2024"}, {"1-5", "1-5"}, {"+1", "1"}};
  for (const auto &c : cases) {
    edit->clear();
    QTest::keyClicks(edit, QString::fromLatin1(c.keys));
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.want)) << c.keys;
  }
  edit->setText(QStringLiteral("1-5-2024"));
  Leave();
  EXPECT_EQ(edit->text(), QStringLiteral("01-05-2024"));
}

TEST_F(DateEditWindow, LeavingChecksTheRange) {
  const struct {
    const char *name;
    const char *text;
    const char *min, *max;
    bool allowBlank;
    const char *want;
  } cases[] = {
      {"empty without minimum stays empty", "", "", "", false, ""},
      {"empty without minimum, blank allowed", "", "", "", true, ""},
      {"empty takes the minimum", "", "01/01/2024", "", false, "01/01/2024"},
      {"empty stays empty when blank allowed", "", "01/01/2024", "", true, ""},
      {"blanks only count as empty", "  ", "01/01/2024", "", true, ""},
      {"before the minimum", "15/06/2023", "01/01/2024", "31/12/2024", false, "01/01/2024"},
      {"after the maximum", "15/06/2025", "01/01/2024", "31/12/2024", false, "31/12/2024"},
      {"inside the range, written in full", "1/5/24", "01/01/2024", "31/12/2024", false, "01/05/2024"},
  };
  q7test::MessageRecorder messages;
  for (const auto &c : cases) {
    Enter();
    edit->SetMinFecha(QString());
    edit->SetMaxFecha(QString());
    edit->SetMaxFecha(QString::fromLatin1(c.max));
    edit->SetMinFecha(QString::fromLatin1(c.min));
    edit->SetAllowBlank(c.allowBlank);
    edit->setText(QString::fromLatin1(c.text));
    Leave();
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.want)) << c.name;
  }
  Enter();
  edit->SetMinFecha(QString());
  edit->SetMaxFecha(QString());
  edit->setText(QStringLiteral("1/5"));
  Leave();
  EXPECT_EQ(edit->text(), QStringLiteral("01/05/%1").arg(QDate::currentDate().year())) << "no year: this year";
  EXPECT_TRUE(messages.Messages().isEmpty());
}

TEST_F(DateEditWindow, UnreadableDateIsReportedAndKeepsTheFocus) {
  q7test::MessageRecorder messages;
  int ownExits = 0;
  edit->SetOnExit([&] {
    ++ownExits;
    edit->TarvoDateEditOnExit();
  });
  edit->SetMinFecha(QStringLiteral("01/01/2024"));
  edit->setText(QStringLiteral("31/02/2024"));
  Leave();
  ASSERT_TRUE(WaitFor([&] { return messages.Messages().size() == 1; }));
  EXPECT_EQ(messages.Messages()[0].type, q7::MsgType::Error);
  EXPECT_EQ(messages.Texts()[0], QStringLiteral("Value is not a valid date \"31/02/2024\""));
  EXPECT_TRUE(WaitFor([&] { return edit->hasFocus(); }));
  EXPECT_EQ(edit->text(), QStringLiteral("31/02/2024"));
  EXPECT_EQ(ownExits, 0) << "the exit check does not run on an unreadable date";

  // A form's own handler replaces the field's one and runs after the reading.
  edit->setText(QStringLiteral("5/3/2023"));
  Leave();
  EXPECT_EQ(ownExits, 1);
  EXPECT_EQ(edit->text(), QStringLiteral("01/01/2024"));
  EXPECT_EQ(messages.Messages().size(), 1);
}

TEST_F(DateEditWindow, PasteTakesWholeDatesOnly) {
  QClipboard *clipboard = QApplication::clipboard();
  const struct {
    const char *name;
    const char *clip;
    const char *want;
  } cases[] = {
      {"whole date", "31/12/2024", "31/12/2024"},
      {"whole date with blanks around", " 01/01/2025\n", "01/01/2025"},
      {"not a date", "hola", ""},
      {"day and month only", "31/12", ""},
      {"no such day", "31/02/2024", ""},
      {"two-digit year", "31/12/24", ""},
  };
  for (const auto &c : cases) {
    edit->clear();
    clipboard->setText(QString::fromLatin1(c.clip));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.want)) << c.name;
    // The user's clipboard is left as it was.
    EXPECT_EQ(clipboard->text(), QString::fromLatin1(c.clip)) << c.name;
  }
}

TEST_F(DateEditWindow, ComposedTextGoesThroughTheTypingAid) {
  QInputMethodEvent compose;
  compose.setCommitString(QStringLiteral("31a122024"));
  QApplication::sendEvent(edit, &compose);
  EXPECT_EQ(edit->text(), QStringLiteral("31/12/2024"));
}

TEST_F(DateEditWindow, ContextMenuPasteTakesWholeDatesOnly) {
  const struct {
    const char *clip;
    const char *want;
  } cases[] = {{"hola", ""}, {"31/12/2024", "31/12/2024"}};
  for (const auto &c : cases) {
    edit->clear();
    QApplication::clipboard()->setText(QString::fromLatin1(c.clip));
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(edit, &menuEvent);
    QMenu *menu = edit->findChild<QMenu *>();
    ASSERT_NE(menu, nullptr);
    QAction *paste = nullptr;
    for (QAction *a : menu->actions())
      if (a->text().startsWith(QStringLiteral("&Paste"))) paste = a;
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
    delete menu;
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.want)) << c.clip;
  }
}

TEST_F(DateEditWindow, CalendarOpensByButtonAndAltDown) {
  QSignalSpy spy(edit, &TTarvoDateEdit::DropDownDateChanged);
  edit->SetDate(Serial(2024, 3, 10));
  QTest::keyClick(edit, Qt::Key_Down, Qt::AltModifier);
  EXPECT_FALSE(edit->DropDownDate()) << "no calendar without the button";
  EXPECT_EQ(edit->text(), QStringLiteral("10/03/2024"));

  edit->SetShowButton(true);
  EXPECT_TRUE(edit->DropDownButton()->isVisible());
  QTest::keyClick(edit, Qt::Key_Down, Qt::AltModifier);
  ASSERT_TRUE(edit->DropDownDate());
  ASSERT_TRUE(edit->Calendar()->isVisible());
  EXPECT_EQ(edit->Calendar()->selectedDate(), QDate(2024, 3, 10));
  QTest::keyClick(edit->Calendar()->focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(WaitFor([&] { return !edit->DropDownDate(); }));
  EXPECT_EQ(spy.count(), 2);

  QTest::mouseClick(edit->DropDownButton(), Qt::LeftButton);
  ASSERT_TRUE(edit->DropDownDate());
  emit edit->Calendar()->clicked(QDate(2024, 3, 22));
  EXPECT_TRUE(WaitFor([&] { return !edit->DropDownDate(); }));
  EXPECT_EQ(edit->Date(), Serial(2024, 3, 22));
  EXPECT_TRUE(WaitFor([&] { return edit->hasFocus(); }));
}

}  // namespace
