#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumatik::cli {

// Arguments after the command word, UTF-8 as the shell passes them.
using Arguments = std::vector<std::string>;

// "--name=value" or "--name value": the value, removed from the arguments.
std::optional<std::string> TakeOption(Arguments& args, const std::string& name);
// "--name": true when present, removed from the arguments.
bool TakeFlag(Arguments& args, const std::string& name);
// Every "--name value" in order.
std::vector<std::string> TakeRepeatedOption(Arguments& args, const std::string& name);

// The decimal separator from --decimal, or the system locale's.
bool ApplyDecimalOption(Arguments& args);

// Windows-1252 text of the core printed as UTF-8, followed by a newline.
void PrintLine(const std::string& cp1252);

// A dialog's text on standard error: the dialogs break lines at CR (or
// CR LF), a terminal wants LF.
void PrintDialogText(const std::string& cp1252);

// Core messages ("Neuen Parameter gesetzt:...") go to standard error.
void RouteMessagesToStderr();

}  // namespace lumatik::cli
