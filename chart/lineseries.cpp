#include "lineseries.h"

#include "linedata.h"

namespace {
constexpr int maximumLineWidth = 4;
}

LineSeries::LineSeries() : Series(maximumLineWidth), mData(std::make_shared<LineData>()) {}

LineSeries::~LineSeries() = default;

std::unique_ptr<LineSeries> LineSeries::sharingPointsOf(const LineSeries &other) {
  auto series = std::make_unique<LineSeries>();
  series->mData = other.mData;
  return series;
}

void LineSeries::setPoints(std::vector<ChartPoint> points) {
  mData->assign(std::move(points));
  notify(Change::Data);
}

const std::vector<ChartPoint> &LineSeries::points() const { return mData->points(); }

int LineSeries::pointCount() const { return static_cast<int>(mData->points().size()); }

QPen LineSeries::pen() const {
  // Round ends make a polyline look the same as its segments drawn one by one.
  return QPen(color(), width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}
