#include "harvest/phrase_text_decoding.h"

#include <utility>

#include "platform/text.h"
#include "platform/text_decoding.h"

namespace lexiglean {
namespace {

void AppendUtf8(std::u16string_view units, std::string& text) { text += Utf16ToUtf8(units); }

}  // namespace

void Utf16PhraseTextDecoder::Append(char16_t unit, std::string& text) {
  if (highSurrogate_ != 0) {
    const char16_t high = std::exchange(highSurrogate_, 0);
    if (IsLowSurrogate(unit)) {
      const char16_t pair[] = {high, unit};
      AppendUtf8(std::u16string_view(pair, 2), text);
      return;
    }
    AppendUtf8(u"\uFFFD", text);
  }
  if (IsHighSurrogate(unit)) {
    highSurrogate_ = unit;
  } else if (unit < 0x80) {
    text.push_back(static_cast<char>(unit));
  } else {
    AppendUtf8(std::u16string_view(&unit, 1), text);
  }
}

void Utf16PhraseTextDecoder::Decode(std::string_view bytes, std::string& text) {
  text.reserve(text.size() + bytes.size());
  std::size_t i = 0;
  const auto unitOf = [&](unsigned char first, unsigned char second) {
    return static_cast<char16_t>(littleEndian_ ? first | (second << 8) : (first << 8) | second);
  };
  if (oddByte_ && !bytes.empty()) {
    Append(unitOf(*oddByte_, static_cast<unsigned char>(bytes[0])), text);
    oddByte_.reset();
    i = 1;
  }
  for (; i + 1 < bytes.size(); i += 2) {
    Append(unitOf(static_cast<unsigned char>(bytes[i]), static_cast<unsigned char>(bytes[i + 1])), text);
  }
  if (i < bytes.size()) oddByte_ = static_cast<unsigned char>(bytes[i]);
}

void Utf16PhraseTextDecoder::Finish(std::string& text) {
  if (std::exchange(highSurrogate_, 0) != 0) AppendUtf8(u"\uFFFD", text);
  if (oddByte_) AppendUtf8(u"\uFFFD", text);
  oddByte_.reset();
}

std::optional<std::string> DecodeUtf16PhraseText(std::string_view fileBytes) {
  const TextEncodingChoice choice = DecideTextEncoding(fileBytes);
  if (!choice.IsUtf16()) return std::nullopt;
  Utf16PhraseTextDecoder decoder(choice.encoding == TextEncoding::Utf16LittleEndian);
  std::string text;
  decoder.Decode(fileBytes.substr(choice.byteOrderMarkLength), text);
  decoder.Finish(text);
  return text;
}

std::string_view PhraseSearchText(std::string_view fileBytes, std::string& storage) {
  if (std::optional<std::string> decoded = DecodeUtf16PhraseText(fileBytes)) {
    storage = std::move(*decoded);
    return storage;
  }
  return fileBytes;
}

}  // namespace lexiglean
