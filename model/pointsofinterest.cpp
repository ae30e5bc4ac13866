#include "pointsofinterest.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "graphsampler.h"

namespace {

// Samples per sharpening round: the bracket shrinks by 16 each round.
constexpr int kDenseCount = 33;
// More rounds than 15-digit abscissas can tell apart in any bracket.
constexpr int kMaxRounds = 64;
// A sign change is a zero only if sharpening brings the value down by this.
constexpr long double kZeroShrink = 1e-3L;
// A five-sample stencil narrows only while its values differ by more than this
// share of their size, far beyond the rounding of an 80-bit value.
constexpr long double kStencilSpread = 1e-6L;

// Samples 1..n of a sampled layer.
int SampleCount(const TGraph &graph) { return graph.ErrorCode ? 0 : graph.SamplesHeld(); }

long double Between(long double from, long double to, long double share) { return from + (to - from) * share; }

constexpr long double kUndefined = std::numeric_limits<long double>::quiet_NaN();
constexpr int kNoSign = 2;  // no value at that sample

template <typename T>
int SignOf(T value) {
  return (value > 0) - (value < 0);
}

// Where the values at samples 1..n change sign between neighbours, or a
// single zero stands between two nonzero values: add(from, to, share) with the
// point at share of the way from sample `from` to sample `to`. signAt(k) is
// -1, 0, 1 or kNoSign; valueAt is asked only where the sign changes.
template <typename SignAt, typename ValueAt, typename Add>
void ScanZeros(int n, SignAt signAt, ValueAt valueAt, Add add) {
  int lastNonZero = 0;  // within the current run of samples with values
  int lastSign = 0;     // there
  for (int k = 1; k <= n; ++k) {
    const int sign = signAt(k);
    if (sign == kNoSign) {
      lastNonZero = 0;
      continue;
    }
    if (sign == 0) continue;
    if (lastNonZero > 0 && lastNonZero == k - 1) {
      if (sign != lastSign) {
        const long double before = valueAt(k - 1), after = valueAt(k);
        add(k - 1, k, before / (before - after));
      }
    } else if (lastNonZero > 0 && lastNonZero == k - 2) {
      add(k - 1, k - 1, 0.0L);
    }
    lastNonZero = k;
    lastSign = sign;
  }
}

void AddExtrema(const TGraph &graph, int layer, std::vector<TPointOfInterest> &points) {
  const auto &x = graph.XValues;
  const auto &y = graph.YValues;
  int direction = 0;  // of the last change within the current run of valid samples
  int levelFrom = 0;  // the first sample of the current level; 0 before a run
  for (int k = 1, n = SampleCount(graph); k <= n; ++k) {
    if (graph.PointErrors[k]) {
      direction = levelFrom = 0;
      continue;
    }
    if (levelFrom == 0) levelFrom = k;
    if (k == levelFrom || y[k] == y[k - 1]) continue;
    const int now = y[k] > y[k - 1] ? 1 : -1;
    if (direction == -now) {
      TPointOfInterest point{now < 0 ? TPointKind::Maximum : TPointKind::Minimum, layer};
      point.X = Between(x[levelFrom], x[k - 1], 0.5L);
      point.Y = y[k - 1];
      point.Low = x[levelFrom - 1];
      point.High = x[k];
      points.push_back(point);
    }
    direction = now;
    levelFrom = k;
  }
}

void AddZeros(const TGraph &graph, int layer, std::vector<TPointOfInterest> &points) {
  const auto &x = graph.XValues;
  ScanZeros(
      SampleCount(graph), [&](int k) { return graph.PointErrors[k] ? kNoSign : SignOf(graph.YValues[k]); },
      [&](int k) { return graph.YValues[k]; },
      [&](int from, int to, long double share) {
        TPointOfInterest point{TPointKind::Zero, layer};
        point.X = Between(x[from], x[to], share);
        point.Low = x[from];
        point.High = x[to];
        point.Sharpened = from == to;
        points.push_back(point);
      });
}

// The second curve's value at the samples of the first, asked in order: its
// own sample where both are sampled alike, otherwise the line between its
// neighbouring samples (both abscissas ascending).
class TSecondAtFirst {
 public:
  TSecondAtFirst(const TGraph &first, const TGraph &second)
      : first_(first), second_(second), n_(SampleCount(first)), m_(SampleCount(second)) {
    const auto &xa = first.XValues;
    const auto &xb = second.XValues;
    // The library's abscissas depend on the count and the interval alone.
    sameGrid_ = n_ == m_ && xa[1] == xb[1] && xa[n_] == xb[n_] && xa[n_ / 2] == xb[n_ / 2];
    ascending_ = xa[1] < xa[n_] && xb[1] < xb[m_];
  }
  bool SameGrid() const { return sameGrid_; }

  // NaN where undefined. Asked in ascending order, but for one step back.
  long double At(int k) {
    const auto &eb = second_.PointErrors;
    if (sameGrid_) return eb[k] ? kUndefined : second_.YValues[k];
    if (!ascending_) return kUndefined;
    const long double x = first_.XValues[k];
    const auto &xb = second_.XValues;
    while (j_ > 1 && xb[j_] > x) --j_;
    while (j_ < m_ && xb[j_ + 1] <= x) ++j_;
    if (x == xb[j_]) return eb[j_] ? kUndefined : second_.YValues[j_];
    if (j_ < m_ && xb[j_] < x && x < xb[j_ + 1] && !eb[j_] && !eb[j_ + 1])
      return Between(second_.YValues[j_], second_.YValues[j_ + 1], (x - xb[j_]) / (xb[j_ + 1] - xb[j_]));
    return kUndefined;
  }

 private:
  const TGraph &first_;
  const TGraph &second_;
  int n_, m_;
  int j_ = 1;
  bool sameGrid_ = false;
  bool ascending_ = false;
};

// The sign of first - second at a sample both have on the same grid: from the
// layers' values as doubles (whose rounding cannot flip a sign while the two
// differ by far more than it), in 80 bits where they are close or out of range.
int SameGridDifferenceSign(const TGraph &first, const TGraph &second, const std::vector<double> &firstApprox,
                           const std::vector<double> &secondApprox, int k) {
  if (first.PointErrors[k] | second.PointErrors[k]) return kNoSign;
  const double a = firstApprox[k], b = secondApprox[k];
  if (std::fabs(a - b) > 1e-14 * (std::fabs(a) + std::fabs(b))) return SignOf(a - b);
  return SignOf(first.YValues[k] - second.YValues[k]);
}

void AddCrossings(const std::vector<TGraph> &graphs, const std::vector<std::vector<double>> &approx, int layer,
                  int other, std::vector<TPointOfInterest> &points) {
  const TGraph &first = graphs[layer];
  if (SampleCount(first) < 2 || SampleCount(graphs[other]) < 2) return;
  TSecondAtFirst second(first, graphs[other]);
  const auto &x = first.XValues;
  const auto &y = first.YValues;
  const auto add = [&](int from, int to, long double share) {
    TPointOfInterest point{TPointKind::Crossing, layer, other};
    point.X = Between(x[from], x[to], share);
    point.Y = Between(y[from], y[to], share);
    point.Low = x[from];
    point.High = x[to];
    point.Sharpened = from == to && second.SameGrid();
    points.push_back(point);
  };
  const auto difference = [&](int k) { return first.PointErrors[k] ? kUndefined : y[k] - second.At(k); };
  if (second.SameGrid()) {
    ScanZeros(
        SampleCount(first),
        [&](int k) { return SameGridDifferenceSign(first, graphs[other], approx[layer], approx[other], k); },
        difference, add);
  } else {
    ScanZeros(
        SampleCount(first),
        [&](int k) {
          const long double d = difference(k);
          return d != d ? kNoSign : SignOf(d);
        },
        difference, add);
  }
}

// A few samples of a point's curve over [low, high]; G is the value whose
// extremum or zero is sought: the curve's, or for a crossing the difference
// of the two curves.
struct TProbe {
  std::vector<long double> X, Y, G;
  std::vector<bool> Valid;
  int Count = 0;
};

std::optional<TProbe> Probe(const std::vector<TGraph> &graphs, const TPointOfInterest &point, int count,
                            long double low, long double high) {
  TGraph first = SampledGraph(graphs[point.Layer].Expression, count, low, high);
  if (first.ErrorCode) return std::nullopt;
  TProbe probe;
  probe.Count = count;
  probe.G = first.YValues;
  probe.Valid.resize(first.PointErrors.size());
  for (std::size_t k = 0; k < probe.Valid.size(); ++k) probe.Valid[k] = first.PointErrors[k] == 0;
  if (point.OtherLayer >= 0) {
    const TGraph second = SampledGraph(graphs[point.OtherLayer].Expression, count, low, high);
    if (second.ErrorCode) return std::nullopt;
    for (int k = 1; k <= count; ++k) {
      probe.G[k] -= second.YValues[k];
      probe.Valid[k] = probe.Valid[k] && second.PointErrors[k] == 0;
    }
  }
  probe.X = std::move(first.XValues);
  probe.Y = std::move(first.YValues);
  return probe;
}

// The first sample that is zero or after which the sign changes; 0 if none.
int FirstSignChange(const TProbe &probe) {
  for (int k = 1; k <= probe.Count; ++k) {
    if (!probe.Valid[k]) continue;
    if (probe.G[k] == 0) return k;
    if (k < probe.Count && probe.Valid[k + 1] && (probe.G[k] < 0) != (probe.G[k + 1] < 0) && probe.G[k + 1] != 0)
      return k;
  }
  return 0;
}

// Narrows the bracket to the two samples around the sign change, until the
// library's abscissas cannot narrow it further.
void SharpenZero(const std::vector<TGraph> &graphs, TPointOfInterest &point) {
  long double low = point.Low, high = point.High;
  long double startSize = -1, bestSize = std::numeric_limits<long double>::infinity();
  for (int round = 0; round < kMaxRounds; ++round) {
    const auto probe = Probe(graphs, point, kDenseCount, low, high);
    if (!probe) break;
    if (round == 0 && probe->Valid[1] && probe->Valid[kDenseCount])
      startSize = std::min(std::fabs(probe->G[1]), std::fabs(probe->G[kDenseCount]));
    const int k = FirstSignChange(*probe);
    if (k == 0) break;
    const bool exact = probe->G[k] == 0;
    const int nearer = exact || std::fabs(probe->G[k]) <= std::fabs(probe->G[k + 1]) ? k : k + 1;
    if (std::fabs(probe->G[nearer]) < bestSize) {
      bestSize = std::fabs(probe->G[nearer]);
      point.X = probe->X[nearer];
      point.Y = probe->Y[nearer];
    }
    if (exact || (probe->X[k] == low && probe->X[k + 1] == high)) break;
    low = probe->X[k];
    high = probe->X[k + 1];
  }
  point.Genuine = bestSize == 0 || (startSize > 0 && bestSize <= startSize * kZeroShrink);
}

// The first and second derivative at c of the polynomial through five samples,
// from its Newton form.
std::pair<long double, long double> Derivatives(const TProbe &probe, long double c) {
  long double a[5];
  for (int i = 0; i < 5; ++i) a[i] = probe.Y[i + 1];
  for (int j = 1; j < 5; ++j)
    for (int i = 4; i >= j; --i) a[i] = (a[i] - a[i - 1]) / (probe.X[i + 1] - probe.X[i + 1 - j]);
  long double p = a[4], d1 = 0, d2 = 0;
  for (int k = 3; k >= 0; --k) {
    const long double t = c - probe.X[k + 1];
    d2 = d2 * t + 2 * d1;
    d1 = d1 * t + p;
    p = p * t + a[k];
  }
  return {d1, d2};
}

bool StencilDiffers(const TProbe &probe) {
  long double spread = 0, size = 0;
  for (int k = 1; k <= 5; ++k) {
    spread = std::max(spread, std::fabs(probe.Y[k] - probe.Y[3]));
    size = std::max(size, std::fabs(probe.Y[k]));
  }
  return spread >= size * kStencilSpread;
}

// Newton steps towards the zero of the stencil's derivative: exact for any
// smooth curve once the stencil is narrow, yet wide enough for its values to
// stand well above their rounding. Kept only where the library's value is at
// least as good as the best sample's.
void Polish(const std::vector<TGraph> &graphs, TPointOfInterest &point, long double sign) {
  const long double low = std::min(point.Low, point.High), high = std::max(point.Low, point.High);
  long double h = (high - low) / 8, m = point.X;
  std::optional<long double> polished;
  for (int round = 0; round < 12; ++round) {
    if (round >= 2 && round % 2 == 0) h /= 4;
    const auto probe = Probe(graphs, point, 5, m - 2 * h, m + 2 * h);
    if (!probe || !std::all_of(probe->Valid.begin() + 1, probe->Valid.end(), [](bool v) { return v; })) break;
    if (round >= 2 && !StencilDiffers(*probe)) break;
    const long double centre = probe->X[3];
    const auto [d1, d2] = Derivatives(*probe, centre);
    if (!(sign * d2 < 0)) break;
    const long double next = centre - d1 / d2;
    if (!(std::fabs(next - centre) <= 2 * h && low <= next && next <= high)) break;
    m = next;
    polished = m;
  }
  if (!polished) return;
  const auto at = Probe(graphs, point, 2, *polished, *polished);
  if (at && at->Valid[1] && sign * at->Y[1] >= sign * point.Y) {
    point.X = at->X[1];
    point.Y = at->Y[1];
  }
}

// Narrows the bracket to the best level of dense samples and its neighbours
// (a kink or a flat top stops there), then polishes smooth tops.
void SharpenExtremum(const std::vector<TGraph> &graphs, TPointOfInterest &point) {
  const long double sign = point.Kind == TPointKind::Maximum ? 1 : -1;
  long double low = point.Low, high = point.High;
  bool sampled = false;
  for (int round = 0; round < kMaxRounds; ++round) {
    const auto probe = Probe(graphs, point, kDenseCount, low, high);
    if (!probe) break;
    int best = 0;
    for (int k = 1; k <= kDenseCount; ++k)
      if (probe->Valid[k] && (best == 0 || sign * probe->G[k] > sign * probe->G[best])) best = k;
    if (best == 0) break;
    int last = best;
    while (last < kDenseCount && probe->Valid[last + 1] && probe->G[last + 1] == probe->G[best]) ++last;
    const int middle = (best + last) / 2;
    if (!sampled || sign * probe->Y[middle] >= sign * point.Y) {
      point.X = probe->X[middle];
      point.Y = probe->Y[middle];
      sampled = true;
    }
    const long double nextLow = probe->X[std::max(best - 1, 1)];
    const long double nextHigh = probe->X[std::min(last + 1, kDenseCount)];
    if (nextLow == low && nextHigh == high) break;
    low = nextLow;
    high = nextHigh;
  }
  if (!sampled) {
    point.Genuine = false;
    return;
  }
  Polish(graphs, point, sign);
}

}  // namespace

std::vector<TPointOfInterest> FindPointsOfInterest(const std::vector<TGraph> &graphs, const std::vector<int> &layers) {
  std::vector<TPointOfInterest> points;
  std::vector<std::vector<double>> approx(graphs.size());
  if (layers.size() > 1)
    for (int layer : layers) approx[layer].assign(graphs[layer].YValues.begin(), graphs[layer].YValues.end());
  for (std::size_t i = 0; i < layers.size(); ++i) {
    AddExtrema(graphs[layers[i]], layers[i], points);
    AddZeros(graphs[layers[i]], layers[i], points);
    for (std::size_t j = i + 1; j < layers.size(); ++j) AddCrossings(graphs, approx, layers[i], layers[j], points);
  }
  return points;
}

void SharpenPoint(const std::vector<TGraph> &graphs, TPointOfInterest &point) {
  if (!point.Sharpened) {
    if (point.Kind == TPointKind::Minimum || point.Kind == TPointKind::Maximum)
      SharpenExtremum(graphs, point);
    else
      SharpenZero(graphs, point);
  }
  point.Sharpened = true;
}

int NearestSample(const TGraph &graph, long double x) {
  const int n = SampleCount(graph);
  if (n == 0) return 0;
  const auto first = graph.XValues.begin() + 1, last = first + n;
  // Abscissas run from MinX to MaxX, downwards when a file gives MaxX < MinX.
  const bool ascending = graph.XValues[1] <= graph.XValues[n];
  const auto after = ascending ? std::lower_bound(first, last, x)
                               : std::lower_bound(first, last, x, [](long double a, long double b) { return a > b; });
  const int k = static_cast<int>(after - graph.XValues.begin());
  if (k > n) return n;
  if (k == 1) return 1;
  return std::fabs(graph.XValues[k] - x) < std::fabs(x - graph.XValues[k - 1]) ? k : k - 1;
}

std::vector<TPointOfInterest> TPointsOfInterest::InView(const TProject &project, long double minX, long double maxX,
                                                        long double minY, long double maxY, std::size_t limit) {
  const std::vector<TGraph> &graphs = project.Graphs();
  if (foundAt_ != project.Revision()) {
    std::vector<int> layers;
    for (std::size_t i = 0; i < graphs.size(); ++i)
      if (graphs[i].Visible && SampleCount(graphs[i]) > 0) layers.push_back(static_cast<int>(i));
    points_ = FindPointsOfInterest(graphs, layers);
    foundAt_ = project.Revision();
  }
  const auto inside = [&](const TPointOfInterest &p) {
    return p.Genuine && minX <= p.X && p.X <= maxX && minY <= p.Y && p.Y <= maxY;
  };
  std::vector<TPointOfInterest *> shown;
  for (TPointOfInterest &point : points_) {
    if (!inside(point)) continue;
    if (shown.size() == limit) return {};
    shown.push_back(&point);
  }
  std::vector<TPointOfInterest> result;
  for (TPointOfInterest *point : shown) {
    SharpenPoint(graphs, *point);
    if (inside(*point)) result.push_back(*point);
  }
  return result;
}
