#include "projectreader.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

constexpr std::size_t kIntegerLength = 32;
constexpr std::size_t kRealLength = 64;
const char *const kInvalidNumber = "Invalid numeric input";

bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::size_t HexPrefix(const std::string &text, std::size_t at) {
  if (text.compare(at, 1, "$") == 0 || text.compare(at, 1, "x") == 0 || text.compare(at, 1, "X") == 0) return 1;
  if (text.compare(at, 2, "0x") == 0 || text.compare(at, 2, "0X") == 0) return 2;
  return 0;
}

// Decimal within the 32-bit range; hexadecimal of at most 8 digits, taken as
// the 32-bit pattern it spells.
bool ParseMagnitude(const std::string &text, std::size_t at, bool negative, int32_t &value) {
  const std::size_t prefix = HexPrefix(text, at);
  const std::size_t start = at + prefix;
  if (start == text.size()) return false;
  long long magnitude = 0;
  for (std::size_t i = start; i < text.size(); ++i) {
    const int digit = prefix ? HexDigit(text[i]) : (IsDigit(text[i]) ? text[i] - '0' : -1);
    if (digit < 0 || i - start >= (prefix ? 8u : 10u)) return false;
    magnitude = magnitude * (prefix ? 16 : 10) + digit;
  }
  if (prefix)
    magnitude = static_cast<int32_t>(static_cast<uint32_t>(magnitude));
  else if (magnitude > (negative ? 2147483648LL : 2147483647LL))
    return false;
  value = static_cast<int32_t>(negative ? -magnitude : magnitude);
  return true;
}

// An optional sign, digits with an optional ".", an optional exponent.
bool IsDecimalNumber(const std::string &text) {
  std::size_t i = 0, digits = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  for (; i < text.size() && IsDigit(text[i]); ++i) ++digits;
  if (i < text.size() && text[i] == '.')
    for (++i; i < text.size() && IsDigit(text[i]); ++i) ++digits;
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i == start) return false;
  }
  return i == text.size();
}

}  // namespace

bool ParseProjectInteger(const std::string &text, int32_t &value) {
  std::size_t at = 0;
  while (at < text.size() && text[at] == ' ') ++at;
  const bool negative = at < text.size() && text[at] == '-';
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
  return ParseMagnitude(text, at, negative, value);
}

TProjectReader::TProjectReader(std::string bytes) : bytes_(std::move(bytes)) {}

std::string TProjectReader::ReadToken(std::size_t maxLength) {
  while (pos_ < bytes_.size() && IsSeparator(bytes_[pos_])) ++pos_;
  const std::size_t start = pos_;
  while (pos_ < bytes_.size() && !IsSeparator(bytes_[pos_]) && pos_ - start < maxLength) ++pos_;
  return bytes_.substr(start, pos_ - start);
}

void TProjectReader::SkipRestOfLine() {
  const std::size_t end = bytes_.find('\n', pos_);
  pos_ = end == std::string::npos ? bytes_.size() : end + 1;
}

int32_t TProjectReader::ReadInteger() {
  const std::string token = ReadToken(kIntegerLength);
  SkipRestOfLine();
  int32_t value = 0;
  if (!token.empty() && !ParseProjectInteger(token, value)) throw TProjectFileError(kInvalidNumber);
  return value;
}

bool TProjectReader::ReadBoolean() { return ReadInteger() != 0; }

long double TProjectReader::ReadReal() {
  const std::string token = ReadToken(kRealLength);
  SkipRestOfLine();
  if (token.empty()) return 0;
  if (!IsDecimalNumber(token)) throw TProjectFileError(kInvalidNumber);
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  errno = 0;
  const long double value = strtold_l(token.c_str(), nullptr, cLocale);
  if (errno == ERANGE && std::isinf(value)) throw TProjectFileError(kInvalidNumber);
  return value;
}

std::string TProjectReader::ReadText() {
  const std::size_t end = bytes_.find('\n', pos_);
  std::string line = bytes_.substr(pos_, end == std::string::npos ? std::string::npos : end - pos_);
  pos_ = end == std::string::npos ? bytes_.size() : end + 1;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

TColor TProjectReader::ReadColor() {
  const std::string line = ReadText();
  if (const auto color = ColorOfIdentifier(line)) return *color;
  int32_t value = 0;
  if (!ParseProjectInteger(line, value))
    throw TProjectFileError("'" + QuotedLine(line) + "' is not a valid integer value");
  return static_cast<TColor>(value);
}

std::string QuotedLine(std::string_view line) {
  constexpr std::size_t kShownLength = 256;
  std::string quoted;
  for (unsigned char c : line.substr(0, kShownLength)) {
    if (c >= ' ' && c != 0x7F) {
      quoted += static_cast<char>(c);
      continue;
    }
    static const char kHex[] = "0123456789ABCDEF";
    quoted += "\\x";
    quoted += kHex[c >> 4];
    quoted += kHex[c & 15];
  }
  if (line.size() > kShownLength) quoted += "...";
  return quoted;
}
