#pragma once
// Turning the bytes of a text file (a document, a word list, a text searched for phrases, a profile
// file) into text. One rule for every reader:
// - a leading byte-order mark decides for the whole file (UTF-8, UTF-16 LE, UTF-16 BE) and is not text;
// - without one, NUL bytes show UTF-16: ASCII text in UTF-16 has a NUL in every other byte, on odd
//   offsets in little-endian, on even ones in big-endian; one side must hold them in at least a quarter
//   of the units and more than twice as many as the other;
// - otherwise each line is UTF-8 when it is valid UTF-8, else the narrow code page, so that one stray
//   byte of another code page garbles no more than its own line.
#include <cstddef>
#include <string>
#include <string_view>

namespace lexiglean {

enum class TextEncoding { Utf8OrNarrowByLine, Utf8, Utf16LittleEndian, Utf16BigEndian };

struct TextEncodingChoice {
  TextEncoding encoding = TextEncoding::Utf8OrNarrowByLine;
  std::size_t byteOrderMarkLength = 0;  // bytes to skip before the text
  bool IsUtf16() const {
    return encoding == TextEncoding::Utf16LittleEndian || encoding == TextEncoding::Utf16BigEndian;
  }
};

// How many of the first bytes decide: NUL bytes are counted in these.
inline constexpr std::size_t kEncodingSampleBytes = std::size_t{64} << 10;

// Decides from the first bytes of a file (all of a small file, else at least its first
// kEncodingSampleBytes).
TextEncodingChoice DecideTextEncoding(std::string_view firstBytes);

// A whole file's bytes as UTF-16 by that rule; lines end at LF, CR LF or a lone CR, and keep their ends.
// An odd last byte of UTF-16 is dropped.
std::u16string DecodeTextBytes(std::string_view bytes);

// Bytes in an encoding already decided (after any byte-order mark), as DecodeTextBytes decodes them in
// the whole file. Decoding never joins bytes across a line end, so a line decodes alone as it does
// within the file.
std::u16string DecodeInEncoding(std::string_view bytes, TextEncoding encoding);

// Whole lines (a block of a file cut after a line end) decoded line by line, UTF-8 where a line is valid
// UTF-8, else the narrow code page; line ends are kept.
std::u16string DecodeUtf8OrNarrowByLine(std::string_view bytes);

// UTF-8 when valid, else the narrow code page (one line, or a text whose encoding is already decided).
std::u16string DecodeUtf8OrNarrow(std::string_view bytes);

}  // namespace lexiglean
