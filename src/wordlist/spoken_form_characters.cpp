#include "wordlist/spoken_form_characters.h"

namespace lexiglean {

bool isPlainSpokenForm(std::u16string_view spoken) {
  for (const char16_t c : spoken) {
    const bool space = c == u' ' || (c >= u'\t' && c <= u'\r');
    const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    const bool umlaut = c == u'\u00E4' || c == u'\u00C4' || c == u'\u00F6' || c == u'\u00D6' ||
                        c == u'\u00FC' || c == u'\u00DC' || c == u'\u00DF';
    if (!space && !letter && !umlaut) return false;
  }
  return true;
}

}  // namespace lexiglean
