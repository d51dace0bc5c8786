#pragma once
// The readable text of HTML and RTF documents, for counting their words. Simple, single-pass
// scanners without recursion: any input, however malformed or deeply nested, gives some text.
#include <string>
#include <string_view>

namespace lexiglean::standin {

// Tags, comments and the content of script and style elements become blanks; character references
// (&amp; &eacute; &#233; &#xE9;) become their characters.
std::u16string StripHtml(std::u16string_view html);

// Control words and symbols are dropped (paragraph and tab marks become blanks), groups of
// non-text destinations (font and colour tables, style sheets, pictures, field instructions, \*
// destinations) are skipped, \'hh reads as Windows-1252 and \uN as UTF-16.
std::u16string StripRtf(std::string_view rtf);

}  // namespace lexiglean::standin
