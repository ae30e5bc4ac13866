#include "lineseries.h"

#include "linedata.h"

namespace {
constexpr int kMaximumLineWidth = 4;
}

LineSeries::LineSeries() : Series(kMaximumLineWidth), data_(std::make_shared<LineData>()) {}

LineSeries::~LineSeries() = default;

std::unique_ptr<LineSeries> LineSeries::SharingPointsOf(const LineSeries &other) {
  auto series = std::make_unique<LineSeries>();
  series->data_ = other.data_;
  return series;
}

void LineSeries::SetPoints(std::vector<ChartPoint> points) {
  data_->Assign(std::move(points));
  Notify(Change::Data);
}

const std::vector<ChartPoint> &LineSeries::Points() const { return data_->Points(); }

int LineSeries::PointCount() const { return static_cast<int>(data_->Points().size()); }

QPen LineSeries::Pen() const {
  // Round ends make a polyline look the same as its segments drawn one by one.
  return QPen(Color(), Width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}
