#include "projectfile.h"

#include "projectreader.h"
#include "projectwriter.h"

namespace {

// Above this a layer would not fit in memory; a file asking for it is broken.
constexpr int32_t kMaxPointCount = 10'000'000;

// Lines 1 to 12, each read straight into its place; read counts them.
void ReadSettings(TProjectReader &in, TProjectContents &contents, TProjectRead &read) {
  TDisplaySettings &d = contents.Display;
  const auto next = [&read](auto &field, auto value) {
    field = value;
    ++read.SettingsRead;
  };
  next(d.DrawSecondAxes, in.ReadBoolean());
  next(d.GridShown, in.ReadBoolean());
  next(d.AxisColor, in.ReadColor());
  next(d.GridColor, in.ReadColor());
  next(d.LabelColor, in.ReadColor());
  next(d.BackBottomColor, in.ReadColor());
  next(d.BackTopColor, in.ReadColor());
  next(contents.Frame.Width, in.ReadInteger());
  next(contents.Frame.Color, in.ReadColor());
  next(contents.Calc.Digits, in.ReadInteger());
  next(contents.Calc.Precision, in.ReadInteger());
  next(contents.Calc.Format, static_cast<uint8_t>(in.ReadInteger()));
}

void ReadBounds(TProjectReader &in, TProjectContents &contents, TProjectRead &read) {
  TBounds b;
  b.MinX = in.ReadReal();
  b.MinY = in.ReadReal();
  b.MaxX = in.ReadReal();
  b.MaxY = in.ReadReal();
  contents.Bounds = b;
  read.BoundsRead = true;
}

// A layer's five lines are read before it is kept, so a layer is whole or missing.
TProjectLayer ReadLayer(TProjectReader &in) {
  TProjectLayer layer;
  layer.Expression = in.ReadText();
  layer.PointCount = in.ReadInteger();
  layer.Visible = in.ReadBoolean();
  layer.Style.Color = in.ReadColor();
  layer.Style.Width = in.ReadInteger();
  if (layer.PointCount > kMaxPointCount) throw TProjectFileError("Invalid numeric input");
  return layer;
}

}  // namespace

TProjectRead ReadProjectContents(const std::string &bytes, TProjectContents &contents) {
  TProjectRead read;
  contents.Bounds = {};
  contents.Layers.clear();
  TProjectReader in(bytes);
  try {
    ReadSettings(in, contents, read);
    ReadBounds(in, contents, read);
    const int32_t count = in.ReadInteger();
    for (int32_t i = 0; i < count; ++i) contents.Layers.push_back(ReadLayer(in));
  } catch (const TProjectFileError &error) {
    read.Error = error.what();
  }
  return read;
}

std::string ProjectContentsBytes(const TProjectContents &contents) {
  TProjectWriter out;
  const TDisplaySettings &d = contents.Display;
  out.WriteBoolean(d.DrawSecondAxes);
  out.WriteBoolean(d.GridShown);
  for (TColor color : {d.AxisColor, d.GridColor, d.LabelColor, d.BackBottomColor, d.BackTopColor})
    out.WriteColor(color);
  out.WriteInteger(contents.Frame.Width);
  out.WriteColor(contents.Frame.Color);
  out.WriteInteger(contents.Calc.Digits);
  out.WriteInteger(contents.Calc.Precision);
  out.WriteInteger(contents.Calc.Format);
  const TBounds &b = contents.Bounds;
  for (long double bound : {b.MinX, b.MinY, b.MaxX, b.MaxY}) out.WriteReal(bound);
  out.WriteInteger(static_cast<int32_t>(contents.Layers.size()));
  for (const TProjectLayer &layer : contents.Layers) {
    out.WriteText(layer.Expression);
    out.WriteInteger(layer.PointCount);
    out.WriteBoolean(layer.Visible);
    out.WriteColor(layer.Style.Color);
    out.WriteInteger(layer.Style.Width);
  }
  return out.Bytes();
}
