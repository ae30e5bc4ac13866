#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "functions.h"
#include "reader.h"

namespace zeval {

// A normalised expression turned once into a postfix program, so that sampling
// costs one pass over a few instructions per abscissa instead of text work.
// Operands and operations run in the order evaluation reads them and every step
// applies the same arithmetic as a walk over the text; constant groups are
// computed while compiling, and a constant group that fails, like a place where
// reading fails, becomes an instruction that reports its code at the same place.
class Program {
 public:
  // What a step reads and writes on the value stack.
  enum class Shape : std::uint8_t {
    PushConst,   // -> c
    PushX,       // -> x
    Fail,        // reports its code
    Both,        // a b -> a op b
    ConstRight,  // a -> a op c
    ConstLeft,   // b -> c op b
    XRight,      // a -> a op x
    Power,       // a -> a^n, n a whole constant
    Call,        // a -> f(a)
  };

  struct Instruction {
    Shape shape;
    char op = 0;
    Function function = Function::Unknown;
    std::uint8_t code = 0;
    std::int32_t n = 0;
    long double c = 0;
    // Push x first: a step on x itself needs no instruction of its own to fetch it.
    bool pushX = false;
  };

  // Compiles any normalised text as ReadGroups reads it; false when a "_" cannot
  // be read that way (see Underscore).
  static bool Compile(std::string_view normalized, char mark, Underscore underscore, Program &program);

  // The value at x; xError is the code that reading x's text gives (0 when it
  // reads). Sets error on the first failing step and then returns an undefined
  // value. An error set on entry stops the run once the first operand is read:
  // it stays, unless reading that operand fails.
  long double Run(long double x, std::uint8_t xError, std::uint8_t &error) const;

  // Run over many abscissas, each replaced by its value: a value that is not
  // finite stands for an abscissa whose text cannot be read (31); errors[i] is
  // the error byte of values[i].
  void RunOver(long double *values, unsigned char *errors, std::int32_t count) const;

  bool UsesX() const { return usesX_; }

 private:
  friend class ProgramBuilder;
  // What the first operand that evaluation reads is.
  enum class Leaf : std::uint8_t { Number, Variable, Unreadable };

  long double FirstLeafOnly(long double x, std::uint8_t xError, std::uint8_t &error) const;
  // The code of a run whose x cannot be read: that of a failure before the
  // first step that reads x, or else the reading's.
  std::uint8_t WithUnreadableX(std::uint8_t xError) const;
  long double Execute(long double x, long double *below, std::uint8_t &error) const;

  std::vector<Instruction> code_;
  std::size_t maxDepth_ = 0;
  mutable std::vector<long double> stack_;
  bool usesX_ = false;
  Leaf firstLeaf_ = Leaf::Number;
};

}  // namespace zeval
