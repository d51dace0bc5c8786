// The stand-in word processor in this process under Wine: its Linux converter started without a
// process handle (the text the Linux converter's tests expect, a failure's reason, a converter that
// never answers or is not there, and no job folder left behind), and what its objects answer to the
// calls a client can get wrong.
#include "com_servers/linux_converter.h"
#include "platform/file_bytes.h"
#include "platform/text.h"

#include <filesystem>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "com_servers/word_processor/application.h"
#include "com_servers/word_processor/document.h"
#include "com_servers/word_processor/documents.h"
#include "com_servers/word_processor/tables.h"
#include "documents/word/variant.h"

namespace lexiglean {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

fs::path Fixture(const std::string& name) { return fs::path(LEXIGLEAN_TEST_DATA_DIR) / "documents" / name; }

std::size_t JobFoldersLeft() {
  std::size_t count = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(fs::temp_directory_path())) {
    count += entry.path().filename().string().starts_with("lexiglean-convert-") ? 1 : 0;
  }
  return count;
}

TEST(LinuxConverter, ConvertsAsOnLinuxAndEveryFailureEnds) {
  if (!fs::exists(fs::path("Z:" LEXIGLEAN_LINUX_CONVERTER))) GTEST_SKIP() << "the linux preset is not built";
  const std::u16string converter = u"" LEXIGLEAN_LINUX_CONVERTER;
  const std::string expected = ReadWholeFile(Fixture("sample.txt")).value();
  const std::size_t foldersBefore = JobFoldersLeft();
  struct Case {
    fs::path document;
    std::u16string program;  // none when empty
    std::string text;          // when it succeeds
    std::string messageStart;  // when it fails
    std::chrono::milliseconds timeLimit = kLinuxConverterTimeLimit;
  };
  const Case cases[] = {
      {Fixture("sample.docx"), converter, expected, {}},
      {Fixture("sample.txt"), converter, expected, {}},
      {Fixture("bad/garbage.docx"), converter, {}, "The document is damaged or is not a Word document:\n\n/"},
      {Fixture("sample.docx"), {}, {}, "The stand-in word processor has no converter"},
      {Fixture("sample.docx"), u"/bin/true", {}, "The stand-in converter did not finish within 1 seconds", seconds(1)},
      {Fixture("sample.docx"), u"/no/such/program", {}, "The stand-in converter /no/such/program could not be started"},
  };
  for (const Case& c : cases) {
    LinuxConverterProgram program{std::nullopt, c.timeLimit};
    if (!c.program.empty()) program.path = c.program;
    const LinuxConverterAnswer answer = ConvertWithLinuxConverter(c.document, program);
    EXPECT_EQ(answer.succeeded, c.messageStart.empty()) << c.document << Utf16ToUtf8(answer.message);
    EXPECT_EQ(answer.text, c.text) << c.document;
    EXPECT_TRUE(Utf16ToUtf8(answer.message).starts_with(c.messageStart)) << Utf16ToUtf8(answer.message);
  }
  EXPECT_EQ(JobFoldersLeft(), foldersBefore);
  EXPECT_TRUE(LinuxConverterVersion({converter}).succeeded);
}

using Argument = std::variant<std::int32_t, std::u16string>;

HRESULT Invoke(IDispatch& object, WORD kind, const std::u16string& member, const std::vector<Argument>& arguments,
               EXCEPINFO& exception) {
  std::wstring name(member.begin(), member.end());
  LPOLESTR names[] = {name.data()};
  DISPID id = 0;
  if (const HRESULT status = object.GetIDsOfNames(IID_NULL, names, 1, 0, &id); FAILED(status)) return status;
  std::vector<Variant> values;
  for (auto it = arguments.rbegin(); it != arguments.rend(); ++it) {
    std::visit([&](const auto& value) { values.emplace_back(value); }, *it);
  }
  std::vector<VARIANT> raw;
  for (const Variant& value : values) raw.push_back(value.raw());
  DISPID putValue = DISPID_PROPERTYPUT;
  const bool put = kind == DISPATCH_PROPERTYPUT;
  DISPPARAMS parameters{raw.data(), put ? &putValue : nullptr, static_cast<UINT>(raw.size()), put ? 1u : 0u};
  Variant result;
  UINT argumentError = 0;
  return object.Invoke(id, IID_NULL, 0, kind, &parameters, &result.raw(), &exception, &argumentError);
}

TEST(WordServerObjects, AnswerWrongCallsAsAutomationDoes) {
  const auto application = word_server::MakeApplication();
  const auto documents = word_server::MakeDocuments();
  const auto document = word_server::MakeDocument(Fixture("sample.docx").u16string());
  const auto tables = word_server::MakeTables();
  struct Case {
    IDispatch& object;
    WORD kind;
    std::u16string member;
    std::vector<Argument> arguments;
    HRESULT expected;
  };
  const Case cases[] = {
      {*application, DISPATCH_PROPERTYPUT, u"VISIBLE", {0}, S_OK},
      {*application, DISPATCH_PROPERTYGET, u"Visible", {}, DISP_E_MEMBERNOTFOUND},
      {*application, DISPATCH_METHOD, u"Activate", {}, DISP_E_UNKNOWNNAME},
      {*documents, DISPATCH_METHOD, u"Open", {}, DISP_E_BADPARAMCOUNT},
      {*documents, DISPATCH_METHOD, u"Open", {Fixture("missing.docx").u16string()}, DISP_E_EXCEPTION},
      {*document, DISPATCH_METHOD, u"SaveAs2", {u"C:\\out.txt", u"plain"}, DISP_E_TYPEMISMATCH},
      {*document, DISPATCH_METHOD, u"SaveAs2", {u"C:\\out.txt", 0}, DISP_E_EXCEPTION},
      {*document, DISPATCH_METHOD, u"close", {0}, S_OK},
      {*tables, DISPATCH_PROPERTYGET, u"Count", {}, S_OK},
      {*tables, DISPATCH_METHOD, u"Item", {1}, DISP_E_EXCEPTION},
  };
  for (const Case& c : cases) {
    EXCEPINFO exception{};
    EXPECT_EQ(Invoke(c.object, c.kind, c.member, c.arguments, exception), c.expected) << Utf16ToUtf8(c.member);
    EXPECT_EQ(exception.bstrDescription != nullptr, c.expected == DISP_E_EXCEPTION) << Utf16ToUtf8(c.member);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
  }
}

}  // namespace
}  // namespace lexiglean
