#include "layersoptform.h"

TLayersOptForm *LayersOptForm = nullptr;

TLayersOptForm::TLayersOptForm(QWidget *parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Настройки"));
  setFixedSize(139, 94);
}
