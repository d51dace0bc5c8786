// The .doc reader's handling of LibreOffice, with stand-in soffice scripts: time limit, missing
// output, output clean-up; and where soffice is looked for.
#include "documents/standin/doc_reader.h"

#include <gtest/gtest.h>

#include <thread>

#include "documents/standin/office_location.h"
#include "standin_test_support.h"

namespace lexiglean {
namespace {

using namespace std::chrono_literals;
using standin_test::FileBytes;
using standin_test::Fixture;
using standin_test::Scratch;
using standin_test::WriteFile;

class FakeOfficeTest : public testing::Test {
 protected:
  // A shell script in place of soffice; `body` may use $outdir, the folder it is to write into.
  OfficeCommand FakeOffice(const std::string& body, std::chrono::milliseconds timeLimit = 60s) {
    const std::filesystem::path script = scratch_.work() / "soffice";
    WriteFile(script,
              "#!/bin/sh\n"
              "while [ $# -gt 0 ]; do [ \"$1\" = --outdir ] && outdir=$2; shift; done\n"
              "mkdir -p \"$outdir\"\n" +
                  body);
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    return {script, timeLimit};
  }

  Scratch scratch_;
};

bool ProcessIsGone(const std::string& pid) {
  const std::string stat = FileBytes("/proc/" + pid + "/stat");
  return stat.empty() || stat.find(") Z ") != std::string::npos;  // gone, or a zombie awaiting its reaper
}

TEST_F(FakeOfficeTest, AHangingOfficeIsStoppedWithItsHelpersAndLeavesNothing) {
  const OfficeCommand office = FakeOffice(
      "sleep 300 &\n"
      "echo $! > \"" + (scratch_.work() / "helper.pid").string() + "\"\n"
      "sleep 300\n",
      10s);  // long enough for the script to start its helper on a busy machine
  const ExtractedText result = ExtractDocText(Fixture("sample.doc"), office);
  EXPECT_EQ(result.failure, ConversionFailure::OfficeTimedOut);
  EXPECT_TRUE(scratch_.TempIsEmpty());
  std::string helper = FileBytes(scratch_.work() / "helper.pid");
  ASSERT_FALSE(helper.empty()) << "the script did not get as far as starting its helper";
  helper.pop_back();
  // The helper was killed with its group; give the kernel a moment to take it down.
  bool gone = ProcessIsGone(helper);
  for (int i = 0; i < 100 && !gone; ++i) {
    std::this_thread::sleep_for(100ms);
    gone = ProcessIsGone(helper);
  }
  EXPECT_TRUE(gone);
}

TEST_F(FakeOfficeTest, AnOfficeThatWritesNothingHasRejectedTheDocument) {
  const ExtractedText result = ExtractDocText(Fixture("sample.doc"), FakeOffice("exit 0\n"));
  EXPECT_EQ(result.failure, ConversionFailure::OfficeRejected);
  EXPECT_TRUE(scratch_.TempIsEmpty());
}

TEST_F(FakeOfficeTest, TheOfficesTextLosesItsByteOrderMarkAndGetsCrLfLineEnds) {
  const ExtractedText result =
      ExtractDocText(Fixture("sample.doc"), FakeOffice("printf '\\357\\273\\277A\\nB\\r\\n' > \"$outdir/document.txt\"\n"));
  ASSERT_FALSE(result.failure);
  EXPECT_EQ(result.text, "A\r\nB\r\n");
  EXPECT_TRUE(scratch_.TempIsEmpty());
}

TEST_F(FakeOfficeTest, AnOfficeThatCannotStartIsReported) {
  const ExtractedText result = ExtractDocText(Fixture("sample.doc"), {scratch_.work() / "absent", 60s});
  EXPECT_EQ(result.failure, ConversionFailure::OfficeNotStarted);
  EXPECT_TRUE(scratch_.TempIsEmpty());
}

TEST(OfficeLocationTest, OnlyExecutablesInAbsoluteFoldersCount) {
  Scratch scratch;
  const std::filesystem::path plain = scratch.work() / "plain";
  const std::filesystem::path runnable = scratch.work() / "runnable";
  std::filesystem::create_directories(plain);
  std::filesystem::create_directories(runnable);
  WriteFile(plain / "soffice", "not a program");
  WriteFile(runnable / "soffice", "#!/bin/sh\n");
  std::filesystem::permissions(runnable / "soffice", std::filesystem::perms::owner_all);
  const std::string searchPath = "::relative/folder:" + plain.string() + ":" + runnable.string();
  EXPECT_EQ(FindOfficeExecutable(searchPath), runnable / "soffice");
}

TEST(OfficeLocationTest, ProfileUrlsEncodeBlanksAndLettersBeyondAscii) {
  EXPECT_EQ(FileUrl("/tmp/a b/Zürich#1"), "file:///tmp/a%20b/Z%C3%BCrich%231");
}

}  // namespace
}  // namespace lexiglean
