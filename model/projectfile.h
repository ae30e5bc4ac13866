#ifndef LUMOPLOT_MODEL_PROJECTFILE_H
#define LUMOPLOT_MODEL_PROJECTFILE_H

#include <cstdint>
#include <string>
#include <vector>

#include "bounds.h"
#include "colortable.h"

// Everything a project file holds, as plain values exactly as read: colours
// as their 32-bit values (system colours, clNone and clDefault included),
// bounds as 80-bit values in any order, integers as they stand even where a
// window shows them pulled into its range.

// Lines 1 to 7: the look of the plot.
struct TDisplaySettings {
  bool DrawSecondAxes = true;
  bool GridShown = true;
  TColor AxisColor = 0x000000;
  TColor GridColor = 0x808080;
  TColor LabelColor = 0x000000;
  TColor BackBottomColor = 0xFFFFFF;  // the gradient's start
  TColor BackTopColor = 0xFFFFFF;     // its end
  bool operator==(const TDisplaySettings &) const = default;
};

// Lines 8 and 9: the navigator frame's pen.
struct TFrameSettings {
  int32_t Width = 2;
  TColor Color = 0xFF0000;
  bool operator==(const TFrameSettings &) const = default;
};

// Lines 10 to 12: the calculator's settings.
struct TCalcSettings {
  int32_t Digits = 8;
  int32_t Precision = 18;
  uint8_t Format = 2;  // 2 fixed, 1 exponential; a byte, as the calculator keeps it
  bool operator==(const TCalcSettings &) const = default;
};

// A layer's colour and line width, which its chart series draw with.
struct TLayerStyle {
  TColor Color = 0x0000FF;
  int32_t Width = 1;
  bool operator==(const TLayerStyle &) const = default;
};

// Five lines per layer.
struct TProjectLayer {
  std::string Expression;
  int32_t PointCount = 0;
  bool Visible = true;
  TLayerStyle Style;
  bool operator==(const TProjectLayer &) const = default;
};

struct TProjectContents {
  TDisplaySettings Display;
  TFrameSettings Frame;
  TCalcSettings Calc;
  TBounds Bounds;
  std::vector<TProjectLayer> Layers;
  bool operator==(const TProjectContents &) const = default;
};

// How far a read got: the values before the first bad one are in contents.
// A setting of lines 1 to 12 not reached keeps the value contents came with;
// the bounds are taken only once all four are read, and a layer only whole.
struct TProjectRead {
  int SettingsRead = 0;  // lines 1 to 12
  bool BoundsRead = false;
  // Whether the read got into the lines of each group of settings.
  bool ReachedDisplay() const { return SettingsRead > 0; }
  bool ReachedFrame() const { return SettingsRead > 7; }
  bool ReachedCalc() const { return SettingsRead > 9; }
  std::string Error;  // the text the user is shown; empty when the whole file was read
};

// Reads the 17 + 5n lines of a project file into contents, stopping at the
// first value that cannot be read.
TProjectRead ReadProjectContents(const std::string &bytes, TProjectContents &contents);

// The file's bytes: single-byte text, CR LF line ends, reals in the 23-character
// form, colours as identifiers or "$" and 8 hexadecimal digits.
std::string ProjectContentsBytes(const TProjectContents &contents);

#endif
