#include "parser.h"

#include <array>
#include <vector>

#include "number_text.h"

namespace zeval {

namespace {

constexpr std::array<std::string_view, 17> kFunctionNames = {
    "sin", "cos", "tg", "ctg", "sh", "ch", "th", "cth", "sec",
    "cosec", "ln", "trunc", "round", "abs", "sqrt", "sqr", "exp"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return c >= 'a' && c <= 'z'; }
bool IsOperator(char c) {
  return c == '+' || c == '-' || c == '*' || c == '/' || c == '^';
}

bool FindFunction(std::string_view name, Function &function) {
  for (std::size_t i = 0; i < kFunctionNames.size(); ++i)
    if (kFunctionNames[i] == name) {
      function = static_cast<Function>(i);
      return true;
    }
  return false;
}

// One open group, or a call waiting for its argument group.
struct Frame {
  bool isCall;
  bool hasOperator;
  char op;
  Function function;
};

class Walker {
 public:
  Walker(std::string_view text, char mark, GroupSink *sink) : text_(text), mark_(mark), sink_(sink) {}

  std::uint8_t Run() {
    OpenGroup();
    while (!frames_.empty()) {
      if (const std::uint8_t error = ReadOperand()) return error;
      if (const std::uint8_t error = CloseOperands()) return error;
    }
    return 0;
  }

 private:
  char At(std::size_t i) const { return i < text_.size() ? text_[i] : '\0'; }

  void OpenGroup() { frames_.push_back({false, false, 0, Function::Sin}); }

  // operand = "(" group | numeral | "_" | name "(" group; opens groups as it goes
  // and returns once a complete operand (numeral or variable) has been read.
  std::uint8_t ReadOperand() {
    for (;;) {
      const char c = At(pos_);
      if (c == '(') {
        ++pos_;
        OpenGroup();
      } else if (IsLetter(c)) {
        if (const std::uint8_t error = OpenCall()) return error;
      } else if (IsDigit(c)) {
        return ReadNumeral();
      } else if (c == '_') {
        ++pos_;
        if (sink_) sink_->Variable();
        return 0;
      } else {
        return 24;
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
    if (!ReadNumber(text_.substr(start, pos_ - start), mark_, value)) return 27;
    if (sink_) sink_->Number(value);
    return 0;
  }

  std::uint8_t OpenCall() {
    const std::size_t start = pos_;
    while (IsLetter(At(pos_))) ++pos_;
    Function function;
    if (!FindFunction(text_.substr(start, pos_ - start), function)) return 25;
    if (At(pos_) != '(') return 26;
    ++pos_;
    frames_.push_back({true, false, 0, function});
    OpenGroup();
    return 0;
  }

  // An operand is complete: finish every group and call it completes, until one
  // needs a second operand (back to ReadOperand) or the outermost group is done.
  std::uint8_t CloseOperands() {
    while (!frames_.empty()) {
      Frame &frame = frames_.back();
      if (frame.isCall) {
        if (sink_) sink_->Call(frame.function);
        frames_.pop_back();
        continue;
      }
      if (frame.hasOperator) {
        ++pos_;  // the group's closing character, whatever it is
        if (sink_) sink_->Binary(frame.op);
        frames_.pop_back();
        continue;
      }
      const char c = At(pos_);
      if (c == ')') {
        ++pos_;
        frames_.pop_back();
        continue;
      }
      if (!IsOperator(c)) return 23;
      ++pos_;
      frame.hasOperator = true;
      frame.op = c;
      return 0;
    }
    return 0;
  }

  std::string_view text_;
  char mark_;
  GroupSink *sink_;
  std::size_t pos_ = 0;
  std::vector<Frame> frames_;
};

}  // namespace

std::uint8_t WalkGroups(std::string_view text, char mark, GroupSink *sink) {
  return Walker(text, mark, sink).Run();
}

}  // namespace zeval

#include <string>

#include "normalizer.h"

namespace zeval {

namespace {

bool IsAllowedCharacter(char c) {
  return (c >= '(' && c <= '9') || c == '^' || (c >= 'a' && c <= 'z');
}

bool Balanced(std::string_view text) {
  long depth = 0;
  for (std::size_t i = 0; i + 1 < text.size() && depth >= 0; ++i) {
    if (text[i] == '(') ++depth;
    else if (text[i] == ')') --depth;
  }
  return depth == 0;
}

}  // namespace

std::uint8_t CheckNormalizedText(std::string_view normalized, char mark) {
  std::string text(normalized);
  for (std::size_t at = text.find(kXMarker); at != std::string::npos; at = text.find(kXMarker, at + 3))
    text[at + 1] = '0';
  for (char c : text)
    if (!IsAllowedCharacter(c)) return 21;
  if (!Balanced(text)) return 22;
  return WalkGroups(text, mark, nullptr);
}

std::uint8_t CheckExpressionText(std::string_view raw, char mark) {
  if (raw.find(kXMarker) != std::string_view::npos) return 21;
  std::string text(raw);
  if (const std::uint8_t error = NormalizeExpression(text, mark)) return error;
  return CheckNormalizedText(text, mark);
}

}  // namespace zeval
