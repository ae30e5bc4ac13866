#pragma once

#include <QDialog>

class TSelFuncForm : public QDialog {
  Q_OBJECT

 public:
  explicit TSelFuncForm(QWidget *parent = nullptr);
};

extern TSelFuncForm *SelFuncForm;
