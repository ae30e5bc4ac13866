#pragma once

#include "toolwindow.h"

// The layers panel: lists the project's functions and adds, hides, restyles,
// reorders and deletes them.
class TLayersForm : public TToolWindow {
  Q_OBJECT

 public:
  explicit TLayersForm(QWidget *frame);
};

extern TLayersForm *LayersForm;
