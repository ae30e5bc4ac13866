#pragma once

#include <QPoint>

class Chart;
class QMouseEvent;
class QRubberBand;

// Turns mouse drags over a chart into zooms and scrolls. A left drag from upper left to lower
// right of more than 16 pixels each way zooms to the dragged rectangle, one of that size in any
// other direction undoes the zoom; a right drag scrolls by every movement of the mouse.
class ChartMouse {
 public:
  explicit ChartMouse(Chart &chart);

  void Press(const QMouseEvent &event);
  void Move(const QMouseEvent &event);
  void Release(const QMouseEvent &event);

 private:
  enum class Drag { None, Zoom, Scroll };

  void FinishZoom(QPoint end);

  Chart &chart_;
  QRubberBand *band_;
  Drag drag_ = Drag::None;
  QPoint start_;
  QPoint last_;
};
