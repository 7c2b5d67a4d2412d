#include "draw3d/scene_view.h"

#include <algorithm>
#include <cmath>

#include "shell/codepage.h"
#include "shell/text_helpers.h"

namespace lumatik {

View3DParams FirstDrawingView() {
  View3DParams view;
  view.alpha = 135;
  view.k = std::sqrt(static_cast<Extended>(2)) * 0.5L;
  view.ley = 1;
  view.lez = 1;
  view.shiftVertical = 0;
  view.shiftHorizontal = 0;
  return view;
}

View3DParams StandardUnitsView() {
  View3DParams view = FirstDrawingView();
  view.shiftHorizontal = 1;
  return view;
}

View3DParams NormalisedView(View3DParams view) {
  if (view.alpha > 270) view.alpha -= 360;
  if (view.alpha < -90) view.alpha += 360;
  return view;
}

namespace {

Extended FiniteOr(Extended value, Extended fallback) { return std::isfinite(value) ? value : fallback; }

Extended AsSingle(Extended value, Extended fallback) {
  const float single = static_cast<float>(value);
  return std::isfinite(single) ? static_cast<Extended>(single) : fallback;
}

// The nearest whole number, ties to even, no longer than kLongestAxis.
long long AxisLength(Extended numerator, Extended unit) {
  if (unit == 0 || !std::isfinite(unit) || !std::isfinite(numerator)) return 0;
  const Extended length = std::nearbyint(numerator / unit);
  if (!std::isfinite(length)) return 0;
  return static_cast<long long>(std::clamp<Extended>(length, -kLongestAxis, kLongestAxis));
}

Extended RoundedToThousandths(Extended x) { return std::nearbyint(x * 1000) / 1000; }

}  // namespace

namespace {

// Each of the six numbers through f(number, the first drawing's number).
template <typename Each>
View3DParams EachNumber(const View3DParams& view, Each each) {
  const View3DParams first = FirstDrawingView();
  View3DParams result;
  result.alpha = each(view.alpha, first.alpha);
  result.k = each(view.k, first.k);
  result.ley = each(view.ley, first.ley);
  result.lez = each(view.lez, first.lez);
  result.shiftVertical = each(view.shiftVertical, first.shiftVertical);
  result.shiftHorizontal = each(view.shiftHorizontal, first.shiftHorizontal);
  return result;
}

}  // namespace

View3DParams UsableView(View3DParams view) { return NormalisedView(EachNumber(view, FiniteOr)); }

View3DParams StoredView(View3DParams view) { return EachNumber(UsableView(view), AsSingle); }

AxisLengths AxisLengthsOf(const View3DParams& view) {
  AxisLengths lengths;
  lengths.x1 = AxisLength(6 * std::sqrt(static_cast<Extended>(2)), view.k);
  lengths.x2 = AxisLength(10 - view.shiftHorizontal, view.ley);
  lengths.x3 = AxisLength(6 - view.shiftVertical, view.lez);
  return lengths;
}

std::string ViewHeaderText(const View3DParams& view) {
  return "al=" + FloatText18(std::trunc(view.alpha)) + " k=" + FloatText18(RoundedToThousandths(view.k)) +
         " LEy=" + FloatText18(RoundedToThousandths(view.ley)) +
         " LEz=" + FloatText18(RoundedToThousandths(view.lez));
}

View3DParams ViewForDrawing(const std::optional<View3DParams>& stored, bool standardUnits) {
  if (!stored) return FirstDrawingView();
  return standardUnits ? StandardUnitsView() : *stored;
}

namespace {

struct ViewMenuItem {
  ViewChange change;
  const char* caption;  // UTF-8
};

constexpr ViewMenuItem kViewMenu[] = {
    {ViewChange::AlphaUp, "Alpha vergrößern"},
    {ViewChange::AlphaDown, "Alpha verkleinern"},
    {ViewChange::UnitXUp, "Einheit x-Achse vergrößern"},
    {ViewChange::UnitXDown, "Einheit x-Achse verkleineren"},
    {ViewChange::UnitYUp, "Einheit y-Achse vergrößern"},
    {ViewChange::UnitYDown, "Einheit y-Achse verkleinern"},
    {ViewChange::UnitZUp, "Einheit z-Achse vergrößern"},
    {ViewChange::UnitZDown, "Einheit z-Achse verkleineren"},
    {ViewChange::Down, "Nach unten"},
    {ViewChange::Up, "Nach oben"},
    {ViewChange::Right, "Nach rechts"},
    {ViewChange::Left, "Nach links"},
};

}  // namespace

std::string ViewChangeCaption(ViewChange change) {
  for (const ViewMenuItem& item : kViewMenu) {
    if (item.change == change) return Cp1252(item.caption);
  }
  return {};
}

std::optional<ViewChange> ViewChangeByCaption(const std::string& caption) {
  for (const ViewMenuItem& item : kViewMenu) {
    if (Cp1252(item.caption) == caption) return item.change;
  }
  return std::nullopt;
}

}  // namespace lumatik
