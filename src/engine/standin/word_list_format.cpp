#include "engine/standin/word_list_format.h"

#include "platform/text.h"

namespace lexiglean::standin {
namespace {

constexpr std::string_view kSeparator = "\\\\";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool HasUnpairedSurrogate(std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      return true;
    }
  }
  return false;
}

bool HasLineBreak(std::u16string_view text) { return text.find_first_of(u"\r\n") != std::u16string_view::npos; }

}  // namespace

std::string FormatVersionedWordList(const std::vector<WordEntry>& entries) {
  std::string bytes(kVersionedHeader);
  bytes += "\r\n";
  for (const WordEntry& entry : entries) {
    bytes += Utf16ToUtf8(entry.written);
    bytes += kSeparator;
    bytes += Utf16ToUtf8(entry.spoken);
    bytes += "\r\n";
  }
  return bytes;
}

ParsedWordList ParseVersionedWordList(std::string_view bytes) {
  ParsedWordList result;
  if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
  if (bytes.empty()) return result;
  std::size_t lineNumber = 0;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    ++lineNumber;
    if (lineNumber == 1) {
      if (line != kVersionedHeader) {
        result.problem = u"its first line is not \"@Version=Plato-UTF8\"";
        return result;
      }
      continue;
    }
    if (!IsValidUtf8(line)) {
      result.problem = u"line " + DecimalText(static_cast<std::int64_t>(lineNumber)) + u" is not valid UTF-8";
      return result;
    }
    const std::size_t separator = line.find(kSeparator);
    const std::string_view written = line.substr(0, separator);
    if (written.empty()) continue;
    const std::string_view spoken =
        separator == std::string_view::npos ? std::string_view() : line.substr(separator + kSeparator.size());
    result.entries.push_back({Utf8ToUtf16(written), Utf8ToUtf16(spoken)});
  }
  return result;
}

std::optional<std::u16string> StorageProblem(const WordEntry& entry) {
  if (HasLineBreak(entry.written) || HasLineBreak(entry.spoken)) return u"it holds a line break";
  if (entry.written.find(u"\\\\") != std::u16string::npos || entry.written.ends_with(u'\\')) {
    return u"its written form holds the separator \"\\\\\" or ends in a backslash";
  }
  if (HasUnpairedSurrogate(entry.written) || HasUnpairedSurrogate(entry.spoken)) {
    return u"it holds an unpaired surrogate";
  }
  return std::nullopt;
}

}  // namespace lexiglean::standin
