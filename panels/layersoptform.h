#pragma once

#include <QDialog>

// The layer options dialog: another colour or line width for a layer.
class TLayersOptForm : public QDialog {
  Q_OBJECT

 public:
  explicit TLayersOptForm(QWidget *parent = nullptr);
};

extern TLayersOptForm *LayersOptForm;
