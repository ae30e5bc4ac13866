#pragma once

#include <QPointF>
#include <QPolygonF>

#include <array>
#include <functional>

// Reduces a polyline in pixel coordinates to a few vertices per pixel column whose stroke
// covers the same pixels as the full polyline's, so that a curve of 100000 points draws as fast
// as one of a few thousand, and exactly:
// - where the curve wiggles up and down within a column, the point where it enters the column,
//   its lowest and highest points there (in the order they occur) and the point where it leaves;
// - where it turns at most a few times, its turning points and as many more points as keep every
//   dropped point within an eighth of a pixel of the drawn line (a steep sweep through a column
//   is a curve there, not a chord).
class ColumnEnvelope {
 public:
  using Sink = std::function<void(const QPolygonF &)>;

  explicit ColumnEnvelope(Sink sink);

  bool IsOpen() const { return open_; }
  // floor(), without the library call.
  static long long ColumnOf(double x) {
    const auto truncated = static_cast<long long>(x);
    return truncated > x ? truncated - 1 : truncated;
  }
  // Starts a new polyline at p, handing on the one still open.
  void MoveTo(QPointF p);
  void LineTo(QPointF p) {
    if (ColumnOf(p.x()) != column_) {
      FlushColumn();
      StartColumn(p);
      return;
    }
    if (following_) Follow(p);
    if (p.y() < low_.y()) {
      low_ = p;
      lowAt_ = count_;
    }
    if (p.y() > high_.y()) {
      high_ = p;
      highAt_ = count_;
    }
    last_ = p;
    ++count_;
  }
  // Hands the open polyline, reduced, to the sink.
  void Finish();

 private:
  static constexpr double kTolerance = 0.125;
  static constexpr int kMaximumTurns = 3;

  void StartColumn(QPointF p);
  void Follow(QPointF p);
  void KeepShapeVertex(QPointF p);
  void RestartSleeve(QPointF anchor, QPointF p);
  bool NarrowSleeve(QPointF p);
  void FlushColumn();

  Sink sink_;
  QPolygonF line_;
  bool open_ = false;
  long long column_ = 0;
  QPointF first_, low_, high_, last_;
  int count_ = 0;
  int lowAt_ = 0;
  int highAt_ = 0;
  // The column's shape while it turns at most maximumTurns times: the vertices kept between its
  // first and last point, and the sleeve of slopes dx/dy from the last kept vertex (the anchor)
  // that pass within tolerance of every point since.
  bool following_ = true;
  int turns_ = 0;
  int direction_ = 0;
  std::array<QPointF, 16> shape_;
  int shapeSize_ = 0;
  QPointF anchor_;
  double slopeLow_ = 0;
  double slopeHigh_ = 0;
};
