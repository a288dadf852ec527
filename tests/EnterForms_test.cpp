// The base window TEForm and the picture lists of TMenuDataModule: the
// creation walk, hints and focus, clearing, printing, the window menu, the
// numbered messages and the keyboard conventions, on a small window built on
// the base form.
#include "controls/EnterForms.h"
#include "controls/LibrarySettings.h"
#include "controls/MemoTarvo.h"
#include "controls/TarvoDateEdit.h"
#include "controls/TarvoEdit.h"
#include "controls/TarvoLists.h"
#include "controls/TarvoNumberEdit.h"
#include "resources/DataModuleMenus.h"
#include "support/MessageRecorder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

#include <memory>

namespace {

QImage ImageOf(const QPixmap &pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); }

QImage IconImage(const QIcon &icon, QIcon::Mode mode) {
  return ImageOf(icon.pixmap(QSize(16, 16), mode));
}

// A designed 32 x 16 glyph: red on the left, blue on the right.
QPixmap DesignedGlyph() {
  QPixmap pixmap(32, 16);
  pixmap.fill(Qt::blue);
  QPainter p(&pixmap);
  p.fillRect(0, 0, 16, 16, Qt::red);
  return pixmap;
}

// A small window built on the base form. Tab order: ETexto, ENumero, EBoton,
// EFecha, MDireccion, CBModo, CheckActivo, BGrabar001, BSiguiente033, BAyuda,
// BOtro999, LLista.
class TestForm : public TEForm {
 public:
  explicit TestForm(bool withStatusBar = false) {
    setFixedSize(420, 460);
    ETexto = Place(new TTarvoEdit(this), "ETexto", 10, 10);
    ETexto->SetHint(QStringLiteral("Texto del campo"));
    ENumero = Place(new TTarvoNumberEdit(this), "ENumero", 10, 40);
    ENumero->SetDecimales(5);
    ENumero->SetInitText(1.23456);
    ENumero->SetHint(QStringLiteral("Monto"));
    EBoton = Place(new TTarvoNumberEdit(this), "EBoton", 10, 70);
    EBoton->SetTipoDato(TTarvoNumberEdit::Entero);
    EBoton->SetDecimales(0);
    EBoton->SetInitText(7);
    EBoton->SetShowButton(true);
    EFecha = Place(new TTarvoDateEdit(this), "EFecha", 10, 100);
    EFecha->SetForceCentury(false);
    MDireccion = new TMemoTarvo(this);
    MDireccion->setObjectName(QStringLiteral("MDireccion"));
    MDireccion->setGeometry(10, 130, 200, 140);
    MDireccion->SetMaxLineas(3);
    CBModo = Place(new QComboBox(this), "CBModo", 10, 280);
    CBModo->addItems({QStringLiteral("Uno"), QStringLiteral("Dos"), QStringLiteral("Tres")});
    CheckActivo = Place(new QCheckBox(QStringLiteral("&Activo"), this), "CheckActivo", 10, 310);
    BGrabar001 = Place(new QPushButton(QStringLiteral("&Finalizar"), this), "BGrabar001", 10, 340);
    BSiguiente033 = Place(new QPushButton(QStringLiteral("&Siguiente"), this), "BSiguiente033", 110, 340);
    BAyuda = Place(new QPushButton(QStringLiteral("Ayuda"), this), "BAyuda", 210, 340);
    BAyuda->setIcon(QIcon(DesignedGlyph()));
    BOtro999 = Place(new QPushButton(QStringLiteral("Otro"), this), "BOtro999", 310, 340);
    BOtro999->setIcon(QIcon(DesignedGlyph()));
    LLista = Place(new TTarvoList(this), "LLista", 10, 380);
    LLista->resize(150, 60);
    LLista->addItems({QStringLiteral("uno"), QStringLiteral("dos"), QStringLiteral("tres")});
    LLista->setCurrentRow(0);
    QObject::connect(BGrabar001, &QPushButton::clicked, [this] { ++grabarClicks; });
    QObject::connect(BSiguiente033, &QPushButton::clicked, [this] { ++siguienteClicks; });

    LPrecio = Place(new QLabel(QStringLiteral("Precio :"), this), "LPrecio", 250, 10);
    q7::SetTag(LPrecio, 1003);
    LOtro = Place(new QLabel(QStringLiteral("Otro :"), this), "LOtro", 250, 40);
    q7::SetTag(LOtro, 1000);
    struct ShapeDesign {
      const char *name;
      int w, h, tag;
    };
    for (const ShapeDesign &s : {ShapeDesign{"ShapeVisible", 201, 21, 0}, ShapeDesign{"ShapeTag5000", 201, 21, 5000},
                               ShapeDesign{"ShapeLow", 201, 10, 0}, ShapeDesign{"ShapeThin", 1, 21, 0}}) {
      auto *shape = new TShape(this);
      shape->setObjectName(QString::fromLatin1(s.name));
      shape->setGeometry(220, 100, s.w, s.h);
      q7::SetTag(shape, s.tag);
      shape->hide();
    }
    Pages = new QTabWidget(this);
    Pages->setObjectName(QStringLiteral("Pages"));
    Pages->setGeometry(220, 380, 190, 70);
    Pages->tabBar()->setFocusPolicy(Qt::NoFocus);
    Pages->addTab(new QLabel(QStringLiteral("uno")), QStringLiteral("Uno"));
    Pages->addTab(new QLabel(QStringLiteral("dos")), QStringLiteral("Dos"));
    Pages->setCurrentIndex(1);
    if (withStatusBar) {
      Status = new QStatusBar(this);
      Status->setGeometry(0, 440, 420, 20);
    }
    FormCreate();
  }

  void CtrlAKey(bool flag) override { ctrlA.append(flag); }
  void CtrlMKey() override { ++ctrlM; }

  TTarvoEdit *ETexto;
  TTarvoNumberEdit *ENumero;
  TTarvoNumberEdit *EBoton;
  TTarvoDateEdit *EFecha;
  TMemoTarvo *MDireccion;
  QComboBox *CBModo;
  QCheckBox *CheckActivo;
  QPushButton *BGrabar001;
  QPushButton *BSiguiente033;
  QPushButton *BAyuda;
  QPushButton *BOtro999;
  TTarvoList *LLista;
  QLabel *LPrecio;
  QLabel *LOtro;
  QTabWidget *Pages;
  QStatusBar *Status = nullptr;
  int grabarClicks = 0;
  int siguienteClicks = 0;
  QList<bool> ctrlA;
  int ctrlM = 0;

 private:
  template <class W>
  W *Place(W *w, const char *name, int x, int y) {
    w->setObjectName(QString::fromLatin1(name));
    w->move(x, y);
    w->resize(w->inherits("QLabel") ? 150 : 90, 24);
    return w;
  }
};

class EnterFormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    q7::WindowSetupMenu = false;
    form = std::make_unique<TestForm>(withStatusBar);
  }
  void TearDown() override {
    form.reset();
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().begin(), QApplication::topLevelWidgets().end(),
                             [](QWidget *w) { return w->inherits("TEForm"); }))
        << "a window leaked";
  }
  void ShowActive() {
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }
  QWidget *Child(const char *name) const { return form->findChild<QWidget *>(QString::fromLatin1(name)); }
  void FocusOn(const char *name) {
    QWidget *w = Child(name);
    ASSERT_NE(w, nullptr) << name;
    w->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(w->hasFocus()) << name;
  }
  QString FocusName() const {
    QWidget *f = QApplication::focusWidget();
    return f ? f->objectName() : QStringLiteral("<none>");
  }

  TMenuDataModule menus;  // created before any window, as the program does
  q7test::MessageRecorder recorder;
  bool withStatusBar = false;
  std::unique_ptr<TestForm> form;
};

class EnterFormsStatusBarTest : public EnterFormsTest {
 protected:
  EnterFormsStatusBarTest() { withStatusBar = true; }
};

// ---- Creation walk --------------------------------------------------------------

TEST_F(EnterFormsTest, CreationWalkPreparesTheControls) {
  EXPECT_EQ(form->ENumero->Decimales(), 2) << "designed with 5 decimals";
  EXPECT_EQ(form->ENumero->text(), QStringLiteral("1.23"));
  EXPECT_EQ(form->EBoton->Decimales(), 0) << "designed with 0 decimals";
  EXPECT_EQ(form->EBoton->text(), QStringLiteral("7"));
  EXPECT_EQ(form->LPrecio->text(), QStringLiteral("Precio 3 :"));
  EXPECT_EQ(form->LOtro->text(), QStringLiteral("Otro :")) << "tag 1000 keeps its caption";
  EXPECT_EQ(form->Pages->currentIndex(), 0) << "page controls start on their first page";
  EXPECT_FALSE(form->ETexto->Ctl3D()) << "entry fields are flat";
  EXPECT_FALSE(form->MDireccion->Ctl3D());
  EXPECT_TRUE(form->EFecha->ForceCentury());

  struct ShapeCase {
    const char *name;
    bool visible;
  };
  for (const ShapeCase &c : {ShapeCase{"ShapeVisible", true}, ShapeCase{"ShapeTag5000", false},
                             ShapeCase{"ShapeLow", false}, ShapeCase{"ShapeThin", false}})
    EXPECT_EQ(!Child(c.name)->isHidden(), c.visible) << c.name;
}

TEST_F(EnterFormsTest, KeepDecimalsLeavesNumericFieldsAsDesigned) {
  auto *extra = new TTarvoNumberEdit(form.get());
  extra->SetDecimales(4);
  form->KeepDecimals = true;
  form->PrepareComponents(form.get());
  EXPECT_EQ(extra->Decimales(), 4);
  form->KeepDecimals = false;
  form->PrepareComponents(form.get());
  EXPECT_EQ(extra->Decimales(), 2);
}

TEST_F(EnterFormsTest, ButtonGlyphsComeFromTheNameDigits) {
  const QList<QPixmap> &images = menus.ImageBotones();
  ASSERT_GE(images.size(), 33);
  struct GlyphCase {
    QPushButton *button;
    QImage normal, disabled;
  };
  const QImage red = ImageOf(DesignedGlyph().copy(0, 0, 16, 16));
  const QImage blue = ImageOf(DesignedGlyph().copy(16, 0, 16, 16));
  const GlyphCase cases[] = {
      {form->BGrabar001, ImageOf(images[0].copy(0, 0, 16, 16)), ImageOf(images[0].copy(16, 0, 16, 16))},
      {form->BSiguiente033, ImageOf(images[32].copy(0, 0, 16, 16)), ImageOf(images[32].copy(16, 0, 16, 16))},
      // No digits, and a number outside the list: the designed glyph, as two halves.
      {form->BAyuda, red, blue},
      {form->BOtro999, red, blue},
  };
  for (const GlyphCase &c : cases) {
    EXPECT_EQ(IconImage(c.button->icon(), QIcon::Normal), c.normal) << c.button->objectName().toStdString();
    EXPECT_EQ(IconImage(c.button->icon(), QIcon::Disabled), c.disabled) << c.button->objectName().toStdString();
  }
  // Preparing again splits the designed glyph again, not the half already shown.
  form->LoadButtonGlyph(form->BAyuda);
  EXPECT_EQ(IconImage(form->BAyuda->icon(), QIcon::Normal), red);
}

TEST_F(EnterFormsTest, WindowMenuEndsWithThePrintItem) {
  const QList<QAction *> actions = form->SystemMenu()->actions();
  ASSERT_EQ(actions.size(), 2);
  EXPECT_TRUE(actions[0]->isSeparator());
  EXPECT_EQ(actions[1]->text(), QStringLiteral("&Imprimir Forma"));

  // The one-shot switch adds "&Configurar Ventana" to the next window only.
  q7::WindowSetupMenu = true;
  TestForm first;
  EXPECT_FALSE(q7::WindowSetupMenu);
  TestForm second;
  auto texts = [](const TEForm &f) {
    QStringList out;
    for (QAction *a : f.SystemMenu()->actions()) out << a->text();
    return out;
  };
  EXPECT_TRUE(texts(first).contains(QStringLiteral("&Configurar Ventana")));
  EXPECT_FALSE(texts(second).contains(QStringLiteral("&Configurar Ventana")));
  EXPECT_FALSE(texts(second).contains(QStringLiteral("&Sistema")));
}

TEST_F(EnterFormsTest, SetOrdinalPropertyOnlyWritesDeclaredProperties) {
  struct Case {
    QObject *object;
    const char *name;
    QVariant value;
    bool written;
  };
  const Case cases[] = {
      {form->ETexto, "FillCero", true, true},
      {form->ETexto, "Elementos", 7, true},
      {form->LOtro, "FillCero", true, false},  // a label has no such property
      {form->EFecha, "DropDownDate", true, false},  // read-only
  };
  for (const Case &c : cases) {
    EXPECT_EQ(TEForm::SetOrdinalProperty(c.object, c.name, c.value), c.written) << c.name;
    if (c.written) {
      EXPECT_EQ(c.object->property(c.name), c.value) << c.name;
    }
    EXPECT_FALSE(c.object->dynamicPropertyNames().contains(c.name)) << c.name;
  }
  EXPECT_FALSE(TEForm::SetOrdinalProperty(nullptr, "Tag", 1));
}

TEST_F(EnterFormsTest, SetEnterAsTabClearsPlainEnter) {
  EXPECT_TRUE(form->EnterAsTab);
  form->PlainEnter = true;
  form->SetEnterAsTab(false);
  EXPECT_FALSE(form->EnterAsTab);
  EXPECT_TRUE(form->PlainEnter);
  form->SetEnterAsTab(true);
  EXPECT_FALSE(form->PlainEnter);
}

// ---- Hints, focus, clearing -------------------------------------------------------

TEST_F(EnterFormsTest, HintsWithoutStatusBarGoNowhere) {
  ShowActive();
  form->ShowHintText(QStringLiteral("nada"));
  form->FocusWithHint(form->ENumero);
  EXPECT_TRUE(form->ENumero->hasFocus());
  EXPECT_TRUE(form->StatusBarRef.isNull());
}

TEST_F(EnterFormsStatusBarTest, FocusWithHintShowsTheHintAndIgnoresErrors) {
  ShowActive();
  form->FocusWithHint(form->ETexto);
  EXPECT_TRUE(form->ETexto->hasFocus());
  EXPECT_EQ(form->Status->currentMessage(), QStringLiteral("Texto del campo"));
  EXPECT_EQ(form->StatusBarRef.data(), form->Status);

  form->ENumero->SetShowHint(false);
  form->FocusWithHint(form->ENumero);
  EXPECT_TRUE(form->ENumero->hasFocus());
  EXPECT_EQ(form->Status->currentMessage(), QString()) << "ShowHint off gives an empty hint";

  form->CheckActivo->setEnabled(false);
  form->BAyuda->hide();
  for (QWidget *cannot : {static_cast<QWidget *>(nullptr), static_cast<QWidget *>(form->CheckActivo),
                          static_cast<QWidget *>(form->BAyuda)}) {
    form->FocusWithHint(cannot);
    EXPECT_TRUE(form->ENumero->hasFocus());
  }
}

TEST_F(EnterFormsStatusBarTest, KeysMovingTheFocusShowTheNewHint) {
  ShowActive();
  FocusOn("ENumero");
  QTest::keyClick(form->ENumero, Qt::Key_Up);
  EXPECT_EQ(FocusName(), QStringLiteral("ETexto"));
  EXPECT_EQ(form->Status->currentMessage(), QStringLiteral("Texto del campo"));
  QTest::keyClick(form->ETexto, Qt::Key_Return);
  EXPECT_EQ(form->Status->currentMessage(), QStringLiteral("Monto"));
}

TEST_F(EnterFormsTest, FocusBeforeShowingIsTheFirstFocusedField) {
  form->FocusWithHint(form->EFecha);
  ShowActive();
  EXPECT_TRUE(form->EFecha->hasFocus());
  EXPECT_TRUE(form->Shown);
}

TEST_F(EnterFormsTest, ClearEntryFieldsEmptiesEveryKind) {
  form->ETexto->setText(QStringLiteral("abc"));
  form->ENumero->SetInitText(12.5);
  form->EFecha->setText(QStringLiteral("31/12/2024"));
  form->MDireccion->setPlainText(QStringLiteral("uno\ndos"));
  form->CBModo->setCurrentIndex(2);
  form->CheckActivo->setChecked(true);
  form->ClearEntryFields(form.get());
  EXPECT_EQ(form->ETexto->text(), QString());
  EXPECT_EQ(form->ENumero->text(), QStringLiteral("0.00"));
  EXPECT_EQ(form->EFecha->text(), QString());
  EXPECT_EQ(form->MDireccion->toPlainText(), QString());
  EXPECT_EQ(form->CBModo->currentIndex(), 0);
  EXPECT_TRUE(form->CheckActivo->isChecked()) << "check boxes are not entry fields";
}

// ---- Printing and messages ---------------------------------------------------------

TEST_F(EnterFormsTest, PrintingToPdfAndItsFailures) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  struct Case {
    const char *name;
    bool confirm;
    const char *file;  // relative to dir
    bool printed;
    bool message;
  };
  const Case cases[] = {
      {"confirmed prints one page", true, "forma.pdf", true, false},
      {"cancelled prints nothing", false, "cancelada.pdf", false, false},
      {"a printer that cannot print shows message 38", true, "no/existe/forma.pdf", false, true},
  };
  for (const Case &c : cases) {
    recorder.Clear();
    const QString path = dir.filePath(QString::fromLatin1(c.file));
    int asked = 0;
    form->SetPrintDialog([&](QPrinter &printer, QWidget *) {
      ++asked;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(path);
      return c.confirm;
    });
    form->PrintWindow();
    EXPECT_EQ(asked, 1) << c.name;
    QFile pdf(path);
    EXPECT_EQ(pdf.exists() && pdf.size() > 0, c.printed) << c.name;
    if (c.printed && pdf.open(QIODevice::ReadOnly)) {
      EXPECT_TRUE(pdf.read(4) == "%PDF") << c.name;
    }
    if (c.message) {
      ASSERT_EQ(recorder.Messages().size(), 1) << c.name;
      EXPECT_EQ(recorder.Messages()[0].type, q7::MsgType::Error);
      EXPECT_EQ(recorder.Messages()[0].text, QStringLiteral("La forma no puede ser impresa"));
    } else {
      EXPECT_TRUE(recorder.Messages().isEmpty()) << c.name;
    }
  }
}

TEST_F(EnterFormsTest, PrintItemOfTheWindowMenuPrints) {
  int asked = 0;
  form->SetPrintDialog([&](QPrinter &, QWidget *) { return ++asked, false; });
  form->SystemMenu()->actions().last()->trigger();
  EXPECT_EQ(asked, 1);
  // The tool windows of the library are not part of this system.
  for (int command : {q7::ScCalculator, q7::ScCalendar, q7::ScSystemInfo, q7::ScConfigure})
    form->SystemCommand(command);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(recorder.Messages().isEmpty());
}

TEST_F(EnterFormsTest, NumberedMessages) {
  form->ShowNumberedMessage(q7::MsgFormCannotBePrinted);
  form->ShowNumberedMessage(5);  // an entry this system does not carry
  ASSERT_EQ(recorder.Messages().size(), 1);
  EXPECT_EQ(recorder.Messages()[0].type, q7::MsgType::Error);
  EXPECT_EQ(recorder.Messages()[0].buttons, unsigned(q7::MbOK));
  EXPECT_EQ(recorder.Messages()[0].text, QStringLiteral("La forma no puede ser impresa"));
}

// ---- Keyboard -------------------------------------------------------------------

TEST_F(EnterFormsTest, KeysMoveTheFocusPressButtonsAndClose) {
  enum Options { Defaults, NoArrows, ComboCodes };
  struct KeyCase {
    const char *name;
    const char *start;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    const char *focus;  // expected focus afterwards; nullptr: the window closed
    int grabarClicks;
    Options options = Defaults;
  };
  const Qt::KeyboardModifiers none = Qt::NoModifier;
  const KeyCase cases[] = {
      {"Enter moves to the next field", "ETexto", Qt::Key_Return, none, "ENumero", 0},
      {"keypad Enter too", "ETexto", Qt::Key_Enter, Qt::KeypadModifier, "ENumero", 0},
      {"Enter on a numeric field", "ENumero", Qt::Key_Return, none, "EBoton", 0},
      {"Enter on a date field", "EFecha", Qt::Key_Return, none, "MDireccion", 0},
      {"Enter on a closed combo", "CBModo", Qt::Key_Return, none, "CheckActivo", 0},
      {"Enter on a check box", "CheckActivo", Qt::Key_Return, none, "BGrabar001", 0},
      {"Shift+Enter moves back", "ENumero", Qt::Key_Return, Qt::ShiftModifier, "ETexto", 0},
      {"Ctrl+Enter stays", "ENumero", Qt::Key_Return, Qt::ControlModifier, "ENumero", 0},
      {"Alt+Enter stays", "ENumero", Qt::Key_Return, Qt::AltModifier, "ENumero", 0},
      {"Enter on a push button presses it", "BGrabar001", Qt::Key_Return, none, "BGrabar001", 1},
      {"Shift+Enter on a push button does nothing", "BGrabar001", Qt::Key_Return, Qt::ShiftModifier,
       "BGrabar001", 0},
      {"Down from a text field", "ETexto", Qt::Key_Down, none, "ENumero", 0},
      {"Up from a numeric field", "ENumero", Qt::Key_Up, none, "ETexto", 0},
      {"Down from a date field", "EFecha", Qt::Key_Down, none, "MDireccion", 0},
      {"Up from a date field", "EFecha", Qt::Key_Up, none, "EBoton", 0},
      {"Down from a closed combo", "CBModo", Qt::Key_Down, none, "CheckActivo", 0},
      {"Up from a closed combo", "CBModo", Qt::Key_Up, none, "MDireccion", 0},
      {"Down from a check box", "CheckActivo", Qt::Key_Down, none, "BGrabar001", 0},
      {"Up from a push button", "BGrabar001", Qt::Key_Up, none, "CheckActivo", 0},
      {"Tab", "ETexto", Qt::Key_Tab, none, "ENumero", 0},
      {"Shift+Tab", "ENumero", Qt::Key_Backtab, Qt::ShiftModifier, "ETexto", 0},
      {"Alt+Down on a numeric field without button", "ENumero", Qt::Key_Down, Qt::AltModifier, "ENumero", 0},
      {"Alt+Up on a text field stays", "ETexto", Qt::Key_Up, Qt::AltModifier, "ETexto", 0},
      {"Escape on a text field closes", "ETexto", Qt::Key_Escape, none, nullptr, 0},
      {"Escape on a memo closes", "MDireccion", Qt::Key_Escape, none, nullptr, 0},
      {"Escape on a closed combo closes", "CBModo", Qt::Key_Escape, none, nullptr, 0},
      {"Escape on a push button closes", "BGrabar001", Qt::Key_Escape, none, nullptr, 0},
      {"Down in a list stays in the list", "LLista", Qt::Key_Down, none, "LLista", 0},
      {"Enter in a list moves on", "LLista", Qt::Key_Return, none, "ETexto", 0},
      {"Escape in a list closes", "LLista", Qt::Key_Escape, none, nullptr, 0},
      {"NoArrowKeys: Down stays", "ETexto", Qt::Key_Down, none, "ETexto", 0, NoArrows},
      {"NoArrowKeys: Escape does not close", "ETexto", Qt::Key_Escape, none, "ETexto", 0, NoArrows},
      {"NoArrowKeys: Enter still moves", "ETexto", Qt::Key_Return, none, "ENumero", 0, NoArrows},
      {"ComboArrowCodes: Down in a closed combo stays", "CBModo", Qt::Key_Down, none, "CBModo", 0,
       ComboCodes},
  };
  for (const KeyCase &c : cases) {
    form = std::make_unique<TestForm>();
    form->NoArrowKeys = c.options == NoArrows;
    form->ComboArrowCodes = c.options == ComboCodes;
    ShowActive();
    FocusOn(c.start);
    QTest::keyClick(QApplication::focusWidget(), c.key, c.mods);
    if (c.focus) {
      EXPECT_TRUE(form->isVisible()) << c.name;
      EXPECT_EQ(FocusName(), QString::fromLatin1(c.focus)) << c.name;
    } else {
      EXPECT_FALSE(form->isVisible()) << c.name;
    }
    EXPECT_EQ(form->grabarClicks, c.grabarClicks) << c.name;
    EXPECT_EQ(form->CBModo->currentIndex(), 0) << c.name << ": the closed combo keeps its selection";
    const bool listGotKey = QString::fromLatin1(c.start) == QStringLiteral("LLista") && c.key == Qt::Key_Down;
    EXPECT_EQ(form->LLista->currentRow(), listGotKey ? 1 : 0) << c.name;
  }
}

TEST_F(EnterFormsTest, PlainEnterLeavesEnterToTheControls) {
  ShowActive();
  form->SetEnterAsTab(false);
  FocusOn("ETexto");
  QTest::keyClick(form->ETexto, Qt::Key_Return);
  EXPECT_EQ(FocusName(), QStringLiteral("ENumero")) << "EnterAsTab off alone still moves";
  form->PlainEnter = true;
  QTest::keyClick(form->ENumero, Qt::Key_Return);
  EXPECT_EQ(FocusName(), QStringLiteral("ENumero"));
}

TEST_F(EnterFormsTest, EscapeWithoutFocusedControlCloses) {
  ShowActive();
  if (QWidget *f = form->focusWidget()) f->clearFocus();
  ASSERT_EQ(form->focusWidget(), nullptr);
  QTest::keyClick(form.get(), Qt::Key_Escape);
  EXPECT_FALSE(form->isVisible());
}

TEST_F(EnterFormsTest, OpenComboListKeepsItsKeys) {
  ShowActive();
  FocusOn("CBModo");
  form->CBModo->showPopup();
  QAbstractItemView *list = form->CBModo->view();
  ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }));
  QTest::keyClick(list, Qt::Key_Escape);
  EXPECT_TRUE(form->isVisible()) << "Escape closes the list, not the window";
  EXPECT_TRUE(QTest::qWaitFor([&] { return !list->isVisible(); }));

  form->CBModo->showPopup();
  ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }));
  // A key the open list's control receives: the window leaves it alone.
  QTest::keyClick(form->CBModo, Qt::Key_Escape);
  EXPECT_TRUE(form->isVisible());
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(form->CBModo->currentIndex(), 1) << "Down moves within the open list";
  EXPECT_EQ(FocusName(), QStringLiteral("CBModo"));
}

TEST_F(EnterFormsTest, MemoRule) {
  struct MemoCase {
    const char *name;
    const char *text;
    int line;  // caret at the end of this line
    Qt::Key key;
    const char *focus;
    const char *textAfter;
  };
  const MemoCase cases[] = {
      {"Enter on an empty line leaves", "a\n\nc", 1, Qt::Key_Return, "CBModo", "a\n\nc"},
      {"Enter on line MaxLineas leaves", "a\nb\nc\nd", 3, Qt::Key_Return, "CBModo", "a\nb\nc\nd"},
      {"Enter above the limit breaks the line", "a\nb", 1, Qt::Key_Return, "MDireccion", "a\nb\n"},
      {"Enter with line MaxLineas filled first moves the caret to the next line", "a\nb\nc\nd", 0,
       Qt::Key_Return, "MDireccion", "a\n\nb\nc\nd"},
      {"Up on the first line leaves", "a\nb", 0, Qt::Key_Up, "EFecha", "a\nb"},
      {"Up below the first line leaves too", "a\nb\nc", 2, Qt::Key_Up, "EFecha", "a\nb\nc"},
      {"Down on the last line leaves", "a\nb", 1, Qt::Key_Down, "CBModo", "a\nb"},
      {"Down above other lines leaves too", "a\nb", 0, Qt::Key_Down, "CBModo", "a\nb"},
  };
  ShowActive();
  for (const MemoCase &c : cases) {
    form->MDireccion->setPlainText(QString::fromLatin1(c.text));
    FocusOn("MDireccion");
    ASSERT_TRUE(form->MDireccion->WantReturns()) << c.name << ": entering the memo turns it on";
    QTextCursor cursor(form->MDireccion->document()->findBlockByNumber(c.line));
    cursor.movePosition(QTextCursor::EndOfBlock);
    form->MDireccion->setTextCursor(cursor);
    QTest::keyClick(form->MDireccion, c.key);
    EXPECT_EQ(FocusName(), QString::fromLatin1(c.focus)) << c.name;
    EXPECT_EQ(form->MDireccion->toPlainText(), QString::fromLatin1(c.textAfter)) << c.name;
  }
  // Up on the first line is withheld from the memo; below it, the memo gets it too.
  form->MDireccion->setPlainText(QStringLiteral("a\nb\nc"));
  FocusOn("MDireccion");
  QTextCursor cursor(form->MDireccion->document()->findBlockByNumber(2));
  form->MDireccion->setTextCursor(cursor);
  QTest::keyClick(form->MDireccion, Qt::Key_Up);
  EXPECT_EQ(form->MDireccion->textCursor().blockNumber(), 1);
}

TEST_F(EnterFormsTest, AltDownOpensTheCalculatorOnlyWithItsButton) {
  ShowActive();
  FocusOn("ENumero");
  QTest::keyClick(form->ENumero, Qt::Key_Down, Qt::AltModifier);
  EXPECT_FALSE(form->ENumero->CalculatorOpen());
  FocusOn("EBoton");
  QTest::keyClick(form->EBoton, Qt::Key_Down, Qt::AltModifier);
  EXPECT_TRUE(form->EBoton->CalculatorOpen());
}

TEST_F(EnterFormsTest, CtrlShortcuts) {
  ShowActive();
  int printAsked = 0;
  form->SetPrintDialog([&](QPrinter &, QWidget *) { return ++printAsked, false; });
  FocusOn("ETexto");
  struct Case {
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int print, ctrlA, ctrlM;
  };
  const Case cases[] = {
      {"Ctrl+P prints", Qt::Key_P, Qt::ControlModifier, 1, 0, 0},
      {"Ctrl+Shift+P does not", Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier, 0, 0, 0},
      {"Ctrl+Alt+P does not", Qt::Key_P, Qt::ControlModifier | Qt::AltModifier, 0, 0, 0},
      {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, 0, 1, 0},
      {"Ctrl+M", Qt::Key_M, Qt::ControlModifier, 0, 0, 1},
      {"Ctrl+D and the calendar that is not there", Qt::Key_D, Qt::ControlModifier, 0, 0, 0},
  };
  for (const Case &c : cases) {
    printAsked = 0;
    form->ctrlA.clear();
    form->ctrlM = 0;
    QTest::keyClick(form->ETexto, c.key, c.mods);
    EXPECT_EQ(printAsked, c.print) << c.name;
    EXPECT_EQ(form->ctrlA.size(), c.ctrlA) << c.name;
    if (c.ctrlA && !form->ctrlA.isEmpty()) {
      EXPECT_TRUE(form->ctrlA.first()) << c.name;
    }
    EXPECT_EQ(form->ctrlM, c.ctrlM) << c.name;
    EXPECT_TRUE(form->isVisible()) << c.name;
  }
  QTest::keyClick(form->ETexto, Qt::Key_T, Qt::ControlModifier);
  EXPECT_EQ(q7::LastActiveControl.data(), form->ETexto);
  EXPECT_TRUE(recorder.Messages().isEmpty());
}

TEST_F(EnterFormsTest, ButtonAcceleratorsWorkFromEveryField) {
  ShowActive();
  struct Case {
    const char *field;
    Qt::Key key;
  };
  const Case cases[] = {{"ENumero", Qt::Key_S}, {"EBoton", Qt::Key_F}, {"EFecha", Qt::Key_S},
                        {"ETexto", Qt::Key_F}, {"MDireccion", Qt::Key_S}, {"CBModo", Qt::Key_F}};
  int siguiente = 0, grabar = 0;
  for (const Case &c : cases) {
    (c.key == Qt::Key_S ? siguiente : grabar) += 1;
    FocusOn(c.field);
    QTest::keyClick(QApplication::focusWidget(), c.key, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] {
      return form->siguienteClicks == siguiente && form->grabarClicks == grabar;
    }, 2000)) << c.field;
  }
}

// Ctrl+Tab in a page control: a wizard hides its tabs and moves between pages
// with its own buttons only, so the key must not change the page there.
TEST_F(EnterFormsTest, CtrlTabChangesPagesOnlyWhereTabsAreShown) {
  struct Case {
    const char *name;
    bool tabsShown;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int pageAfter;
  };
  const Case cases[] = {
      {"hidden tabs: Ctrl+Tab stays", false, Qt::Key_Tab, Qt::ControlModifier, 0},
      {"hidden tabs: Ctrl+Shift+Tab stays", false, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 0},
      {"shown tabs: Ctrl+Tab skips the hidden tab", true, Qt::Key_Tab, Qt::ControlModifier, 2},
      {"shown tabs: Ctrl+Shift+Tab wraps to the last page", true, Qt::Key_Backtab,
       Qt::ControlModifier | Qt::ShiftModifier, 2},
  };
  for (const Case &c : cases) {
    form = std::make_unique<TestForm>();
    auto *pages = new QTabWidget(form.get());
    pages->setGeometry(220, 200, 190, 70);
    for (int i = 0; i < 3; ++i) {
      auto *page = new QWidget;
      auto *edit = new TTarvoEdit(page);
      edit->setObjectName(QStringLiteral("EPagina%1").arg(i));
      pages->addTab(page, QStringLiteral("P%1").arg(i));
    }
    pages->setTabVisible(1, false);
    pages->tabBar()->setVisible(c.tabsShown);
    ShowActive();
    FocusOn("EPagina0");
    QTest::keyClick(QApplication::focusWidget(), c.key, c.mods);
    EXPECT_EQ(pages->currentIndex(), c.pageAfter) << c.name;
    EXPECT_TRUE(form->isVisible()) << c.name;
  }
}

// ---- Picture lists ------------------------------------------------------------------

bool IsGrey(const QImage &image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      if (qAlpha(c) > 0 && (qRed(c) != qGreen(c) || qGreen(c) != qBlue(c))) return false;
    }
  return true;
}

TEST(DataModuleMenus, ButtonImagesHoldNormalAndDisabledGlyphs) {
  TMenuDataModule menus;
  EXPECT_EQ(TMenuDataModule::Instance(), &menus);
  const QList<QPixmap> &images = menus.ImageBotones();
  ASSERT_GE(images.size(), 33);
  for (const QPixmap &p : images) EXPECT_EQ(p.size(), QSize(32, 16));
  // save, cancel, exit, include, previous, next: each its own picture, none the plain sheet.
  const QImage plain = ImageOf(images[20].copy(0, 0, 16, 16));
  QList<QImage> seen;
  for (int index : {0, 1, 4, 8, 31, 32}) {
    const QImage normal = ImageOf(images[index].copy(0, 0, 16, 16));
    const QImage disabled = ImageOf(images[index].copy(16, 0, 16, 16));
    EXPECT_NE(normal, plain) << index;
    EXPECT_FALSE(seen.contains(normal)) << index;
    seen << normal;
    EXPECT_NE(disabled, normal) << index;
    EXPECT_TRUE(IsGrey(disabled)) << index;
    EXPECT_FALSE(IsGrey(normal)) << index;
  }
  EXPECT_TRUE(menus.ButtonIcon(-1).isNull());
  EXPECT_TRUE(menus.ButtonIcon(int(images.size())).isNull());
}

TEST(DataModuleMenus, ToolbarListsHaveThreeStates) {
  TMenuDataModule menus;
  const QList<QPixmap> *lists[] = {&menus.Image16x16Normal(), &menus.Image16x16ON(),
                                   &menus.Image16x16Disable()};
  for (const QList<QPixmap> *list : lists) {
    ASSERT_GE(list->size(), 9);
    for (const QPixmap &p : *list) EXPECT_EQ(p.size(), QSize(16, 16));
  }
  QList<QImage> seen;
  for (int index : {int(TMenuDataModule::ToolPrevious), int(TMenuDataModule::ToolNext),
                    int(TMenuDataModule::ToolCancel), int(TMenuDataModule::ToolInclude),
                    int(TMenuDataModule::ToolSave)}) {
    const QImage normal = ImageOf(menus.Image16x16Normal()[index]);
    EXPECT_FALSE(seen.contains(normal)) << index;
    seen << normal;
    EXPECT_NE(ImageOf(menus.Image16x16ON()[index]), normal) << index;
    EXPECT_TRUE(IsGrey(ImageOf(menus.Image16x16Disable()[index]))) << index;
  }
  EXPECT_FALSE(menus.ToolIcon(TMenuDataModule::ToolSave).isNull());
  EXPECT_TRUE(menus.ToolIcon(9).isNull());
}

}  // namespace

