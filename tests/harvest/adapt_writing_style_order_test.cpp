// Adapt Writing Style lets each object go as soon as its step is done, seen through the recorded calls.
#include <gtest/gtest.h>

#include "app/main_dialog.h"
#include "support/fake_recogniser.h"
#include "support/recording_window.h"
#include "window/control_ids.h"

namespace lexiglean::testing {
namespace {

TEST(AdaptWritingStyleOrderTest, TheLoaderIsLetGoBeforeTheBuilderGetsTheDocument) {
  FakeRecogniser recogniser;
  RecordingWindow window;
  MainDialog dialog(window, {&recogniser, nullptr});
  dialog.OnInitDialog();
  window.QueueFiles({u"/letters/letter.rtf"});
  dialog.OnCommand(IDC_ADD_DOCUMENTS, BN_CLICKED);
  recogniser.calls.clear();
  window.QueueAnswer(IDYES);
  dialog.OnCommand(IDC_ADAPT_WRITING_STYLE, BN_CLICKED);
  EXPECT_EQ(recogniser.calls,
            (std::vector<std::string>{"get_DocumentLoader", "OpenDocument(/letters/letter.rtf)", "release loader",
                                      "AddDocument", "release document", "Build", "release builder"}));
}

}  // namespace
}  // namespace lexiglean::testing
