#pragma once

#include "limitsform.h"

// The bounds dialog: the region of a new project, kept from one new project to
// the next.
class TNewForm : public TLimitsForm {
  Q_OBJECT

 public:
  explicit TNewForm(QWidget *parent = nullptr);
};

extern TNewForm *NewForm;
