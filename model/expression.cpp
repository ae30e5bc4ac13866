#include "expression.h"

#include "cp1251.h"
#include "zeval.h"

namespace {

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (unsigned char c : utf8) count += (c & 0xC0) != 0x80;
  return count;
}

}  // namespace

TExpressionCheck CheckTypedExpression(std::string_view utf8) {
  TExpressionCheck check;
  if (CharacterCount(utf8) > kMaxExpressionLength) {
    check.TooLong = true;
    return check;
  }
  const auto bytes = Utf8ToCp1251(utf8);
  if (!bytes || bytes->find('\0') != std::string::npos) {
    check.Code = kZevalBadCharacter;
    return check;
  }
  check.Bytes = *bytes;
  CheckExpression(check.Bytes.c_str(), &check.Code);
  return check;
}

unsigned char EvaluateConstant(const std::string &bytes, long double &value) {
  unsigned char code = 0;
  FillExtResult(bytes.c_str(), &value, &code);
  return code;
}

TLibraryInformation LibraryInformation() {
  const char *name = "", *version = "", *date = "", *maker = "";
  FillInformation(&name, &version, &date, &maker);
  return {name, version, date};
}

std::string ErrorCodeText(unsigned char code) { return "Ошибка: " + std::to_string(code); }
