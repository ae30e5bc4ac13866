#include "zoomform.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "intspinedit.h"

TZoomForm *ZoomForm = nullptr;

namespace {

int Rounded(long double bound) {
  return static_cast<int>(std::clamp<long double>(std::nearbyint(bound), INT32_MIN, INT32_MAX));
}

}  // namespace

TZoomForm::TZoomForm(QWidget *parent) : TLimitsForm(QStringLiteral("Точное увеличение"), parent) {}

void TZoomForm::PrepareForBounds(long double minX, long double maxX, long double minY, long double maxY) {
  for (TIntSpinEdit *field : {MinXSE, MaxXSE}) field->SetRange(Rounded(minX), Rounded(maxX));
  for (TIntSpinEdit *field : {MinYSE, MaxYSE}) field->SetRange(Rounded(minY), Rounded(maxY));
  MinXSE->SetValue(Rounded(minX));
  MaxXSE->SetValue(Rounded(maxX));
  MinYSE->SetValue(Rounded(minY));
  MaxYSE->SetValue(Rounded(maxY));
}
