#pragma once

#include <cstdint>
#include <string_view>

namespace zeval {

enum class Function : std::uint8_t {
  Sin, Cos, Tg, Ctg, Sh, Ch, Th, Cth, Sec, Cosec, Ln, Trunc, Round, Abs, Sqrt, Sqr, Exp
};

// Receives the operands and operations of a normalised text in evaluation order
// (postfix): both operands of a group before its operator, a call's argument
// before the call.
class GroupSink {
 public:
  virtual ~GroupSink() = default;
  virtual void Number(long double value) = 0;
  virtual void Variable() = 0;
  virtual void Call(Function function) = 0;
  virtual void Binary(char op) = 0;
};

// Walks the groups of a normalised text from its first character: each group is
// an operand and ")", or an operand, an operator, an operand and one more
// character. Returns 0 or the syntax code (23 to 27) of the first fault; what
// follows the outermost group is not looked at. "_" reads as the variable.
// Works without recursion, so nesting depth is limited only by memory.
std::uint8_t WalkGroups(std::string_view text, char mark, GroupSink *sink);

}  // namespace zeval

namespace zeval {

// The syntax check of an already normalised text: the x markers read as 0, the
// character test (21), the parenthesis balance (22), then the group walk.
std::uint8_t CheckNormalizedText(std::string_view normalized, char mark);

// The whole check of a raw expression text: a literal x marker (21),
// normalisation (11), then the check above.
std::uint8_t CheckExpressionText(std::string_view raw, char mark);

}  // namespace zeval
