#include "platform/word_list_file.h"

#include <algorithm>

#include "platform/text.h"
#include "platform/text_decoding.h"

namespace lexiglean {
namespace {

constexpr std::u16string_view kVersionedSeparator = u"\\\\";
constexpr std::u16string_view kPlainSeparator = u"\\";

bool HasUnpairedSurrogate(std::u16string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = NextCodePoint(text, i);
    if (c >= 0xD800 && c <= 0xDFFF) return true;
  }
  return false;
}

bool HasLineBreak(std::u16string_view text) { return text.find_first_of(u"\r\n") != std::u16string_view::npos; }

// Takes the next line off the text: up to its end, a line feed, a carriage return and line feed, or a
// carriage return alone (files of classic Mac OS).
std::u16string_view NextLine(std::u16string_view& text) {
  const std::size_t end = std::min(text.find_first_of(u"\r\n"), text.size());
  const std::u16string_view line = text.substr(0, end);
  const std::size_t lineEnd = text.substr(end).starts_with(u"\r\n") ? 2 : end < text.size() ? 1 : 0;
  text.remove_prefix(end + lineEnd);
  return line;
}

bool HasNul(std::u16string_view text) { return text.find(u'\0') != std::u16string_view::npos; }

}  // namespace

WordListFile ReadWordListFile(std::string_view bytes) {
  WordListFile file;
  const std::u16string decoded = DecodeTextBytes(bytes);
  std::u16string_view text = decoded;
  std::u16string_view afterHeader = text;
  if (NextLine(afterHeader) == kVersionedWordListHeader) {
    file.versioned = true;
    text = afterHeader;
  }
  const std::u16string_view separator = file.versioned ? kVersionedSeparator : kPlainSeparator;
  while (!text.empty()) {
    const std::u16string_view line = NextLine(text);
    const std::size_t split = line.find(separator);
    const std::u16string_view written = line.substr(0, split);
    if (written.empty()) continue;
    const std::u16string_view spoken =
        split == std::u16string_view::npos ? std::u16string_view() : line.substr(split + separator.size());
    file.entries.push_back({std::u16string(written), std::u16string(spoken)});
  }
  return file;
}

std::string FormatVersionedWordList(const std::vector<WordListFileEntry>& entries) {
  std::string bytes = Utf16ToUtf8(kVersionedWordListHeader);
  bytes += "\r\n";
  for (const WordListFileEntry& entry : entries) {
    bytes += Utf16ToUtf8(entry.written);
    bytes += "\\\\";
    bytes += Utf16ToUtf8(entry.spoken);
    bytes += "\r\n";
  }
  return bytes;
}

std::optional<std::u16string> VersionedWordListProblem(const WordListFileEntry& entry) {
  if (entry.written.empty()) return u"its written form is empty";
  if (HasLineBreak(entry.written) || HasLineBreak(entry.spoken)) return u"it holds a line break";
  if (entry.written.find(kVersionedSeparator) != std::u16string::npos || entry.written.ends_with(u'\\')) {
    return u"its written form holds two backslashes in a row or ends in a backslash";
  }
  if (HasUnpairedSurrogate(entry.written) || HasUnpairedSurrogate(entry.spoken)) {
    return u"it holds an unpaired surrogate";
  }
  // NUL bytes in a file show it to be UTF-16.
  if (HasNul(entry.written) || HasNul(entry.spoken)) return u"it holds a NUL character";
  return std::nullopt;
}

}  // namespace lexiglean
