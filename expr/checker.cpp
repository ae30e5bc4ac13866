#include "checker.h"

#include <string>
#include <vector>

#include "characters.h"
#include "functions.h"
#include "normalizer.h"
#include "number_text.h"
#include "zeval.h"

namespace zeval {

namespace {

bool IsAllowedCharacter(char c) { return (c >= '(' && c <= '9') || c == '^' || IsLetter(c); }

// Parentheses over every character but the terminator; a count that goes
// below zero stops there.
bool Balanced(std::string_view text) {
  long depth = 0;
  for (std::size_t i = 0; i + 1 < text.size() && depth >= 0; ++i) {
    if (text[i] == '(')
      ++depth;
    else if (text[i] == ')')
      --depth;
  }
  return depth == 0;
}

// Walks the groups from the first character: each group is an operand and
// ")", or an operand, an operator, an operand and one more character stepped
// over unseen. A stack of open groups instead of recursion, so that nesting
// depth is limited only by memory.
class CheckWalker {
 public:
  CheckWalker(std::string_view text, char mark) : text_(text), mark_(mark) {}

  std::uint8_t Run() {
    groups_.push_back(false);
    while (!groups_.empty()) {
      if (const std::uint8_t error = ReadOperand()) return error;
      if (const std::uint8_t error = CloseGroups()) return error;
    }
    return kZevalOk;
  }

 private:
  char At(std::size_t i) const { return i < text_.size() ? text_[i] : '\0'; }

  // operand = "(" group | numeral | name "(" group; opens groups as it goes and
  // returns once a numeral has been read.
  std::uint8_t ReadOperand() {
    for (;;) {
      const char c = At(pos_);
      if (c == '(') {
        ++pos_;
        groups_.push_back(false);
      } else if (IsLetter(c)) {
        if (const std::uint8_t error = OpenCall()) return error;
      } else if (IsDigit(c)) {
        return ReadNumeral();
      } else {
        return kZevalOperandExpected;
      }
    }
  }

  // numeral = digits [mark digits]
  std::uint8_t ReadNumeral() {
    const std::size_t start = pos_;
    while (IsDigit(At(pos_))) ++pos_;
    if (At(pos_) == ',' || At(pos_) == '.') {
      ++pos_;
      while (IsDigit(At(pos_))) ++pos_;
    }
    long double value;
    return ReadNumber(text_.substr(start, pos_ - start), mark_, value) ? kZevalOk : kZevalUncheckableNumeral;
  }

  // A call's argument group is checked like any group; the call adds nothing after it.
  std::uint8_t OpenCall() {
    const std::size_t start = pos_;
    while (IsLetter(At(pos_))) ++pos_;
    if (FunctionNamed(text_.substr(start, pos_ - start)) == Function::Unknown) return kZevalUnknownName;
    if (At(pos_) != '(') return kZevalCallExpected;
    ++pos_;
    groups_.push_back(false);
    return kZevalOk;
  }

  // An operand is complete: close every group it completes, until one needs
  // its second operand or the outermost group is done.
  std::uint8_t CloseGroups() {
    while (!groups_.empty()) {
      if (groups_.back()) {
        ++pos_;  // whatever stands after the second operand
        groups_.pop_back();
        continue;
      }
      const char c = At(pos_);
      if (c == ')') {
        ++pos_;
        groups_.pop_back();
        continue;
      }
      if (!IsOperator(c)) return kZevalOperatorExpected;
      ++pos_;
      groups_.back() = true;
      return kZevalOk;
    }
    return kZevalOk;
  }

  std::string_view text_;
  char mark_;
  std::size_t pos_ = 0;
  std::vector<bool> groups_;  // per open group: whether its operator has been read
};

}  // namespace

std::uint8_t CheckNormalizedText(std::string_view normalized, char mark) {
  std::string text(normalized);
  for (std::size_t at = text.find(kXMarker); at != std::string::npos; at = text.find(kXMarker, at + 3))
    text[at + 1] = '0';
  for (char c : text)
    if (!IsAllowedCharacter(c)) return kZevalBadCharacter;
  if (!Balanced(text)) return kZevalUnbalanced;
  return CheckWalker(text, mark).Run();
}

std::uint8_t CheckExpressionText(std::string_view raw, char mark) {
  if (raw.find(kXMarker) != std::string_view::npos) return kZevalBadCharacter;
  std::string text(raw);
  if (const std::uint8_t error = NormalizeExpression(text, mark)) return error;
  return CheckNormalizedText(text, mark);
}

}  // namespace zeval
