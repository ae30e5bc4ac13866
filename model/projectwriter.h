#ifndef LUMOPLOT_MODEL_PROJECTWRITER_H
#define LUMOPLOT_MODEL_PROJECTWRITER_H

#include <cstdint>
#include <string>

#include "colortable.h"

// Writes the values of a project file, one a line, each line ended by CR LF.
class TProjectWriter {
 public:
  void WriteInteger(int32_t value);
  void WriteBoolean(bool value);
  void WriteReal(long double value);
  void WriteText(const std::string &text);
  void WriteColor(TColor color);

  const std::string &Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

#endif
