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
// The document to convert. A conversion that wrote the text replaces it by the path of the text
// file, which ends in ".txt"; any other outcome leaves the document's path.
extern std::u16string ConversionPath;

// Exit codes of the jobs besides 0 (done): the word processor is missing or cannot be created (it
// has shown its box; ConversionPath still names the document), or a conversion failed part way (it
// has shown its box and quit the word processor; the document is given up).
inline constexpr int kWordJobMissing = 1;
inline constexpr int kWordJobGaveUp = 2;

class WindowPort;

// The jobs run on a worker thread; the boxes they show have no owner window and go through `window`
// where the word processor does not show its own.
class WordProcessor {
 public:
  virtual ~WordProcessor() = default;
  // Thread routine: sets WordMajorVersion; 0 when done, else kWordJobMissing or kWordJobGaveUp.
  virtual int GetWordVersion(WindowPort& window) = 0;
  // Thread routine: converts the document at ConversionPath; 0 when done, else as GetWordVersion.
  virtual int AutomateWord(WindowPort& window) = 0;
};

// Runs a job on a new thread and waits for its end without a time limit; returns its exit code. An
// exception that escapes the job is caught at the job's boundary, on its thread, so that it never ends
// the program: the job then counts as given up (kWordJobGaveUp) and `escaped`, when given, receives
// the exception's text.
int RunWordProcessorJob(const std::function<int()>& job, std::u16string* escaped = nullptr);

// The status-bar text for a major version ("Word 2016 detected", ..., "Word version unknown").
std::u16string WordVersionStatusText(std::int32_t majorVersion);

// The number before the first dot of a version text, by its leading decimal digits (0 when none).
std::int32_t MajorVersionFromText(std::u16string_view versionText);

}  // namespace lexiglean
