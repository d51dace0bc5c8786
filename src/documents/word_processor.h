#pragma once
// The word processor that tells its version and converts documents to text, reached from a worker
// thread per job. WordMajorVersion and ConversionPath pass between the jobs and the window's thread;
// the window's thread touches them only before starting a job and after joining it.
#include <cstdint>
#include <functional>
#include <string>

namespace lexiglean {

// 0 until GetWordVersion succeeds; then the number before the first dot of the version text.
extern std::int32_t WordMajorVersion;
// The document to convert; a conversion changes its extension to ".txt" when it wrote the text.
extern std::u16string ConversionPath;

class WordProcessor {
 public:
  virtual ~WordProcessor() = default;
  // Thread routine: sets WordMajorVersion; 0 on success, 1 when the word processor is missing.
  virtual int GetWordVersion() = 0;
  // Thread routine: converts the document at ConversionPath; 0 on success, 1 when it is missing.
  virtual int AutomateWord() = 0;
};

// Runs a job on a new thread and waits for its end without a time limit; returns its exit code.
int RunWordProcessorJob(const std::function<int()>& job);

// The status-bar text for a major version ("Word 2016 detected", ..., "Word version unknown").
std::u16string WordVersionStatusText(std::int32_t majorVersion);

// The number before the first dot of a version text, by its leading decimal digits (0 when none).
std::int32_t MajorVersionFromText(std::u16string_view versionText);

}  // namespace lexiglean
