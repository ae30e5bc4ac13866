#ifndef LUMOPLOT_MODEL_COLORTABLE_H
#define LUMOPLOT_MODEL_COLORTABLE_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Colours as project files hold them: a 32-bit value, red in the low byte,
// then green, then blue; a high byte of 0xFF marks a system colour whose
// index is the low byte.
using TColor = uint32_t;

inline constexpr TColor kSystemColorFlag = 0xFF000000u;

// The value of a colour identifier such as "clRed", in any letter case.
std::optional<TColor> ColorOfIdentifier(std::string_view identifier);

// The identifier of a colour when it has one, otherwise "$" and 8 upper-case
// hexadecimal digits.
std::string ColorText(TColor color);

#endif
