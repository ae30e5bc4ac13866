#include "curvebuilder.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

// The chart takes doubles; a value beyond their range (a project file may carry
// bounds like 1e4000) is pulled to the largest double instead of becoming an
// infinity, and a NaN, which only undefined input can produce, becomes 0.
double ToChartCoordinate(long double value) {
  if (std::isnan(value)) return 0;
  return static_cast<double>(std::clamp<long double>(value, -DBL_MAX, DBL_MAX));
}

void AppendPoint(TCurveSink &sink, long double x, long double y, bool isNull = false) {
  sink.Append(ToChartCoordinate(x), ToChartCoordinate(y), isNull);
}

class TVectorSink final : public TCurveSink {
 public:
  explicit TVectorSink(std::vector<TCurvePoint> &points) : points_(points) {}
  void Append(double x, double y, bool isNull) override { points_.push_back({x, y, isNull}); }

 private:
  std::vector<TCurvePoint> &points_;
};

class TCountingSink final : public TCurveSink {
 public:
  void Append(double, double, bool) override { ++count; }
  std::size_t count = 0;
};

// The share of the way from prev to next at which the curve crosses limit
// (prev on one side of it, next beyond it). Halving each term first is exact
// and keeps both differences finite for any finite samples, however far apart;
// an infinite or undefined next sample gives 0, the crossing at prev.
long double CrossingFraction(long double prev, long double next, long double limit) {
  const long double fraction = (limit / 2 - prev / 2) / (next / 2 - prev / 2);
  if (!(fraction >= 0)) return 0;
  return std::min<long double>(fraction, 1);
}

// The abscissa at which the segment from (prevX, prevY) to (x, y) crosses
// limit. The direct formula keeps its rounding for every ordinary sample; only
// where one of its terms overflows (samples near the ends of the extended
// range, or undefined) the crossing comes from the fraction, which cannot.
long double CrossingX(long double prevX, long double prevY, long double x, long double y, long double limit) {
  const long double rise = limit - prevY;
  const long double run = x - prevX;
  const long double span = y - prevY;
  const long double product = rise * run;
  if (std::isfinite(product) && std::isfinite(span) && span != 0) {
    const long double crossing = prevX + product / span;
    if (std::isfinite(crossing)) return crossing;
  }
  // std::lerp stays finite for finite ends, even of opposite signs.
  return std::lerp(prevX, x, CrossingFraction(prevY, y, limit));
}

// N is element 0 rounded to the nearest integer, but never more samples than
// the arrays hold, so a hand-made or damaged layer cannot read past them.
std::size_t SampleCount(const TGraph &graph) {
  const std::size_t arrayLength = std::min({graph.XValues.size(), graph.YValues.size(), graph.PointErrors.size()});
  if (arrayLength < 2) return 0;
  const long double count = std::rint(graph.XValues[0]);
  if (!(count >= 1)) return 0;
  const long double available = static_cast<long double>(arrayLength - 1);
  return count >= available ? arrayLength - 1 : static_cast<std::size_t>(count);
}

}  // namespace

TCurveBuilder::TCurveBuilder(long double minY, long double maxY) : minY_(minY), maxY_(maxY) {}

TCurveState TCurveBuilder::Classify(long double y) const {
  if (y < minY_) return TCurveState::Below;
  if (y <= maxY_) return TCurveState::Inside;
  return TCurveState::Above;
}

void TCurveBuilder::BuildSeries(const TGraph &graph, std::vector<TCurvePoint> &series) const {
  series.clear();
  TVectorSink sink(series);
  Build(graph, sink);
}

std::size_t TCurveBuilder::PointCount(const TGraph &graph) const {
  TCountingSink counter;
  Build(graph, counter);
  return counter.count;
}

void TCurveBuilder::Build(const TGraph &graph, TCurveSink &sink) const {
  const std::size_t count = SampleCount(graph);
  if (count < 1) return;
  // Starting from the first sample's own state keeps element 0 (the count)
  // out of any interpolation.
  TCurveState state = graph.PointErrors[1] != 0 ? TCurveState::Gap : Classify(graph.YValues[1]);
  for (std::size_t i = 1; i <= count; ++i) state = Step(graph, i, state, sink);
}

TCurveState TCurveBuilder::Step(const TGraph &graph, std::size_t i, TCurveState state, TCurveSink &series) const {
  if (graph.PointErrors[i] != 0) return TCurveState::Gap;
  const TCurveState side = Classify(graph.YValues[i]);
  if (state == TCurveState::Inside) return StepInside(graph, i, side, series);
  return StepOutside(graph, i, state, side, series);
}

// The previous sample was drawn: go on, or end the run exactly on the limit.
TCurveState TCurveBuilder::StepInside(const TGraph &graph, std::size_t i, TCurveState side, TCurveSink &series) const {
  const long double x = graph.XValues[i];
  const long double y = graph.YValues[i];
  if (side == TCurveState::Inside) {
    AppendPoint(series, x, y);
    return side;
  }
  const long double limit = LimitOf(side);
  AppendPoint(series, CrossingX(graph.XValues[i - 1], graph.YValues[i - 1], x, y, limit), limit);
  return side;
}

// No drawn previous sample: a sample inside starts a new run. After a gap it
// starts at the sample itself; after a sample beyond the band it starts, not
// interpolated, at that sample's abscissa on the limit it lay beyond.
TCurveState TCurveBuilder::StepOutside(const TGraph &graph, std::size_t i, TCurveState state, TCurveState side,
                                       TCurveSink &series) const {
  if (side != TCurveState::Inside) return side;
  const long double x = graph.XValues[i];
  const long double y = graph.YValues[i];
  if (state == TCurveState::Gap) {
    AppendPoint(series, x, y, true);
  } else {
    const long double prevX = graph.XValues[i - 1];
    AppendPoint(series, prevX, LimitOf(state), true);
    AppendPoint(series, prevX, LimitOf(state));
  }
  AppendPoint(series, x, y);
  return side;
}

long double TCurveBuilder::LimitOf(TCurveState side) const { return side == TCurveState::Above ? maxY_ : minY_; }
