#pragma once
// Text files searched for phrases that start with a UTF-16 byte-order mark are decoded before the search;
// read as bytes, two bytes a character would yield no phrase at all.
//
// Every character of a phrase is ASCII, so the search needs no more than this: a UTF-16 code unit below
// 0x80 becomes its byte, and any other unit becomes the byte kNonAsciiStandIn, which is neither a word
// character nor white space; it joins no phrase, just like the non-ASCII character it stands for. Line
// ends keep their bytes ("\r\n" stays "\r\n"). The result equals decoding the file fully and searching
// the decoded text.
#include <optional>
#include <string>
#include <string_view>

namespace lexiglean {

// The byte that stands for a non-ASCII character: not \w, not \s in the classic locale.
inline constexpr char kNonAsciiStandIn = '\x80';

// True when the bytes start with a UTF-16 byte-order mark: FF FE (little-endian) or FE FF (big-endian).
bool HasUtf16ByteOrderMark(std::string_view fileBytes);

// For bytes with a UTF-16 byte-order mark: the narrowed text to search, without the mark (an odd last byte,
// half a code unit, becomes kNonAsciiStandIn). For any other bytes: nullopt, they are searched as they are.
std::optional<std::string> DecodeUtf16PhraseText(std::string_view fileBytes);

// The bytes to search for a file's bytes: the narrowed text of a UTF-16 file (kept in `storage`), or the
// file's bytes themselves.
std::string_view PhraseSearchText(std::string_view fileBytes, std::string& storage);

}  // namespace lexiglean
