#ifndef LUMOPLOT_MODEL_PROJECTREADER_H
#define LUMOPLOT_MODEL_PROJECTREADER_H

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "colortable.h"

// A value line of a project file that cannot be read; the text is the one the
// user is shown.
class TProjectFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads the values of a project file one after another. A number skips
// blanks and line ends before it and the rest of its line after it; a missing
// number reads as 0 and a missing text as empty. Lines end at LF or CR LF.
class TProjectReader {
 public:
  explicit TProjectReader(std::string bytes);

  int32_t ReadInteger();
  bool ReadBoolean();
  long double ReadReal();
  // The whole next line without its line end.
  std::string ReadText();
  // A colour identifier in any case, or an integer as ReadInteger takes it.
  TColor ReadColor();

 private:
  // Up to maxLength characters up to the next blank or control character.
  std::string ReadToken(std::size_t maxLength);
  void SkipRestOfLine();

  std::string bytes_;
  std::size_t pos_ = 0;
};

// A line as an error text quotes it: control characters and NUL as \xNN,
// and no more than its first 256 characters.
std::string QuotedLine(std::string_view line);

// Integer text: an optional sign, then decimal digits or hexadecimal digits
// after "$", "x" or "0x"; false when the text is none of these or out of range.
bool ParseProjectInteger(const std::string &text, int32_t &value);

#endif
