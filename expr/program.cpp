#include "program.h"

#include <algorithm>

#include "characters.h"
#include "evaluator.h"
#include "zeval.h"

namespace zeval {

using Shape = Program::Shape;

namespace {}  // namespace

// Builds the program from what the reader reads. A stack of compile-time
// entries tells for each pending operand whether it is a known constant (no
// code emitted) or a computed value (its code already emitted).
class ProgramBuilder final : public GroupSink {
 public:
  explicit ProgramBuilder(Program &program) : program_(program) {}

  void Number(long double value) override {
    NoteLeaf(Program::Leaf::Number);
    entries_.push_back({true, value});
  }

  void Variable() override {
    NoteLeaf(Program::Leaf::Variable);
    program_.usesX_ = true;
    Emit({Shape::PushX});
    entries_.push_back({false, 0});
    Grow(1);
  }

  void Fail(std::uint8_t code) override {
    NoteLeaf(Program::Leaf::Unreadable);
    EmitFail(code);
  }

  void Call(Function function) override {
    if (function == Function::Unknown) return EmitFail(kZevalUnreadableNumeral);
    Entry &argument = entries_.back();
    if (argument.isConst) {
      Fold(ApplyFunction(function, argument.value, foldError_), argument);
      return;
    }
    EmitOnTop({Shape::Call, 0, function});
  }

  void Binary(char op) override {
    if (!IsOperator(op)) return EmitFail(kZevalUnreadableNumeral);
    const Entry right = entries_.back();
    entries_.pop_back();
    Entry &left = entries_.back();
    if (left.isConst && right.isConst) {
      Fold(ApplyBinary(op, left.value, right.value, foldError_), left);
    } else if (right.isConst) {
      EmitWithConstRight(op, right.value);
      left.isConst = false;
    } else if (left.isConst) {
      EmitWithConstLeft(op, left.value);
      left.isConst = false;
    } else {
      EmitBinary(op);
    }
  }

  void Finish() {
    if (!failed_ && entries_.back().isConst) Push(entries_.back().value);
  }

 private:
  struct Entry {
    bool isConst;
    long double value;
  };

  void NoteLeaf(Program::Leaf leaf) {
    if (leaves_++ == 0) program_.firstLeaf_ = leaf;
  }

  // Reading has stopped at an operation that always fails: nothing after it runs.
  void EmitFail(std::uint8_t code) {
    Emit({Shape::Fail, 0, Function::Unknown, code});
    Grow(1);
    failed_ = true;
  }

  void Emit(Program::Instruction instruction) { program_.code_.push_back(instruction); }

  // A step on the stack top; when that top is x just pushed, the step fetches x itself.
  void EmitOnTop(Program::Instruction instruction) {
    Program::Instruction &last = program_.code_.back();
    if (last.shape == Shape::PushX) {
      instruction.pushX = true;
      last = instruction;
      return;
    }
    Emit(instruction);
  }

  void Grow(std::size_t by) {
    depth_ += by;
    program_.maxDepth_ = std::max(program_.maxDepth_, depth_);
  }

  void Push(long double value) {
    Emit({Shape::PushConst, 0, Function::Unknown, 0, 0, value});
    Grow(1);
  }

  // A constant result, or an instruction that fails where the group would.
  void Fold(long double value, Entry &entry) {
    if (foldError_ == 0) {
      entry.value = value;
      return;
    }
    Emit({Shape::Fail, 0, Function::Unknown, foldError_});
    foldError_ = 0;
    entry.isConst = false;
    Grow(1);
  }

  void EmitWithConstRight(char op, long double c) {
    if (op == '^' && c == std::trunc(c) && c >= INT32_MIN && c <= INT32_MAX) {
      EmitOnTop({Shape::Power, op, Function::Unknown, 0, static_cast<std::int32_t>(c)});
      return;
    }
    EmitOnTop({Shape::ConstRight, op, Function::Unknown, 0, 0, c});
  }

  void EmitWithConstLeft(char op, long double c) { EmitOnTop({Shape::ConstLeft, op, Function::Unknown, 0, 0, c}); }

  void EmitBinary(char op) {
    Program::Instruction &last = program_.code_.back();
    if (last.shape == Shape::PushX) {
      last = {Shape::XRight, op};
    } else {
      Emit({Shape::Both, op});
    }
    --depth_;
  }

  Program &program_;
  std::vector<Entry> entries_;
  std::uint8_t foldError_ = 0;
  std::size_t depth_ = 0;
  std::size_t leaves_ = 0;
  bool failed_ = false;
};

bool Program::Compile(std::string_view normalized, char mark, Underscore underscore, Program &program) {
  program = Program();
  ProgramBuilder builder(program);
  if (!ReadGroups(normalized, mark, underscore, builder)) return false;
  builder.Finish();
  return true;
}

}  // namespace zeval

namespace zeval {

// The first operand read is a numeral, or the x marker holding the abscissa's
// text: the numeral alone, or "0-" and the numeral, whose "0" always reads.
long double Program::FirstLeafOnly(long double x, std::uint8_t xError, std::uint8_t &error) const {
  if (firstLeaf_ == Leaf::Unreadable || (firstLeaf_ == Leaf::Variable && xError && !std::signbit(x)))
    error = kZevalUnreadableNumeral;
  return 0;
}

// Every step before the first that reads x has constant operands, so only a
// folded failure can come first.
std::uint8_t Program::WithUnreadableX(std::uint8_t xError) const {
  for (const Instruction &in : code_) {
    if (in.shape == Shape::Fail) return in.code;
    if (in.pushX || in.shape == Shape::PushX || in.shape == Shape::XRight) break;
  }
  return xError;
}

namespace {

// A step that may hand its error byte to a function out of line gets a byte of
// its own, so that the run's byte can stay in a register.
template <typename Step>
inline long double Escaping(std::uint8_t &error, Step step) {
  std::uint8_t own = 0;
  const long double value = step(own);
  error = own;
  return value;
}

}  // namespace

// The steps, with the top of the stack in a local and the values below it in memory;
// inlined into the sampling loop, where a call per sample costs a third of a cheap
// expression's time.
[[gnu::always_inline]] inline long double Program::Execute(long double x, long double *below,
                                                           std::uint8_t &result) const {
  std::uint8_t error = 0;
  long double top = 0;
  for (const Instruction &in : code_) {
    if (in.pushX) {
      *++below = top;
      top = x;
    }
    switch (in.shape) {
      case Shape::PushConst:
        *++below = top;
        top = in.c;
        break;
      case Shape::PushX:
        *++below = top;
        top = x;
        break;
      case Shape::Fail:
        result = in.code;
        return 0;
      case Shape::Both:
        top = ApplyBinary(in.op, *below--, top, error);
        break;
      case Shape::ConstRight:
        top = ApplyBinary(in.op, top, in.c, error);
        break;
      case Shape::ConstLeft:
        top = ApplyBinary(in.op, in.c, top, error);
        break;
      case Shape::XRight:
        top = ApplyBinary(in.op, top, x, error);
        break;
      case Shape::Power:
        top = Escaping(error, [&](std::uint8_t &e) { return IntPower(top, in.n, e); });
        break;
      case Shape::Call:
        top = Escaping(error, [&](std::uint8_t &e) { return ApplyFunction(in.function, top, e); });
        break;
    }
    if (error) {
      result = error;
      return 0;
    }
  }
  return top;
}

long double Program::Run(long double x, std::uint8_t xError, std::uint8_t &error) const {
  if (error) return FirstLeafOnly(x, xError, error);
  if (xError && usesX_) {
    error = WithUnreadableX(xError);
    return 0;
  }
  if (stack_.size() < maxDepth_ + 1) stack_.resize(maxDepth_ + 1);
  return Execute(x, stack_.data(), error);
}

void Program::RunOver(long double *values, unsigned char *errors, std::int32_t count) const {
  if (stack_.size() < maxDepth_ + 1) stack_.resize(maxDepth_ + 1);
  long double *const stack = stack_.data();
  for (std::int32_t i = 0; i < count; ++i) {
    const long double x = values[i];
    if (errors[i] == 0 && !IsFault(x))
      values[i] = Execute(x, stack, errors[i]);
    else
      values[i] = Run(x, IsFault(x) ? kZevalUnreadableNumeral : 0, errors[i]);
  }
}

}  // namespace zeval
