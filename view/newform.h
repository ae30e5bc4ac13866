#pragma once

#include <QDialog>

class TNewForm : public QDialog {
  Q_OBJECT

 public:
  explicit TNewForm(QWidget *parent = nullptr);
};

extern TNewForm *NewForm;
