#include "engine/voc_events.h"

#include <gtest/gtest.h>

#include "support/recording_window.h"

namespace lexiglean {
namespace {

using ::lexiglean::testing::RecordingWindow;
using Events = std::vector<std::string>;

TEST(VocEventsTest, EachOperationWritesItsTexts) {
  RecordingWindow window;
  CVocEvents sink(window);
  for (std::int16_t code : {2, 4, 6}) {
    sink.OnOperationStarted(code);
    sink.OnOperationProgress(code, 1, 3);
    sink.OnOperationFinished(code, -1);
    sink.OnOperationFinished(code, 0);
  }
  EXPECT_EQ(window.TakeEvents(),
            (Events{"status: Analyzing document...", "status: Analyzing document... 33 %",
                    "status: Analyzing document... done", "status: Analyzing document... failed",
                    "status: Adding unknown words...", "status: Adding unknown words... 33 %",
                    "status: Adding unknown words... done", "status: Adding unknown words... failed",
                    "status: Building Language Model...", "status: Language Model Building Progress: 33 %",
                    "status: Language Model Building finished", "status: Language Model Building finished"}));
}

TEST(VocEventsTest, ProgressIsTruncatedAndAZeroTotalShowsZero) {
  RecordingWindow window;
  CVocEvents sink(window);
  sink.OnOperationProgress(2, 2, 3);
  sink.OnOperationProgress(2, 3, 3);
  sink.OnOperationProgress(3, 5, 0);
  sink.OnOperationProgress(3, 2000000000, 2000000000);  // no overflow in the multiplication
  EXPECT_EQ(window.TakeEvents(),
            (Events{"status: Analyzing document... 66 %", "status: Analyzing document... 100 %",
                    "status: Searching for unknown words... 0 %", "status: Searching for unknown words... 100 %"}));
  EXPECT_EQ(ProgressPercent(-1, 300), 0);  // toward zero
  EXPECT_EQ(ProgressPercent(-2, 3), -66);
}

TEST(VocEventsTest, OnlyMinusOneIsSuccessForTheUnknownWordSearch) {
  RecordingWindow window;
  CVocEvents sink(window);
  sink.OnOperationStarted(3);
  sink.OnOperationFinished(3, -1);
  EXPECT_EQ(window.TakeEvents(),
            (Events{"status: Searching for unknown words...", "status: Searching for unknown words... done"}));
  for (std::int16_t result : {0, 1}) {
    sink.OnOperationFinished(3, result);
    EXPECT_EQ(window.TakeEvents(), (Events{"status: Searching for unknown words... failed",
                                           "box: Error | A serious error occurred while searching for words or phrases!",
                                           "answer: ok"}));
  }
}

TEST(VocEventsTest, OtherCodesAreIgnored) {
  RecordingWindow window;
  CVocEvents sink(window);
  for (std::int16_t code : {0, 1, 5, 7, 100}) {
    sink.OnOperationStarted(code);
    sink.OnOperationProgress(code, 1, 2);
    sink.OnOperationFinished(code, 0);
  }
  EXPECT_EQ(window.TakeEvents(), Events{});
}

}  // namespace
}  // namespace lexiglean
