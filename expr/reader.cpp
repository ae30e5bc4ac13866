#include "reader.h"

#include <vector>

#include "characters.h"
#include "number_text.h"
#include "zeval.h"

namespace zeval {

namespace {

bool IsNumeralCharacter(char c) { return IsDigit(c) || c == ',' || c == '.'; }

// One open group, or a call waiting for its argument group.
struct Frame {
  bool isCall = false;
  bool hasOperator = false;
  char op = 0;
  Function function = Function::Unknown;
};

class Reader {
 public:
  Reader(std::string_view text, char mark, Underscore underscore, GroupSink &sink)
      : text_(text), mark_(mark), underscore_(underscore), sink_(sink) {}

  bool Run() {
    frames_.push_back({});
    while (!frames_.empty()) {
      if (const Step step = ReadOperand(); step != Step::Go) return step != Step::Unreadable;
      if (const Step step = CloseFrames(); step != Step::Go) return step != Step::Unreadable;
    }
    return true;
  }

 private:
  // Go on; Stop: reading has ended (a failure, or the outermost group done);
  // Unreadable: a "_" that sampling cannot read.
  enum class Step { Go, Stop, Unreadable };

  char At(std::size_t i) const { return i < text_.size() ? text_[i] : '\0'; }

  // operand = "(" group | numeral | name skipped group | the x marker's "_)".
  // Opens groups as it goes; returns once an operand is complete.
  Step ReadOperand() {
    for (;;) {
      const char c = At(pos_);
      if (c == '(') {
        ++pos_;
        frames_.push_back({});
      } else if (IsLetter(c)) {
        if (OpenCall() == Step::Unreadable) return Step::Unreadable;
      } else if (IsDigit(c)) {
        return ReadNumeral();
      } else if (c == '_' && underscore_ == Underscore::Variable) {
        return ReadVariable();
      } else {
        sink_.Fail(kZevalUnreadableNumeral);
        return Step::Stop;
      }
    }
  }

  Step ReadNumeral() {
    const std::size_t start = pos_;
    while (IsNumeralCharacter(At(pos_))) ++pos_;
    long double value;
    if (!ReadNumber(text_.substr(start, pos_ - start), mark_, value)) {
      sink_.Fail(kZevalUnreadableNumeral);
      return Step::Stop;
    }
    sink_.Number(value);
    return Step::Go;
  }

  Step OpenCall() {
    const std::size_t start = pos_;
    while (IsLetter(At(pos_))) ++pos_;
    const Function function = FunctionNamed(text_.substr(start, pos_ - start));
    if (!Skip()) return Step::Unreadable;
    frames_.push_back({true, false, 0, function});
    frames_.push_back({});
    return Step::Go;
  }

  // Whatever the abscissa's text is, a group "(" "_" ")" reads as one operand
  // ending after the ")": the numeral alone, or "0-" and the numeral.
  Step ReadVariable() {
    if (frames_.back().hasOperator || At(pos_ + 1) != ')') return Step::Unreadable;
    pos_ += 2;
    frames_.pop_back();
    sink_.Variable();
    return Step::Go;
  }

  // Steps over one character unseen; sampling could not tell what it steps over
  // when that is where the abscissa's text goes.
  bool Skip() {
    if (underscore_ == Underscore::Variable && At(pos_) == '_') return false;
    ++pos_;
    return true;
  }

  // An operand is complete: finish every group and call it completes, until one
  // needs a second operand or the outermost group is done.
  Step CloseFrames() {
    while (!frames_.empty()) {
      Frame &frame = frames_.back();
      if (frame.isCall) {
        sink_.Call(frame.function);
        if (frame.function == Function::Unknown) return Step::Stop;
        frames_.pop_back();
      } else if (frame.hasOperator) {
        sink_.Binary(frame.op);
        if (!IsOperator(frame.op)) return Step::Stop;
        if (!Skip()) return Step::Unreadable;
        frames_.pop_back();
      } else if (At(pos_) == ')') {
        ++pos_;
        frames_.pop_back();
      } else {
        frame.op = At(pos_);
        if (!Skip()) return Step::Unreadable;
        frame.hasOperator = true;
        return Step::Go;
      }
    }
    return Step::Stop;
  }

  std::string_view text_;
  char mark_;
  Underscore underscore_;
  GroupSink &sink_;
  std::size_t pos_ = 0;
  std::vector<Frame> frames_;
};

}  // namespace

bool ReadGroups(std::string_view text, char mark, Underscore underscore, GroupSink &sink) {
  return Reader(text, mark, underscore, sink).Run();
}

}  // namespace zeval
