#pragma once
// The harvesting commands end to end on the stand-in recogniser and the stand-in word processor, through
// the fake window: a fresh stand-in profile and temporary folder per test.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>

#include "window/control_ids.h"
#include "app/main_dialog.h"
#include "documents/standin/converted_document_text.h"
#include "documents/standin/standin_word_processor.h"
#include "engine/standin/standin_recogniser.h"
#include "platform/text.h"
#include "support/recording_window.h"

namespace lexiglean::testing {

namespace fs = std::filesystem;
using Events = std::vector<std::string>;

inline const fs::path kData = LEXIGLEAN_TEST_DATA_DIR;

inline std::u16string PathText(const fs::path& path) { return path.u16string(); }

// The fake window with the hidden " Cap Sensitive" check box in the state the test sets.
class HarvestWindow : public RecordingWindow {
 public:
  bool IsButtonChecked(int id) const override { return id == IDC_CAP_SENSITIVE && capSensitive; }
  bool capSensitive = false;
};

// A fresh stand-in profile and temporary folder per test; the temporary folder must be empty again
// after every search, since converted texts live there only while they are searched.
class HarvestTest : public ::testing::Test {
 protected:
  HarvestTest() {
    std::random_device random;
    base_ = fs::temp_directory_path() / ("lexiglean-phrases-test-" + std::to_string(random()));
    fs::create_directories(base_ / "profile");
    fs::create_directories(base_ / "tmp");
    std::ofstream(base_ / "profile" / "current-user") << "tester\n";
    std::ofstream(base_ / "words") << "the\nteam\n";
    savedTmp_ = getenv("TMPDIR") ? getenv("TMPDIR") : "";
    setenv("TMPDIR", (base_ / "tmp").c_str(), 1);
    standin::StandinOptions options;
    options.profileRoot = base_ / "profile";
    options.systemWordList = base_ / "words";
    options.convertDocument = ConvertedDocumentText;
    recogniser_.emplace(options);
    dialog_.emplace(window, MainDialogServices{&*recogniser_, &wordProcessor_});
    dialog_->OnInitDialog();
    window.TakeEvents();
  }
  ~HarvestTest() override {
    dialog_.reset();
    recogniser_.reset();
    if (savedTmp_.empty()) {
      unsetenv("TMPDIR");
    } else {
      setenv("TMPDIR", savedTmp_.c_str(), 1);
    }
    std::error_code ignored;
    fs::remove_all(base_, ignored);
  }

  void AddDocuments(const std::vector<std::u16string>& paths) {
    window.QueueFiles(paths);
    dialog_->OnCommand(IDC_ADD_DOCUMENTS, BN_CLICKED);
    window.TakeEvents();
  }
  // Runs a command and returns its events without the recogniser's progress texts.
  Events Click(int id) {
    dialog_->OnCommand(id, BN_CLICKED);
    Events events;
    for (std::string& line : window.TakeEvents()) {
      bool progress = false;
      for (const char* text : {"status: Searching for unknown words", "status:   ", "status: Analyzing document",
                               "status: Building Language Model", "status: Language Model"}) {
        progress = progress || line.rfind(text, 0) == 0;
      }
      if (!progress) events.push_back(std::move(line));
    }
    return events;
  }
  Events Search() { return Click(IDC_SEARCH_PHRASES); }
  std::vector<std::u16string> Written() const {
    std::vector<std::u16string> written;
    for (std::size_t i = 0; i < window.Rows().size(); ++i) written.emplace_back(window.Rows().text(i, 0));
    return written;
  }
  bool TemporaryFolderIsEmpty() const { return fs::is_empty(base_ / "tmp"); }

  HarvestWindow window;
  fs::path base_;
  std::string savedTmp_;
  StandinWordProcessor wordProcessor_;
  std::optional<standin::StandinRecogniser> recogniser_;
  std::optional<MainDialog> dialog_;
};

// A main window without a recogniser whose document list holds one document.
struct WindowWithoutRecogniser {
  WindowWithoutRecogniser() {
    dialog.OnInitDialog();
    window.QueueFiles({PathText(kData / "phrases" / "letter.rtf")});
    dialog.OnCommand(IDC_ADD_DOCUMENTS, BN_CLICKED);
    window.TakeEvents();
  }
  RecordingWindow window;
  MainDialog dialog{window, {}};
};

}  // namespace lexiglean::testing
