#pragma once

#include <QDialog>
#include <vector>

class QListWidget;
class QPushButton;

// Chooses layers for an output: one checkable row per layer, ticked when the
// layer is visible. The caller sets the caption. For the values commands it
// also copies the ticked layers' values, staying open.
class TSelFuncForm : public QDialog {
  Q_OBJECT

 public:
  enum class TOutput { Picture, Values };

  explicit TSelFuncForm(QWidget *parent = nullptr);

  QListWidget *FuncCLB;
  QPushButton *CopyButton;
  QPushButton *CancelButton;
  QPushButton *OkButton;

  // Fills the rows from the project's layers, sets the caption and offers
  // the copy for values only.
  void Prepare(const QString &caption, TOutput output);
  void CopyButtonClick();
  // Whether each row is ticked, in layer order.
  std::vector<bool> Ticked() const;
};

extern TSelFuncForm *SelFuncForm;
