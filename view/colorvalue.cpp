#include "colorvalue.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace {

constexpr TColor kNone = 0x1FFFFFFF;
constexpr TColor kDefault = 0x20000000;

// The palette colour that stands in for each system colour index (25 has no name).
constexpr std::array<QPalette::ColorRole, 31> kSystemRoles = {QPalette::Button,
                                                              QPalette::Window,
                                                              QPalette::Highlight,
                                                              QPalette::Mid,
                                                              QPalette::Window,
                                                              QPalette::Base,
                                                              QPalette::Shadow,
                                                              QPalette::WindowText,
                                                              QPalette::Text,
                                                              QPalette::HighlightedText,
                                                              QPalette::Mid,
                                                              QPalette::Mid,
                                                              QPalette::Dark,
                                                              QPalette::Highlight,
                                                              QPalette::HighlightedText,
                                                              QPalette::Button,
                                                              QPalette::Dark,
                                                              QPalette::PlaceholderText,
                                                              QPalette::ButtonText,
                                                              QPalette::WindowText,
                                                              QPalette::Light,
                                                              QPalette::Shadow,
                                                              QPalette::Midlight,
                                                              QPalette::ToolTipText,
                                                              QPalette::ToolTipBase,
                                                              QPalette::Window,
                                                              QPalette::Link,
                                                              QPalette::Highlight,
                                                              QPalette::Mid,
                                                              QPalette::Highlight,
                                                              QPalette::Window};

}  // namespace

QColor ToQColor(TColor color, const QColor &defaultColor) {
  if (color == kNone) return Qt::transparent;
  if (color == kDefault) return defaultColor;
  if ((color & kSystemColorFlag) == kSystemColorFlag) {
    const TColor index = color & 0xFF;
    return index < kSystemRoles.size() ? QGuiApplication::palette().color(kSystemRoles[index]) : defaultColor;
  }
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

TColor ToTColor(const QColor &color) {
  return static_cast<TColor>(color.red()) | static_cast<TColor>(color.green()) << 8 |
         static_cast<TColor>(color.blue()) << 16;
}

TColorDialog::TColorDialog(TColor color, QWidget *parent) : QColorDialog(parent), value_(color) {
  setCurrentColor(ToQColor(color, Qt::black));
  // Any other colour made current, by the user or by the program, becomes the value.
  connect(this, &QColorDialog::currentColorChanged, this, [this](const QColor &current) {
    if (current != ToQColor(value_, current)) value_ = ToTColor(current);
  });
}

void TColorDialog::SetValue(TColor color) {
  setCurrentColor(ToQColor(color, Qt::black));
  value_ = color;
}
