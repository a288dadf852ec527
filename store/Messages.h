#pragma once
// The suite's single message function. Every message box of the program goes
// through ShowMessage; the window layer installs the handler that shows a real
// box, tests install a recorder that answers. No widget header here, so the
// store and deploy layers can report through it too.
#include <QString>
#include <functional>

namespace q7 {

enum class MsgType { Warning, Error, Information, Confirmation };

// Buttons of a box, combinable; the answer is one of them.
enum MsgButton : unsigned {
  MbNone = 0,
  MbOK = 1u << 0,
  MbCancel = 1u << 1,
  MbYes = 1u << 2,
  MbNo = 1u << 3,
};

using MessageHandler = std::function<MsgButton(MsgType, unsigned buttons, const QString &text)>;

// Shows a box of the given type with the given buttons and returns the button
// pressed. Without an installed handler the text goes to standard error and
// the answer is the first button of the set.
MsgButton ShowMessage(MsgType type, unsigned buttons, const QString &text);

// Installs a handler and returns the one it replaces.
MessageHandler SetMessageHandler(MessageHandler handler);

// "Advertencia", "Error", "Información", "Confirmar".
QString MessageTitle(MsgType type);

// A caption as a person reads it: "&" before a letter marks the accelerator
// and disappears, "&&" shows a single "&".
QString DisplayText(const QString &caption);

}  // namespace q7
