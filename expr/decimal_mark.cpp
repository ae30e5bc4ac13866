#include "decimal_mark.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <langinfo.h>
#include <locale.h>

namespace zeval {

namespace {

const char *LocaleNameFromEnvironment() {
  for (const char *variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char *value = std::getenv(variable);
    if (value && *value) return value;
  }
  return "C";
}

// Read at load time and never again, so a program that later switches its own
// locale (as GUI toolkits do) does not change how expressions read.
const char gDecimalMark = DecimalMarkOfLocale(LocaleNameFromEnvironment());

}  // namespace

char DecimalMarkOfLocale(const char *name) {
  if (!name || !*name) return '.';
  // A locale object of our own: the process locale is never touched.
  locale_t locale = newlocale(LC_NUMERIC_MASK, name, static_cast<locale_t>(nullptr));
  if (!locale) return '.';
  const char *radix = nl_langinfo_l(RADIXCHAR, locale);
  char mark = '.';
  if (radix && std::strlen(radix) == 1)
    mark = radix[0];
  else if (radix && *radix)
    mark = kForeignMark;
  freelocale(locale);
  return mark;
}

char DecimalMark() { return gDecimalMark; }

}  // namespace zeval
