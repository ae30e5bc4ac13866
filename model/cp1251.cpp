#include "cp1251.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

// One conversion through iconv; false when the input holds a character the
// target cannot represent (or is not valid in the source).
bool Convert(const char *to, const char *from, std::string_view input, std::string &output) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert between the code pages");
  output.assign(input.size() * 4 + 4, '\0');
  char *in = const_cast<char *>(input.data());
  size_t inLeft = input.size();
  char *out = output.data();
  size_t outLeft = output.size();
  const bool ok = iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1);
  iconv_close(cd);
  output.resize(output.size() - outLeft);
  return ok;
}

}  // namespace

std::optional<std::string> Utf8ToCp1251(std::string_view utf8) {
  std::string result;
  if (!Convert("WINDOWS-1251", "UTF-8", utf8, result)) return std::nullopt;
  return result;
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
  std::string result;
  for (std::size_t start = 0; start <= cp1251.size();) {
    // 0x98 is the one unassigned byte; it must not end the conversion.
    const std::size_t hole = cp1251.find('\x98', start);
    const std::string_view part =
        cp1251.substr(start, hole == std::string_view::npos ? std::string_view::npos : hole - start);
    std::string converted;
    Convert("UTF-8", "WINDOWS-1251", part, converted);
    result += converted;
    if (hole == std::string_view::npos) break;
    result += "\xEF\xBF\xBD";
    start = hole + 1;
  }
  return result;
}
