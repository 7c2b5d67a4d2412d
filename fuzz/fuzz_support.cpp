#include "fuzz_support.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "exact/primes.h"
#include "expr/limits.h"
#include "expr/evaluate.h"
#include "plot/plotlist.h"
#include "plot/plotrender.h"
#include "shell/codepage.h"
#include "shell/decimal_separator.h"
#include "shell/messagesink.h"
#include "shell/textconvert.h"

namespace lumatik::fuzz {

namespace {

// The user who presses "Abbrechen" once the table holds this many primes:
// enough for every small PrZ, few enough to stay far below a second.
constexpr int kPrimeLimit = 20000;

class CancellingPrimeObserver : public PrimeProgressObserver {
 public:
  void opened() override {}
  void progressed(int) override {}
  bool cancelled() const override { return PrimeCount() >= kPrimeLimit; }
  void closed() override {}
};

std::vector<std::string>& Messages() {
  static std::vector<std::string> messages;
  return messages;
}

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// A finite number as the engine's general format writes it: "-1,5E-20".
bool IsNumberText(const std::string& text) {
  if (text.empty()) return false;
  for (const char c : text)
    if (!std::isdigit(static_cast<unsigned char>(c)) && c != '-' && c != ',' && c != '.' && c != 'E')
      return false;
  return true;
}

bool IsBracketMessage(const std::string& message) {
  static const std::string tail = " Klammern zu viel!";
  if (message.size() < tail.size() || message.compare(message.size() - tail.size(), tail.size(), tail) != 0)
    return false;
  const std::string head = message.substr(0, message.size() - tail.size());
  const auto bar = head.rfind('|');
  if (bar == std::string::npos || bar + 1 == head.size()) return false;
  std::size_t i = bar + 1;
  if (head[i] == '-') ++i;
  if (i == head.size()) return false;
  for (; i < head.size(); ++i)
    if (!std::isdigit(static_cast<unsigned char>(head[i]))) return false;
  return true;
}

}  // namespace

std::vector<std::string> SplitFields(const std::uint8_t* data, std::size_t size, std::size_t count) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (fields.size() + 1 < count) {
    const auto end = input.find('\n', start);
    if (end == std::string::npos) break;
    fields.push_back(input.substr(start, end - start));
    start = end + 1;
  }
  fields.push_back(start <= input.size() ? input.substr(start) : std::string());
  fields.resize(count);
  return fields;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

Extended ReadX(const std::string& text) {
  try {
    const Extended x = StrToNumber(text);
    return std::isfinite(x) ? x : 0;
  } catch (const ConversionError&) {
    return 0;
  }
}

void ResetEngine(const std::string& paramLine, char decimalSeparator) {
  static CancellingPrimeObserver observer;
  SetPrimeProgressObserver(&observer);
  // A table that was cancelled starts again from {2, 3}: then every input
  // meets the same table, and a cancelled request always stops at the same
  // prime, whatever ran before.
  if (PrimeCount() >= kPrimeLimit) ResetPrimeTable();
  SetDecimalSeparator(decimalSeparator);
  ParamLines().setOnChanged(nullptr);
  ParamLines().setLines(SplitLines(paramLine));
  ReadParams();
  // The plotter's road: the line itself, not what the memo made of it.
  ParamLine() = " " + paramLine + " ";
  MathErrorText().clear();
  Messages().clear();
  SetMessageSink([](const std::string& text) { Messages().push_back(text); });
}

const std::vector<std::string>& ShownMessages() { return Messages(); }

bool IsEngineMessage(const std::string& message) {
  if (message.empty() || message == "Div. durch Null" || message == "Fehler:neg. Wurzel" ||
      message == kTermTooLongMessage || message == kTermTooDeepMessage || message == kPrimeTableCancelled ||
      message == Cp1252("Die Primzahltabelle reicht nur bis zur 105097565. Primzahl"))
    return true;
  if (StartsWith(message, "Syntaxf. in ") || StartsWith(message, "Unbekannter Name ") ||
      StartsWith(message, "Fehler in ") || IsBracketMessage(message))
    return true;
  for (const char* domain : {"Logarithmus von ", "asn", "acs"})
    if (StartsWith(message, domain) && IsNumberText(message.substr(std::strlen(domain)))) return true;
  // The functions with their own guard name themselves and their argument.
  for (const char* name : {"atn", "at_", "as_", "ac_", "co_", "tan", "ta_"})
    if (StartsWith(message, name)) return true;
  // A raised math error keeps a blank in front, and a long one is shortened
  // from the front.
  if (StartsWith(message, " Potenzieren") || StartsWith(message, " n_ueber_k(") || StartsWith(message, ".."))
    return message.size() <= 255;
  return false;
}

void RequireEngineMessage(const std::string& typed) {
  Require(IsEngineMessage(MathErrorText()), "unbekannte Meldung", typed + "\n-> " + MathErrorText());
}

bool ShowsNonFinite(const std::string& text) {
  std::string word;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const char c = i < text.size() ? text[i] : ' ';
    if (std::isalpha(static_cast<unsigned char>(c))) {
      word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      continue;
    }
    if (word == "inf" || word == "nan" || word == "infinity") return true;
    word.clear();
  }
  return false;
}

void Fail(const char* reason, const std::string& detail) {
  std::fprintf(stderr, "Vertrag verletzt: %s\n%s\n", reason, detail.c_str());
  std::abort();
}

void Require(bool condition, const char* reason, const std::string& detail) {
  if (!condition) Fail(reason, detail);
}

bool SameBits(Extended a, Extended b) {
  // Only the first ten bytes hold the value; the rest is padding.
  return std::memcmp(&a, &b, 10) == 0;
}

namespace {

bool InPixelRange(CanvasPoint p) { return std::abs(p.x) <= kPixelLimit && std::abs(p.y) <= kPixelLimit; }

std::string DescribeOp(const RecordedOp& op, const std::string& typed) {
  return typed + "\n-> " + std::to_string(op.a.x) + " " + std::to_string(op.a.y) + " " + std::to_string(op.b.x) +
         " " + std::to_string(op.b.y) + " " + op.text;
}

}  // namespace

void CheckCanvasOps(const RecordingCanvas& canvas, const std::string& typed) {
  // Texts and labels echo what the user typed, which may hold "inf".
  const bool typedNonFinite = ShowsNonFinite(typed);
  for (const RecordedOp& op : canvas.ops()) {
    const bool inRange = InPixelRange(op.a) && InPixelRange(op.b);
    const bool penFits = op.pen.width >= 1 && op.pen.width <= 10;
    const bool fontFits = op.font.size >= 1 && op.font.size <= kMaxTextFontSize;
    const bool textFinite = op.op != CanvasOp::Text || typedNonFinite || !ShowsNonFinite(op.text);
    if (inRange && penFits && fontFits && textFinite) continue;
    Require(inRange, "Koordinate ausserhalb der Pixelgrenze", DescribeOp(op, typed));
    Require(penFits, "Stiftbreite", DescribeOp(op, typed));
    Require(fontFits, "Schriftgroesse", DescribeOp(op, typed));
    Require(textFinite, "INF/NAN in einer Beschriftung", DescribeOp(op, typed));
  }
}

}  // namespace lumatik::fuzz
