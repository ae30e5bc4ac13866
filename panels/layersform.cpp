#include "layersform.h"

TLayersForm *LayersForm = nullptr;

TLayersForm::TLayersForm(QWidget *frame) : TToolWindow(frame, QStringLiteral("Слои")) { setFixedSize(201, 166); }
