#include <algorithm>
#include <array>
#include <string_view>

#include "engine/standin/markup_stripping.h"
#include "platform/text_decoding.h"
#include "platform/text.h"

namespace lexiglean::standin {
namespace {

struct NamedCharacter {
  std::u16string_view name;
  char16_t character;
};

// The named references of the Latin-1 letters and the usual punctuation.
constexpr auto kNamedCharacters = std::to_array<NamedCharacter>({
    {u"AElig", 0xC6},   {u"Aacute", 0xC1}, {u"Acirc", 0xC2},  {u"Agrave", 0xC0}, {u"Aring", 0xC5},
    {u"Atilde", 0xC3},  {u"Auml", 0xC4},   {u"Ccedil", 0xC7}, {u"ETH", 0xD0},    {u"Eacute", 0xC9},
    {u"Ecirc", 0xCA},   {u"Egrave", 0xC8}, {u"Euml", 0xCB},   {u"Iacute", 0xCD}, {u"Icirc", 0xCE},
    {u"Igrave", 0xCC},  {u"Iuml", 0xCF},   {u"Ntilde", 0xD1}, {u"Oacute", 0xD3}, {u"Ocirc", 0xD4},
    {u"Ograve", 0xD2},  {u"Oslash", 0xD8}, {u"Otilde", 0xD5}, {u"Ouml", 0xD6},   {u"THORN", 0xDE},
    {u"Uacute", 0xDA},  {u"Ucirc", 0xDB},  {u"Ugrave", 0xD9}, {u"Uuml", 0xDC},   {u"Yacute", 0xDD},
    {u"aacute", 0xE1},  {u"acirc", 0xE2},  {u"aelig", 0xE6},  {u"agrave", 0xE0}, {u"amp", u'&'},
    {u"apos", u'\''},   {u"aring", 0xE5},  {u"atilde", 0xE3}, {u"auml", 0xE4},   {u"ccedil", 0xE7},
    {u"eacute", 0xE9},  {u"ecirc", 0xEA},  {u"egrave", 0xE8}, {u"eth", 0xF0},    {u"euml", 0xEB},
    {u"gt", u'>'},      {u"hellip", 0x2026}, {u"iacute", 0xED}, {u"icirc", 0xEE}, {u"igrave", 0xEC},
    {u"iuml", 0xEF},    {u"laquo", 0xAB},  {u"ldquo", 0x201C}, {u"lsquo", 0x2018}, {u"lt", u'<'},
    {u"mdash", 0x2014}, {u"nbsp", 0xA0},   {u"ndash", 0x2013}, {u"ntilde", 0xF1}, {u"oacute", 0xF3},
    {u"ocirc", 0xF4},   {u"ograve", 0xF2}, {u"oslash", 0xF8}, {u"otilde", 0xF5}, {u"ouml", 0xF6},
    {u"quot", u'"'},    {u"raquo", 0xBB},  {u"rdquo", 0x201D}, {u"rsquo", 0x2019}, {u"szlig", 0xDF},
    {u"thorn", 0xFE},   {u"uacute", 0xFA}, {u"ucirc", 0xFB},  {u"ugrave", 0xF9}, {u"uuml", 0xFC},
    {u"yacute", 0xFD},  {u"yuml", 0xFF},
});

char16_t AsciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool StartsWithIgnoringCase(std::u16string_view text, std::size_t at, std::u16string_view prefix) {
  if (text.size() - at < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (AsciiLower(text[at + i]) != prefix[i]) return false;
  }
  return true;
}

// The position after the first occurrence of the (lower-case) marker from `at`, ignoring case; the
// end of the text when there is none.
std::size_t SkipPast(std::u16string_view text, std::size_t at, std::u16string_view marker) {
  for (std::size_t i = at; i < text.size(); ++i) {
    if (StartsWithIgnoringCase(text, i, marker)) return i + marker.size();
  }
  return text.size();
}

bool IsTagNameCharacter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

// Reads the character reference at `at` (which holds '&'): appends its character and returns the
// position after it, or returns `at` when it is no reference.
std::size_t ReadReference(std::u16string_view html, std::size_t at, std::u16string& text) {
  const std::size_t semicolon = html.find(u';', at);
  if (semicolon == std::u16string_view::npos || semicolon - at > 10) return at;
  const std::u16string_view body = html.substr(at + 1, semicolon - at - 1);
  if (body.size() >= 2 && body[0] == u'#') {
    const bool hex = body[1] == u'x' || body[1] == u'X';
    const std::u16string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty()) return at;
    char32_t value = 0;
    for (const char16_t c : digits) {
      int digit = -1;
      if (c >= u'0' && c <= u'9') digit = c - u'0';
      else if (hex && AsciiLower(c) >= u'a' && AsciiLower(c) <= u'f') digit = AsciiLower(c) - u'a' + 10;
      if (digit < 0) return at;
      value = std::min<char32_t>(value * (hex ? 16 : 10) + static_cast<char32_t>(digit), 0x110000);
    }
    AppendCodePoint(text, value);
    return semicolon + 1;
  }
  const auto named = std::find_if(kNamedCharacters.begin(), kNamedCharacters.end(),
                                  [&](const NamedCharacter& n) { return n.name == body; });
  if (named == kNamedCharacters.end()) return at;
  text.push_back(named->character);
  return semicolon + 1;
}

}  // namespace

std::u16string StripHtml(std::u16string_view html) {
  std::u16string text;
  text.reserve(html.size());
  std::size_t i = 0;
  while (i < html.size()) {
    const char16_t c = html[i];
    if (c == u'&') {
      const std::size_t next = ReadReference(html, i, text);
      if (next != i) {
        i = next;
        continue;
      }
    }
    if (c != u'<') {
      text.push_back(c);
      ++i;
      continue;
    }
    text.push_back(u' ');
    if (StartsWithIgnoringCase(html, i, u"<!--")) {
      i = SkipPast(html, i + 4, u"-->");
      continue;
    }
    if (StartsWithIgnoringCase(html, i, u"<script") && !IsTagNameCharacter(i + 7 < html.size() ? html[i + 7] : u' ')) {
      i = SkipPast(html, SkipPast(html, i, u"</script"), u">");
      continue;
    }
    if (StartsWithIgnoringCase(html, i, u"<style") && !IsTagNameCharacter(i + 6 < html.size() ? html[i + 6] : u' ')) {
      i = SkipPast(html, SkipPast(html, i, u"</style"), u">");
      continue;
    }
    i = SkipPast(html, i + 1, u">");
  }
  return text;
}

}  // namespace lexiglean::standin
