#include "cli_support.h"

#include <QLocale>
#include <algorithm>
#include <iostream>

#include "shell/codepage.h"
#include "shell/decimal_separator.h"
#include "shell/messagesink.h"

namespace lumatik::cli {

std::optional<std::string> TakeOption(Arguments& args, const std::string& name) {
  const std::string prefix = "--" + name + "=";
  for (auto it = args.begin(); it != args.end(); ++it) {
    if (it->rfind(prefix, 0) == 0) {
      std::string value = it->substr(prefix.size());
      args.erase(it);
      return value;
    }
    if (*it == "--" + name && it + 1 != args.end()) {
      std::string value = *(it + 1);
      args.erase(it, it + 2);
      return value;
    }
  }
  return std::nullopt;
}

bool TakeFlag(Arguments& args, const std::string& name) {
  const auto it = std::find(args.begin(), args.end(), "--" + name);
  if (it == args.end()) return false;
  args.erase(it);
  return true;
}

std::vector<std::string> TakeRepeatedOption(Arguments& args, const std::string& name) {
  std::vector<std::string> values;
  while (auto value = TakeOption(args, name)) values.push_back(*value);
  return values;
}

bool ApplyDecimalOption(Arguments& args) {
  if (const auto decimal = TakeOption(args, "decimal")) {
    if (*decimal != "," && *decimal != ".") {
      std::cerr << "--decimal erwartet , oder .\n";
      return false;
    }
    SetDecimalSeparator((*decimal)[0]);
    return true;
  }
  const QString point = QLocale::system().decimalPoint();
  SetDecimalSeparator(point == QStringLiteral(".") ? '.' : ',');
  return true;
}

void PrintLine(const std::string& cp1252) { std::cout << Cp1252ToUtf8(cp1252) << '\n'; }

void PrintDialogText(const std::string& cp1252) {
  std::string text;
  for (std::size_t i = 0; i < cp1252.size(); ++i) {
    if (cp1252[i] == '\r') {
      text += '\n';
      if (i + 1 < cp1252.size() && cp1252[i + 1] == '\n') ++i;
    } else {
      text += cp1252[i];
    }
  }
  std::cerr << Cp1252ToUtf8(text) << '\n';
}

void RouteMessagesToStderr() {
  SetMessageSink([](const std::string& text) { std::cerr << Cp1252ToUtf8(text) << '\n'; });
}

}  // namespace lumatik::cli
