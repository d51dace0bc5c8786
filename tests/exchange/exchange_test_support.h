#pragma once
// The main window on the stand-in recogniser with a fresh profile, driven through the fake window.
#include <optional>
#include <string>
#include <vector>

#include "app/main_dialog.h"
#include "engine/standin/standin_test_support.h"
#include "platform/text.h"
#include "support/recording_window.h"
#include "window/control_ids.h"

namespace lexiglean::testing {

using Events = std::vector<std::string>;
namespace fs = std::filesystem;

class ExchangeTest : public standin::testing::StandinTest {
 protected:
  ExchangeTest() { StartProgram(); }
  // Starts the program (anew) on this profile.
  void StartProgram() {
    dialog_.reset();
    recogniser_.emplace(Restart());
    dialog_.emplace(window, MainDialogServices{&*recogniser_, nullptr});
    dialog_->OnInitDialog();
    window.TakeEvents();
  }
  ~ExchangeTest() override {
    dialog_.reset();
    recogniser_.reset();
  }

  // Clicks a button and returns its events without the recogniser's progress texts.
  Events Click(int id) {
    dialog_->OnCommand(id, BN_CLICKED);
    Events events;
    for (std::string& line : window.TakeEvents()) {
      if (line.rfind("status: Searching for unknown words", 0) != 0 &&
          line.rfind("status: Adding unknown words", 0) != 0) {
        events.push_back(std::move(line));
      }
    }
    return events;
  }
  // Adds items as a harvest would, without events.
  void Fill(const std::vector<std::tuple<std::u16string, std::u16string, bool>>& items) {
    for (const auto& [written, spoken, checked] : items) dialog_->wordList().addItem(written, spoken, checked);
    window.TakeEvents();
  }
  // The list as the window shows it: check box, written form, spoken form, marker.
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    const ListRows& shown = window.Rows();
    for (std::size_t i = 0; i < shown.size(); ++i) {
      rows.push_back(std::string(shown.checked(i) ? "[x] " : "[ ] ") + Utf16ToUtf8(shown.text(i, 0)) + " | " +
                     Utf16ToUtf8(shown.text(i, 1)) + " | " + Utf16ToUtf8(shown.text(i, 2)));
    }
    return rows;
  }
  fs::path File(const std::string& name, std::string_view bytes) const {
    const fs::path path = base() / name;
    standin::testing::WriteBytes(path, bytes);
    return path;
  }
  static std::string Text(const fs::path& path) { return Utf16ToUtf8(path.u16string()); }

  RecordingWindow window;
  std::optional<standin::StandinRecogniser> recogniser_;
  std::optional<MainDialog> dialog_;
};

}  // namespace lexiglean::testing
