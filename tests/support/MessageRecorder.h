#pragma once
// Swaps the message function for a recorder while it lives: every box is
// recorded and answered from a queue of answers (the first button of the box
// when the queue is empty). Nothing in a test waits on a real modal box.
#include "store/Messages.h"

#include <QList>
#include <QString>

namespace q7test {

struct RecordedMessage {
  q7::MsgType type;
  unsigned buttons;
  QString text;
};

class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder &) = delete;
  MessageRecorder &operator=(const MessageRecorder &) = delete;

  void Answer(q7::MsgButton answer) { m_answers.append(answer); }
  const QList<RecordedMessage> &Messages() const { return m_messages; }
  QStringList Texts() const;
  void Clear() { m_messages.clear(); }

 private:
  q7::MessageHandler m_previous;
  QList<q7::MsgButton> m_answers;
  QList<RecordedMessage> m_messages;
};

}  // namespace q7test
