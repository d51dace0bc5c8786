#include <gtest/gtest.h>

#include "engine/report_com_error.h"
#include "engine/recogniser.h"
#include "platform/system_messages.h"
#include "support/recording_window.h"

namespace lexiglean {
namespace {

using ::lexiglean::testing::RecordingWindow;
using Events = std::vector<std::string>;

TEST(ReportComErrorTest, TheErrorsOwnDescriptionComesFirst) {
  RecordingWindow window;
  ReportComError(window, ComError(E_FAIL, IID_IWordAnalyzer, u"The analyzer is busy"));
  EXPECT_EQ(window.TakeEvents(), (Events{"box: Error | Error: 0x80004005 - The analyzer is busy\\n", "answer: ok"}));
}

TEST(ReportComErrorTest, OtherwiseTheSystemTextCutBeforeItsLineEnd) {
  RecordingWindow window;
  ReportComError(window, ComError(E_INVALIDARG, IID_IWordAnalyzer));
  const Events events = window.TakeEvents();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].rfind("box: Error | Error: 0x80070057 - ", 0), 0u) << events[0];
  EXPECT_EQ(events[0].find("\\r"), std::string::npos);
  EXPECT_EQ(events[0].substr(events[0].size() - 3), ".\\n");
}

TEST(ReportComErrorTest, InterfaceErrorsTakeTheThreadsErrorObject) {
  RecordingWindow window;
  const HRESULT interfaceError = static_cast<HRESULT>(0x80040201u);
  SetCurrentErrorDescription(u"No user is loaded");
  ReportComError(window, ComError(interfaceError, IID_IVocabularyTools));
  EXPECT_EQ(window.TakeEvents(), (Events{"box: Error | Error: 0x80040201 - No user is loaded\\n", "answer: ok"}));
}

TEST(ReportComErrorTest, WithNoTextAnywhereTheDescriptionIsUnknown) {
  RecordingWindow window;
  ReportComError(window, ComError(static_cast<HRESULT>(0x8123ABCDu), GUID_NULL));
  EXPECT_EQ(window.TakeEvents(), (Events{"box: Error | Error: 0x8123ABCD - Unknown\\n", "answer: ok"}));
  ReportComError(window, ComError(static_cast<HRESULT>(0x80040202u), GUID_NULL));  // facility 4, no error object
  EXPECT_EQ(window.TakeEvents(), (Events{"box: Error | Error: 0x80040202 - Unknown\\n", "answer: ok"}));
}

TEST(ReportComErrorTest, RunReportingErrorsShowsWhateverTheActionThrows) {
  RecordingWindow window;
  EXPECT_TRUE(RunReportingErrors(window, [] {}));
  EXPECT_FALSE(RunReportingErrors(window, [] { throw ComError(E_FAIL, GUID_NULL, u"own text"); }));
  EXPECT_FALSE(RunReportingErrors(window, [] { throw std::runtime_error("what it said"); }));
  EXPECT_EQ(window.TakeEvents(),
            (Events{"box: Error | Error: 0x80004005 - own text\\n", "answer: ok",
                    "box: Error | Error: 0x80004005 - what it said\\n", "answer: ok"}));
  // Anything else is E_FAIL with the system's text for it.
  EXPECT_FALSE(RunReportingErrors(window, [] { throw 42; }));
  const Events events = window.TakeEvents();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].rfind("box: Error | Error: 0x80004005 - ", 0), 0u) << events[0];
}

}  // namespace
}  // namespace lexiglean
