#include "platform/text_decoding.h"

#include <algorithm>

#include "platform/narrow_code_page.h"
#include "platform/text.h"

namespace lexiglean {
namespace {

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
  std::u16string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    text.push_back(static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
  }
  return text;
}

}  // namespace

std::u16string DecodeUtf8OrNarrowByLine(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return Utf8ToUtf16(bytes);
  std::u16string text;
  text.reserve(bytes.size());
  while (!bytes.empty()) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
    text += DecodeUtf8OrNarrow(bytes.substr(0, end));
    if (end < bytes.size()) text.push_back(static_cast<char16_t>(bytes[end]));
    bytes.remove_prefix(std::min(end + 1, bytes.size()));
  }
  return text;
}

TextEncodingChoice DecideTextEncoding(std::string_view firstBytes) {
  if (firstBytes.starts_with("\xEF\xBB\xBF")) return {TextEncoding::Utf8, 3};
  if (firstBytes.starts_with("\xFF\xFE")) return {TextEncoding::Utf16LittleEndian, 2};
  if (firstBytes.starts_with("\xFE\xFF")) return {TextEncoding::Utf16BigEndian, 2};
  const std::string_view sample = firstBytes.substr(0, kEncodingSampleBytes);
  std::size_t nulsAtEven = 0;
  std::size_t nulsAtOdd = 0;
  for (std::size_t i = sample.find('\0'); i != std::string_view::npos; i = sample.find('\0', i + 1)) {
    ++(i % 2 == 0 ? nulsAtEven : nulsAtOdd);
  }
  // Text in UTF-16 holds a NUL in most of its units (the high byte of every Latin letter) on one side
  // only; a stray NUL in a narrow file does not make it UTF-16.
  const std::size_t units = std::max<std::size_t>(sample.size() / 2, 1);
  if (nulsAtOdd * 4 >= units && nulsAtOdd > 2 * nulsAtEven) return {TextEncoding::Utf16LittleEndian, 0};
  if (nulsAtEven * 4 >= units && nulsAtEven > 2 * nulsAtOdd) return {TextEncoding::Utf16BigEndian, 0};
  return {};
}

std::u16string DecodeTextBytes(std::string_view bytes) {
  const TextEncodingChoice choice = DecideTextEncoding(bytes);
  return DecodeInEncoding(bytes.substr(choice.byteOrderMarkLength), choice.encoding);
}

std::u16string DecodeInEncoding(std::string_view bytes, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8: return Utf8ToUtf16(bytes);
    case TextEncoding::Utf16LittleEndian: return DecodeUtf16(bytes, false);
    case TextEncoding::Utf16BigEndian: return DecodeUtf16(bytes, true);
    case TextEncoding::Utf8OrNarrowByLine: break;
  }
  return DecodeUtf8OrNarrowByLine(bytes);
}

std::u16string DecodeUtf8OrNarrow(std::string_view bytes) {
  return IsValidUtf8(bytes) ? Utf8ToUtf16(bytes) : NarrowToUtf16(bytes);
}

}  // namespace lexiglean
