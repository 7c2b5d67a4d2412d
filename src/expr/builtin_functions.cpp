#include "expr/builtin_functions.h"

#include <cmath>
#include <cstring>
#include <stdexcept>

#include "exact/primes.h"
#include "expr/evaluate.h"

namespace lumatik {

namespace {

Extended Degrees(Extended radians) { return radians * 180 / kPi; }

Extended SquareRoot(Extended a) {
  if (a < 0) {
    SetMathError("Fehler:neg. Wurzel");
    return 0;
  }
  return std::sqrt(a);
}

Extended Agm(Extended a) {
  if (a < 0) return 0;  // the parameter a is neither read nor added
  const Extended m = EnsureParam("a", "1");
  return AgmOf(m, a);
}

}  // namespace

const std::vector<BuiltinFunction>& BuiltinFunctions() {
  using enum ArgumentMode;
  static const std::vector<BuiltinFunction> table = {
      {"lg", "10-Logarithmus", AtX, false, [](Extended a) { return LnChecked(a) / std::log(10.0L); }},
      {"ln", "nat. Logarithmus", AtX, false, [](Extended a) { return LnChecked(a); }},
      {"lb", "2-Lograithmus", AtX, false, [](Extended a) { return LnChecked(a) / std::log(2.0L); }},
      {"sin", "im Bogenmaß", AtX, false, [](Extended a) { return std::sin(a); }},
      {"cos", "im Bogenmaß", AtX, false, [](Extended a) { return std::cos(a); }},
      {"si_", "im Gradmaß", AtX, false, [](Extended a) { return std::sin(a * kPiOver180); }},
      {"atn", "Ergebnis: Bogenmaß", AtX, true, [](Extended a) { return std::atan(a); }},
      {"asn", "Ergebnis: Bogenmaß", AtX, false, [](Extended a) { return ArcSinChecked(a); }},
      {"acs", "Ergebnis: Bogenmaß", AtX, false, [](Extended a) { return ArcCosChecked(a); }},
      {"at_", "Ergebnis: Gradmaß", AtX, true, [](Extended a) { return Degrees(std::atan(a)); }},
      {"as_", "Ergebnis: Gradmaß", AtX, true, [](Extended a) { return Degrees(ArcSinChecked(a)); }},
      {"ac_", "Ergebnis: Gradmaß", AtX, true, [](Extended a) { return Degrees(ArcCosChecked(a)); }},
      {"co_", "im Gradmaß", AtX, true, [](Extended a) { return std::cos(a * kPiOver180); }},
      {"tan", "im Bogenmaß", AtX, true, [](Extended a) { return TanChecked(a); }},
      {"ta_", "im Gradmaß", AtX, true, [](Extended a) { return TanChecked(a * kPiOver180); }},
      {"abs", "Betrag", AtX, false, [](Extended a) { return std::fabs(a); }},
      {"sgn", "Signum", AtX, false, [](Extended a) { return static_cast<Extended>(SignOf(a)); }},
      {"exp", "e hoch x", AtX, false, [](Extended a) { return std::exp(a); }},
      {"wur", "Wurzel", AtX, false, SquareRoot},
      {"int", "Gaußsche Klammerfunktion", AtX, false, [](Extended a) { return FloorOf(a); }},
      {"rou", "Runde", AtX, false, [](Extended a) { return FloorOf(a + 0.5L); }},
      {"PrZ", "die x.te Primzahl PrZ(1)=2 ... PrZ(6)=13 ...", XFromParameter, false,
       [](Extended a) { return static_cast<Extended>(NthPrime(a)); }},
      {"fak", "Fakultät", XFromParameter, false, [](Extended a) { return Factorial(a); }},
      {"nue", "n ueber x (n als Parameter)", XFromParameter, false,
       [](Extended a) { return Binom(EnsureParam("n", "49"), a); }},
      {"Bin", "(n über x)*p^x*q^(n-x) (n und p als Parameter", XFromParameter, false,
       [](Extended a) {
         const Extended n = EnsureParam("n", "49");
         const Extended p = EnsureParam("p", "1/6");
         return BinomProb(n, p, a);
       }},
      {"BiS", "P(X<=x) bei Binominialverteilung", XFromParameter, false,
       [](Extended a) {
         const Extended n = EnsureParam("n", "50");
         const Extended p = EnsureParam("p", "1/6");
         return BinomSum(n, p, a);
       }},
      {"AGM", "Arithmetisch-Geometrisches Mittel M(a,x) (a Parameter)", XFromParameter, false, Agm},
      {"Phi",
       "Wahrscheinlichkeitsintegral = 2/sqrt(2*Pi)*Int_von(0)bis(x)  (exp(-t^2/2))dt",
       XFromParameter, false, PhiOf},
      {"GSU",
       "Gausssche Summenfunktion    = 1/sqrt(2*Pi)*Int_von(-oo)bis(x)(exp(-t^2/2))dt",
       XFromParameter, false, GaussSumOf},
  };
  return table;
}

const BuiltinFunction* FindBuiltinFunction(const std::string& s) {
  struct Lookup {
    std::vector<const BuiltinFunction*> inOrder;  // the two-letter logarithms first
    bool firstLetter[256] = {};
  };
  static const Lookup lookup = [] {
    Lookup l;
    for (int length : {2, 3})
      for (const BuiltinFunction& f : BuiltinFunctions())
        if (std::strlen(f.name) == static_cast<std::size_t>(length)) {
          l.inOrder.push_back(&f);
          l.firstLetter[static_cast<unsigned char>(f.name[0])] = true;
        }
    return l;
  }();
  // Most sub-terms begin with a digit, x or a bracket: no name to compare.
  if (s.size() < 2 || !lookup.firstLetter[static_cast<unsigned char>(s[0])]) return nullptr;
  for (const BuiltinFunction* f : lookup.inOrder) {
    const std::size_t length = f->name[2] == '\0' ? 2 : 3;
    if (s.size() >= length && s.compare(0, length, f->name) == 0) return f;
  }
  return nullptr;
}

}  // namespace lumatik
