// The text decoders on any bytes: valid UTF-8 survives a round trip through UTF-16 unchanged, every
// UTF-16 text encodes to valid UTF-8, Windows-1252 round-trips every byte, and the phrase search's
// UTF-16 narrowing keeps one byte per code unit.
#include "fuzz_input.h"
#include "harvest/phrase_text_decoding.h"
#include "platform/narrow_code_page.h"
#include "platform/text.h"
#include "platform/text_decoding.h"
#include "platform/windows_1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lexiglean;
  using fuzz::Require;
  const std::string_view bytes = fuzz::Bytes(data, size);

  const std::u16string decoded = DecodeTextBytes(bytes);
  Require(IsValidUtf8(Utf16ToUtf8(decoded)), "decoded text encodes to valid UTF-8");
  if (IsValidUtf8(bytes)) Require(Utf16ToUtf8(Utf8ToUtf16(bytes)) == bytes, "valid UTF-8 round-trips");
  Require(EncodeWindows1252(DecodeWindows1252(bytes)) == bytes, "Windows-1252 round-trips every byte");
  Require(Utf16ToNarrow(NarrowToUtf16(bytes)) == bytes, "the narrow code page round-trips every byte");

  std::u16string units;  // the bytes as UTF-16 code units, unpaired surrogates included
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  }
  Require(IsValidUtf8(Utf16ToUtf8(units)), "any UTF-16 encodes to valid UTF-8");
  Require(Utf16ToNarrow(units).size() <= units.size(), "one narrow byte at most per code unit");

  if (const auto decoded = DecodeUtf16PhraseText(bytes)) {
    Require(IsValidUtf8(*decoded), "UTF-16 phrase text decodes to valid UTF-8");
    // Decoded in two blocks split anywhere, the text is the same.
    const TextEncodingChoice choice = DecideTextEncoding(bytes);
    const std::size_t mark = choice.byteOrderMarkLength;
    const std::size_t split = mark + (size > mark ? data[size - 1] % (size - mark + 1) : 0);
    Utf16PhraseTextDecoder decoder(choice.encoding == TextEncoding::Utf16LittleEndian);
    std::string pieces;
    decoder.Decode(bytes.substr(mark, split - mark), pieces);
    decoder.Decode(bytes.substr(split), pieces);
    decoder.Finish(pieces);
    Require(pieces == *decoded, "decoding in blocks equals decoding at once");
  }
  return 0;
}
