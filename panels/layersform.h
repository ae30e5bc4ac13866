#pragma once

#include <cstdint>

#include "projectfile.h"
#include "toolwindow.h"

class QListWidget;
class QToolButton;

// The layers panel: lists the project's functions and adds, hides, restyles,
// reorders and deletes them through ProjectLayers, whose changes its list
// follows, so that entry i always shows layer i.
class TLayersForm : public TToolWindow {
  Q_OBJECT

 public:
  explicit TLayersForm(QWidget *frame);

  QListWidget *LayersLB;
  QToolButton *NewButton;
  QToolButton *VisButton;
  QToolButton *OptButton;
  QToolButton *UpButton;
  QToolButton *DownButton;
  QToolButton *DelButton;
  QToolButton *HelpButton;

  void NewButtonClick();
  void VisButtonClick();
  void OptButtonClick();
  void UpButtonClick();
  void DownButtonClick();
  void DelButtonClick();
  void HelpButtonClick();

  // Checks, samples and shows a new layer with its style; false with the
  // message when the expression is refused, in which case nothing has changed.
  bool AddLayer(const QString &expression, int32_t pointCount, const TLayerStyle &style, QString &error);

 private:
  void FollowLayers();
  bool EstablishBounds();
  int Selected() const;
  void Select(int index);
  void ExchangeEntries(int first, int second);
  // The one place that sets the buttons' enabled and down states.
  void UpdateButtons();
};

extern TLayersForm *LayersForm;
