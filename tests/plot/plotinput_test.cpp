// The input window's and graph window's small decisions, without widgets.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "expr/lumath.h"
#include "plot/plotinput.h"
#include "shell/codepage.h"

namespace lumatik {
namespace {

struct PlainCase {
  const char* text;
  bool plain;
};

class IsPlainNumberTest : public ::testing::TestWithParam<PlainCase> {};

TEST_P(IsPlainNumberTest, Decides) { EXPECT_EQ(IsPlainNumber(GetParam().text), GetParam().plain) << GetParam().text; }

INSTANTIATE_TEST_SUITE_P(Texts, IsPlainNumberTest,
    ::testing::Values(
        PlainCase{"3", true}, PlainCase{"1/2", true}, PlainCase{"0,5", true},
        PlainCase{"1/90", true}, PlainCase{"Pi", false}, PlainCase{"1.5", false}, PlainCase{"2*Pi", false},
        PlainCase{"", false}, PlainCase{"1/", false}, PlainCase{"-2", false}, PlainCase{" 2", false}));

TEST(ValuesPerCmOf, RoundsTiesToEven) {
  EXPECT_EQ(ValuesPerCmOf(0.5L), 0);
  EXPECT_EQ(ValuesPerCmOf(1.5L), 2);
  EXPECT_EQ(ValuesPerCmOf(2.5L), 2);
  EXPECT_EQ(ValuesPerCmOf(99.7L), 100);
  EXPECT_EQ(ValuesPerCmOf(-3.2L), -3);
}

TEST(LastErrorReport, WithAndWithoutMessage) {
  EXPECT_EQ(LastErrorReport(""), "Es ist kein Fehler aufgetreten");
  EXPECT_EQ(LastErrorReport("Div. durch Null"),
            Cp1252("Ungültige Funktionswerte werden nicht gezeichnet (zum Beispiel f(0) für f(x)=1/x).\r"
                   "Beim Schaubild berechnen wurde gemeldet:Div. durch Null"));
}

TEST(ChangedView, EachItemChangesOneNumber) {
  const View3DParams start{30, 1, 2, 4, 0, 0};
  EXPECT_EQ(ChangedView(start, ViewChange::AlphaUp).alpha, 35);
  EXPECT_EQ(ChangedView(start, ViewChange::AlphaDown).alpha, 25);
  EXPECT_EQ(ChangedView(start, ViewChange::Down).shiftVertical, -1);
  EXPECT_EQ(ChangedView(start, ViewChange::Up).shiftVertical, 1);
  EXPECT_EQ(ChangedView(start, ViewChange::Right).shiftHorizontal, 1);
  EXPECT_EQ(ChangedView(start, ViewChange::Left).shiftHorizontal, -1);
  const View3DParams bigger = ChangedView(start, ViewChange::UnitYUp);
  EXPECT_EQ(bigger.alpha, start.alpha);
  EXPECT_EQ(bigger.k, start.k);
  EXPECT_EQ(bigger.lez, start.lez);
}

TEST(ChangedView, TwoClicksDoubleOrHalveAUnit) {
  View3DParams v{30, 1, 2, 4, 0, 0};
  for (ViewChange c : {ViewChange::UnitXUp, ViewChange::UnitXUp, ViewChange::UnitYDown, ViewChange::UnitYDown,
                       ViewChange::UnitZUp, ViewChange::UnitZUp})
    v = ChangedView(v, c);
  EXPECT_NEAR(static_cast<double>(v.k), 2.0, 1e-17);
  EXPECT_NEAR(static_cast<double>(v.ley), 1.0, 1e-17);
  EXPECT_NEAR(static_cast<double>(v.lez), 8.0, 1e-16);
}

}  // namespace
}  // namespace lumatik
