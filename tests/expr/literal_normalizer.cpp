#include "literal_normalizer.h"

#include <string_view>

#include "normalizer.h"
#include "number_text.h"

namespace literal {

using zeval::FormatGeneral;
using zeval::kXMarker;

namespace {

constexpr std::uint8_t kUnmatched = 11;
constexpr long double kPi = 3.14159265358979L;
constexpr long double kE = 2.71828182845905L;

bool IsLetter(char c) { return c >= 'a' && c <= 'z'; }

void LowerCase(std::string &text) {
  for (char &c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
}

void RemoveBlanks(std::string &text) { std::erase(text, ' '); }

// Both marks become the locale's when it is "."; otherwise both become ",".
void UnifyDecimalMarks(std::string &text, char mark) {
  const char unified = FormatGeneral(1.1L, mark).find('.') != std::string::npos ? '.' : ',';
  for (char &c : text)
    if (c == ',' || c == '.') c = unified;
}

// Finds the start of the operand left of the operator at i: the position of the
// "(" or stop that bounds it. Returns false when the scan leaves the text.
bool ScanLeft(const std::string &text, std::size_t i, std::string_view stops, std::size_t &j) {
  int depth = 0;
  for (std::size_t k = i; k-- > 0;) {
    const char c = text[k];
    if ((c == '(' || stops.find(c) != std::string_view::npos) && depth <= 0) {
      j = k;
      return true;
    }
    if (c == ')')
      ++depth;
    else if (c == '(')
      --depth;
  }
  return false;
}

bool ScanRight(const std::string &text, std::size_t i, std::string_view stops, std::size_t &k) {
  int depth = 0;
  for (k = i + 1; k < text.size(); ++k) {
    const char c = text[k];
    if ((c == ')' || stops.find(c) != std::string_view::npos) && depth <= 0) return true;
    if (c == '(')
      ++depth;
    else if (c == ')')
      --depth;
  }
  return false;
}

// Encloses every operator of the given set, with its two operands, in a group
// of its own.
std::uint8_t BracketPass(std::string &text, std::string_view operators, std::string_view stops) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (operators.find(text[i]) == std::string_view::npos) continue;
    std::size_t j, k;
    if (!ScanLeft(text, i, stops, j) || !ScanRight(text, i, stops, k)) return kUnmatched;
    if (text[j] == '(' && text[k] == ')') continue;
    text.insert(k, 1, ')');
    text.insert(j + 1, 1, '(');
  }
  return 0;
}

void InsertUnaryZeros(std::string &text) {
  for (std::size_t at = text.find("(-"); at != std::string::npos; at = text.find("(-", at + 2))
    text.insert(at + 1, 1, '0');
}

// Replaces every standalone occurrence of name (no lower-case letter on either side).
void ReplaceName(std::string &text, std::string_view name, const std::string &replacement) {
  for (std::size_t at = text.find(name); at != std::string::npos;) {
    const bool letterBefore = at > 0 && IsLetter(text[at - 1]);
    const std::size_t after = at + name.size();
    const bool letterAfter = after < text.size() && IsLetter(text[after]);
    std::size_t next = after;
    if (!letterBefore && !letterAfter) {
      text.replace(at, name.size(), replacement);
      next = at + replacement.size();
    }
    at = text.find(name, next);
  }
}

void ReplaceNames(std::string &text, char mark) {
  ReplaceName(text, "pi", "(" + FormatGeneral(kPi, mark) + ")");
  ReplaceName(text, "e", "(" + FormatGeneral(kE, mark) + ")");
  ReplaceName(text, "x", kXMarker);
}

}  // namespace

std::uint8_t NormalizeExpression(std::string &text, char mark) {
  LowerCase(text);
  RemoveBlanks(text);
  UnifyDecimalMarks(text, mark);
  text = "(" + text + "))";
  for (auto [operators, stops] : {std::pair{"+-", "+-"}, {"*/", "+-*/"}, {"^", "+-*/^"}})
    if (BracketPass(text, operators, stops)) return kUnmatched;
  InsertUnaryZeros(text);
  ReplaceNames(text, mark);
  return 0;
}

}  // namespace literal
