#include "documents/standin/converted_document_text.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "documents/standin/standin_converter.h"
#include "platform/temp_directory.h"
#include "platform/text.h"

namespace lexiglean {

std::optional<std::string> ConvertedDocumentText(const std::filesystem::path& document) {
  const auto folder = TempDirectory::Create("lexiglean-text-");
  if (!folder) return std::nullopt;
  const std::filesystem::path textFile = folder->path() / "text.txt";
  const ConversionResult result = ConvertDocumentToText(document, textFile);
  if (!result.succeeded()) throw std::runtime_error(Utf16ToUtf8(result.message));
  std::ifstream file(textFile, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

}  // namespace lexiglean
