#pragma once
// TEForm: the base window of the entry-control library. A window built on it
// gets, when its FormCreate runs, the library's preparation of its controls
// (two decimals on numeric fields, flat entry fields, button glyphs chosen by
// the button's name, price captions on tagged labels, decorative shapes, every
// page control on its first page) and the print item in its window menu; and
// for its whole life the library's keyboard conventions: the window sees every
// key before the focused control, Enter moves to the next field (Shift+Enter to
// the previous one) except on push buttons, which it presses, Up and Down move
// between fields, Escape closes the window unless a drop-down list is open,
// Ctrl+P prints the window, Ctrl+A and Ctrl+M call hooks.
//
// A derived window builds its controls in its constructor and then calls its
// own FormCreate, which calls TEForm::FormCreate first.
//
// The entry controls are recognised by class name (QObject::inherits) and
// reached through their properties (Decimales, InitText, ShowButton,
// ForceCentury, MaxLineas, WantReturns, Hint, ShowHint, Ctl3D), so this unit
// does not depend on their headers.
#include <QFrame>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <functional>

class QAbstractButton;
class QAction;
class QKeyEvent;
class QMenu;
class QPrinter;
class QStatusBar;

namespace q7 {

// Tag of a control (the dynamic property "Tag"; 0 when not set). The base form
// reads it for labels (price captions) and shapes.
int Tag(const QObject *object);
void SetTag(QObject *object, int tag);

// One-shot library switch: the next window whose FormCreate runs gets
// "&Configurar Ventana" in its window menu; every FormCreate switches it off.
extern bool WindowSetupMenu;

// Commands of the window menu.
enum SystemCommandId {
  ScCalculator = 100,
  ScCalendar = 120,
  ScSystemInfo = 140,
  ScPrint = 160,
  ScConfigure = 220,
};

// Key codes the keyboard handling substitutes for a pressed key; no control of
// this system reacts to them.
enum SubstituteKey {
  KeyComboUp = 1500,
  KeyComboDown = 1501,
  KeyNumberAltDown = 1502,
};

// Numbered library messages: the first character of an entry selects the box
// type (0 warning, 1 error, 2 information, 3 confirmation), the rest is the
// text. This system carries only the entry it shows.
inline constexpr int MsgFormCannotBePrinted = 38;
// The entry of the given number, or an empty text when there is none.
QString LibraryMessage(int number);

// The print dialog step: shows the dialog for printer and returns true when
// the user confirms. Tests install one that never waits on a modal dialog.
using PrintDialogFn = std::function<bool(QPrinter &printer, QWidget *parent)>;
// The step every window uses unless it has its own; returns the previous one.
// The default shows a QPrintDialog (print to file, page range and selection).
PrintDialogFn SetDefaultPrintDialog(PrintDialogFn dialog);
const PrintDialogFn &DefaultPrintDialog();

}  // namespace q7

// A decorative shape (a frame drawn as a box). The base form shows or hides the
// shapes taller than 10 and wider than 1 whose tag is below ShapeTagLimit.
class TShape : public QFrame {
  Q_OBJECT
 public:
  explicit TShape(QWidget *parent = nullptr);
};

class TEForm : public QWidget {
  Q_OBJECT
 public:
  explicit TEForm(QWidget *parent = nullptr);
  ~TEForm() override;

  // ---- Fields (defaults as the window is constructed) ----------------------
  bool EnterAsTab = true;        // Enter moves to the next control, except on push buttons
  bool PlainEnter = false;       // with EnterAsTab off: Enter gets the standard handling only
  bool NoArrowKeys = false;      // no arrow and Escape handling by the window
  bool ComboArrowCodes = false;  // Up/Down in a closed combo become KeyComboUp/KeyComboDown
  QPointer<QStatusBar> StatusBarRef;  // the status bar found for hint texts
  bool LookupKeepsKeys = false;  // a lookup combo keeps all its keys
  bool Shown = false;            // set when the window is shown
  bool KeepDecimals = false;     // the creation walk leaves numeric decimals as designed

  // ---- Creation and showing ------------------------------------------------
  // The creation walk: page controls to their first page, price captions of
  // labels tagged 1001..1006, PrepareComponents on the window, the window menu.
  virtual void FormCreate();
  // Sets Shown and shows the hint of the focused control. Runs on every show.
  virtual void FormShow();

  void SetEnterAsTab(bool flag);
  // Sets a property the object's class declares (Q_PROPERTY), by name. Returns
  // false, and changes nothing, when the class has no such writable property.
  static bool SetOrdinalProperty(QObject *object, const char *name, const QVariant &value);
  // Prepares every control below owner (shapes, numeric decimals, flat entry
  // fields, four-digit years, button glyphs).
  void PrepareComponents(QWidget *owner);
  // The button's glyph from ImageBotones by the three digits that end its
  // name (…001 gives image 0); a name without them keeps the designed glyph,
  // split into its normal and disabled halves. Errors are ignored.
  void LoadButtonGlyph(QAbstractButton *button);

  // ---- Operations a derived window calls or replaces ------------------------
  // Empties the entry fields below owner: numeric fields show 0, combo boxes
  // select item 0, date and text fields get an empty text, memos lose their lines.
  virtual void ClearEntryFields(QWidget *owner);
  // Shows text in the window's status bar, when it has one; otherwise nothing.
  Q_INVOKABLE virtual void ShowHintText(const QString &text);
  // Shows the hint of the control under the mouse in the active window's status bar.
  virtual void ShowApplicationHint();
  // Gives the control the focus and shows its hint; every error (no control,
  // a hidden or disabled one) is ignored.
  virtual void FocusWithHint(QWidget *control);
  // No base behaviour; reached only through the window-menu command 220.
  virtual void ConfigureWindow();
  // Ctrl+M.
  virtual void CtrlMKey();
  // Ctrl+A passes true.
  virtual void CtrlAKey(bool flag);

  // Prints the window's image on one page after the print dialog step; any
  // failure shows library message 38.
  void PrintWindow();
  // This window's print dialog step (an empty one puts the default back).
  void SetPrintDialog(q7::PrintDialogFn dialog) { m_printDialog = std::move(dialog); }
  // Draws the window's image scaled to fit one page; false when the printer
  // cannot be painted on.
  bool PrintImage(QPrinter &printer);

  // Library message number (a box of its type with an OK button); nothing for
  // a number without an entry.
  void ShowNumberedMessage(int number);
  // A command of the window menu (SystemCommandId). The calculator, calendar
  // and system-information windows are not part of this system: nothing happens.
  void SystemCommand(int command);
  // The window menu: a right click on the window shows it.
  QMenu *SystemMenu() const { return m_systemMenu; }

  // ---- Keyboard -------------------------------------------------------------
  // The window's key-down handler, before the focused control sees the key;
  // key may be changed (0: the control receives nothing).
  virtual void FormKeyDown(int &key, Qt::KeyboardModifiers shift);
  // The memo rule for a TMemoTarvo: Enter on an empty line or on line
  // MaxLineas or below leaves the memo (WantReturns off, focus to the next
  // control); tells whether the caret is at the edge Up or Down points to.
  bool MemoKeyAtEdge(QWidget *memo, int key);

 protected:
  // The dialog-key handling (Tab, Enter, Escape and arrows the focused control
  // does not take itself); true when the key was handled.
  virtual bool DialogKey(int key, Qt::KeyboardModifiers shift);
  // The worker of FormKeyDown.
  virtual void HandleFormKey(int &key, Qt::KeyboardModifiers shift);

  void showEvent(QShowEvent *event) override;
  void contextMenuEvent(QContextMenuEvent *event) override;

 private:
  class KeyPreview;
  friend class KeyPreview;

  // Runs the window's key handling for a key press meant for target; true
  // when the focused control must not see the key.
  bool PreviewKey(QWidget *target, QKeyEvent *event);
  // The standard dialog-key handling: Tab moves the focus, arrows move it from
  // buttons and check boxes, Enter presses the focused or default push button.
  bool StandardDialogKey(int key, Qt::KeyboardModifiers shift);
  void MoveFocus(bool forward);
  // Ctrl+Tab and Ctrl+Shift+Tab in a page control: the next or previous page
  // among those whose tab is shown; true when a page control holds the focus.
  bool SwitchPageByKey(bool forward);
  void CloseByKey();
  void BuildSystemMenu();
  void ShowFocusedHint();

  KeyPreview *m_keyPreview = nullptr;
  QMenu *m_systemMenu = nullptr;
  q7::PrintDialogFn m_printDialog;
  bool m_centred = false;
  bool m_closedByKey = false;
  bool m_inKey = false;
};
