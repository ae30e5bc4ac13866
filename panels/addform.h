#pragma once

#include <QDialog>

// The new-layer dialog: expression, number of points, line width and colour.
class TAddForm : public QDialog {
  Q_OBJECT

 public:
  explicit TAddForm(QWidget *parent = nullptr);
};

extern TAddForm *AddForm;
