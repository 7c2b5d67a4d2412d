// lumatik-cli calc: one "Rechne" of the calculator, printed as the history
// line it adds.

#include <iostream>

#include "calc/calculation.h"
#include "cli_support.h"
#include "commands.h"
#include "expr/evaluate.h"
#include "shell/codepage.h"

namespace lumatik::cli {

int RunCalc(Arguments args) {
  if (!ApplyDecimalOption(args)) return 2;
  const bool showError = TakeFlag(args, "error");
  const bool primeFactors = TakeFlag(args, "pfz");
  const bool root = TakeFlag(args, "root");
  std::vector<std::string> params;
  for (const std::string& param : TakeRepeatedOption(args, "param")) params.push_back(Utf8ToCp1252(param));
  if (args.size() != 1) {
    std::cerr << "Aufruf: lumatik-cli calc [--decimal=,|.] [--param name=term]... [--error] [--pfz | --root] TERM\n";
    return 2;
  }
  RouteMessagesToStderr();
  ParamLines().setLines(params);
  MathErrorText().clear();

  const std::string term = Utf8ToCp1252(args.front());
  const Calculation calculation = Calculate(term);
  if (!calculation.failure.empty()) {
    std::cerr << Cp1252ToUtf8(calculation.failure) << '\n';
    return 1;
  }
  std::vector<std::string> history;
  AddToHistory(history, HistoryLine(term, calculation));
  if (primeFactors) {
    // The line that "PFZ" adds after the one of "Rechne".
    const PrimeFactorCalculation pfz = CalculatePrimeFactors(term, history);
    if (!pfz.historyLine.empty()) PrintLine(pfz.historyLine);
  } else if (root) {
    // What "Als Wurzel" writes into the fraction field; nothing while it is disabled.
    const RootCalculation rootForm = CalculateRoot(term);
    if (rootForm.written) PrintLine(rootForm.rootText);
  } else {
    PrintLine(history.front());
  }
  if (showError && !MathErrorText().empty()) PrintLine(MathErrorText());
  return 0;
}

}  // namespace lumatik::cli
