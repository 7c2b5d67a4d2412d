// Worked examples whose exact form is easy to get wrong from a floating value:
// typed decimals, an exact 0, roots of large radicands, a missing direction.

#include <gtest/gtest.h>

#include "geometry_cases.h"
#include "support/engine_state.h"

namespace lumatik::testing {
namespace {

class ExactExamplesTest : public EngineTest {};

TEST_F(ExactExamplesTest, TheWorksheetShowsTheExactLine) {
  const struct {
    const char* command;
    std::vector<std::string> lines;
    const char* expected;
  } cases[] = {
      {"Ebene ABC", {"Ebene Dreieck A(8.89|-6.55|0.865) B(-2|0.005|-1.1) C(-2|0.05|0.7)"},
       "         8005*x1+13200*x2-330*x3=-15581"},
      {"Ebene ABC", {"Ebene Dreieck A(8.89|-6.55|0.865) B(-2|0.005|-1.1) C(-2|0.05|0.7)"},
       "DREIECK der Spurpunkte  S1(-1'7576/8005|0|0) S2(0|-1'2381/13200|0) S3(0|0|47'71/330)"},
      {"Ebene ABC", {"Ebene Dreieck A(6|1/2+0,25|1) B(0|1|0) C(0,001*3|0|1)"},
       "Ebene DREIECK  A(6|3/4|1)B(0|1|0)C(3/1000|0|1)"},
      {"Abstand Punkt Ebene", {"Abstand Punkt Ebene", "4/9 -5/6 1 1/72", "-4 -7/4 1/3"}, "+/-Abstand=0"},
      {"Abstand Punkt Ebene", {"Abstand Punkt Ebene", "0.3 4 3.3 -0.6", "-3 5 6"}, "+/-Abstand=395/2698*sqrt(2698)"},
      {"Dreieck", {"Dreieck A(2.25|-1|0.1) B(0.1|-6|-5) C(3.3|-1|-7)"}, "Dreiecksfl\xE4" "che=1/200*sqrt(17129969)"},
      {"Dreieck", {"Dreieck A(0.1|4|0.7) B(1.1|0|1.1) C(0.3|-7|-0.2)"}, "Dreiecksfl\xE4" "che=1/100*sqrt(422501)"},
      {"Dreieck", {"Dreieck A(0|0|0) B(2|0|0) C(1|1,5E-3|0)"}, "Dreiecksfl\xE4" "che=3/2000"},
      {"Gerade Ebene", {"Gerade p(2 2 1) u(0 0 0)", "-1 7 2 16 Ebene"},
       "Der Richtungsvektor ist der Nullvektor: keine Gerade!"},
  };
  for (const auto& c : cases) {
    const Worksheet sheet = RunGeometry(c.command, c.lines);
    EXPECT_TRUE(HasLine(sheet, c.expected)) << c.lines[0] << "\nhas no line\n" << c.expected;
  }
}

}  // namespace
}  // namespace lumatik::testing
