#pragma once

#include "toolwindow.h"

class Chart;
class QLabel;
class QToolButton;
class RectangleSeries;

// The navigator: the whole region in miniature with a frame around the part the
// plot window shows, and the zoom in percent per axis.
class TScaleForm : public TToolWindow {
  Q_OBJECT

 public:
  explicit TScaleForm(QWidget *frame);

  Chart *SC;
  QLabel *XLabel;
  QLabel *YLabel;
  QToolButton *ZoomButton;
  QToolButton *OptButton;
  QToolButton *HelpButton;

  // The navigator frame: always the last series of SC.
  RectangleSeries *Frame() const;

  void ZoomButtonClick();
  void OptButtonClick();
  void HelpButtonClick();
};

extern TScaleForm *ScaleForm;

// Recomputes the navigator frame and the zoom labels from the plot window's view.
void UpdateNavigator();
