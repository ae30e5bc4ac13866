#pragma once

#include "projectfile.h"
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
  // The frame's pen as last set, exactly as given; the frame draws it within
  // the widths it can take, a system colour as the desktop's palette has it.
  const TFrameSettings &FrameSettings() const { return frameSettings_; }
  void SetFrameSettings(const TFrameSettings &settings);

  void ZoomButtonClick();
  void OptButtonClick();
  void HelpButtonClick();

 private:
  TFrameSettings frameSettings_;
};

extern TScaleForm *ScaleForm;

// Recomputes the navigator frame and the zoom labels from the plot window's view.
void UpdateNavigator();
