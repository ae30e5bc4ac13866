#pragma once

#include <QDialog>

// The about box: the program's and the expression library's names, versions
// and dates.
class TAboutForm : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutForm(QWidget *parent = nullptr);
};

extern TAboutForm *AboutForm;
