#include "worksheet/continued_fraction.h"

#include <cmath>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "exact/fractions.h"
#include "exact/rational.h"
#include "expr/exact_term.h"
#include "expr/evaluate.h"
#include "expr/numeric.h"
#include "shell/codepage.h"
#include "shell/floatformat.h"
#include "shell/text_helpers.h"
#include "shell/messagesink.h"
#include "shell/textconvert.h"

namespace lumatik {

namespace {

// Integers up to 2^64 are exact in an extended value; a convergent beyond
// that is no longer the true convergent, and its digits would be noise.
constexpr Extended kExactIntegerBound = 18446744073709551616.0L;

// The denominators grow at least like the Fibonacci numbers, so the bound
// above ends every expansion within about 95 rows; this only makes sure.
constexpr int kMaxRows = 200;

std::string LongDashes(int n) { return std::string(n, '\x97'); }

// Text put at a column (counted from 0) of a line, for the drawings of the
// explanation.
std::string At(std::string line, std::size_t column, const std::string& text) {
  if (line.size() < column) line.resize(column, ' ');
  return line.substr(0, column) + text;
}

std::string ProofText(Extended num, Extended den, Extended p, Extended q) {
  const std::string statement = FloatText18(num) + "*Z" + "+" + FloatText18(den) + "*Z=Z.\r\nBeweis:";
  if (num * q - den * p >= 0) {
    return statement + CleanFloatText(num) + "*" + CleanFloatText(q) + "-" + CleanFloatText(den) + "*" +
           CleanFloatText(p) + "=" + CleanFloatText(num * q - den * p);
  }
  return statement + "-" + CleanFloatText(num) + "*" + CleanFloatText(q) + "+" + CleanFloatText(den) + "*" +
         CleanFloatText(p) + "=" + CleanFloatText(-num * q + den * p);
}

std::string ExactProofText(const mpz_class& num, const mpz_class& den, const mpz_class& p, const mpz_class& q) {
  const std::string statement = IntegerDecimalText(num) + "*Z" + "+" + IntegerDecimalText(den) + "*Z=Z.\r\nBeweis:";
  const mpz_class difference = num * q - den * p;
  if (difference >= 0) {
    return statement + num.get_str() + "*" + q.get_str() + "-" + den.get_str() + "*" + p.get_str() + "=" +
           difference.get_str();
  }
  return statement + "-" + num.get_str() + "*" + q.get_str() + "+" + den.get_str() + "*" + p.get_str() + "=" +
         mpz_class(-difference).get_str();
}

// The expansion of a q known exactly: every partial quotient, convergent
// and error is exact, and the expansion runs to its end, where the error is 0.
std::string ExactContinuedFractionText(const mpq_class& q, const std::function<void(const std::string&)>& say) {
  mpq_class r = q;
  mpz_class p = 1, p1 = 0, qq = 0, q1 = 1;
  int i = 0;
  std::string result, label, list, proof;
  bool closed = false;
  for (int row = 1; row <= kMaxRows; ++row) {
    mpz_class v;
    mpz_fdiv_q(v.get_mpz_t(), r.get_num_mpz_t(), r.get_den_mpz_t());
    list += IntegerDecimalText(v) + ",";
    const mpz_class nextP = v * p + p1;
    const mpz_class nextQ = v * qq + q1;
    p1 = p;
    q1 = qq;
    p = nextP;
    qq = nextQ;
    if (row == kMaxRows) {
      say("Fehler!");
      return result;
    }
    result += "\r\n" + PadRight(label, 35) +
              PadRight(Cp1252(" Näherung=") + IntegerDecimalText(p) + "/" + IntegerDecimalText(qq), 25) +
              " Fehler:" + GeneralFloatText(ToExtended(q - mpq_class(p, qq)), 3);
    const mpq_class f = r - v;
    if (f == 0) {
      list.pop_back();
      closed = true;
      break;
    }
    r = 1 / f;
    label = "q" + FloatText18(i) + "=" + IntegerDecimalText(v) + "+1/" + FloatText18(ToExtended(r));
    ++i;
    if (abs(q.get_num() * qq - q.get_den() * p) == 1) proof = ExactProofText(q.get_num(), q.get_den(), p, qq);
  }
  result += "\r\n" + std::string(59, '-') + "\r\n" + "q=[" + list + (closed ? "]" : "...]");
  if (!proof.empty()) result += "\r\n" + proof + Cp1252(" (Falls gekürzt:multipliziere mit ggT)");
  return result;
}

// The text after the worksheet's first "=", without the blanks around it,
// up to the next blank or line end.
std::string ValueTextAfterEquals(const Worksheet& sheet) {
  std::string text;
  for (int i = 1; i <= sheet.lineCount(); ++i) {
    if (i > 1) text += "\r\n";
    text += sheet.line(i);
  }
  const auto equals = text.find('=');
  if (equals == std::string::npos) return std::string();
  std::string s = text.substr(equals + 1);
  const auto begin = s.find_first_not_of(' ');
  s = begin == std::string::npos ? std::string() : s.substr(begin);
  const auto end = s.find_first_of(" \r\n");
  if (end != std::string::npos) s.resize(end);
  return s;
}

}  // namespace

std::string ContinuedFractionText(Extended q, std::vector<std::string>* messages) {
  const auto say = [messages](const std::string& text) {
    if (messages) {
      messages->push_back(text);
    } else {
      ShowMessage(text);
    }
  };
  if (!std::isfinite(q)) {
    say("Fehler!");
    return std::string();
  }
  Extended num = 0;
  Extended den = 0;
  if (!FindFraction(num, den, q, 1e-15L)) {
    say("Fehler");
    num = 0;
    den = 0;
  }

  Extended r = q;
  Extended p = 1, p1 = 0, qq = 0, q1 = 1;
  int i = 0;
  std::string result, label, list, tail = "...]", proof;
  bool open = true;
  const auto close = [&] {
    if (!open) return;
    DropLastChars(list, 1);
    tail = "]";
    open = false;
  };

  for (int row = 1; row <= kMaxRows; ++row) {
    const Extended v = FloorOf(r + 1e-12L);
    list += FloatText18(v) + ",";
    const Extended nextP = v * p + p1;
    const Extended nextQ = v * qq + q1;
    p1 = p;
    q1 = qq;
    p = nextP;
    qq = nextQ;
    ReduceFraction(p, qq);
    // The first convergent is v/1 and exact however large v is; later ones
    // must stay within the exact integers.
    const bool exact = std::isfinite(p) && std::isfinite(qq) && qq != 0 &&
                       (row == 1 || (std::fabs(p) <= kExactIntegerBound && qq <= kExactIntegerBound));
    if (!exact || row == kMaxRows) {
      say("Fehler!");
      return result;
    }
    result += "\r\n" + PadRight(label, 35) +
              PadRight(Cp1252(" Näherung=") + FloatText18(p) + "/" + FloatText18(qq), 25) + " Fehler:" +
              GeneralFloatText(q - p / qq, 3);
    const Extended f = r - v;
    if (f <= 0 || IsWholeNumber(f, 1e-12L)) {
      close();
      break;
    }
    r = 1 / f;
    label = "q" + FloatText18(i) + "=" + FloatText18(v) + "+1/" + FloatText18(r);
    ++i;
    if (std::fabs(num * qq - den * p) == 1) proof = ProofText(num, den, p, qq);
    if (std::fabs(q - p / qq) < 1e-12L) break;
  }
  if (open && std::fabs(q - p / qq) < 1e-14L) close();

  result += "\r\n" + std::string(59, '-') + "\r\n" + "q=[" + list + tail;
  if (!proof.empty()) result += "\r\n" + proof + Cp1252(" (Falls gekürzt:multipliziere mit ggT)");
  return result;
}

std::vector<std::string> ContinuedFractionExplanation() {
  const std::string box = "     +" + LongDashes(63) + "+";
  return {
      Cp1252("Kettenbruch für q = Pi"),
      box,
      Cp1252("     | Bitte Wert nach q ändern und \"Rechne Kettenbruch\"  anklicken! |"),
      box,
      Cp1252("Die Kettenbruchentwicklung für q (Bruch oder Dezimalzahl)"),
      Cp1252("dient dazu, q durch einen möglichst genauen Bruch anzunähern."),
      LongDashes(32) + " Theorie " + LongDashes(32),
      "q=q0=v1+q1, wobei v1=int(q0) der ganzzahlige Teil von q0",
      Cp1252("1/q1=v2+q2, wobei v2=int(1/q1) => q=v1+1/(v2+q2)  q(1.Näherung)=v1+1/v2"),
      // The stacked fractions q=v1+1/(v2+1/(v3+q3)) and v1+1/(v2+1/v3).
      At(At("", 46, "1"), 82, "1"),
      At(At("", 39, LongDashes(15)), 77, LongDashes(11)),
      At(At(At("1/q2=v3+q3, wobei v3=int(1/q2) => q=v1+", 47, "1"), 60, Cp1252("q(2.Näherung)=v1+")), 83, "1"),
      At(At("", 39, "v2 + " + LongDashes(7)), 77, "v2 + " + LongDashes(4)),
      At(At("", 45, "v3+q3"), 83, "v3"),
      "",
      Cp1252("Schreibweise für Kettenbruch q=[v1,v2,v3,v4,...]"),
      Cp1252("z.B. q(2.Näherung)=[v1,v2,v3]"),
      std::string(73, '-'),
      Cp1252("Historische Anwendung: Für das Räderwerk einer astronomischen Uhr"),
      Cp1252("(eines Planetariums) wurde das Übersetzungsverhältnis 77708431:2640858"),
      Cp1252("benötigt. Zahnräder mit so vielen Zähnen kann niemand bauen. Gesucht"),
      Cp1252("waren Brüche mit weniger Zähnen, die dem Verhältnis möglichst nahe"),
      Cp1252("kommen: genau das liefern die Näherungen des Kettenbruches."),
      std::string(73, '-'),
      Cp1252("Anwendung hier: Bei vielen Rechnungen hier werden auch Ergebnisse als Brüche"),
      Cp1252("angeben. Da aber die Rechnungen nur mit einer Genauigkeit von 18 bis"),
      Cp1252("19 Stellen (Typ extended) durchgeführt werden, würde zum Beispiel"),
      Cp1252("q = 1 dividiert durch 3 gespeichert (in Dezimalschreibweise) als"),
      Cp1252("q=0,333333333333333333. Zurückgerechnet würde man den Bruch"),
      Cp1252("q = 333333333333333333/1000000000000000000 erhalten. Ziffernhof sucht"),
      Cp1252("nun mit einer Genauigkeit von 1E-18 den besten Näherungsbuch, also q= 1/3."),
  };
}

void ContinuedFractionMenu(Worksheet& sheet) {
  if (sheet.isEmpty()) sheet.replaceLines(ContinuedFractionExplanation());
}

void ExplainContinuedFraction(Worksheet& sheet) {
  if (!sheet.isEmpty()) {
    sheet.message(Cp1252("Zuerst \"alles löschen\" anklicken!"));
    return;
  }
  sheet.replaceLines(ContinuedFractionExplanation());
}

void ComputeContinuedFraction(Worksheet& sheet) {
  const std::string first = sheet.line(1);
  if (first.find("q=") == std::string::npos && first.find("q =") == std::string::npos) {
    sheet.message(Cp1252(
        "Zuerst \"alles Löschen\" anklicken und dann \"Erläuterung Kettenbruch\"\r"
        "(In der ersten Zeile muss \"q = ...\" stehen.)"));
    return;
  }
  const std::string s = ValueTextAfterEquals(sheet);
  const Extended q = EvalTerm(s);
  // An overflowing term is no more a valid q than a negative one.
  if (!(q > 0) || !std::isfinite(q)) {
    sheet.message(Cp1252("Wert für q ungültig q= ") + GeneralFloatText(q, 15));
    return;
  }
  std::vector<std::string> messages;
  const std::optional<mpq_class> exact = ExactTermValue(s);
  const std::string expansion =
      exact ? ExactContinuedFractionText(*exact, [&messages](const std::string& m) { messages.push_back(m); })
            : ContinuedFractionText(q, &messages);
  const std::string text = Cp1252("Kettenbruch für q = ") + s + expansion;
  sheet.clear();
  sheet.append(text);
  for (const std::string& message : messages) sheet.message(message);
}

std::string ContinuedFractionInputCaption() { return "Eingabe Kettenbruch"; }

std::string ContinuedFractionInputLabel() { return "Eingabe in der Form [a1,a2,a3,...] oder [a1 a2 a3 ...]"; }

std::string ContinuedFractionInputPreset() { return "[1,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2]"; }

std::string ContinuedFractionInputHint() {
  return Cp1252(
      "Der Wert des Kettebruches wird im Programm \"Rechne\" ausgegeben.\r\n"
      "Klicke zum Beispiel folgende Zeilen an!\r\n"
      "[1 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2]\r\n"
      "[1 1 2 1 2 1 2 1 2 1 2 1 2 1 2 1 2 1 2 1 2 1 2 1 2 1 2 1 2 1]\r\n"
      "[0 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1]\r\n"
      "[1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1]\r\n"
      "   Probiere anschließend: \"als Wurzel\"");
}

TypedContinuedFraction EvaluateContinuedFractionList(const std::string& text) {
  TypedContinuedFraction result;
  result.listText = text;
  for (char& c : result.listText) {
    if (c == ',' || c == '[' || c == ']') c = ' ';
  }
  // The integer reader skips what is no number: "[a b c]" would be 0 and
  // "[1 a 2]" would be [1 2], without a word. An entry must begin like one.
  std::istringstream words(result.listText);
  for (std::string word; words >> word;) {
    if (word.find_first_of("+-0123456789") != 0) {
      result.error = "Eintrag " + word + " ist keine ganze Zahl";
      return result;
    }
  }
  constexpr int kEntries = 40;
  std::int64_t a[kEntries + 1] = {};
  for (int k = 1; k <= kEntries; ++k) {
    try {
      a[k] = NthInteger(result.listText, k);
    } catch (const std::overflow_error& failure) {
      // An entry beyond the 64-bit integers cannot be read as typed.
      result.error = failure.what();
      return result;
    } catch (const ConversionError&) {
      a[k] = 0;  // no entry left
    }
  }
  // Trailing zeros are no entries; a zero that a later entry makes (as in
  // [2 1 -1], 1 + 1/(-1) = 0) is a division by zero.
  Extended v = 0;
  mpq_class exact = 0;
  bool started = false;
  for (int k = kEntries; k >= 1; --k) {
    const mpz_class entry(std::to_string(a[k]));
    if (!started) {
      v = static_cast<Extended>(a[k]);
      exact = entry;
      started = a[k] != 0;
      continue;
    }
    if (v == 0 || sgn(exact) == 0) {
      result.error = "Division durch Null";
      return result;
    }
    v = static_cast<Extended>(a[k]) + 1 / v;
    exact = entry + 1 / exact;
  }
  if (!std::isfinite(v)) {
    result.error = Cp1252("Gleitkommaüberlauf");
    return result;
  }
  result.ok = true;
  result.value = v;
  // The calculator reads the decimal exactly as written; where it is not
  // the list's value, the fraction is.
  const std::string decimal = FloatText18(v);
  const std::optional<mpq_class> written = ReadRationalLiteral(decimal);
  result.term = written && *written == exact ? decimal : RationalText(exact);
  return result;
}

}  // namespace lumatik
