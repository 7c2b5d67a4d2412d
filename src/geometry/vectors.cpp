#include "geometry/vectors.h"

#include <string>

#include "exact/roots.h"
#include "geometry/exact_value_text.h"
#include "geometry/geometry_scalar.h"
#include "geometry/geometry_support.h"
#include "geometry/geometry_text.h"
#include "shell/codepage.h"
#include "shell/text_helpers.h"
#include "worksheet/equation_support.h"

namespace lumatik {

namespace {

template <class T>
VectorsResult VectorsIn(const TypedVec3& uIn, const TypedVec3& vIn) {
  const Vec3Of<T> u = InputAs<T>(uIn);
  const Vec3Of<T> v = InputAs<T>(vIn);
  VectorsResult result;
  result.lengthU = LengthValue(u, 0);
  result.lengthV = LengthValue(v, 0);
  const T dot = Dot(u, v);
  const Extended scale = ProductScale(u, v);
  result.dot = SignedValue(dot, scale);
  if (IsZeroVector(u) || IsZeroVector(v)) return result;
  // cos phi = u.v / (|u|*|v|), as the root of a fraction where it is one.
  result.cosPhi = SignedQuotientByRoot(dot, T(Dot(u, u) * Dot(v, v)), scale);
  if (result.cosPhi.value > 1) result.cosPhi.value = 1;
  if (result.cosPhi.value < -1) result.cosPhi.value = -1;
  result.phi = AngleDegrees(u, v);
  return result;
}

}  // namespace

VectorsResult ComputeVectors(const TypedVec3& u, const TypedVec3& v) {
  return ExactOrFloat([&](auto zero) { return VectorsIn<decltype(zero)>(u, v); });
}

void Vectors(Worksheet& sheet, bool twoVectors) {
  const std::string head = sheet.line(1);
  const std::string example = twoVectors ? "Zwei Vektoren  u=(1 -2 2) v=(1 -1 1/2)" : "Vektor u=(1/2 1 -1)";
  if (!GeometryHead(sheet,
                    example + Cp1252("\r\n"
                                     "Überschreiben Sie die Zahlen in Zeile 1 und\r\n"
                                     "klicken Sie anschließend denselben Programmpunkt an!"),
                    LowerCase(head).find("vektor") != std::string::npos,
                    "Die erste Zeile mu\xDF das Wort \"Vektor\" als Erkennungsmerkmal enthalten\r" +
                        ClickTwiceAgainText()))
    return;
  LineValues values(head);
  const TypedVec3 u = values.typedVec3(1);
  // Only a lower-case "v" announces the second vector ("Vektor" has none).
  const bool withV = head.find('v') != std::string::npos;
  const TypedVec3 v = withV ? values.typedVec3(4) : TypedVec3{};
  if (!ValuesComputed(sheet, {{1, &values}}) || !InputsInRange({ValueOf(u), ValueOf(v)}, sheet)) return;
  sheet.clear();
  sheet.append(head);
  const VectorsResult r = ComputeVectors(u, v);
  std::string lengths = "|u| = " + ValueWithDecimalText(r.lengthU);
  if (!withV) {
    sheet.append(lengths);
    return;
  }
  if (r.lengthU.value == 0 || r.lengthV.value == 0) {
    // A zero vector has no direction, so there is no angle to give.
    sheet.append(lengths + " |v| = " + ValueWithDecimalText(r.lengthV));
    sheet.append("Ein Vektor ist der Nullvektor: kein Winkel!");
    return;
  }
  sheet.append(lengths + " |v| = " + ValueWithDecimalText(r.lengthV) + " u*v = " + ValueWithDecimalText(r.dot));
  sheet.append("cos phi = " + ValueWithDecimalText(r.cosPhi) + "  phi = " + FloatTextFixed(4, r.phi) + kDegreeSign);
}

}  // namespace lumatik
