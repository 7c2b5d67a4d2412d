#include "shell/messagesink.h"

#include <utility>

namespace lumatik {

namespace {
MessageSink& Sink() {
  static MessageSink sink;
  return sink;
}
}  // namespace

void SetMessageSink(MessageSink sink) { Sink() = std::move(sink); }

void ShowMessage(const std::string& text) {
  if (Sink()) Sink()(text);
}

}  // namespace lumatik
