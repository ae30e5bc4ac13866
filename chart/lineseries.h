#pragma once

#include "chartpoint.h"
#include "series.h"

#include <memory>
#include <vector>

class LineData;

// A polyline through its points in order; null points break it into separate runs.
// Drawn with round caps and joins, width 1 to 4, and listed in the legend.
class LineSeries : public Series {
 public:
  LineSeries();
  ~LineSeries() override;

  // A series of its own style that draws the very points of another, which it shares: both then
  // show any later change of them.
  static std::unique_ptr<LineSeries> sharingPointsOf(const LineSeries &other);

  // Replaces all points at once.
  void setPoints(std::vector<ChartPoint> points);

  const std::vector<ChartPoint> &points() const;
  int pointCount() const;

  QPen pen() const override;
  bool isListedInLegend() const override { return true; }

  // The point store, shared with whatever draws the series.
  std::shared_ptr<const LineData> data() const { return data_; }

 private:
  std::shared_ptr<LineData> data_;
};
