// The numeric entry field on a real window: typed keys, focus changes,
// clipboard and calculator, with the separators pinned to "." and ",".
#include "controls/CalculatorPopup.h"
#include "controls/EnterForms.h"
#include "controls/LibrarySettings.h"
#include "controls/TarvoNumberEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }

namespace {

// Counts the warnings instead of sounding them.
class BeepCountingEdit : public TTarvoNumberEdit {
 public:
  using TTarvoNumberEdit::TTarvoNumberEdit;
  int beeps = 0;

 protected:
  void Beep() override { ++beeps; }
};

struct Config {
  TTarvoNumberEdit::TDato tipo = TTarvoNumberEdit::Reales;
  double min = 0;
  double max = TTarvoNumberObject::DefaultMaxValor;
  int decimals = 2;
  TTarvoNumberEdit::TPorcent porcent = TTarvoNumberEdit::Numero;
  bool hideSeparator = false;
};

Config Max100() {
  Config c;
  c.max = 100;
  return c;
}
Config Rate() {  // the tax-rate fields
  Config c = Max100();
  c.porcent = TTarvoNumberEdit::Porcentaje;
  return c;
}
Config Year() {  // the year fields
  Config c;
  c.tipo = TTarvoNumberEdit::Entero;
  c.max = 9999;
  c.decimals = 0;
  c.hideSeparator = true;
  return c;
}
Config WithMax(Config c, double max) {
  c.max = max;
  return c;
}
Config WithMin(Config c, double min) {
  c.min = min;
  return c;
}
Config WithPorcent(Config c, TTarvoNumberEdit::TPorcent p) {
  c.porcent = p;
  return c;
}
Config WithDecimals(Config c, int d) {
  c.decimals = d;
  return c;
}
Config WithTipo(Config c, TTarvoNumberEdit::TDato t) {
  c.tipo = t;
  return c;
}
Config WithHiddenSeparator(Config c) {
  c.hideSeparator = true;
  return c;
}

class TarvoNumberEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    q7::InitLocaleSettings(u'.', u',', u'/');
    QGuiApplication::clipboard()->clear();
    window = std::make_unique<QWidget>();
    window->setFixedSize(320, 120);
    auto *layout = new QVBoxLayout(window.get());
    edit = new BeepCountingEdit(window.get());
    edit->setObjectName(QStringLiteral("ENumero"));
    other = new QLineEdit(window.get());
    layout->addWidget(edit);
    layout->addWidget(other);
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    other->setFocus(Qt::OtherFocusReason);  // so that Enter() is a real entry
  }

  void TearDown() override {
    window.reset();
    q7::InitLocaleSettings(u'.', u',', u'/');
    QGuiApplication::clipboard()->clear();
  }

  // Fresh settings copied in, whatever the field held before.
  void Configure(const Config &c) {
    TTarvoNumberObject settings;
    settings.SetDecimales(c.decimals);
    settings.SetTipoDato(c.tipo);
    settings.SetMaxValor(c.max);
    settings.SetMinValor(c.min);
    edit->SetTarvoNumberObject(&settings);
    edit->SetDecimales(c.decimals);
    edit->SetPorcent(c.porcent);
    edit->SetHideSeparator(c.hideSeparator);
  }

  void Enter() {
    edit->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(edit->hasFocus());
  }
  void Leave() {
    other->setFocus(Qt::TabFocusReason);
    ASSERT_FALSE(edit->hasFocus());
  }

  std::unique_ptr<QWidget> window;
  BeepCountingEdit *edit = nullptr;
  QLineEdit *other = nullptr;
};

TEST_F(TarvoNumberEditTest, NewFieldShowsZeroWithTwoDecimals) {
  EXPECT_EQ(edit->text(), "0.00");
  EXPECT_EQ(edit->Porcent(), TTarvoNumberEdit::Numero);
  EXPECT_EQ(edit->TipoDato(), TTarvoNumberEdit::Reales);
  EXPECT_EQ(edit->MaxValor(), 9999999999999.99);
  EXPECT_EQ(edit->Decimales(), 2);
  EXPECT_FALSE(edit->ShowButton());

  edit->SetPorcent(TTarvoNumberEdit::Porcentaje);
  edit->SetInitText(1.5);
  EXPECT_EQ(edit->text(), "1.50%");
}

// The base form and the wizard reach the settings by property name.
TEST_F(TarvoNumberEditTest, SettingsAreReachableByPropertyName) {
  ASSERT_TRUE(edit->setProperty("TipoDato", QStringLiteral("Entero")));
  ASSERT_TRUE(edit->setProperty("MaxValor", 9999.0));
  ASSERT_TRUE(edit->setProperty("Decimales", 0));
  ASSERT_TRUE(edit->setProperty("HideSeparator", true));
  ASSERT_TRUE(edit->setProperty("InitText", 2024.0));
  EXPECT_EQ(edit->TipoDato(), TTarvoNumberEdit::Entero);
  EXPECT_EQ(edit->TarvoNumberObject()->MaxValor(), 9999.0);
  EXPECT_EQ(edit->text(), "2024");
  EXPECT_EQ(edit->property("AsInteger").toInt(), 2024);

  ASSERT_TRUE(edit->setProperty("Porcent", QStringLiteral("Porcentaje")));
  EXPECT_EQ(edit->text(), "2024%");
  ASSERT_TRUE(edit->setProperty("ShowButton", true));
  EXPECT_TRUE(edit->property("ShowButton").toBool());
}

struct TypingCase {
  const char *name;
  Config config;
  const char *start;  // text in the field before typing
  int caret;          // caret position; -1 at the end, -2 everything selected
  const char *typed;
  const char *expected;
  int beeps;
};

// The filter: allowed characters by the settings, one separator, "%" and "-"
// each, "-" only into an empty field, and the range test on the text with the
// character appended at its end, wherever the caret is and whatever is selected.
TEST_F(TarvoNumberEditTest, CharacterFilter) {
  const TypingCase cases[] = {
      {"typing up to the maximum", Max100(), "", -1, "1000", "100", 1},
      {"digit after the maximum is refused", Max100(), "10", -1, "0" "0", "100", 1},
      {"range test ignores the selection", Max100(), "100.00", -2, "5", "100.00", 1},
      {"range test ignores the caret", Max100(), "20", 0, "0", "20", 1},
      {"appended candidate within range", Max100(), "9", 0, "5", "59", 0},
      {"minus refused with minimum 0", Config{}, "", -1, "-", "", 1},
      {"minus into an empty field", WithMin(Config{}, -10), "", -1, "-5", "-5", 0},
      {"minus only into an empty field", WithMin(Config{}, -10), "5", 0, "-", "5", 1},
      {"second minus refused", WithMin(Config{}, -10), "", -1, "--", "-", 1},
      {"decimal separator for Reales", Config{}, "", -1, "1.5", "1.5", 0},
      {"second decimal separator", Config{}, "1.5", -1, ".", "1.5", 1},
      {"no decimal separator for Entero", WithTipo(Config{}, TTarvoNumberEdit::Entero), "1", -1, ".", "1", 1},
      {"no decimal separator with 0 decimals", WithDecimals(Config{}, 0), "1", -1, ".", "1", 1},
      {"percent refused for Numero", Config{}, "5", -1, "%", "5", 1},
      {"one percent for Ambos", WithPorcent(Config{}, TTarvoNumberEdit::Ambos), "5", -1, "%%", "5%", 1},
      {"thousands separator and letters refused", Config{}, "1", -1, ",a ", "1", 3},
      {"a digit after the percent sign", WithPorcent(Max100(), TTarvoNumberEdit::Ambos), "5%", -1, "0", "50%", 0},
  };
  for (const TypingCase &c : cases) {
    SCOPED_TRACE(c.name);
    Configure(c.config);
    Enter();
    edit->setText(QString::fromLatin1(c.start));
    if (c.caret == -2)
      edit->selectAll();
    else if (c.caret >= 0)
      edit->setCursorPosition(c.caret);
    edit->beeps = 0;
    QTest::keyClicks(edit, QString::fromLatin1(c.typed));
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.expected));
    EXPECT_EQ(edit->beeps, c.beeps);
  }
}

// The control character of the paste shortcut is refused like any other; the
// shortcut itself is a paste request.
TEST_F(TarvoNumberEditTest, PasteShortcutCharacterIsRefusedButShortcutPastes) {
  QGuiApplication::clipboard()->setText(QStringLiteral("42"));
  Enter();
  edit->setText(QStringLiteral("7"));
  QKeyEvent controlV(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(0x16)));
  QApplication::sendEvent(edit, &controlV);
  EXPECT_EQ(edit->text(), "7");
  EXPECT_EQ(edit->beeps, 1);

  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->text(), "42.00");
  EXPECT_EQ(edit->beeps, 1);
}

// Text composed by an input method goes through the same filter as keys.
TEST_F(TarvoNumberEditTest, ComposedTextPassesTheFilter) {
  Configure(Max100());
  Enter();
  edit->setText(QString());
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("1x2.3.4"));
  QApplication::sendEvent(edit, &composed);
  EXPECT_EQ(edit->text(), "12.34");
  EXPECT_EQ(edit->beeps, 2);
}

struct ChangeCase {
  const char *name;
  Config config;
  const char *text;
  const char *expected;
};

// Every change of the text, by the program or the user, is corrected.
TEST_F(TarvoNumberEditTest, ChangeCorrections) {
  const ChangeCase cases[] = {
      {"surplus decimals are cut, not rounded", Config{}, "12.345", "12.34"},
      {"percent sign moves to the end", WithPorcent(Max100(), TTarvoNumberEdit::Ambos), "5%0", "50%"},
      {"above the maximum becomes the maximum", Max100(), "150", "100"},
      {"maximum keeps the percent sign", Rate(), "150%", "100%"},
      {"maximum in its general text", WithMax(Config{}, 12.5), "99.99", "12.5"},
      {"with 0 decimals the separator stays", WithDecimals(Config{}, 0), "12.3", "12."},
      {"thousands separators are read through", Max100(), "1,000", "100"},
      {"unparsable text is left alone", Max100(), "1-2", "1-2"},
  };
  for (const ChangeCase &c : cases) {
    SCOPED_TRACE(c.name);
    Configure(c.config);
    edit->setText(QString::fromLatin1(c.text));
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.expected));
  }
}

TEST_F(TarvoNumberEditTest, TypedSurplusDecimalIsCut) {
  Enter();
  edit->setText(QString());
  QTest::keyClicks(edit, QStringLiteral("12.345"));
  EXPECT_EQ(edit->text(), "12.34");
  EXPECT_EQ(edit->beeps, 0);
}

struct ExitCase {
  const char *name;
  Config config;
  const char *text;  // typed state when the focus leaves
  const char *expected;
};

TEST_F(TarvoNumberEditTest, LeavingTheFieldFormats) {
  const ExitCase cases[] = {
      {"empty shows zero", Config{}, "", "0.00"},
      {"empty percent field", Rate(), "", "0.00%"},
      {"lone percent sign", Rate(), "%", "0.00%"},
      {"lone minus shows zero", WithMin(Config{}, -10), "-", "0.00"},
      {"below the minimum becomes the minimum", WithMin(Config{}, 10), "5", "10.00"},
      {"negative within the range", WithMin(Config{}, -5000), "-1234.5", "-1,234.50"},
      {"thousands separators", Config{}, "1234.5", "1,234.50"},
      {"thousands separators hidden", WithHiddenSeparator(Config{}), "1234.5", "1234.50"},
      {"percent field", Rate(), "12.5%", "12.50%"},
      {"typed percent kept for Ambos", WithPorcent(Max100(), TTarvoNumberEdit::Ambos), "7%", "7.00%"},
      {"year stays as typed", Year(), "1999", "1999"},
      {"Entero uses the decimals on leaving", WithTipo(Config{}, TTarvoNumberEdit::Entero), "5", "5.00"},
  };
  for (const ExitCase &c : cases) {
    SCOPED_TRACE(c.name);
    Configure(c.config);
    edit->SetInitText(3);
    const double initText = edit->InitText();
    Enter();
    edit->setText(QString::fromLatin1(c.text));
    Leave();
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.expected));
    if (QByteArray(c.text) != "-") {
      EXPECT_EQ(edit->InitText(), initText) << "leaving keeps InitText";
    }
  }
}

// Another window taking the activation (a message box, another program) is no
// exit: the half-typed year is not replaced by the minimum behind the user's
// back, and coming back is no new entry. Leaving for real formats as usual.
TEST_F(TarvoNumberEditTest, AnotherWindowActivatedIsNoExit) {
  Configure(WithMin(Year(), 1990));
  Enter();
  edit->setText(QStringLiteral("20"));
  QWidget box;
  box.setFixedSize(100, 50);
  box.show();
  QApplication::setActiveWindow(&box);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
  EXPECT_EQ(edit->text(), "20");
  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  ASSERT_TRUE(edit->hasFocus());
  EXPECT_EQ(edit->text(), "20");
  QTest::keyClick(edit, '2');
  EXPECT_EQ(edit->text(), "202");
  Leave();
  EXPECT_EQ(edit->text(), "1990");
}

TEST_F(TarvoNumberEditTest, EnteroRendersInitTextWithoutDecimals) {
  Configure(WithTipo(Config{}, TTarvoNumberEdit::Entero));
  edit->SetInitText(1234);
  EXPECT_EQ(edit->text(), "1,234");
  Configure(Year());
  edit->SetInitText(1999);
  EXPECT_EQ(edit->text(), "1999");
}

TEST_F(TarvoNumberEditTest, EnteringRemovesThousandsSeparators) {
  Configure(Rate());
  edit->SetMaxValor(10000);
  edit->SetInitText(1234.5);
  ASSERT_EQ(edit->text(), "1,234.50%");
  Enter();
  EXPECT_EQ(edit->text(), "1234.50%");
  EXPECT_EQ(edit->selectedText(), "1234.50%") << "entry by Tab keeps everything selected";
}

TEST_F(TarvoNumberEditTest, PasteParsesClampsAndRaisesOnPaste) {
  Configure(Rate());
  QSignalSpy pasted(edit, &TTarvoNumberEdit::OnPaste);
  QGuiApplication::clipboard()->setText(QStringLiteral("1,234.56"));
  Enter();
  edit->PasteRequest();
  EXPECT_EQ(edit->text(), "100.00%");
  EXPECT_EQ(edit->AsFloat(), 100.0);
  EXPECT_EQ(edit->InitText(), 100.0);
  EXPECT_EQ(pasted.count(), 1);
  // The clipboard keeps what the user copied.
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "1,234.56");

  QGuiApplication::clipboard()->setText(QStringLiteral("doce"));
  edit->PasteRequest();
  EXPECT_EQ(edit->text(), "100.00%");
  EXPECT_EQ(pasted.count(), 1);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "doce");
}

TEST_F(TarvoNumberEditTest, PasteBelowMinimumGivesMinimum) {
  Configure(WithMin(Max100(), 10));
  QGuiApplication::clipboard()->setText(QStringLiteral("  -3 "));
  edit->PasteRequest();
  EXPECT_EQ(edit->text(), "10.00");
}

TEST_F(TarvoNumberEditTest, ContextMenuPasteGoesThroughThePasteRequest) {
  Configure(Max100());
  QGuiApplication::clipboard()->setText(QStringLiteral("250"));
  Enter();
  QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(edit, &event);
  auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  QAction *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"));
  ASSERT_NE(paste, nullptr);
  paste->trigger();
  menu->close();
  EXPECT_EQ(edit->text(), "100.00");
}

TEST_F(TarvoNumberEditTest, ReadOnlyFieldIgnoresPaste) {
  Configure(Year());
  edit->SetInitText(2020);
  edit->setReadOnly(true);
  QGuiApplication::clipboard()->setText(QStringLiteral("1999"));
  edit->PasteRequest();
  EXPECT_EQ(edit->text(), "2020");
}

TEST_F(TarvoNumberEditTest, CutAndClearAreAnnouncedBeforeTheyHappen) {
  Enter();
  edit->setText(QStringLiteral("123"));
  QStringList seen;
  QObject::connect(edit, &TTarvoNumberEdit::OnCut, edit, [&] { seen << "cut:" + edit->text(); });
  QObject::connect(edit, &TTarvoNumberEdit::OnClear, edit, [&] { seen << "clear:" + edit->text(); });

  edit->setSelection(1, 1);
  QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(edit->text(), "13");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "2");

  edit->setSelection(0, 1);
  edit->ClearRequest();
  EXPECT_EQ(edit->text(), "3");
  EXPECT_EQ(seen, QStringList({"cut:123", "clear:13"}));
}

TEST_F(TarvoNumberEditTest, DecimalesZeroOnTheDefaultMaximum) {
  TTarvoNumberObject settings;
  settings.SetDecimales(0);
  EXPECT_EQ(settings.MaxValor(), 10000000000000.0);
}

TEST_F(TarvoNumberEditTest, SettingsKeepTheBoundsInOrder) {
  TTarvoNumberObject s;
  s.SetMaxValor(12.345678);
  EXPECT_EQ(s.MaxValor(), 12.35) << "stored rounded to the decimals";
  s.SetActValor(50);
  EXPECT_EQ(s.ActValor(), 12.35) << "value lowered to the maximum";
  s.SetMinValor(20);
  EXPECT_EQ(s.MinValor(), 12.35) << "minimum not above the maximum";
  s.SetMaxValor(5);
  EXPECT_EQ(s.MaxValor(), 12.35) << "maximum not below the minimum";
  s.SetMinValor(-3);
  s.SetActValor(-10);
  EXPECT_EQ(s.ActValor(), -3);

  TTarvoNumberObject copy;
  copy.SetDecimales(0);
  copy.Assign(&s);
  EXPECT_EQ(copy.MaxValor(), 12.35);
  EXPECT_EQ(copy.Decimales(), 0) << "decimals are not copied";
}

// What the base form does when a window is created: two decimals on every
// field designed with decimals, and the value rendered again.
TEST_F(TarvoNumberEditTest, BaseFormDecimalsCallRendersAgain) {
  edit->SetDecimales(5);
  edit->SetInitText(1.23456);
  ASSERT_EQ(edit->text(), "1.23456");
  edit->TarvoNumberObject()->SetDecimales(q7::LibraryDefaults().DefaultDecimals);
  edit->SetInitText(edit->InitText());
  EXPECT_EQ(edit->text(), "1.23");
}

TEST_F(TarvoNumberEditTest, ReadingTheValue) {
  struct Case {
    const char *text;
    double asFloat;
    int asInteger;
  } cases[] = {
      {"1,234.50%", 1234.5, 1234}, {"2.5", 2.5, 2},   {"3.5", 3.5, 4},
      {"-2.5", -2.5, -2},          {"-", 0, 0},      {"", 0, 0},
  };
  Configure(WithMin(WithPorcent(Config{}, TTarvoNumberEdit::Ambos), -10));
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text);
    edit->setText(QString::fromLatin1(c.text));
    EXPECT_EQ(edit->AsFloat(), c.asFloat);
    EXPECT_EQ(edit->AsInteger(), c.asInteger);
  }
}

TEST_F(TarvoNumberEditTest, ProgramChangesAreNotUserEdits) {
  QSignalSpy changed(edit, &TTarvoNumberEdit::valueChanged);
  QSignalSpy edited(edit, &TTarvoNumberEdit::valueEdited);
  edit->SetInitText(12);
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(edited.count(), 0);
  Enter();
  edit->setText(QString());
  QTest::keyClick(edit, '7');
  ASSERT_EQ(edited.count(), 1);
  EXPECT_EQ(edited.last().at(0).toDouble(), 7.0);
}

TEST_F(TarvoNumberEditTest, RegionalSeparatorsCommaDecimal) {
  q7::InitLocaleSettings(u',', u'.', u'/');
  edit->SetInitText(1234.5);
  EXPECT_EQ(edit->text(), "1.234,50");
  EXPECT_EQ(edit->AsFloat(), 1234.5);
  Enter();
  EXPECT_EQ(edit->text(), "1234,50");
  edit->setText(QString());
  QTest::keyClicks(edit, QStringLiteral("3.,5"));
  EXPECT_EQ(edit->text(), "3,5");
  EXPECT_EQ(edit->beeps, 1);
  QGuiApplication::clipboard()->setText(QStringLiteral("1.234,56"));
  edit->PasteRequest();
  EXPECT_EQ(edit->text(), "1.234,56");
}

TEST_F(TarvoNumberEditTest, AltDownOpensTheCalculatorOnlyWithTheButton) {
  Configure(Rate());
  Enter();
  QTest::keyClick(edit, Qt::Key_Down, Qt::AltModifier);
  EXPECT_FALSE(edit->CalculatorOpen());
  QTest::keyClick(edit, Qt::Key_5, Qt::AltModifier);
  EXPECT_EQ(edit->text(), "0.00%") << "Alt keys are discarded without the button";

  auto *button = edit->findChild<QAction *>(QStringLiteral("CalculatorButton"));
  ASSERT_NE(button, nullptr);
  EXPECT_FALSE(button->isVisible());

  edit->SetShowButton(true);
  QTest::keyClick(edit, Qt::Key_Down, Qt::AltModifier);
  EXPECT_TRUE(edit->CalculatorOpen());
  edit->Calculator()->Close();
  ASSERT_FALSE(edit->CalculatorOpen());
  EXPECT_TRUE(button->isVisible());
  button->trigger();
  EXPECT_TRUE(edit->CalculatorOpen()) << "the field's button opens the calculator";
  edit->Calculator()->Close();
}

TEST_F(TarvoNumberEditTest, CalculatorResultAppliesToTheField) {
  struct Case {
    const char *name;
    const char *keys;  // typed into the calculator, then Enter (the result button)
    const char *expected;
  } cases[] = {
      {"computed value", "2*3.5=", "7.00%"},
      {"above the maximum gives the maximum", "150", "100.00%"},
      {"below the minimum gives the minimum", "1-4=", "0.50%"},
  };
  Configure(WithMin(Rate(), 0.5));
  edit->SetShowButton(true);
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    Enter();
    edit->setModified(false);
    QSignalSpy pasted(edit, &TTarvoNumberEdit::OnPaste);
    QTest::keyClick(edit, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(edit->CalculatorOpen());
    TCalculatorPopup *calculator = edit->Calculator();
    calculator->PressButton(TCalculatorPopup::ClearAll);
    QTest::keyClicks(calculator, QString::fromLatin1(c.keys));
    QTest::keyClick(calculator, Qt::Key_Return);
    EXPECT_FALSE(edit->CalculatorOpen());
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.expected));
    EXPECT_EQ(pasted.count(), 1);
    EXPECT_TRUE(edit->isModified());
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->cursorPosition(), edit->text().size());
    EXPECT_FALSE(edit->hasSelectedText());
  }
}

TEST_F(TarvoNumberEditTest, CalculatorStartsFromTheFieldAndIgnoresOtherButtons) {
  edit->SetShowButton(true);
  edit->SetInitText(12.5);
  Enter();
  edit->OpenCalculator();
  TCalculatorPopup *calculator = edit->Calculator();
  EXPECT_EQ(calculator->Value(), 12.5);
  EXPECT_EQ(calculator->DisplayText(), "12.5");
  calculator->PressButton(TCalculatorPopup::Equals);
  calculator->PressButton(TCalculatorPopup::Digit0 + 4);
  EXPECT_TRUE(edit->CalculatorOpen());
  EXPECT_EQ(edit->text(), "12.50");
  calculator->PressButton(TCalculatorPopup::Divide);
  calculator->PressButton(TCalculatorPopup::Digit0);
  calculator->PressButton(TCalculatorPopup::Result);
  EXPECT_EQ(calculator->DisplayText(), "Error");
  EXPECT_TRUE(edit->CalculatorOpen()) << "an error is not handed to the field";
  EXPECT_EQ(edit->text(), "12.50");
  calculator->Close();
}

// Entering the field asks the owning base form to show its hint.
class HintRecordingForm : public TEForm {
 public:
  QStringList hints;
  void ShowHintText(const QString &text) override { hints << text; }
};

TEST(TarvoNumberEditOnForm, EnteringShowsTheHintOnTheForm) {
  HintRecordingForm form;
  auto *field = new TTarvoNumberEdit(&form);
  auto *before = new QLineEdit(&form);
  before->move(0, 40);
  field->SetHint(QStringLiteral("Indique la alicuota del impuesto"));
  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  before->setFocus(Qt::OtherFocusReason);
  form.hints.clear();
  field->setFocus(Qt::OtherFocusReason);
  EXPECT_TRUE(form.hints.contains(QStringLiteral("Indique la alicuota del impuesto")));

  before->setFocus(Qt::OtherFocusReason);
  field->SetShowHint(false);
  form.hints.clear();
  field->setFocus(Qt::OtherFocusReason);
  EXPECT_FALSE(form.hints.isEmpty());
  EXPECT_TRUE(form.hints.last().isEmpty()) << "ShowHint off gives an empty status text";
}

}  // namespace
