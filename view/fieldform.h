#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "chartaxis.h"
#include "pointsofinterest.h"
#include "projectfile.h"
#include "viewhistory.h"

class Chart;
class QLabel;
class QStatusBar;
class AxisCopyPainter;

// The plot window: the chart FC with the curves of all layers and the status
// bar CoordSB with the pointer's coordinates. Besides the mouse, the wheel
// zooms about the pointer and keys move the view: arrows scroll by a tenth,
// "+" and "-" zoom about the centre, Home shows the whole region, Alt+Left and
// Alt+Right go back and forward through the views left; Ctrl+C copies the
// picture. A resting pointer gets a tool tip with the value of the nearest
// curve there, or with a minimum, maximum, zero or crossing close by.
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

  // The tool tip for the pointer resting at a pixel of the chart; empty
  // outside the plot area. Reads the stored samples only.
  QString PointerTip(QPoint pixel);
  // Where the tip's numbers take their form from: the calculator's settings.
  void SetValueFormatSource(std::function<TCalcSettings()> source) { valueFormat_ = std::move(source); }

  TView View() const;
  // The whole region of the project, as both charts' axes span it.
  TView Region() const;

 protected:
  void showEvent(QShowEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

 private:
  void FCMouseMove(QPoint pixel);
  bool FCAllowScroll(ChartAxis axis, double minimum, double maximum) const;
  void FCZoom();
  void FCBeforeDrawSeries(AxisCopyPainter &painter);
  void FCAfterDraw();
  void FCViewAboutToChange();
  void KeepInRegion(ChartAxis axis, double &minimum, double &maximum) const;

  bool MoveView(const QKeyEvent &event);
  void ShowView(const TView &view);
  void ShowRegion();
  void CopyPicture() const;
  TViewHistory &History();

  std::optional<TPointOfInterest> PointNear(QPoint pixel);
  QString PointTip(const TPointOfInterest &point) const;
  QString CurveTip(QPoint pixel) const;
  QString ValueText(long double value) const;

  QLabel *coordText_;
  QWidget *marker_;
  // What the marker was shown for: it goes once the view or the layers change.
  TView markerView_;
  uint64_t markerRevision_ = 0;
  TDisplaySettings display_;
  TViewHistory history_;
  uint64_t historyGeneration_ = 0;
  TPointsOfInterest points_;
  std::function<TCalcSettings()> valueFormat_ = [] { return TCalcSettings(); };
};

extern TFieldForm *FieldForm;

// The outside text of the cursor read-out.
QString OutsideCursorText();
