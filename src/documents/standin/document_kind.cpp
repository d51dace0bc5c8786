#include "documents/standin/document_kind.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/text.h"

namespace lexiglean {
namespace {

std::string LowerAscii(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool IsTextByte(unsigned char c) {
  return c >= 0x20 || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Valid UTF-8 once a sequence cut off by the end of the sample is set aside.
bool IsUtf8Sample(std::string_view head) {
  for (std::size_t cut = 0; cut <= 3 && cut < head.size(); ++cut) {
    if (IsValidUtf8(head.substr(0, head.size() - cut))) return true;
  }
  return head.empty();
}

}  // namespace

NamedKind NamedKindOf(const std::filesystem::path& document) {
  const std::string extension = LowerAscii(document.extension().string());
  if (extension == ".doc" || extension == ".docx") return NamedKind::Word;
  if (extension == ".pdf") return NamedKind::Pdf;
  return NamedKind::Unsupported;
}

ContentKind ContentKindOf(std::string_view head) {
  using namespace std::string_view_literals;
  if (head.empty()) return ContentKind::Empty;
  if (head.starts_with("PK\x03\x04"sv) || head.starts_with("PK\x05\x06"sv)) return ContentKind::ZipPackage;
  if (head.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"sv)) return ContentKind::CompoundFile;
  // A PDF reader looks for the header within the first kilobyte.
  if (head.substr(0, 1024).find("%PDF-"sv) != std::string_view::npos) return ContentKind::Pdf;
  std::string_view text = head;
  if (text.starts_with("\xEF\xBB\xBF"sv)) text.remove_prefix(3);
  if (text.starts_with("{\\rtf"sv)) return ContentKind::Rtf;
  if (head.starts_with("\xFF\xFE"sv) || head.starts_with("\xFE\xFF"sv)) return ContentKind::PlainText;
  const bool textBytesOnly =
      std::all_of(text.begin(), text.end(), [](char c) { return IsTextByte(static_cast<unsigned char>(c)); });
  if (textBytesOnly && IsUtf8Sample(text)) return ContentKind::PlainText;
  return ContentKind::Other;
}

}  // namespace lexiglean
