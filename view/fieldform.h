#pragma once

#include <QWidget>

#include "chartaxis.h"
#include "projectfile.h"

class Chart;
class QLabel;
class QStatusBar;
class AxisCopyPainter;

// The plot window: the chart FC with the curves of all layers and the status
// bar CoordSB with the pointer's coordinates.
class TFieldForm : public QWidget {
  Q_OBJECT

 public:
  explicit TFieldForm(QWidget *parent = nullptr);

  Chart *FC;
  QStatusBar *CoordSB;

  QString StatusText() const;

  // The look of the plot as last applied, exactly as given: the chart draws its
  // colours, a system colour as the desktop's palette has it.
  const TDisplaySettings &DisplaySettings() const { return display_; }
  void SetDisplaySettings(const TDisplaySettings &settings);

  // Axis copies through the origin; a display setting. Setting it redraws.
  bool DrawSecondAxes() const { return display_.DrawSecondAxes; }
  void SetDrawSecondAxes(bool draw);

  // The status text for the pointer at a pixel of the chart.
  QString CursorText(QPoint pixel) const;

 protected:
  void showEvent(QShowEvent *event) override;

 private:
  void FCMouseMove(QPoint pixel);
  bool FCAllowScroll(ChartAxis axis, double minimum, double maximum) const;
  void FCZoom();
  void FCBeforeDrawSeries(AxisCopyPainter &painter);
  void FCAfterDraw();

  QLabel *coordText_;
  TDisplaySettings display_;
};

extern TFieldForm *FieldForm;

// The outside text of the cursor read-out.
QString OutsideCursorText();

