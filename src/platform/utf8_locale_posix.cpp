#include "platform/utf8_locale_posix.h"

namespace lexiglean {

locale_t Utf8CharacterTables() {
  static const locale_t locale = [] {
    locale_t made = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    return made != static_cast<locale_t>(0) ? made : newlocale(LC_CTYPE_MASK, "en_US.UTF-8", static_cast<locale_t>(0));
  }();
  return locale;
}

}  // namespace lexiglean
