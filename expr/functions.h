#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zeval {

// The functions of the language, in the order of their names below; Unknown
// stands for a run of letters that names none of them.
enum class Function : std::uint8_t {
  Sin,
  Cos,
  Tg,
  Ctg,
  Sh,
  Ch,
  Th,
  Cth,
  Sec,
  Cosec,
  Ln,
  Trunc,
  Round,
  Abs,
  Sqrt,
  Sqr,
  Exp,
  Unknown
};

inline constexpr std::array<std::string_view, 17> kFunctionNames = {"sin",   "cos", "tg",   "ctg",   "sh", "ch",
                                                                    "th",    "cth", "sec",  "cosec", "ln", "trunc",
                                                                    "round", "abs", "sqrt", "sqr",   "exp"};

inline Function FunctionNamed(std::string_view name) {
  for (std::size_t i = 0; i < kFunctionNames.size(); ++i)
    if (kFunctionNames[i] == name) return static_cast<Function>(i);
  return Function::Unknown;
}

}  // namespace zeval
