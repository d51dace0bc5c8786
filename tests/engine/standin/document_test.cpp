// Documents: what counts as a word, the readable text of each format, and unreadable documents.
#include <random>

#include "engine/standin/markup_stripping.h"
#include "engine/standin/word_splitting.h"
#include "standin_test_support.h"

namespace lexiglean::standin::testing {
namespace {

using WordList = std::vector<std::u16string>;

class DocumentTest : public StandinTest {
 protected:
  // The words the stand-in reads from a document with these bytes.
  WordList WordsOf(const std::string& name, const std::string& bytes, DocumentConverter convert = {}) {
    WriteBytes(base() / name, bytes);
    auto recogniser = Restart(std::move(convert));
    auto document = recogniser.CreateVocabularyTools()->get_DocumentLoader()->OpenDocument((base() / name).u16string(), 0);
    WordList words;
    for (const auto& [written, spoken] : Pairs(*document->get_Words())) words.push_back(written);
    EXPECT_EQ(document->get_AnalysisCount(), static_cast<std::int32_t>(words.size()));
    return words;
  }
};

TEST(WordSplittingTest, WordsAreLetterRunsWithInnerApostrophesAndHyphens) {
  EXPECT_EQ(SplitIntoWords(u"Don't stop -- well-known 'quoted' R2D2 e-mail- x"),
            (WordList{u"Don't", u"stop", u"well-known", u"quoted", u"R", u"D", u"e-mail", u"x"}));
  EXPECT_EQ(SplitIntoWords(u"Grüße, Ærø; Αθήνα Москва 東京 e\u0301te \U00020000x"),
            (WordList{u"Grüße", u"Ærø", u"Αθήνα", u"Москва", u"東京", u"e\u0301te", u"\U00020000x"}));
  EXPECT_EQ(SplitIntoWords(std::u16string(1, char16_t(0xD800)) + u"a"), (WordList{u"a"}));
}

TEST_F(DocumentTest, PlainTextIsUtf8OrWindows1252OrUtf16) {
  EXPECT_EQ(WordsOf("a.txt", "caf\xC3\xA9 ok\r\nnext"), (WordList{u"café", u"ok", u"next"}));
  EXPECT_EQ(WordsOf("b.txt", "caf\xE9 \x93quoted\x94"), (WordList{u"café", u"quoted"}));
  EXPECT_EQ(WordsOf("c.txt", std::string("\xFF\xFEh\0i\0 \0y\0o\0", 12)), (WordList{u"hi", u"yo"}));
  EXPECT_EQ(WordsOf("notes.md", "any other file"), (WordList{u"any", u"other", u"file"}));
}

TEST_F(DocumentTest, HtmlTagsCommentsScriptsAndEntitiesAreStripped) {
  EXPECT_EQ(WordsOf("a.HTML",
                    "<html><head><style>p { color: red }</style><script>var hidden;</script></head>"
                    "<body><p class=\"x\">Caf&eacute; &amp; Bar</p><!-- secret --><p>Gr&#252;&#x00DF;e&nbsp;end</p>"
                    "AT&T &bogus; <b>bo</b>ld"),
            (WordList{u"Café", u"Bar", u"Grüße", u"end", u"AT", u"T", u"bogus", u"bo", u"ld"}));
}

TEST_F(DocumentTest, RtfControlWordsAndNonTextGroupsAreStripped) {
  EXPECT_EQ(WordsOf("a.rtf",
                    "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Times New Roman;}}{\\colortbl;\\red0;}"
                    "{\\*\\generator Writer;}{\\info{\\title Hidden}}\\pard\\f0\\fs24 Caf\\'e9 "
                    "\\b bold\\b0\\par Gr\\u252?\\u223?e \\{braces\\} "
                    "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}\\line end}"),
            (WordList{u"Café", u"bold", u"Grüße", u"braces", u"link", u"end"}));
}

TEST_F(DocumentTest, ConvertedDocumentsUseTheConverterOrHoldNoWords) {
  EXPECT_EQ(WordsOf("a.docx", "PK binary"), WordList{});
  std::filesystem::path seen;
  const DocumentConverter convert = [&](const std::filesystem::path& path) -> std::optional<std::string> {
    seen = path;
    return "converted text";
  };
  EXPECT_EQ(WordsOf("b.PDF", "%PDF", convert), (WordList{u"converted", u"text"}));
  EXPECT_EQ(seen, base() / "b.PDF");
}

TEST_F(DocumentTest, UnreadableDocumentsOpenButRaiseTheirFailureNamingTheFile) {
  auto recogniser = Restart([](const std::filesystem::path&) -> std::optional<std::string> { return std::nullopt; });
  auto loader = recogniser.CreateVocabularyTools()->get_DocumentLoader();
  auto missing = loader->OpenDocument((base() / "gone.txt").u16string(), 0);
  const ComError error = CaughtComError([&] { missing->get_Words(); });
  EXPECT_EQ(static_cast<std::uint32_t>(error.Error()), 0x80070002u);
  EXPECT_EQ(error.Iid(), IID_IDocument);
  EXPECT_NE(error.Description().find(u"gone.txt"), std::u16string::npos);
  EXPECT_EQ(CaughtComError([&] { missing->get_AnalysisCount(); }).Iid(), IID_IDocument);

  fs::create_directories(base() / "folder.txt");
  EXPECT_EQ(CaughtComError([&] { loader->OpenDocument((base() / "folder.txt").u16string(), 0)->get_Words(); }).Error(), E_FAIL);
  WriteBytes(base() / "bad.doc", "x");
  const ComError conversion = CaughtComError([&] { loader->OpenDocument((base() / "bad.doc").u16string(), 0)->get_Words(); });
  EXPECT_NE(conversion.Description().find(u"bad.doc"), std::u16string::npos);
}

TEST(MarkupStrippingTest, ArbitraryBytesNeverBreakTheScanners) {
  std::mt19937 random(12345);
  const std::string alphabet = "{}\\'*<>&;#x-!u0123456789abfAZ \r\n\xE9\xFF";
  for (int round = 0; round < 2000; ++round) {
    std::string bytes(random() % 200, ' ');
    for (char& c : bytes) c = alphabet[random() % alphabet.size()];
    const std::u16string text(bytes.begin(), bytes.end());
    SplitIntoWords(StripRtf(bytes));
    SplitIntoWords(StripHtml(text));
  }
  SplitIntoWords(StripRtf(std::string(100000, '{') + "\\bin999999999 x" + std::string(100000, '}')));
  SplitIntoWords(StripHtml(u"<script" + std::u16string(1000, u'<') + u"&#99999999999;"));
}

}  // namespace
}  // namespace lexiglean::standin::testing
