#include "documents/standin/standin_word_processor.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "window/control_ids.h"
#include "window/window_port.h"
#include "documents/standin/standin_converter.h"
#include "platform/text.h"

namespace lexiglean {
namespace {

// What a missing word processor's class lookup answers (CO_E_CLASSSTRING).
constexpr std::uint32_t kClassNotRegistered = 0x800401F3u;

void ShowMissingBox(WindowPort& window, const std::u16string& caption) {
  window.MessageBox(false,
                    FillPlaceholders(u"CLSIDFromProgID(\"%s\") failed w/err 0x", {u"Word.Application"}) +
                        Hex8Text(kClassNotRegistered) + u"\n",
                    caption, MB_OK);
}

// A new, empty file with a name nobody else has, in the temp folder.
std::filesystem::path CreateTemporaryTextFile() {
  std::random_device seed;
  std::mt19937_64 random(seed());
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path path = folder / ("lexiglean-" + std::to_string(random()) + ".txt");
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
      close(fd);
      return path;
    }
  }
  return {};
}

}  // namespace

int StandinWordProcessor::GetWordVersion(WindowPort& window) {
  const auto version = StandinWordProcessorVersion();
  if (!version) {
    ShowMissingBox(window, u"GetWordVersion Error");
    return kWordJobMissing;
  }
  WordMajorVersion = MajorVersionFromText(Utf8ToUtf16(*version));
  return 0;
}

int StandinWordProcessor::AutomateWord(WindowPort& window) {
  if (!StandinWordProcessorVersion()) {
    ShowMissingBox(window, u"AutomateWord Error");
    return kWordJobMissing;
  }
  const std::filesystem::path textFile = CreateTemporaryTextFile();
  if (textFile.empty()) {
    window.MessageBox(false, u"Couldn't create a temporary text file.", u"AutomateWord Error", MB_OK);
    return kWordJobGaveUp;
  }
  const ConversionResult result = ConvertDocumentToText(std::filesystem::path(ConversionPath), textFile);
  if (!result.succeeded()) {
    std::error_code ignored;
    std::filesystem::remove(textFile, ignored);
    window.MessageBox(false, result.message, u"AutomateWord Error", MB_OK);
    return kWordJobGaveUp;
  }
  ConversionPath = textFile.u16string();
  return 0;
}

}  // namespace lexiglean
