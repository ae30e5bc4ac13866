#pragma once

#include <QIcon>
#include <QList>
#include <cstdint>

#include "projectfile.h"
#include "toolwindow.h"

class QLabel;
class QLineEdit;
class QToolButton;

// The calculator panel: evaluates a constant expression through the library and
// shows its value in the format of the three settings, or "Ошибка: " and the
// library's code. Ctrl+C copies the result as shown, unless the expression
// edit or the result has a selection of its own to copy.
class TCalcForm : public TToolWindow {
  Q_OBJECT

 public:
  explicit TCalcForm(QWidget *frame);

  // The settings, read and written by the project file as well as by the
  // options dialog: decimals (fixed) or minimum exponent width (exponential),
  // significant digits, and the format, 2 fixed or 1 exponential.
  std::int32_t CalcDigits = 8;
  std::int32_t CalcPrecision = 18;
  std::uint8_t CalcFormat = 2;

  QList<QIcon> CalcIL;
  QLineEdit *ExpEdit;
  QToolButton *RunButton;
  QLabel *ResLabel;
  QToolButton *OptButton;
  QToolButton *HelpButton;

  void RunButtonClick();
  void OptButtonClick();
  void HelpButtonClick();
  void CopyResult();

  TCalcSettings Settings() const { return {CalcDigits, CalcPrecision, CalcFormat}; }
  // The settings from a project file, into the options dialog's controls too:
  // a format other than 1 or 2 leaves its choice alone.
  void LoadSettings(const TCalcSettings &settings);

 protected:
  void keyPressEvent(QKeyEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  void CreateImageList();
  void CreateControls();
  QToolButton *ToolButton(int image, const QString &hint, QPoint at);
  // The result of the text in ExpEdit, or the error it gives.
  QString Evaluate() const;
  void ApplyOptions();
};

extern TCalcForm *CalcForm;
