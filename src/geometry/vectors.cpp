#include "geometry/vectors.h"

#include <string>

#include "exact/roots.h"
#include "geometry/geometry_scalar.h"
#include "geometry/geometry_support.h"
#include "geometry/geometry_text.h"
#include "shell/codepage.h"
#include "shell/luhilf.h"
#include "worksheet/equation_support.h"

namespace lumatik {

namespace {

template <class T>
VectorsResult VectorsIn(const Vec3& uIn, const Vec3& vIn) {
  const Vec3Of<T> u = InputAs<T>(uIn);
  const Vec3Of<T> v = InputAs<T>(vIn);
  VectorsResult result;
  result.lengthU = LengthOf(u, 0);
  result.lengthV = LengthOf(v, 0);
  const T dot = Dot(u, v);
  const Extended scale = ProductScale(u, v);
  result.dot = Cleaned(dot, scale);
  if (IsZeroVector(u) || IsZeroVector(v)) return result;
  // cos phi = u.v / (|u|*|v|), as the root of a fraction where it is one.
  if constexpr (std::is_same_v<T, mpq_class>) {
    const Extended root = RootOf(dot * dot / (Dot(u, u) * Dot(v, v)), 0);
    result.cosPhi = sgn(dot) < 0 ? -root : root;
  } else {
    const Extended cosine = result.dot / result.lengthU / result.lengthV;
    result.cosPhi = cosine > 1 ? 1 : cosine < -1 ? -1 : cosine;
  }
  result.phi = AngleDegrees(u, v);
  return result;
}

}  // namespace

VectorsResult ComputeVectors(const Vec3& u, const Vec3& v) {
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
  const Vec3 u = values.vec3(1);
  // Only a lower-case "v" announces the second vector ("Vektor" has none).
  const bool withV = head.find('v') != std::string::npos;
  const Vec3 v = withV ? values.vec3(4) : Vec3{};
  if (!ValuesComputed(sheet, {{1, &values}}) || !InputsInRange({u, v}, sheet)) return;
  sheet.clear();
  sheet.append(head);
  const VectorsResult r = ComputeVectors(u, v);
  std::string lengths = "|u| = " + RootTextWithDecimal(r.lengthU);
  if (!withV || r.lengthV == 0) {
    sheet.append(lengths);
    return;
  }
  sheet.append(lengths + " |v| = " + RootTextWithDecimal(r.lengthV) + " u*v = " + RootTextWithDecimal(r.dot));
  if (r.lengthU == 0) return;
  sheet.append("cos phi = " + RootTextWithDecimal(r.cosPhi) + "  phi = " + FloatTextFixed(4, r.phi) + kDegreeSign);
}

}  // namespace lumatik
