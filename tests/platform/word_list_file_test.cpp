#include "platform/word_list_file.h"

#include <gtest/gtest.h>

#include "platform/narrow_code_page.h"
#include "platform/text.h"

namespace lexiglean {

// Failure messages show an entry's forms as UTF-8.
void PrintTo(const WordListFileEntry& entry, std::ostream* out) {
  *out << "{" << ::testing::PrintToString(Utf16ToUtf8(entry.written)) << ", "
       << ::testing::PrintToString(Utf16ToUtf8(entry.spoken)) << "}";
}

namespace {

using namespace std::string_literals;
using Entries = std::vector<WordListFileEntry>;

TEST(WordListFileTest, ReadsBothVariantsLineByLine) {
  const std::u16string narrowZurich = NarrowToUtf16("Z\xFCrich");
  const struct {
    std::string bytes;
    bool versioned;
    Entries entries;
  } cases[] = {
      // The versioned header, two backslashes, CR LF and LF lines, no line end at the end.
      {"@Version=Plato-UTF8\r\nBank of America\\\\bank of america\nNew York\\\\new york",
       true,
       {{u"Bank of America", u"bank of america"}, {u"New York", u"new york"}}},
      // Split at the first separator; further backslashes belong to the spoken form; one backslash is text.
      {"@Version=Plato-UTF8\na\\b\\\\c\\\\d\\\n", true, {{u"a\\b", u"c\\\\d\\"}}},
      // No separator, empty lines and lines starting with the separator; nothing is trimmed.
      {"@Version=Plato-UTF8\n Lone \n\n\\\\orphan\r\n\r\n x \\\\ y \n", true, {{u" Lone ", u""}, {u" x ", u" y "}}},
      // A header alone, with and without line end.
      {"@Version=Plato-UTF8", true, {}},
      {"@Version=Plato-UTF8\r\n", true, {}},
      // Plain: the first line is data, split at its first backslash.
      {"Zorblax\\zor blacks\\x\r\nQuibbet\n\\skipped\n", false, {{u"Zorblax", u"zor blacks\\x"}, {u"Quibbet", u""}}},
      {"one line", false, {{u"one line", u""}}},
      {"", false, {}},
      // A header with anything around it is plain data (split at its first backslash: there is none).
      {"@Version=Plato-UTF8 \na\\\\b\n", false, {{u"@Version=Plato-UTF8 ", u""}, {u"a", u"\\b"}}},
      {" @Version=Plato-UTF8\n", false, {{u" @Version=Plato-UTF8", u""}}},
      // LF, CR LF and a lone CR each end a line.
      {"a\rb\\c\r\r\nd\r", false, {{u"a", u""}, {u"b", u"c"}, {u"d", u""}}},
      {"@Version=Plato-UTF8\rMac\\\\mac\r", true, {{u"Mac", u"mac"}}},
      // A byte-order mark decides the encoding and is not part of the first line.
      {"\xEF\xBB\xBF@Version=Plato-UTF8\r\n\xC3\x84rger\\\\\xC3\xA4rger\r\n", true, {{u"Ärger", u"ärger"}}},
      {"\xFF\xFE@\0V\0e\0r\0s\0i\0o\0n\0=\0P\0l\0a\0t\0o\0-\0U\0T\0F\0"
       "8\0\r\0\n\0\xE9\0\\\0\\\0x\0"s,
       true,
       {{u"é", u"x"}}},
      {"\xFE\xFF\0a\0\\\0b\0\n\xD8\x3D\xDE\x00"s, false, {{u"a", u"b"}, {u"\U0001F600", u""}}},
      // Without a byte-order mark: each line is UTF-8 when it is valid UTF-8, else the narrow code page.
      {"Z\xC3\xBCrich\\\\z\n", false, {{u"Zürich", u"\\z"}}},
      {"Z\xFCrich\\z\n", false, {{narrowZurich, u"z"}}},
      {"@Version=Plato-UTF8\r\nM\xC3\xBCnchen\\\\m\r\nZ\xFCrich\\\\z\rK\xC3\xB6ln\n", true,
       {{u"München", u"m"}, {narrowZurich, u"z"}, {u"Köln", u""}}},
      // Without a byte-order mark, NUL bytes on odd offsets show UTF-16 LE, on even ones UTF-16 BE.
      {"a\0\\\0\xFC\0\r\0\n\0\x3D\xD8\x00\xDE"s, false, {{u"a", u"ü"}, {u"\U0001F600", u""}}},
      {"\0a\0\\\0\xFC\0\r\0\n\x4E\0"s, false, {{u"a", u"ü"}, {u"\u4E00", u""}}},
      // As many at even offsets as at odd ones, or a stray one, show nothing: NUL bytes are then
      // characters like any other.
      {"a\0b\\\0\n"s, false, {{u"a\0b"s, u"\0"s}}},
      {"Zebra\\zebra\r\nM\xC3\xBCnchen\r\nab\0c\r\n"s, false, {{u"Zebra", u"zebra"}, {u"München", u""}, {u"ab\0c"s, u""}}},
  };
  for (const auto& c : cases) {
    const WordListFile file = ReadWordListFile(c.bytes);
    EXPECT_EQ(file.versioned, c.versioned) << ::testing::PrintToString(c.bytes);
    EXPECT_EQ(file.entries, c.entries) << ::testing::PrintToString(c.bytes);
  }
}

TEST(WordListFileTest, WritesTheVersionedVariantAndNamesWhatItCannotHold) {
  EXPECT_EQ(FormatVersionedWordList({{u"Ärger", u""}, {u"a\\b", u"c\\\\d"}}),
            "@Version=Plato-UTF8\r\n\xC3\x84rger\\\\\r\na\\b\\\\c\\\\d\r\n");
  const struct {
    WordListFileEntry entry;
    const char16_t* problem;
  } cases[] = {
      {{u"fine\\one", u"any \\\\ thing"}, nullptr},
      {{u"", u"x"}, u"its written form is empty"},
      {{u"a\nb", u""}, u"it holds a line break"},
      {{u"a", u"b\r"}, u"it holds a line break"},
      {{u"a\\\\b", u""}, u"its written form holds two backslashes in a row or ends in a backslash"},
      {{u"a\\", u""}, u"its written form holds two backslashes in a row or ends in a backslash"},
      {{u"a", u"\xD800"}, u"it holds an unpaired surrogate"},
      {{u"a\0b"s, u""}, u"it holds a NUL character"},
  };
  for (const auto& c : cases) {
    const auto problem = VersionedWordListProblem(c.entry);
    EXPECT_EQ(problem.value_or(u"-"), c.problem ? c.problem : u"-") << Utf16ToUtf8(c.entry.written);
  }
}

}  // namespace
}  // namespace lexiglean
