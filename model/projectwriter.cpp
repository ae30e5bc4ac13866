#include "projectwriter.h"

#include "decimaltext.h"

void TProjectWriter::WriteInteger(int32_t value) { WriteText(std::to_string(value)); }
void TProjectWriter::WriteBoolean(bool value) { WriteInteger(value ? 1 : 0); }
void TProjectWriter::WriteReal(long double value) { WriteText(ProjectRealText(value)); }
void TProjectWriter::WriteColor(TColor color) { WriteText(ColorText(color)); }

void TProjectWriter::WriteText(const std::string &text) {
  bytes_ += text;
  bytes_ += "\r\n";
}
