#pragma once

#include <cstdint>
#include <string_view>

#include "functions.h"

namespace zeval {

// Receives what the evaluation of a normalised text reads, in evaluation order
// (postfix): both operands of a group before its operator, a call's argument
// before the call.
class GroupSink {
 public:
  virtual ~GroupSink() = default;
  virtual void Number(long double value) = 0;
  virtual void Variable() = 0;
  // A function that is none of the language's comes as Function::Unknown.
  virtual void Call(Function function) = 0;
  // Any character stands where the operator is read, not only + - * / ^.
  virtual void Binary(char op) = 0;
  // Reading stops here with this code: a numeral the number reader rejects,
  // or a place where no operand can begin (the text's end included).
  virtual void Fail(std::uint8_t code) = 0;
};

// How a "_" in the text is read.
enum class Underscore {
  // A constant expression has no variable: "_" is a malformed operand.
  Malformed,
  // Sampling writes the abscissa's text over every "_". The x marker "(_)",
  // entered as a group, reads as the variable; any other "_" would merge
  // with the text around it differently for each abscissa, so reading stops
  // and reports false.
  Variable,
};

// Reads a normalised text the way evaluation walks it, from its first
// character, which it treats as the first operand of a group: "(" opens a
// nested group, a digit starts a numeral (the whole run of digits, "," and
// "."), a lower-case letter a call (the letters, one character stepped over
// unseen, then the argument group). After a first operand ")" closes the
// group; any other character is its operator, and one character is stepped
// over unseen after the second operand. Never reads outside the text; stops at
// the first Fail or at an operation that always fails. Works without recursion,
// so nesting depth is limited only by memory. False only for a "_" that
// Underscore::Variable cannot read.
bool ReadGroups(std::string_view text, char mark, Underscore underscore, GroupSink &sink);

}  // namespace zeval
