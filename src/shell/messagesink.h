#pragma once

#include <functional>
#include <string>

namespace lumatik {

// The core's way to put up a message box ("Neuen Parameter gesetzt:...").
// The windows route it to a QMessageBox, the command line to standard error,
// tests record it. Without a sink the message is dropped.
using MessageSink = std::function<void(const std::string& text)>;

void SetMessageSink(MessageSink sink);
void ShowMessage(const std::string& text);

}  // namespace lumatik
