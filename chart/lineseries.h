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

  void clear();
  void append(double x, double y);
  void appendNull(double x, double y);
  // Replaces all points at once; cheaper than appending 100000 points one by one.
  void setPoints(std::vector<ChartPoint> points);

  const std::vector<ChartPoint> &points() const;
  int pointCount() const;

  QPen pen() const override;
  bool isListedInLegend() const override { return true; }

  // The point store, shared with whatever draws the series.
  std::shared_ptr<const LineData> data() const { return mData; }

private:
  std::shared_ptr<LineData> mData;
};
