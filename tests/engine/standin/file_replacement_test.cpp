// Every file the stand-in replaces (custom words, language model, a saved word list) survives a failure
// at each step of the replacement: the old file stays as it was, no temporary file is left behind and
// the COM error names the file.
#include "standin_test_support.h"

namespace lexiglean::standin::testing {
namespace {

enum class FailingStep { CreateTemporary, Write, Rename };

// The real steps, except one that fails as a full disk or a locked file would.
class FailingReplacer : public FileReplacer {
 public:
  explicit FailingReplacer(FailingStep step) : step_(step) {}

 protected:
  bool CreateTemporary(std::ofstream& file, const fs::path& temporary) const override {
    return step_ != FailingStep::CreateTemporary && FileReplacer::CreateTemporary(file, temporary);
  }
  bool WriteAll(std::ofstream& file, std::string_view bytes) const override {
    if (step_ != FailingStep::Write) return FileReplacer::WriteAll(file, bytes);
    FileReplacer::WriteAll(file, bytes.substr(0, bytes.size() / 2));  // a short write
    return false;
  }
  void Rename(const fs::path& from, const fs::path& to, std::error_code& error) const override {
    if (step_ == FailingStep::Rename) {
      error = std::make_error_code(std::errc::permission_denied);
      return;
    }
    FileReplacer::Rename(from, to, error);
  }

 private:
  FailingStep step_;
};

using FileReplacementTest = StandinTest;

TEST_F(FileReplacementTest, AFailureAtAnyStepKeepsTheOldFileAndNamesIt) {
  using Write = std::function<void(IVocabularyTools&)>;
  const struct {
    const char* what;
    fs::path file;
    Write write;
  } writers[] = {
      {"custom words", customWordsFile(),
       [](IVocabularyTools& tools) {
         auto words = tools.get_WordAnalyzer()->CreateWordCollection();
         words->Add(u"Zorblax", u"zor blacks");
         tools.get_UserVocabulary()->AddToVocabulary(words, 1);
       }},
      {"language model", userFolder() / "language-model.tsv",
       [this](IVocabularyTools& tools) {
         WriteBytes(base() / "one.txt", "the cat");
         auto builder = tools.get_UserVocabulary()->get_LanguageModelBuilder();
         builder->AddDocument(tools.get_DocumentLoader()->OpenDocument((base() / "one.txt").u16string(), 0));
         builder->Build(-1, 0);
       }},
      {"saved word list", base() / "saved" / "list.txt",
       [this](IVocabularyTools& tools) {
         auto words = tools.get_WordAnalyzer()->CreateWordCollection();
         words->Add(u"Zorblax", u"zor blacks");
         words->SaveToFile((base() / "saved" / "list.txt").u16string(), 0);
       }},
  };
  const struct {
    FailingStep step;
    std::u16string_view says;
  } steps[] = {
      {FailingStep::CreateTemporary, u"cannot create the temporary file"},
      {FailingStep::Write, u"writing the temporary file"},
      {FailingStep::Rename, u"ermission denied"},
  };
  const std::string old = "@Version=Plato-UTF8\r\nKept\\\\kept\r\n";
  const std::string oldModel = "kept\t3\n";
  for (const auto& writer : writers) {
    for (const auto& step : steps) {
      SCOPED_TRACE(std::string(writer.what) + ", step " + std::to_string(static_cast<int>(step.step)));
      const std::string& before = writer.file.filename() == "language-model.tsv" ? oldModel : old;
      WriteBytes(writer.file, before);
      const std::vector<std::string> filesBefore = FileNames(writer.file.parent_path());
      auto recogniser = Restart({}, std::make_shared<FailingReplacer>(step.step));
      auto tools = recogniser.CreateVocabularyTools();
      const ComError error = CaughtComError([&] { writer.write(*tools); });
      EXPECT_EQ(error.Error(), E_FAIL);
      EXPECT_NE(error.Description().find(writer.file.filename().u16string()), std::u16string::npos) << Utf16ToUtf8(error.Description());
      EXPECT_NE(error.Description().find(step.says), std::u16string::npos) << Utf16ToUtf8(error.Description());
      EXPECT_EQ(ReadBytes(writer.file), before);
      EXPECT_EQ(FileNames(writer.file.parent_path()), filesBefore);
    }
  }
}

TEST_F(FileReplacementTest, AReadOnlyFileIsRefusedAndALinkIsFollowed) {
  auto recogniser = Restart();
  auto tools = recogniser.CreateVocabularyTools();
  auto words = tools->get_WordAnalyzer()->CreateWordCollection();
  words->Add(u"Zorblax", u"zor blacks");
  const std::string old = "old";
  const fs::path readOnly = base() / "read-only.txt";
  WriteBytes(readOnly, old);
  fs::permissions(readOnly, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const ComError refused = CaughtComError([&] { words->SaveToFile(readOnly.u16string(), 0); });
  EXPECT_EQ(refused.Error(), E_ACCESSDENIED);
  EXPECT_EQ(refused.Description(), u"Cannot write \"" + readOnly.u16string() + u"\": the file is read-only.");
  EXPECT_EQ(ReadBytes(readOnly), old);
#ifndef _WIN32
  // The link stays; the file it points to, in another folder, holds the words, and no temporary file.
  WriteBytes(base() / "elsewhere" / "list.txt", old);
  fs::create_symlink(fs::path("elsewhere") / "list.txt", base() / "link.txt");
  words->SaveToFile((base() / "link.txt").u16string(), 0);
  EXPECT_TRUE(fs::is_symlink(base() / "link.txt"));
  EXPECT_EQ(ReadBytes(base() / "elsewhere" / "list.txt"), "@Version=Plato-UTF8\r\nZorblax\\\\zor blacks\r\n");
  EXPECT_EQ(FileNames(base() / "elsewhere"), std::vector<std::string>{"list.txt"});
#endif
}

}  // namespace
}  // namespace lexiglean::standin::testing
