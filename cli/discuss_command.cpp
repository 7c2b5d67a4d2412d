// lumatik-cli discuss: the curve discussion of a term on an interval,
// printed as the discussion window's memo shows it after "Diskussion",
// optionally followed by "Wertetafel" and "Integral".

#include <iostream>
#include <string>
#include <vector>

#include "cli_support.h"
#include "commands.h"
#include "discuss/curve_scan.h"
#include "discuss/discussion_input.h"
#include "discuss/simpson_integral.h"
#include "discuss/term_function.h"
#include "discuss/value_table.h"
#include "expr/evaluate.h"
#include "shell/codepage.h"

namespace lumatik::cli {

namespace {

// The window has "Stop"; the command line ends a run after this many scan
// steps or table rows instead.
constexpr long long kMaxSteps = 200000;

void PrintDiscussUsage() {
  std::cerr
      << "Aufruf: lumatik-cli discuss [--decimal=,|.] [--from A] [--to B] [--step D] [--table]\n"
         "                            [--integral X1,X2,N] TERM\n"
         "  diskutiert TERM auf [A;B] mit der Schrittweite D (Vorgaben -10, 10, 1/10) wie \"Diskussion\";\n"
         "  --table h\xC3\xA4ngt die Wertetafel an, --integral das Simpson-Integral von X1 bis X2 mit\n"
         "  N Simpsonschritten pro Einheit (mit Dezimalkomma: X1;X2;N).\n";
}

// "X1,X2,N" or "X1;X2;N" into the three texts.
bool SplitIntegralOption(const std::string& text, std::vector<std::string>& parts) {
  const char separator = text.find(';') != std::string::npos ? ';' : ',';
  parts.clear();
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return parts.size() == 3;
}

}  // namespace

int RunDiscuss(Arguments args) {
  if (TakeFlag(args, "help")) {
    PrintDiscussUsage();
    return 0;
  }
  if (!ApplyDecimalOption(args)) return 2;
  const std::string from = Utf8ToCp1252(TakeOption(args, "from").value_or("-10"));
  const std::string to = Utf8ToCp1252(TakeOption(args, "to").value_or("10"));
  const std::string step = Utf8ToCp1252(TakeOption(args, "step").value_or("1/10"));
  const bool table = TakeFlag(args, "table");
  const auto integral = TakeOption(args, "integral");
  std::vector<std::string> integralParts;
  if (args.size() != 1 || (integral && !SplitIntegralOption(Utf8ToCp1252(*integral), integralParts))) {
    PrintDiscussUsage();
    return 2;
  }
  RouteMessagesToStderr();
  MathErrorText().clear();

  const std::string functionText = Utf8ToCp1252(args.front());
  const DiscussionTerm term = PrepareDiscussionTerm(functionText);
  const ScanNumbers numbers = ReadScanNumbers(from, to, step);
  if (const std::string refusal = StepRefusal(numbers.a, numbers.b, numbers.d); !refusal.empty()) {
    PrintDialogText(refusal);
    return 2;
  }
  long long stepsLeft = kMaxSteps;
  const KeepGoing keepGoing = [&stepsLeft] { return stepsLeft-- > 0; };
  const auto discussion =
      DiscussCurve(EngineTermFunction(term.term, term.paramLine), term.term, static_cast<double>(numbers.a),
                   static_cast<double>(numbers.b), static_cast<double>(numbers.d), keepGoing,
                          EngineSlopeFunction(term.term, term.paramLine));
  if (!discussion) {
    std::cerr << "Abbruch nach " << kMaxSteps
              << " Schritten: Intervall verkleinern oder Schrittweite vergr\xC3\xB6\xC3\x9F"
                 "ern\n";
    return 1;
  }
  std::vector<std::string> memo = discussion->lines;

  if (table) {
    stepsLeft = kMaxSteps;
    const auto rows = ValueTableLines(EngineTermFunction(term.term, term.paramLine), numbers.a,
                                      numbers.b, numbers.d, keepGoing,
                                      EngineSlopeFunction(term.term, term.paramLine));
    if (!rows) {
      std::cerr << "Abbruch nach " << kMaxSteps << " Zeilen der Wertetafel\n";
      return 1;
    }
    memo.insert(memo.end(), rows->begin(), rows->end());
  }
  if (integral) {
    memo.push_back("Integralgrenze x1 = " + integralParts[0]);
    memo.push_back("Integralgrenze x2 = " + integralParts[1]);
    memo.push_back("Simpsonschritte pro Einheit n = " + integralParts[2]);
    const IntegralOutcome outcome = IntegralPress(memo, term);
    memo.insert(memo.end(), outcome.appendedLines.begin(), outcome.appendedLines.end());
    if (!outcome.message.empty()) PrintDialogText(outcome.message);
  }
  for (const std::string& line : memo) PrintLine(line);
  return 0;
}

}  // namespace lumatik::cli
