#pragma once

#include <QDialog>

#include "projectfile.h"

class QCheckBox;
class QPushButton;
class TColorDialog;

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
  TColorDialog *AxisCD;
  TColorDialog *GridCD;
  TColorDialog *LabelsCD;
  TColorDialog *Back1CD;
  TColorDialog *BacK2CD;

  // The settings the controls hold, and the controls set to hold settings.
  TDisplaySettings Settings() const;
  void SetSettings(const TDisplaySettings &settings);
};

extern TOptionsForm *OptionsForm;

// Shows the display options and, on OK, applies them.
void ShowDisplayOptions();
// The one way display settings take effect, from the dialog or from a file:
// the plot window, the navigator's background and the dialog's controls.
void ApplyDisplaySettings(const TDisplaySettings &settings);
