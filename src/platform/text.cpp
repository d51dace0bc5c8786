#include "platform/text.h"

namespace lexiglean {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Decodes one UTF-8 sequence at pos; returns the code point and advances pos, or returns
// kReplacement and advances by one byte when the sequence is malformed.
char32_t DecodeUtf8(std::string_view s, std::size_t& pos, bool& valid) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(pos);
  valid = true;
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  int extra = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07, minimum = 0x10000;
  } else {
    valid = false;
    ++pos;
    return kReplacement;
  }
  if (pos + extra >= s.size()) {
    valid = false;
    ++pos;
    return kReplacement;
  }
  for (int i = 1; i <= extra; ++i) {
    const unsigned char c = byte(pos + i);
    if ((c & 0xC0) != 0x80) {
      valid = false;
      ++pos;
      return kReplacement;
    }
    cp = (cp << 6) | (c & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    valid = false;
    ++pos;
    return kReplacement;
  }
  pos += extra + 1;
  return cp;
}

}  // namespace

std::u16string_view PrefixWithoutSplitPair(std::u16string_view text, std::size_t limit) {
  if (limit >= text.size()) return text;
  if (limit > 0 && IsHighSurrogate(text[limit - 1]) && IsLowSurrogate(text[limit])) --limit;
  return text.substr(0, limit);
}

void AppendCodePoint(std::u16string& text, char32_t codePoint) {
  if ((codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF) codePoint = kReplacement;
  if (codePoint < 0x10000) {
    text.push_back(static_cast<char16_t>(codePoint));
  } else {
    codePoint -= 0x10000;
    text.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
    text.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
  }
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  bool valid = true;
  while (pos < utf8.size()) AppendCodePoint(out, DecodeUtf8(utf8, pos, valid));
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  std::size_t pos = 0;
  bool valid = true;
  while (pos < bytes.size()) {
    DecodeUtf8(bytes, pos, valid);
    if (!valid) return false;
  }
  return true;
}

void Utf8Validity::Add(std::string_view bytes) {
  if (!valid_) return;
  std::size_t complete = bytes.size();
  while (complete > 0 && static_cast<unsigned char>(bytes[complete - 1]) >= 0x80) --complete;
  if (complete == 0) {
    held_.append(bytes);
    return;
  }
  // No character holds an ASCII byte: up to the last one, the characters are whole.
  if (held_.empty()) {
    valid_ = IsValidUtf8(bytes.substr(0, complete));
  } else {
    held_.append(bytes.substr(0, complete));
    valid_ = IsValidUtf8(held_);
  }
  held_.assign(bytes.substr(complete));
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size();) {
    const char32_t cp = NextCodePoint(utf16, i);
    AppendUtf8(out, cp >= 0xD800 && cp <= 0xDFFF ? kReplacement : cp);
  }
  return out;
}

char32_t NextCodePoint(std::u16string_view text, std::size_t& i) {
  const char16_t first = text[i++];
  if (IsHighSurrogate(first) && i < text.size() && IsLowSurrogate(text[i])) {
    return 0x10000 + ((static_cast<char32_t>(first) - 0xD800) << 10) + (text[i++] - 0xDC00);
  }
  return first;
}

std::u16string DecimalText(std::int64_t value) { return u16(std::to_string(value)); }

std::u16string HexText(std::uint32_t value) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  std::u16string out;
  do {
    out.insert(out.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  return out;
}

std::u16string Hex8Text(std::uint32_t value) {
  static constexpr char16_t kDigits[] = u"0123456789abcdef";
  std::u16string out(8, u'0');
  for (int i = 7; i >= 0; --i, value >>= 4) out[i] = kDigits[value & 0xF];
  return out;
}

std::u16string FillPlaceholders(std::u16string_view pattern,
                                std::initializer_list<std::u16string_view> args) {
  std::u16string out;
  auto next = args.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == u'%' && i + 1 < pattern.size() && pattern[i + 1] == u's' && next != args.end()) {
      out += *next++;
      ++i;
    } else {
      out.push_back(pattern[i]);
    }
  }
  return out;
}

}  // namespace lexiglean
