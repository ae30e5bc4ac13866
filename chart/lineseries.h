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
  static std::unique_ptr<LineSeries> SharingPointsOf(const LineSeries &other);

  // Replaces all points at once.
  void SetPoints(std::vector<ChartPoint> points);

  const std::vector<ChartPoint> &Points() const;
  int PointCount() const;

  QPen Pen() const override;
  bool IsListedInLegend() const override { return true; }

  // The point store, shared with whatever draws the series.
  std::shared_ptr<const LineData> Data() const { return data_; }

 private:
  std::shared_ptr<LineData> data_;
};
