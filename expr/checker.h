#pragma once

#include <cstdint>
#include <string_view>

namespace zeval {

// The syntax check of an already normalised text: the x markers read as 0, the
// character test (21), the parenthesis balance (22), then the group walk (23 to
// 27). What follows the outermost group is not looked at.
std::uint8_t CheckNormalizedText(std::string_view normalized, char mark);

// The whole check of a raw expression text: a literal x marker (21),
// normalisation (11), then the check above.
std::uint8_t CheckExpressionText(std::string_view raw, char mark);

}  // namespace zeval
