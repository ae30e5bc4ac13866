#include "lineseries.h"

#include "linedata.h"

namespace {
constexpr int kMaximumLineWidth = 4;
}

LineSeries::LineSeries() : Series(kMaximumLineWidth), data_(std::make_shared<LineData>()) {}

LineSeries::~LineSeries() = default;

std::unique_ptr<LineSeries> LineSeries::sharingPointsOf(const LineSeries &other) {
  auto series = std::make_unique<LineSeries>();
  series->data_ = other.data_;
  return series;
}

void LineSeries::setPoints(std::vector<ChartPoint> points) {
  data_->assign(std::move(points));
  notify(Change::Data);
}

const std::vector<ChartPoint> &LineSeries::points() const { return data_->points(); }

int LineSeries::pointCount() const { return static_cast<int>(data_->points().size()); }

QPen LineSeries::pen() const {
  // Round ends make a polyline look the same as its segments drawn one by one.
  return QPen(color(), width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}
