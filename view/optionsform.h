#pragma once

#include <QDialog>

class QCheckBox;
class QColorDialog;
class QPushButton;

// The display options: grid, second axes and the five colours of the plot. The
// controls are their own store: kept after OK and Cancel alike, never refilled
// from the charts.
class TOptionsForm : public QDialog {
  Q_OBJECT

 public:
  explicit TOptionsForm(QWidget *parent = nullptr);

  QPushButton *AxisColorButton;
  QPushButton *GridColorButton;
  QPushButton *LabelColorButton;
  QPushButton *Back2ColorButton;  // "Фон (верх)...": edits Back1CD, the top colour
  QPushButton *Back1ColorButton;  // "Фон (низ)...": edits BacK2CD, the bottom colour
  QCheckBox *GridCB;
  QCheckBox *AxisCB;
  QColorDialog *AxisCD;
  QColorDialog *GridCD;
  QColorDialog *LabelsCD;
  QColorDialog *Back1CD;
  QColorDialog *BacK2CD;
};

extern TOptionsForm *OptionsForm;

// Shows the display options and, on OK, applies them to the plot window and the
// navigator's background.
void ShowDisplayOptions();
// Applies the dialog's settings to both charts.
void ApplyDisplayOptions();
