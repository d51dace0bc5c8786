#include "engine/standin/document_reading.h"

#include "engine/standin/markup_stripping.h"
#include "engine/standin/profile_files.h"
#include "engine/standin/standin_error.h"
#include "platform/text_decoding.h"

namespace lexiglean::standin {
namespace {

namespace fs = std::filesystem;

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

std::string ReadDocumentBytes(const fs::path& path) {
  std::optional<std::string> bytes = ReadFileIfPresent(path);  // names the file when it fails
  if (!bytes) throw StandinError(kFileNotFound, u"The document " + Quoted(path) + u" does not exist.");
  return std::move(*bytes);
}

std::optional<std::string> ConvertedText(const fs::path& path, const DocumentConverter& convert) {
  std::error_code error;
  if (!fs::exists(path, error)) throw StandinError(kFileNotFound, u"The document " + Quoted(path) + u" does not exist.");
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

}  // namespace

std::vector<std::u16string> ReadDocumentWords(const fs::path& path, const DocumentConverter& convert,
                                              const SplitProgress& progress) {
  switch (KindOf(path)) {
    case DocumentKind::Html: return SplitIntoWords(StripHtml(DecodeTextBytes(ReadDocumentBytes(path))), progress);
    case DocumentKind::Rtf: return SplitIntoWords(StripRtf(ReadDocumentBytes(path)), progress);
    case DocumentKind::PlainText: return SplitIntoWords(DecodeTextBytes(ReadDocumentBytes(path)), progress);
    case DocumentKind::Converted: {
      const std::optional<std::string> text = ConvertedText(path, convert);
      return text ? SplitIntoWords(DecodeTextBytes(*text), progress) : std::vector<std::u16string>();
    }
  }
  return {};
}

}  // namespace lexiglean::standin
