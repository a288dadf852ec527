#include "controls/EnterForms.h"

#include "controls/LibrarySettings.h"
#include "controls/TarvoEdit.h"  // q7::ControlHintText
#include "resources/DataModuleMenus.h"
#include "store/Messages.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMetaProperty>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <map>

namespace q7 {

bool WindowSetupMenu = false;

int Tag(const QObject *object) { return object ? object->property("Tag").toInt() : 0; }

void SetTag(QObject *object, int tag) {
  if (object) object->setProperty("Tag", tag);
}

QString LibraryMessage(int number) {
  // Entries of the suite's table that this system shows; the others belong to
  // other programs of the suite.
  static const std::map<int, const char *> kMessages{
      {MsgFormCannotBePrinted, "1La forma no puede ser impresa"},
  };
  const auto it = kMessages.find(number);
  return it == kMessages.end() ? QString() : QString::fromUtf8(it->second);
}

namespace {

bool ShowPrintDialog(QPrinter &printer, QWidget *parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                    QAbstractPrintDialog::PrintSelection);
  return dialog.exec() == QDialog::Accepted;
}

PrintDialogFn &DefaultDialog() {
  static PrintDialogFn dialog = &ShowPrintDialog;
  return dialog;
}

}  // namespace

PrintDialogFn SetDefaultPrintDialog(PrintDialogFn dialog) {
  PrintDialogFn previous = DefaultDialog();
  DefaultDialog() = dialog ? std::move(dialog) : PrintDialogFn(&ShowPrintDialog);
  return previous;
}

const PrintDialogFn &DefaultPrintDialog() { return DefaultDialog(); }

}  // namespace q7

namespace {

// Where LoadButtonGlyph keeps the glyph a button was designed with, so that
// preparing a button twice splits the same picture again.
constexpr char kDesignedGlyph[] = "q7DesignedGlyph";

bool IsPushButton(const QWidget *w) {
  return qobject_cast<const QPushButton *>(w) || qobject_cast<const QToolButton *>(w);
}

bool IsTextMemo(const QWidget *w) {
  return qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTextEdit *>(w);
}

// A memo takes Enter (and with it Escape) while its WantReturns is on; memos
// without that setting always do.
bool MemoWantsReturns(const QWidget *w) {
  const QVariant want = w->property("WantReturns");
  return !want.isValid() || want.toBool();
}

bool EntersLineBreak(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

bool IsDialogKeyCode(int key) {
  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: return true;
    default: return false;
  }
}

// Whether the control handles a dialog key itself; otherwise the window's
// dialog-key handling gets it first.
bool ControlTakesKey(const QWidget *control, int key) {
  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return IsTextMemo(control) && !control->property("tabChangesFocus").toBool();
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: return IsTextMemo(control) && MemoWantsReturns(control);
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      // Push buttons, check boxes and radio buttons leave the arrows to the window.
      return !qobject_cast<const QAbstractButton *>(control);
    default: return true;
  }
}

// The control the focused widget belongs to: the combo box, spin box or
// calendar around an inner widget that holds the focus, or the widget itself.
QWidget *ControlOf(QWidget *focused, const QWidget *window) {
  for (QWidget *p = focused ? focused->parentWidget() : nullptr; p && p != window;
       p = p->parentWidget()) {
    if (qobject_cast<QComboBox *>(p) || qobject_cast<QAbstractSpinBox *>(p) ||
        qobject_cast<QCalendarWidget *>(p))
      return p;
  }
  return focused;
}

bool ComboListOpen(QComboBox *combo) {
  return combo && combo->view() && combo->view()->isVisible();
}

// Controls that keep every key but Escape: an open drop-down list, a
// calendar, a lookup combo when asked, and lists.
bool KeepsOwnKeys(QWidget *control, bool lookupKeepsKeys) {
  if (auto *combo = qobject_cast<QComboBox *>(control)) return ComboListOpen(combo);
  if (qobject_cast<QCalendarWidget *>(control) || control->inherits("TOvcCalendar")) return true;
  if (control->inherits("TwwDBLookupCombo")) return lookupKeepsKeys;
  if (qobject_cast<QListView *>(control)) return true;  // list boxes, TTarvoList, TTarvoHorizontalList
  static const char *const kListClasses[] = {"TCheckListBox", "TOvcSearchListBox", "TOvcSearchEdit",
                                             "TDirectoryListBox", "TFileListBox"};
  for (const char *name : kListClasses)
    if (control->inherits(name)) return true;
  return false;
}

bool IsEditLike(const QWidget *w) {
  return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w) ||
         qobject_cast<const QTextEdit *>(w) || qobject_cast<const QComboBox *>(w) ||
         qobject_cast<const QAbstractSpinBox *>(w);
}

QPixmap LargestPixmap(const QIcon &icon, const QSize &fallback) {
  if (icon.isNull()) return {};
  QSize best;
  for (const QSize &s : icon.availableSizes())
    if (s.width() * s.height() > best.width() * best.height()) best = s;
  return icon.pixmap(best.isValid() ? best : fallback);
}

// The long part of a hint "short|long".
QString LongHint(const QString &hint) {
  const qsizetype bar = hint.indexOf(u'|');
  return bar < 0 ? hint : hint.mid(bar + 1);
}

}  // namespace

// ---- TShape -------------------------------------------------------------------

TShape::TShape(QWidget *parent) : QFrame(parent) {
  setFrameShape(QFrame::Box);
  setFocusPolicy(Qt::NoFocus);
}

// ---- Key preview ----------------------------------------------------------------

// Installed on the application so the window sees a key before the focused
// control does. A separate object, so that a derived window's own eventFilter
// cannot shadow it.
class TEForm::KeyPreview : public QObject {
 public:
  explicit KeyPreview(TEForm *form) : QObject(form), m_form(form) {}

  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto *target = static_cast<QWidget *>(watched);
    if (target != m_form && !m_form->isAncestorOf(target)) return false;
    return m_form->PreviewKey(target, static_cast<QKeyEvent *>(event));
  }

 private:
  TEForm *m_form;
};

// ---- TEForm -------------------------------------------------------------------

TEForm::TEForm(QWidget *parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral("EnterForm"));
  resize(774, 516);
  m_systemMenu = new QMenu(this);
  m_keyPreview = new KeyPreview(this);
  if (QCoreApplication *app = QCoreApplication::instance()) app->installEventFilter(m_keyPreview);
  SetEnterAsTab(true);
}

TEForm::~TEForm() {
  if (QCoreApplication *app = QCoreApplication::instance()) app->removeEventFilter(m_keyPreview);
}

void TEForm::SetEnterAsTab(bool flag) {
  EnterAsTab = flag;
  if (flag) PlainEnter = false;
}

bool TEForm::SetOrdinalProperty(QObject *object, const char *name, const QVariant &value) {
  if (!object) return false;
  const QMetaObject *meta = object->metaObject();
  const int index = meta->indexOfProperty(name);
  if (index < 0) return false;
  const QMetaProperty property = meta->property(index);
  if (!property.isWritable()) return false;
  return property.write(object, value);
}

void TEForm::FormCreate() {
  // Page controls to their first page, price captions on tagged labels. The
  // first failure ends this loop silently.
  try {
    for (QWidget *w : findChildren<QWidget *>()) {
      if (auto *pages = qobject_cast<QTabWidget *>(w)) {
        if (pages->count() > 0) pages->setCurrentIndex(0);
      } else if (auto *label = qobject_cast<QLabel *>(w)) {
        const QString caption = q7::PriceCaptionForTag(q7::Tag(label));
        if (!caption.isEmpty()) label->setText(caption);
      }
    }
  } catch (...) {
  }
  PrepareComponents(this);
  BuildSystemMenu();
}

void TEForm::BuildSystemMenu() {
  const auto &defaults = q7::LibraryDefaults();
  m_systemMenu->clear();
  auto addCommand = [this](const QString &caption, int command) {
    QAction *action = m_systemMenu->addAction(caption);
    action->setData(command);
    connect(action, &QAction::triggered, this, [this, command] { SystemCommand(command); });
  };
  m_systemMenu->addSeparator();
  if (defaults.PrintMenuEnabled) addCommand(QStringLiteral("&Imprimir Forma"), q7::ScPrint);
  if (defaults.SystemMenuEnabled) {
    m_systemMenu->addSeparator();
    addCommand(QStringLiteral("&Sistema"), q7::ScSystemInfo);
  }
  if (q7::WindowSetupMenu) {
    m_systemMenu->addSeparator();
    addCommand(QStringLiteral("&Configurar Ventana"), q7::ScConfigure);
  }
  q7::WindowSetupMenu = false;
}

void TEForm::PrepareComponents(QWidget *owner) {
  if (!owner) return;
  const auto &defaults = q7::LibraryDefaults();
  // Every widget below owner, frames and their contents included.
  for (QWidget *w : owner->findChildren<QWidget *>()) {
    if (w->inherits("TShape") && w->height() > 10 && w->width() > 1 &&
        q7::Tag(w) < defaults.ShapeTagLimit)
      w->setVisible(defaults.ShapesVisible);
    if (w->inherits("TTarvoNumberEdit") && !KeepDecimals && w->property("Decimales").toInt() > 0) {
      SetOrdinalProperty(w, "Decimales", int(defaults.DefaultDecimals));
      // Render the value again so that the new number of decimals shows.
      SetOrdinalProperty(w, "InitText", w->property("InitText"));
    }
    if (IsEditLike(w)) SetOrdinalProperty(w, "Ctl3D", defaults.EditCtl3D);
    if (w->inherits("TTarvoDateEdit")) SetOrdinalProperty(w, "ForceCentury", true);
    if (auto *button = qobject_cast<QPushButton *>(w)) LoadButtonGlyph(button);
  }
}

void TEForm::LoadButtonGlyph(QAbstractButton *button) {
  if (!button) return;
  // The button holds two glyphs side by side: normal and disabled.
  QVariant designed = button->property(kDesignedGlyph);
  if (!designed.isValid()) {
    designed = QVariant::fromValue(LargestPixmap(button->icon(), button->iconSize()));
    button->setProperty(kDesignedGlyph, designed);
  }
  const QPixmap strip = designed.value<QPixmap>();
  if (!strip.isNull()) {
    button->setIcon(q7::TwoGlyphIcon(strip));
    button->setIconSize(QSize(std::max(1, strip.width() / 2), strip.height()));
  }
  // The three characters that end the name select image n - 1; anything that
  // is not such a number leaves the designed glyph.
  bool ok = false;
  const int n = q7::RightChars(button->objectName(), 3).toInt(&ok, 10);
  if (!ok) return;
  const TMenuDataModule *menus = TMenuDataModule::Instance();
  if (!menus) return;
  const int index = n - 1;
  if (index < 0 || index >= menus->ImageBotones().size()) return;
  button->setIcon(menus->ButtonIcon(index));
  button->setIconSize(QSize(16, 16));
}

void TEForm::FormShow() {
  Shown = true;
  if (focusWidget()) ShowHintText(q7::ControlHintText(focusWidget()));
}

void TEForm::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  if (isWindow() && !m_centred) {
    m_centred = true;
    if (QScreen *s = screen()) {
      QRect frame = frameGeometry();
      frame.moveCenter(s->availableGeometry().center());
      move(frame.topLeft());
    }
  }
  FormShow();
}

void TEForm::contextMenuEvent(QContextMenuEvent *event) {
  if (m_systemMenu->actions().isEmpty()) {
    QWidget::contextMenuEvent(event);
    return;
  }
  m_systemMenu->exec(event->globalPos());
  event->accept();
}

// ---- Operations -------------------------------------------------------------------

void TEForm::ClearEntryFields(QWidget *owner) {
  if (!owner) return;
  for (QWidget *w : owner->findChildren<QWidget *>()) {
    if (w->inherits("TTarvoNumberEdit")) {
      w->setProperty("InitText", 0.0);
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
      combo->setCurrentIndex(0);
    } else if (w->inherits("TTarvoDateEdit") || w->inherits("TTarvoEdit")) {
      if (auto *edit = qobject_cast<QLineEdit *>(w)) edit->setText(QString());
    } else if (w->inherits("TMemoTarvo")) {
      if (auto *memo = qobject_cast<QPlainTextEdit *>(w)) memo->clear();
      else if (auto *rich = qobject_cast<QTextEdit *>(w)) rich->clear();
    }
  }
}

void TEForm::ShowHintText(const QString &text) {
  // Looked for again on every call until the window has one.
  if (!StatusBarRef) StatusBarRef = findChild<QStatusBar *>();
  if (!StatusBarRef) return;
  if (text.isEmpty())
    StatusBarRef->clearMessage();
  else
    StatusBarRef->showMessage(text);
}

void TEForm::ShowApplicationHint() {
  StatusBarRef.clear();
  QWidget *active = QApplication::activeWindow();
  QStatusBar *bar = active ? active->findChild<QStatusBar *>() : nullptr;
  if (!bar) return;
  const QString hint = LongHint(q7::ControlHintText(QApplication::widgetAt(QCursor::pos())));
  if (hint.isEmpty())
    bar->clearMessage();
  else
    bar->showMessage(hint);
}

void TEForm::FocusWithHint(QWidget *control) {
  try {
    // A control that cannot take the focus is an error, and errors are ignored.
    if (!control || !control->isEnabled() || !control->isVisibleTo(control->window())) return;
    control->setFocus(Qt::OtherFocusReason);
    ShowHintText(q7::ControlHintText(control));
  } catch (...) {
  }
}

void TEForm::ConfigureWindow() {}
void TEForm::CtrlMKey() {}
void TEForm::CtrlAKey(bool) {}

void TEForm::ShowNumberedMessage(int number) {
  const QString entry = q7::LibraryMessage(number);
  if (entry.isEmpty()) return;
  q7::MsgType type = q7::MsgType::Warning;
  switch (entry.at(0).unicode()) {
    case u'1': type = q7::MsgType::Error; break;
    case u'2': type = q7::MsgType::Information; break;
    case u'3': type = q7::MsgType::Confirmation; break;
    default: break;
  }
  q7::ShowMessage(type, q7::MbOK, entry.mid(1));
}

void TEForm::SystemCommand(int command) {
  switch (command) {
    case q7::ScPrint: PrintWindow(); break;
    case q7::ScConfigure: ConfigureWindow(); break;
    // The calculator, calendar and system-information windows are not part
    // of this system.
    case q7::ScCalculator:
    case q7::ScCalendar:
    case q7::ScSystemInfo:
    default: break;
  }
}

// ---- Printing -------------------------------------------------------------------

void TEForm::PrintWindow() {
  bool failed = false;
  try {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    const q7::PrintDialogFn &dialog = m_printDialog ? m_printDialog : q7::DefaultPrintDialog();
    if (!dialog(printer, this)) return;
    failed = !PrintImage(printer);
  } catch (...) {
    failed = true;
  }
  if (failed) ShowNumberedMessage(q7::MsgFormCannotBePrinted);
}

bool TEForm::PrintImage(QPrinter &printer) {
  const QPixmap image = grab();
  if (image.isNull()) return false;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // The window at its size on screen, made smaller when it does not fit the page.
  const QRect page = painter.viewport();
  const qreal screenDpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
  qreal scale = printer.resolution() / screenDpi;
  scale = std::min({scale, qreal(page.width()) / image.width(), qreal(page.height()) / image.height()});
  const QSize size(qRound(image.width() * scale), qRound(image.height() * scale));
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(QRect(page.topLeft(), size), image);
  return painter.end();
}

// ---- Keyboard -------------------------------------------------------------------

bool TEForm::PreviewKey(QWidget *target, QKeyEvent *event) {
  // Only the first delivery, to the focused control (or to the window when
  // nothing has the focus); not the copies propagated to parents.
  QWidget *focused = focusWidget();
  if (focused ? target != focused : target != this) return false;
  if (m_inKey) return false;
  QScopedValueRollback<bool> busy(m_inKey, true);
  m_closedByKey = false;

  const int pressed = event->key();
  const Qt::KeyboardModifiers shift = event->modifiers() & ~Qt::KeypadModifier;
  QWidget *control = ControlOf(focused, this);

  // Dialog keys the control does not take itself come first; Alt-held keys
  // are never dialog keys.
  if (control && !(shift & Qt::AltModifier) && IsDialogKeyCode(pressed) &&
      !ControlTakesKey(control, pressed)) {
    if (DialogKey(pressed, shift)) return true;
    if (m_closedByKey) return true;
  }

  int key = pressed;
  FormKeyDown(key, shift);
  if (m_closedByKey) return true;
  // A changed key (0 or a substitute code no control reacts to) is withheld.
  if (key != pressed) return true;
  // A memo that has just given up Enter does not take it as a line break.
  if (control && EntersLineBreak(pressed) && control->inherits("TMemoTarvo") &&
      !MemoWantsReturns(control))
    return true;
  return false;
}

bool TEForm::DialogKey(int key, Qt::KeyboardModifiers shift) {
  ShowHintText(QString());
  const bool plainEnter = EntersLineBreak(key) && !(shift & (Qt::AltModifier | Qt::ControlModifier));
  bool handled = false;
  if (EnterAsTab) {
    if (plainEnter && !IsPushButton(focusWidget())) {
      MoveFocus(!(shift & Qt::ShiftModifier));
      handled = true;
    }
    if (!handled) handled = StandardDialogKey(key, shift);
  } else if (!PlainEnter) {
    handled = StandardDialogKey(key, shift);
    if (!handled && plainEnter) {
      MoveFocus(!(shift & Qt::ShiftModifier));
      handled = true;
    }
  } else {
    handled = StandardDialogKey(key, shift);
  }
  ShowFocusedHint();
  return handled;
}

bool TEForm::StandardDialogKey(int key, Qt::KeyboardModifiers shift) {
  if (shift & Qt::AltModifier) return false;
  switch (key) {
    case Qt::Key_Tab:
      if (shift & Qt::ControlModifier) return SwitchPageByKey(!(shift & Qt::ShiftModifier));
      MoveFocus(!(shift & Qt::ShiftModifier));
      return true;
    case Qt::Key_Backtab:
      if (shift & Qt::ControlModifier) return SwitchPageByKey(false);
      MoveFocus(false);
      return true;
    case Qt::Key_Left:
    case Qt::Key_Up: MoveFocus(false); return true;
    case Qt::Key_Right:
    case Qt::Key_Down: MoveFocus(true); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      // Enter presses the focused push button, or else the window's default one.
      if (shift != Qt::NoModifier) return false;
      QWidget *focused = focusWidget();
      if (IsPushButton(focused)) {
        auto *button = static_cast<QAbstractButton *>(focused);
        if (!button->isEnabled()) return false;
        button->click();
        return true;
      }
      for (QPushButton *button : findChildren<QPushButton *>()) {
        if (button->isDefault() && button->isEnabled() && button->isVisibleTo(this)) {
          button->click();
          return true;
        }
      }
      return false;
    }
    default: return false;
  }
}

bool TEForm::SwitchPageByKey(bool forward) {
  // The outermost page control around the focused control takes Ctrl+Tab.
  QTabWidget *pages = nullptr;
  for (QWidget *w = focusWidget(); w && w != this; w = w->parentWidget())
    if (auto *tabs = qobject_cast<QTabWidget *>(w)) pages = tabs;
  if (!pages) return false;
  // Only pages whose tab the user can see are chosen this way; a page control
  // with its tabs hidden is moved by the program alone, so the key does
  // nothing there (it must not skip the checks of a wizard's own buttons).
  QTabBar *bar = pages->tabBar();
  if (!bar || !bar->isVisibleTo(pages)) return true;
  const int count = pages->count();
  for (int step = 1, page = pages->currentIndex(); step < count; ++step) {
    page = (page + (forward ? 1 : count - 1)) % count;
    if (pages->isTabEnabled(page) && pages->isTabVisible(page)) {
      pages->setCurrentIndex(page);
      break;
    }
  }
  return true;
}

void TEForm::FormKeyDown(int &key, Qt::KeyboardModifiers shift) { HandleFormKey(key, shift); }

void TEForm::HandleFormKey(int &key, Qt::KeyboardModifiers shift) {
  shift &= ~Qt::KeypadModifier;

  // 1. Ctrl shortcuts, with Ctrl alone.
  if (shift == Qt::ControlModifier) {
    switch (key) {
      case Qt::Key_A: CtrlAKey(true); break;
      case Qt::Key_M: CtrlMKey(); break;
      case Qt::Key_P: PrintWindow(); break;
      case Qt::Key_T:
        // Remembered for the calculator window, which is not part of this system.
        if (focusWidget()) q7::LastActiveControl = focusWidget();
        break;
      case Qt::Key_D:  // the calendar window: not part of this system
      case Qt::Key_S:  // the system-information window: not part of this system
      default: break;
    }
  }

  // 2. Every key, the first rule that ends the handling wins.
  QWidget *focused = focusWidget();
  if (!focused) {
    if (key == Qt::Key_Escape) CloseByKey();
    return;
  }
  QWidget *control = ControlOf(focused, this);
  const bool alt = shift & Qt::AltModifier;

  // A numeric or date field without its button: Alt-held keys never open
  // the calculator or calendar. (Button accelerators are shortcuts; they have
  // fired before a key press reaches the window.)
  if (alt && control->inherits("TTarvoNumberEdit") && !control->property("ShowButton").toBool()) {
    if (key == Qt::Key_Down) {
      key = q7::KeyNumberAltDown;
      return;
    }
    key = 0;
  } else if (alt && control->inherits("TTarvoDateEdit") && !control->property("ShowButton").toBool()) {
    key = 0;
  }

  if (KeepsOwnKeys(control, LookupKeepsKeys) && key != Qt::Key_Escape) return;

  auto *combo = qobject_cast<QComboBox *>(control);
  const bool listOpen = ComboListOpen(combo);
  const bool upOrDown = key == Qt::Key_Up || key == Qt::Key_Down;
  if (ComboArrowCodes && combo && !listOpen && upOrDown) {
    key = key == Qt::Key_Up ? q7::KeyComboUp : q7::KeyComboDown;
    return;
  }

  if (NoArrowKeys) return;

  const int remembered = key;
  bool memoAtEdge = false;
  if (control->inherits("TMemoTarvo")) memoAtEdge = MemoKeyAtEdge(control, key);
  if (upOrDown && !alt &&
      ((combo && !listOpen) || qobject_cast<QAbstractSpinBox *>(control) ||
       qobject_cast<QAbstractSlider *>(control) || memoAtEdge))
    key = 0;

  if (alt) return;

  switch (remembered) {
    case Qt::Key_Escape:
      if (control->inherits("TwwDBLookupCombo") && LookupKeepsKeys) return;
      if (combo && listOpen) return;
      CloseByKey();
      return;
    case Qt::Key_Up:
      MoveFocus(false);
      ShowFocusedHint();
      return;
    case Qt::Key_Down:
      MoveFocus(true);
      ShowFocusedHint();
      return;
    default: return;
  }
}

bool TEForm::MemoKeyAtEdge(QWidget *memo, int key) {
  // Any error counts as "not at the edge".
  try {
    auto *edit = qobject_cast<QPlainTextEdit *>(memo);
    if (!edit) return false;
    bool ok = false;
    const int maxLineas = memo->property("MaxLineas").toInt(&ok);
    if (!ok) return false;
    const QTextDocument *document = edit->document();
    QTextCursor cursor = edit->textCursor();
    const int y = cursor.blockNumber();
    // The text of line i; an empty text when there is no such line.
    auto line = [document](int i) {
      const QTextBlock block = document->findBlockByNumber(i);
      return block.isValid() ? block.text() : QString();
    };
    switch (key) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        if (line(y).isEmpty() || (maxLineas >= 0 && y >= maxLineas)) {
          // Enter leaves the memo; it takes line breaks again on its next entry.
          SetOrdinalProperty(memo, "WantReturns", false);
          MoveFocus(true);
          ShowFocusedHint();
        } else if (maxLineas >= 0 && !line(maxLineas).isEmpty()) {
          for (int moved = 0; moved < 1000; ++moved) {
            if (!cursor.movePosition(QTextCursor::NextCharacter)) break;
            if (cursor.blockNumber() != y) break;
          }
          edit->setTextCursor(cursor);
        }
        return false;
      case Qt::Key_Up: return y == 0;
      case Qt::Key_Down: return line(y + 1).isEmpty();
      default: return false;
    }
  } catch (...) {
    return false;
  }
}

void TEForm::MoveFocus(bool forward) { focusNextPrevChild(forward); }

void TEForm::CloseByKey() {
  m_closedByKey = true;
  close();
}

void TEForm::ShowFocusedHint() { ShowHintText(q7::ControlHintText(focusWidget())); }
