#include "support/MessageRecorder.h"

#include <QStringList>

namespace q7test {

MessageRecorder::MessageRecorder() {
  m_previous = q7::SetMessageHandler([this](q7::MsgType type, unsigned buttons, const QString &text) {
    m_messages.append({type, buttons, text});
    if (!m_answers.isEmpty()) return m_answers.takeFirst();
    for (q7::MsgButton b : {q7::MbOK, q7::MbYes, q7::MbNo, q7::MbCancel})
      if (buttons & b) return b;
    return q7::MbOK;
  });
}

MessageRecorder::~MessageRecorder() { q7::SetMessageHandler(std::move(m_previous)); }

QStringList MessageRecorder::Texts() const {
  QStringList out;
  for (const auto &m : m_messages) out << m.text;
  return out;
}

}  // namespace q7test
