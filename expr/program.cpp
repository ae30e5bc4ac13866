#include "program.h"

#include <algorithm>

#include "evaluator.h"
#include "zeval.h"

namespace zeval {

using Op = Program::Op;

namespace {

bool IsOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == '^'; }

}  // namespace

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
    Emit({Op::PushX});
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
    EmitOnTop({Op::Call, function});
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
    Emit({Op::Fail, Function::Sin, code});
    Grow(1);
    failed_ = true;
  }

  void Emit(Program::Instruction instruction) { program_.code_.push_back(instruction); }

  // A step on the stack top; when that top is x just pushed, the step fetches x itself.
  void EmitOnTop(Program::Instruction instruction) {
    Program::Instruction &last = program_.code_.back();
    if (last.op == Op::PushX) {
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
    Emit({Op::PushConst, Function::Sin, 0, 0, value});
    Grow(1);
  }

  // A constant result, or an instruction that fails where the group would.
  void Fold(long double value, Entry &entry) {
    if (foldError_ == 0) {
      entry.value = value;
      return;
    }
    Emit({Op::Fail, Function::Sin, foldError_});
    foldError_ = 0;
    entry.isConst = false;
    Grow(1);
  }

  void EmitWithConstRight(char op, long double c) {
    if (op == '^' && c == std::trunc(c) && c >= INT32_MIN && c <= INT32_MAX) {
      const auto n = static_cast<std::int32_t>(c);
      if (n == 2 || n == 3)
        EmitOnTop({n == 2 ? Op::Square : Op::Cube});
      else
        EmitOnTop({Op::PowInt, Function::Sin, 0, n});
      return;
    }
    const Op ops[] = {Op::AddC, Op::SubC, Op::MulC, Op::DivC, Op::PowC};
    EmitOnTop({ops[OperatorIndex(op)], Function::Sin, 0, 0, c});
  }

  void EmitWithConstLeft(char op, long double c) {
    // Sum and product are commutative in IEEE arithmetic, to the last bit.
    const Op ops[] = {Op::AddC, Op::RSubC, Op::MulC, Op::RDivC, Op::RPowC};
    EmitOnTop({ops[OperatorIndex(op)], Function::Sin, 0, 0, c});
  }

  void EmitBinary(char op) {
    const bool rightIsX = program_.code_.back().op == Op::PushX;
    if (rightIsX && op != '^') {
      const Op fused[] = {Op::AddX, Op::SubX, Op::MulX, Op::DivX};
      program_.code_.back().op = fused[OperatorIndex(op)];
    } else {
      const Op ops[] = {Op::Add, Op::Sub, Op::Mul, Op::Div, Op::Pow};
      Emit({ops[OperatorIndex(op)]});
    }
    --depth_;
  }

  static int OperatorIndex(char op) {
    switch (op) {
      case '+':
        return 0;
      case '-':
        return 1;
      case '*':
        return 2;
      case '/':
        return 3;
      default:
        return 4;
    }
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

namespace {

// Each step leaves its result in the cached stack top or reports the step's code.
inline bool Checked(long double &top, long double r, std::uint8_t &error) {
  top = r;
  if (IsFault(r)) {
    error = kZevalArithmeticFault;
    return false;
  }
  return true;
}

inline bool Divided(long double &top, long double a, long double b, std::uint8_t &error) {
  if (b == 0) {
    error = kZevalDivisionByZero;
    return false;
  }
  return Checked(top, a / b, error);
}

inline bool Applied(long double &top, long double r, const std::uint8_t &error) {
  top = r;
  return error == 0;
}

}  // namespace

// The first operand read is a numeral, or the x marker holding the abscissa's
// text: the numeral alone, or "0-" and the numeral, whose "0" always reads.
long double Program::FirstLeafOnly(long double x, std::uint8_t xError, std::uint8_t &error) const {
  if (firstLeaf_ == Leaf::Unreadable || (firstLeaf_ == Leaf::Variable && xError && !std::signbit(x)))
    error = kZevalUnreadableNumeral;
  return 0;
}

long double Program::Run(long double x, std::uint8_t xError, std::uint8_t &error) const {
  if (error) return FirstLeafOnly(x, xError, error);
  if (stack_.size() < maxDepth_ + 1) stack_.resize(maxDepth_ + 1);
  // The top of the stack lives in a local, the values below it in memory.
  long double *below = stack_.data();
  long double top = 0;
  for (const Instruction &in : code_) {
    if (in.pushX) {
      if (xError) {
        error = xError;
        return 0;
      }
      *++below = top;
      top = x;
    }
    bool ok = true;
    switch (in.op) {
      case Op::PushConst:
        *++below = top;
        top = in.c;
        break;
      case Op::PushX:
        if (xError) {
          error = xError;
          return 0;
        }
        *++below = top;
        top = x;
        break;
      case Op::Fail:
        error = in.code;
        return 0;
      case Op::Add:
        ok = Checked(top, *below-- + top, error);
        break;
      case Op::Sub:
        ok = Checked(top, *below-- - top, error);
        break;
      case Op::Mul:
        ok = Checked(top, *below-- * top, error);
        break;
      case Op::Div:
        ok = Divided(top, *below--, top, error);
        break;
      case Op::Pow:
        ok = Applied(top, Power(*below--, top, error), error);
        break;
      case Op::AddC:
        ok = Checked(top, top + in.c, error);
        break;
      case Op::SubC:
        ok = Checked(top, top - in.c, error);
        break;
      case Op::MulC:
        ok = Checked(top, top * in.c, error);
        break;
      case Op::DivC:
        ok = Divided(top, top, in.c, error);
        break;
      case Op::PowC:
        ok = Applied(top, Power(top, in.c, error), error);
        break;
      case Op::RSubC:
        ok = Checked(top, in.c - top, error);
        break;
      case Op::RDivC:
        ok = Divided(top, in.c, top, error);
        break;
      case Op::RPowC:
        ok = Applied(top, Power(in.c, top, error), error);
        break;
      case Op::AddX:
      case Op::SubX:
      case Op::MulX:
      case Op::DivX:
        if (xError) {
          error = xError;
          return 0;
        }
        ok = in.op == Op::AddX   ? Checked(top, top + x, error)
             : in.op == Op::SubX ? Checked(top, top - x, error)
             : in.op == Op::MulX ? Checked(top, top * x, error)
                                 : Divided(top, top, x, error);
        break;
      case Op::PowInt:
        ok = Applied(top, IntPower(top, in.n, error), error);
        break;
      case Op::Square:
        ok = Checked(top, top * top, error);
        break;
      case Op::Cube:
        ok = Checked(top, top * top * top, error);
        break;
      case Op::Call:
        ok = Applied(top, ApplyFunction(in.function, top, error), error);
        break;
    }
    if (!ok) return 0;
  }
  return top;
}

}  // namespace zeval
