#include "platform/word_list_file.h"

#include <tuple>
#include <utility>

#include "platform/text.h"

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

bool HasNul(std::u16string_view text) { return text.find(u'\0') != std::u16string_view::npos; }

}  // namespace

WordListFile ReadWordListFile(std::string_view bytes) {
  WordListFile file;
  WordListFileReader reader([&](WordListFileEntry&& entry) { file.entries.push_back(std::move(entry)); });
  reader.Add(bytes);
  reader.Finish();
  file.versioned = reader.Versioned();
  return file;
}

void WordListFileReader::Add(std::string_view bytes) {
  if (pending_.empty() && (encoding_ || bytes.size() >= kEncodingSampleBytes)) {
    pending_.assign(bytes.substr(TakeLines(bytes, false)));
    return;
  }
  pending_.append(bytes);
  if (!encoding_ && pending_.size() < kEncodingSampleBytes) return;
  pending_.erase(0, TakeLines(pending_, false));
}

void WordListFileReader::Finish() {
  TakeLines(pending_, true);
  pending_.clear();
}

std::size_t WordListFileReader::TakeLines(const std::string_view bytes, bool atEnd) {
  std::size_t at = 0;
  if (!encoding_) {
    const TextEncodingChoice choice = DecideTextEncoding(bytes);
    encoding_ = choice.encoding;
    at = choice.byteOrderMarkLength;
    searched_ = 0;
  }
  const bool bigEndian = *encoding_ == TextEncoding::Utf16BigEndian;
  const std::size_t unit = bigEndian || *encoding_ == TextEncoding::Utf16LittleEndian ? 2 : 1;
  const auto unitAt = [&](std::size_t i) -> char16_t {
    const auto first = static_cast<unsigned char>(bytes[i]);
    if (unit == 1) return first;
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  };
  // The first line end from `from` on; the bytes before it hold none (nor a whole unit, at the end).
  const auto lineEnd = [&](std::size_t from) {
    if (unit == 1) {
      const std::size_t end = bytes.find_first_of("\r\n", from);
      return std::pair(end, end == std::string_view::npos ? bytes.size() : end);
    }
    for (; from + 1 < bytes.size(); from += 2) {
      if (unitAt(from) == u'\r' || unitAt(from) == u'\n') return std::pair(from, from);
    }
    return std::pair(std::string_view::npos, from);
  };
  // What is held was searched through before: only the bytes added since can end its line.
  auto [end, searched] = lineEnd(at + searched_);
  for (; end != std::string_view::npos; std::tie(end, searched) = lineEnd(at)) {
    std::size_t next = end + unit;
    if (unitAt(end) == u'\r') {
      if (next + unit <= bytes.size()) {
        if (unitAt(next) == u'\n') next += unit;
      } else if (!atEnd) {
        searched = end;  // a line feed may follow in the next bytes
        break;
      }
    }
    TakeLine(bytes.substr(at, end - at));
    at = next;
  }
  searched_ = searched - at;
  if (atEnd && at < bytes.size()) TakeLine(bytes.substr(at));
  return atEnd ? bytes.size() : at;
}

void WordListFileReader::TakeLine(std::string_view bytes) {
  std::u16string line = DecodeInEncoding(bytes, *encoding_);
  if (std::exchange(firstLine_, false) && line == kVersionedWordListHeader) {
    versioned_ = true;
    return;
  }
  const std::u16string_view separator = versioned_ ? kVersionedSeparator : kPlainSeparator;
  const std::size_t split = line.find(separator);
  if (split == 0 || line.empty()) return;  // no written form
  WordListFileEntry entry;
  if (split != std::u16string::npos) {
    entry.spoken = line.substr(split + separator.size());
    line.resize(split);
  }
  entry.written = std::move(line);
  take_(std::move(entry));
}

std::string FormatVersionedWordList(const std::vector<WordListFileEntry>& entries) {
  std::string bytes;
  FormatVersionedWordList(entries, [&](std::string_view piece) { bytes += piece; });
  return bytes;
}

void FormatVersionedWordList(std::span<const WordListFileEntry> entries,
                             const std::function<void(std::string_view)>& take) {
  constexpr std::size_t kPieceBytes = std::size_t{1} << 20;
  std::string piece = Utf16ToUtf8(kVersionedWordListHeader);
  piece += "\r\n";
  for (const WordListFileEntry& entry : entries) {
    piece += Utf16ToUtf8(entry.written);
    piece += "\\\\";
    piece += Utf16ToUtf8(entry.spoken);
    piece += "\r\n";
    if (piece.size() < kPieceBytes) continue;
    take(piece);
    piece.clear();
  }
  take(piece);
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
