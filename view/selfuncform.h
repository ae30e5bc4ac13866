#pragma once

#include <QDialog>
#include <vector>

class QListWidget;
class QPushButton;

// Chooses layers for an output: one checkable row per layer, ticked when the
// layer is visible. The caller sets the caption.
class TSelFuncForm : public QDialog {
  Q_OBJECT

 public:
  explicit TSelFuncForm(QWidget *parent = nullptr);

  QListWidget *FuncCLB;
  QPushButton *CancelButton;
  QPushButton *OkButton;

  // Fills the rows from the project's layers and sets the caption.
  void Prepare(const QString &caption);
  // Whether each row is ticked, in layer order.
  std::vector<bool> Ticked() const;
};

extern TSelFuncForm *SelFuncForm;
