#include "engine/standin/document_reading.h"

#include <algorithm>
#include <cstring>
#include <fstream>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/standin/markup_stripping.h"
#include "engine/standin/profile_files.h"
#include "engine/standin/standin_error.h"
#include "platform/text.h"
#include "platform/text_decoding.h"

namespace lexiglean::standin {
namespace {

namespace fs = std::filesystem;
using Encoding = DocumentSource::Encoding;

constexpr std::size_t kBlockBytes = std::size_t{256} << 10;

enum class DocumentKind { PlainText, Html, Rtf, Converted };

DocumentKind KindOf(const fs::path& path) {
  std::u16string extension = PathText(path.extension());
  for (char16_t& c : extension) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  }
  if (extension == u".htm" || extension == u".html") return DocumentKind::Html;
  if (extension == u".rtf") return DocumentKind::Rtf;
  if (extension == u".doc" || extension == u".docx" || extension == u".pdf") return DocumentKind::Converted;
  return DocumentKind::PlainText;
}

std::u16string Quoted(const fs::path& path) { return u"\"" + PathText(path) + u"\""; }

StandinError Missing(const fs::path& path) {
  return StandinError(kFileNotFound, u"The document " + Quoted(path) + u" does not exist.");
}

std::string ReadDocumentBytes(const fs::path& path) {
  std::optional<std::string> bytes = ReadFileIfPresent(path);  // names the file when it fails
  if (!bytes) throw Missing(path);
  return std::move(*bytes);
}

std::optional<std::string> ConvertedText(const fs::path& path, const DocumentConverter& convert) {
  std::error_code error;
  if (!fs::exists(path, error)) throw Missing(path);
  if (!convert) return std::nullopt;
  std::optional<std::string> text;
  try {
    text = convert(path);
  } catch (const std::exception& failure) {
    throw StandinError(E_FAIL, u"The document " + Quoted(path) + u" cannot be converted to text: " +
                                   ExceptionText(failure) + u".");
  }
  if (!text) throw StandinError(E_FAIL, u"The document " + Quoted(path) + u" cannot be converted to text.");
  return text;
}

std::u16string KeptText(const fs::path& path, DocumentKind kind, const DocumentConverter& convert) {
  switch (kind) {
    case DocumentKind::Html: return StripHtml(DecodeTextBytes(ReadDocumentBytes(path)));
    case DocumentKind::Rtf: return StripRtf(ReadDocumentBytes(path));
    case DocumentKind::Converted: {
      const std::optional<std::string> text = ConvertedText(path, convert);
      return text ? DecodeTextBytes(*text) : std::u16string();
    }
    case DocumentKind::PlainText: break;
  }
  return {};
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Where a block of bytes may be cut so that decoding the parts one after the other gives the text of
// decoding them together: before a UTF-8 sequence that the block does not hold whole, after the last
// line end where lines are decoded one by one (a line longer than a block is cut as UTF-8), at an even
// length of UTF-16.
std::size_t Cut(std::string_view bytes, Encoding encoding) {
  const std::size_t n = bytes.size();
  switch (encoding) {
    case Encoding::Utf8OrNarrowByLine:
      if (const std::size_t end = bytes.find_last_of("\r\n"); end != std::string_view::npos) return end + 1;
      [[fallthrough]];
    case Encoding::Utf8:
      for (std::size_t back = 1; back <= 4 && back <= n; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[n - back]);
        if (IsContinuation(byte)) continue;
        const std::size_t length = byte < 0xC0 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : byte < 0xF8 ? 4 : 1;
        return length > back ? n - back : n;
      }
      return n;
    case Encoding::Utf16Le:
    case Encoding::Utf16Be: return n - n % 2;
  }
  return n;
}

bool IsAscii(const char* bytes) {
  std::uint64_t eight = 0;
  std::memcpy(&eight, bytes, sizeof eight);
  return (eight & 0x8080808080808080ull) == 0;
}

// Widens the ASCII bytes at the start of bytes[0, size) into `to`, sixteen at a time where SSE2 is
// there; returns how many there were.
std::size_t WidenAscii(const char* bytes, std::size_t size, char16_t* to) {
  std::size_t i = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  for (; i + 16 <= size; i += 16) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
    if (_mm_movemask_epi8(chunk) != 0) break;  // a byte beyond ASCII
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), _mm_unpacklo_epi8(chunk, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i + 8), _mm_unpackhi_epi8(chunk, zero));
  }
#endif
  for (; i < size && static_cast<unsigned char>(bytes[i]) < 0x80; ++i) to[i] = static_cast<unsigned char>(bytes[i]);
  return i;
}

// Appends the text of UTF-8 bytes: runs of ASCII directly, the rest through the platform's decoder.
// UTF-8 never takes fewer bytes than UTF-16 takes code units, so the text grows by one unit a byte and
// is cut back after (with more room should the decoder give more, as for bytes that are no UTF-8).
void AppendUtf8(std::u16string& text, std::string_view bytes) {
  std::size_t size = text.size();
  text.resize(size + bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    const std::size_t ascii = WidenAscii(bytes.data() + i, bytes.size() - i, text.data() + size);
    i += ascii;
    size += ascii;
    const std::size_t other = i;
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) >= 0x80) ++i;
    if (i > other) {
      const std::u16string decoded = Utf8ToUtf16(bytes.substr(other, i - other));
      if (decoded.size() > text.size() - size) text.resize(size + decoded.size() + (bytes.size() - i));
      std::copy(decoded.begin(), decoded.end(), text.begin() + static_cast<std::ptrdiff_t>(size));
      size += decoded.size();
    }
  }
  text.resize(size);
}

void AppendDecoded(std::u16string& text, std::string_view bytes, Encoding encoding) {
  switch (encoding) {
    case Encoding::Utf8: return AppendUtf8(text, bytes);
    case Encoding::Utf8OrNarrowByLine: text += DecodeUtf8OrNarrowByLine(bytes); return;
    case Encoding::Utf16Le:
    case Encoding::Utf16Be: {
      const bool big = encoding == Encoding::Utf16Be;
      for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        text.push_back(static_cast<char16_t>(big ? (first << 8) | second : (second << 8) | first));
      }
      return;
    }
  }
}

// The bytes of a plain-text file from `begin` to `end` (after its byte-order mark), in blocks cut where
// decoding may stop.
class FileBlocks {
 public:
  FileBlocks(const fs::path& path, std::uintmax_t begin, std::uintmax_t end, Encoding encoding)
      : path_(path), encoding_(encoding), left_(end > begin ? end - begin : 0) {
    std::optional<std::ifstream> file = OpenFileIfPresent(path);
    if (!file) throw Missing(path);
    file_ = std::move(*file);
    file_.seekg(static_cast<std::streamoff>(begin));
  }

  // The next block; empty at the end.
  std::string_view Next() {
    bytes_.erase(0, used_);
    const std::size_t carried = bytes_.size();
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uintmax_t>(kBlockBytes, left_));
    bytes_.resize(carried + wanted);
    const std::size_t read = ReadBlock(file_, path_, bytes_.data() + carried, wanted);
    left_ -= read;
    bytes_.resize(carried + read);
    used_ = read == kBlockBytes ? Cut(bytes_, encoding_) : bytes_.size();
    return std::string_view(bytes_).substr(0, used_);
  }

 private:
  fs::path path_;
  Encoding encoding_;
  std::ifstream file_;
  std::uintmax_t left_;
  std::string bytes_;
  std::size_t used_ = 0;
};

class FileText : public TextBlocks {
 public:
  FileText(FileBlocks blocks, Encoding encoding, std::size_t units)
      : blocks_(std::move(blocks)), encoding_(encoding), units_(units) {}

  std::size_t Units() const override { return units_; }
  bool AppendNext(std::u16string& text) override {
    const std::string_view bytes = blocks_.Next();
    AppendDecoded(text, bytes, encoding_);
    return !bytes.empty();
  }

 private:
  FileBlocks blocks_;
  Encoding encoding_;
  std::size_t units_;
};

// The length in UTF-16 units of valid UTF-8, or nothing when the bytes are not valid UTF-8.
std::optional<std::size_t> Utf8Units(std::string_view bytes) {
  std::size_t units = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const std::size_t start = i;
    while (i + 8 <= bytes.size() && IsAscii(bytes.data() + i)) i += 8;
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
    units += i - start;
    const std::size_t other = i;
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) >= 0x80) ++i;
    const std::string_view run = bytes.substr(other, i - other);
    if (!IsValidUtf8(run)) return std::nullopt;
    for (const char byte : run) {
      const auto b = static_cast<unsigned char>(byte);
      units += IsContinuation(b) ? 0 : b >= 0xF0 ? 2 : 1;
    }
  }
  return units;
}

}  // namespace

DocumentSource::DocumentSource(const fs::path& path, const DocumentConverter& convert) : path_(path) {
  const DocumentKind kind = KindOf(path);
  if (kind != DocumentKind::PlainText) {
    text_ = std::make_shared<const std::u16string>(KeptText(path, kind, convert));
    return;
  }
  std::error_code error;
  size_ = fs::file_size(path, error);
  written_ = fs::last_write_time(path, error);
  // The platform's rule decides from the first block; text that is UTF-8 throughout is counted without
  // decoding it, any other by decoding it.
  FileBlocks head(path, 0, size_, Encoding::Utf8);
  const std::string_view first = head.Next();
  const TextEncodingChoice choice = DecideTextEncoding(first);
  markBytes_ = choice.byteOrderMarkLength;
  switch (choice.encoding) {
    case TextEncoding::Utf16LittleEndian: encoding_ = Encoding::Utf16Le; break;
    case TextEncoding::Utf16BigEndian: encoding_ = Encoding::Utf16Be; break;
    case TextEncoding::Utf8: break;
    case TextEncoding::Utf8OrNarrowByLine:
      for (std::string_view block = first; !block.empty(); block = head.Next()) {
        const std::optional<std::size_t> units = Utf8Units(block);
        if (!units) {
          encoding_ = Encoding::Utf8OrNarrowByLine;
          break;
        }
        units_ += *units;
      }
      if (encoding_ == Encoding::Utf8) return;
  }
  // The length of any other text is known once it is decoded.
  units_ = 0;
  FileBlocks blocks(path, markBytes_, size_, encoding_);
  std::u16string text;
  for (std::string_view block = blocks.Next(); !block.empty(); block = blocks.Next()) {
    text.clear();
    AppendDecoded(text, block, encoding_);
    units_ += text.size();
  }
}

void DocumentSource::ThrowIfChanged() const {
  std::error_code error;
  if (fs::file_size(path_, error) != size_ || fs::last_write_time(path_, error) != written_) {
    if (!fs::exists(path_, error)) throw Missing(path_);
    throw StandinError(E_FAIL, u"The document " + Quoted(path_) + u" has changed since it was opened.");
  }
}

WordSplitter DocumentSource::Words(SplitProgress progress) const {
  if (text_) return WordSplitter(*text_, std::move(progress));
  ThrowIfChanged();
  return WordSplitter(std::make_unique<FileText>(FileBlocks(path_, markBytes_, size_, encoding_), encoding_, units_),
                      std::move(progress));
}

std::vector<std::uintmax_t> DocumentSource::PartEnds(std::size_t most, std::uintmax_t minimum) const {
  const std::uintmax_t begin = text_ ? 0 : markBytes_;
  const std::uintmax_t end = text_ ? text_->size() : size_;
  std::vector<std::uintmax_t> ends;
  const std::uintmax_t parts = std::min<std::uintmax_t>(most, (end - begin) / std::max<std::uintmax_t>(minimum, 1));
  std::uintmax_t last = begin;
  for (std::uintmax_t k = 1; k < parts; ++k) {
    const std::uintmax_t target = std::max(last, begin + (end - begin) / parts * k);
    if (const std::optional<std::uintmax_t> cut = AfterLineFeed(target, end)) ends.push_back(last = *cut);
  }
  ends.push_back(end);
  return ends;
}

// The position right after the first line feed at `from` or later (within a window), if there is one
// before `end`.
std::optional<std::uintmax_t> DocumentSource::AfterLineFeed(std::uintmax_t from, std::uintmax_t end) const {
  constexpr std::size_t kWindow = std::size_t{64} << 10;
  if (text_) {
    const std::size_t found = std::u16string_view(*text_).substr(0, end).find(u'\n', from);
    if (found == std::u16string_view::npos || found - from > kWindow || found + 1 >= end) return std::nullopt;
    return found + 1;
  }
  const bool wide = encoding_ == Encoding::Utf16Le || encoding_ == Encoding::Utf16Be;
  if (wide) from += (from - markBytes_) % 2;  // at a code unit
  std::optional<std::ifstream> file = OpenFileIfPresent(path_);
  if (!file) throw Missing(path_);
  file->seekg(static_cast<std::streamoff>(from));
  std::string window(static_cast<std::size_t>(std::min<std::uintmax_t>(kWindow, end - std::min(end, from))), '\0');
  window.resize(ReadBlock(*file, path_, window.data(), window.size()));
  const std::string_view lineFeed = !wide ? std::string_view("\n", 1)
                                    : encoding_ == Encoding::Utf16Le ? std::string_view("\n\0", 2)
                                                                    : std::string_view("\0\n", 2);
  for (std::size_t at = window.find(lineFeed); at != std::string::npos; at = window.find(lineFeed, at + 1)) {
    if (wide && at % 2 != 0) continue;
    const std::uintmax_t cut = from + at + lineFeed.size();
    return cut < end ? std::optional<std::uintmax_t>(cut) : std::nullopt;
  }
  return std::nullopt;
}

std::vector<WordSplitter> DocumentSource::WordParts(std::size_t most, std::uintmax_t minimum) const {
  std::vector<WordSplitter> parts;
  if (!text_) ThrowIfChanged();
  std::uintmax_t begin = text_ ? 0 : markBytes_;
  for (const std::uintmax_t end : PartEnds(most, minimum)) {
    if (text_) {
      parts.emplace_back(std::u16string_view(*text_).substr(begin, end - begin));
    } else {
      // A part's length is known only once it is decoded.
      parts.emplace_back(std::make_unique<FileText>(FileBlocks(path_, begin, end, encoding_), encoding_, 0));
    }
    begin = end;
  }
  return parts;
}

}  // namespace lexiglean::standin
