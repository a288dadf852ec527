#include "store/Messages.h"

#include <cstdio>

namespace q7 {

namespace {
MessageHandler &CurrentHandler() {
  static MessageHandler handler;
  return handler;
}

MsgButton FirstButton(unsigned buttons) {
  for (MsgButton b : {MbOK, MbYes, MbNo, MbCancel})
    if (buttons & b) return b;
  return MbOK;
}
}  // namespace

MsgButton ShowMessage(MsgType type, unsigned buttons, const QString &text) {
  if (CurrentHandler()) return CurrentHandler()(type, buttons, text);
  std::fprintf(stderr, "%s: %s\n", MessageTitle(type).toLocal8Bit().constData(),
               DisplayText(text).toLocal8Bit().constData());
  return FirstButton(buttons);
}

MessageHandler SetMessageHandler(MessageHandler handler) {
  MessageHandler previous = std::move(CurrentHandler());
  CurrentHandler() = std::move(handler);
  return previous;
}

QString MessageTitle(MsgType type) {
  switch (type) {
    case MsgType::Warning: return QStringLiteral("Advertencia");
    case MsgType::Error: return QStringLiteral("Error");
    case MsgType::Information: return QStringLiteral("Información");
    case MsgType::Confirmation: return QStringLiteral("Confirmar");
  }
  return {};
}

QString DisplayText(const QString &caption) {
  QString out;
  out.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&') {
      if (i + 1 < caption.size() && caption[i + 1] == u'&') {
        out += u'&';
        ++i;
      }
      continue;  // a single "&" only marks the next letter
    }
    out += caption[i];
  }
  return out;
}

}  // namespace q7
