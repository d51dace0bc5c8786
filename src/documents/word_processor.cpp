#include "documents/word_processor.h"

#include <exception>
#include <limits>
#include <thread>

#include "platform/text_decoding.h"

namespace lexiglean {

std::int32_t WordMajorVersion = 0;
std::u16string ConversionPath;

int RunWordProcessorJob(const std::function<int()>& job, std::u16string* escaped) {
  int exitCode = 1;
  std::exception_ptr failure;
  std::thread worker([&] {
    try {
      exitCode = job();
    } catch (...) {
      failure = std::current_exception();
    }
  });
  worker.join();
  if (!failure) return exitCode;
  if (escaped != nullptr) {
    try {
      std::rethrow_exception(failure);
    } catch (const std::exception& error) {
      *escaped = DecodeUtf8OrNarrow(error.what());
    } catch (...) {
      *escaped = u"An unexpected error occurred.";
    }
  }
  return kWordJobGaveUp;
}

std::u16string WordVersionStatusText(std::int32_t majorVersion) {
  switch (majorVersion) {
    case 11: return u"Word 2003 detected";
    case 12: return u"Word 2007 detected";
    case 14: return u"Word 2010 detected";
    case 15: return u"Word 2013 detected";
    case 16: return u"Word 2016 detected";
    default: return u"Word version unknown";
  }
}

std::int32_t MajorVersionFromText(std::u16string_view versionText) {
  // A text without a dot is read whole; digits stop at the first other character; an absurdly long
  // run of digits saturates instead of overflowing.
  std::int64_t value = 0;
  for (const char16_t c : versionText.substr(0, versionText.find(u'.'))) {
    if (c < u'0' || c > u'9') break;
    value = std::min<std::int64_t>(value * 10 + (c - u'0'), std::numeric_limits<std::int32_t>::max());
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace lexiglean
