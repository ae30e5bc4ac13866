#include "calcform.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>

#include "calcoptform.h"
#include "dialogs.h"
#include "decimaltext.h"
#include "expression.h"
#include "expressionedit.h"
#include "helpviewer.h"
#include "intspinedit.h"
#include "themeicon.h"

TCalcForm *CalcForm = nullptr;

namespace {

constexpr int kHelpContext = 80;
constexpr int kRunImage = 0;
constexpr int kOptImage = 1;
constexpr int kHelpImage = 2;
constexpr std::uint8_t kFixedFormat = 2;
constexpr std::uint8_t kExponentialFormat = 1;

// Black on white, of a fixed size; a long result is cut at the edge, neither
// wrapped nor widening the label.
QLabel *ResultLabel(QWidget *parent) {
  auto *label = new QLabel(parent);
  label->setObjectName(QStringLiteral("ResLabel"));
  label->setGeometry(2, 30, 147, 18);
  label->setFixedSize(147, 18);
  label->setWordWrap(false);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  return label;
}

}  // namespace

TCalcForm::TCalcForm(QWidget *frame) : TToolWindow(frame, QStringLiteral("Калькулятор")) {
  setFixedSize(201, 52);
  CreateImageList();
  CreateControls();
  connect(ExpEdit, &QLineEdit::returnPressed, this, &TCalcForm::RunButtonClick);
  connect(RunButton, &QToolButton::clicked, this, &TCalcForm::RunButtonClick);
  connect(OptButton, &QToolButton::clicked, this, &TCalcForm::OptButtonClick);
  connect(HelpButton, &QToolButton::clicked, this, &TCalcForm::HelpButtonClick);
  ExpEdit->installEventFilter(this);
}

void TCalcForm::CreateImageList() {
  CalcIL = {ThemeIcon(QStringLiteral("system-run")), ThemeIcon(QStringLiteral("preferences-system")),
            ThemeIcon(QStringLiteral("help-contents"))};
}

void TCalcForm::CreateControls() {
  ExpEdit = NewExpressionEdit(this);
  ExpEdit->setObjectName(QStringLiteral("ExpEdit"));
  // No caption names the edit on screen; a screen reader still needs one.
  ExpEdit->setAccessibleName(QStringLiteral("Выражение"));
  ExpEdit->setGeometry(2, 3, 172, 22);
  RunButton = ToolButton(kRunImage, QStringLiteral("Вычислить"), {177, 3});
  RunButton->setObjectName(QStringLiteral("RunButton"));
  ResLabel = ResultLabel(this);
  OptButton = ToolButton(kOptImage, QStringLiteral("Настройки"), {153, 28});
  OptButton->setObjectName(QStringLiteral("OptButton"));
  HelpButton = ToolButton(kHelpImage, QStringLiteral("Справка"), {177, 28});
  HelpButton->setObjectName(QStringLiteral("HelpButton"));
}

QToolButton *TCalcForm::ToolButton(int image, const QString &hint, QPoint at) {
  auto *button = new QToolButton(this);
  button->setIcon(CalcIL[image]);
  button->setIconSize(QSize(16, 16));
  button->setToolTip(hint);
  button->setAutoRaise(true);
  button->setGeometry(QRect(at, QSize(22, 22)));
  return button;
}

void TCalcForm::RunButtonClick() { ResLabel->setText(Evaluate()); }

void TCalcForm::CopyResult() {
  if (!ResLabel->text().isEmpty()) QGuiApplication::clipboard()->setText(ResLabel->text());
}

// Reached when no child took the key: the buttons and the result label
// without a selection pass Ctrl+C on.
void TCalcForm::keyPressEvent(QKeyEvent *event) {
  if (event->matches(QKeySequence::Copy))
    CopyResult();
  else
    TToolWindow::keyPressEvent(event);
}

// The edit copies a selection itself; without one, Ctrl+C there means the result.
bool TCalcForm::eventFilter(QObject *watched, QEvent *event) {
  if (watched == ExpEdit && event->type() == QEvent::KeyPress && !ExpEdit->hasSelectedText() &&
      static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
    CopyResult();
    return true;
  }
  return TToolWindow::eventFilter(watched, event);
}

QString TCalcForm::Evaluate() const {
  const TExpressionCheck check = CheckTypedExpression(ExpEdit->text().toStdString());
  if (check.TooLong) return TooLongText();
  if (check.Code != 0) return ErrorText(check.Code);
  long double value = 0;
  if (const unsigned char code = EvaluateConstant(check.Bytes, value)) return ErrorText(code);
  return QString::fromStdString(
      CalcResultText(value, CalcFormat, CalcPrecision, CalcDigits, QLocale().decimalPoint().toStdString()));
}

// The dialog is not filled from the settings first: its controls are its own
// memory, kept after Cancel too.
void TCalcForm::OptButtonClick() {
  if (Dialogs().Exec(*CalcOptForm) == QDialog::Accepted) ApplyOptions();
}

void TCalcForm::ApplyOptions() {
  CalcDigits = CalcOptForm->PrecSE->Value();
  CalcPrecision = CalcOptForm->DigitsSE->Value();
  switch (CalcOptForm->FormatRG->checkedId()) {
    case 0:
      CalcFormat = kFixedFormat;
      break;
    case 1:
      CalcFormat = kExponentialFormat;
      break;
    default:
      break;
  }
}

void TCalcForm::HelpButtonClick() { ShowHelpTopic(kHelpContext); }

void TCalcForm::LoadSettings(const TCalcSettings &settings) {
  CalcDigits = settings.Digits;
  CalcOptForm->PrecSE->SetValue(CalcDigits);
  CalcPrecision = settings.Precision;
  CalcOptForm->DigitsSE->SetValue(CalcPrecision);
  CalcFormat = settings.Format;
  if (CalcFormat == kExponentialFormat || CalcFormat == kFixedFormat)
    CalcOptForm->FormatRG->button(CalcFormat == kExponentialFormat ? 1 : 0)->setChecked(true);
}
