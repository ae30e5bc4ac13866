// Redraw time of a chart with ten layers of 100000 points each at pen width 4, and how far its
// picture is from one drawn segment by segment.

#include "chart.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>

#include <cmath>
#include <random>

namespace {

constexpr int layerCount = 10;
constexpr int pointCount = 100000;
constexpr double lowest = -10;
constexpr double highest = 10;
constexpr int penWidth = 4;
// A pixel differs when one of its colour channels is off by more than this; smaller
// differences are the antialiasing of overlapping strokes.
constexpr int channelTolerance = 64;

double abscissa(int i)
{
  return lowest + (highest - lowest) * i / (pointCount - 1);
}

// Samples of one curve; invalid samples (NaN) and samples outside the band leave gaps, and every
// run after a gap starts with a null point, as the program's curve builder does.
template <typename Curve>
std::vector<ChartPoint> sampled(Curve curve)
{
  std::vector<ChartPoint> points;
  bool inRun = false;
  for (int i = 0; i < pointCount; ++i) {
    const double x = abscissa(i);
    const double y = curve(i, x);
    if (!(y >= lowest && y <= highest)) {
      inRun = false;
      continue;
    }
    if (!inRun)
      points.push_back({x, y, true});
    points.push_back({x, y, false});
    inRun = true;
  }
  return points;
}

std::vector<ChartPoint> layerPoints(int layer)
{
  switch (layer % 3) {
  case 0:  // tan(x), with a gap of 20 invalid samples every 997
    return sampled([layer](int i, double x) {
      return i % 997 < 20 ? std::nan("") : std::tan(x + 0.05 * layer);
    });
  case 1:
    return sampled([layer](int, double x) { return 8 * std::sin(50 * x + layer); });
  default: {
    std::minstd_rand random(layer);
    std::uniform_real_distribution<double> noise(-1.5, 1.5);
    return sampled([&](int, double) { return layer - 5 + noise(random); });
  }
  }
}

class BenchChart {
public:
  BenchChart()
  {
    chart.resize(800, 600);
    chart.setLegendShown(false);
    chart.setMarginsPercent(QMarginsF(0, 1, 1, 0));
    chart.setRange(ChartAxis::Bottom, lowest, highest);
    chart.setRange(ChartAxis::Left, lowest, highest);
    for (int layer = 0; layer < layerCount; ++layer) {
      auto series = std::make_unique<LineSeries>();
      series->setColor(QColor::fromHsv(layer * 36, 255, 200));
      series->setWidth(penWidth);
      series->setPoints(layerPoints(layer));
      chart.addSeries(std::move(series));
    }
    chart.show();
  }

  void showSeries(bool shown)
  {
    for (int i = 0; i < chart.seriesCount(); ++i)
      chart.series(i)->setShown(shown);
  }

  // The chart without its series, then every series stroked by QPainter through all of its
  // points, one polyline per run. (Drawing the segments one by one instead would let their
  // antialiased edges darken each other where they overlap, which no single stroke does.)
  QImage reference()
  {
    showSeries(false);
    QImage image = chart.toImage();
    showSeries(true);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(chart.plotArea().adjusted(0, 0, -1, -1));
    for (int i = 0; i < chart.seriesCount(); ++i)
      drawRuns(painter, *static_cast<LineSeries *>(chart.series(i)));
    return image;
  }

  Chart chart;

private:
  void drawRuns(QPainter &painter, const LineSeries &series) const
  {
    painter.setPen(series.pen());
    QPolygonF run;
    for (const ChartPoint &p : series.points()) {
      if (p.null) {
        painter.drawPolyline(run);
        run.clear();
        continue;
      }
      run << QPointF(chart.valueToPixel(ChartAxis::Bottom, p.x),
                     chart.valueToPixel(ChartAxis::Left, p.y));
    }
    painter.drawPolyline(run);
  }
};

BenchChart *theChart = nullptr;

BenchChart &benchChart()
{
  return *theChart;
}

struct Difference {
  double anyPercent;
  double beyondTolerancePercent;
};

Difference difference(const QImage &a, const QImage &b)
{
  long any = 0;
  long beyond = 0;
  for (int y = 0; y < a.height(); ++y) {
    const auto *left = reinterpret_cast<const QRgb *>(a.constScanLine(y));
    const auto *right = reinterpret_cast<const QRgb *>(b.constScanLine(y));
    for (int x = 0; x < a.width(); ++x) {
      const int most = std::max({std::abs(qRed(left[x]) - qRed(right[x])),
                                 std::abs(qGreen(left[x]) - qGreen(right[x])),
                                 std::abs(qBlue(left[x]) - qBlue(right[x]))});
      any += most > 0;
      beyond += most > channelTolerance;
    }
  }
  const double pixels = double(a.width()) * a.height();
  return {100.0 * any / pixels, 100.0 * beyond / pixels};
}

void BM_Redraw(benchmark::State &state)
{
  Chart &chart = benchChart().chart;
  for (auto _ : state)
    chart.redrawNow();
}
BENCHMARK(BM_Redraw)->Unit(benchmark::kMillisecond);

// What a redraw costs besides the series: background, grid, axes and the plot's buffers.
void BM_RedrawWithoutSeries(benchmark::State &state)
{
  BenchChart &bench = benchChart();
  bench.showSeries(false);
  for (auto _ : state)
    bench.chart.redrawNow();
  bench.showSeries(true);
}
BENCHMARK(BM_RedrawWithoutSeries)->Unit(benchmark::kMillisecond);

void BM_Picture(benchmark::State &state)
{
  Chart &chart = benchChart().chart;
  for (auto _ : state)
    benchmark::DoNotOptimize(chart.toImage());
  const Difference d = difference(chart.toImage(), benchChart().reference());
  state.counters["differing_%"] = d.beyondTolerancePercent;
  state.counters["any_difference_%"] = d.anyPercent;
}
BENCHMARK(BM_Picture)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  BenchChart chart;
  theChart = &chart;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
