// AutoWrap against a recording automation object: names, argument order, named put value, the boxes.
#include "platform/text.h"

#include <gtest/gtest.h>

#include "documents/word/auto_wrap.h"
#include "fake_automation_object.h"

namespace lexiglean {
namespace {

using testing::FakeAutomationObject;
using testing::RecordedCall;
using Box = std::pair<std::u16string, std::u16string>;

class AutoWrapTest : public ::testing::Test {
 protected:
  std::vector<RecordedCall> log;
  std::vector<Box> boxes;
  FakeAutomationObject document{u"document", log};
  Automation automation{
      [this](std::u16string_view text, std::u16string_view caption) { boxes.emplace_back(text, caption); }};
};

TEST_F(AutoWrapTest, FirstArgumentGivenIsTheLastParameter) {
  document.answer(u"SaveAs2");
  // IDispatch lists arguments last parameter first, so rgvarg[0] is the file format and rgvarg[1]
  // the file name: SaveAs2(FileName, FileFormat).
  EXPECT_EQ(automation.AutoWrap(AutomationKind::Call, nullptr, &document, u"SaveAs2", 2, u"C:\\t\\a b.txt"),
            S_OK);
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].call, u"document.SaveAs2");
  EXPECT_EQ(log[0].kind, DISPATCH_METHOD);
  EXPECT_EQ(log[0].arguments, (std::vector<std::u16string>{u"2", u"\"C:\\t\\a b.txt\""}));
  EXPECT_TRUE(log[0].named.empty());
  EXPECT_EQ(log[0].lookupLocale, LOCALE_USER_DEFAULT);
  EXPECT_EQ(log[0].invokeLocale, LOCALE_SYSTEM_DEFAULT);
}

TEST_F(AutoWrapTest, PropertyPutNamesItsValueAndGetEmptiesTheResultFirst) {
  document.answer(u"Visible");
  document.answer(u"Count", 3);
  automation.AutoWrap(AutomationKind::Put, nullptr, &document, u"Visible", 0);
  Variant count(u"left over");
  automation.AutoWrap(AutomationKind::Get, &count, &document, u"Count");

  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].kind, DISPATCH_PROPERTYPUT);
  EXPECT_EQ(log[0].arguments, std::vector<std::u16string>{u"0"});
  EXPECT_EQ(log[0].named, std::vector<DISPID>{DISPID_PROPERTYPUT});
  EXPECT_EQ(log[1].kind, DISPATCH_PROPERTYGET);
  EXPECT_TRUE(log[1].resultWasEmpty);
  EXPECT_EQ(count.toInt32(), 3);
}

TEST_F(AutoWrapTest, EachFailureShowsItsBoxAndThrows) {
  document.answer(u"ConvertToText", {}, DISPID_NEWENUM);  // a negative id shows as its 32 bits
  document.failInvoke(u"ConvertToText", static_cast<HRESULT>(0x800a1066));
  EXPECT_THROW(automation.AutoWrap(AutomationKind::Call, nullptr, nullptr, u"Quit"), AutomationFailure);
  EXPECT_THROW(automation.AutoWrap(AutomationKind::Get, nullptr, &document, u"Bogus"), AutomationFailure);
  EXPECT_THROW(automation.AutoWrap(AutomationKind::Call, nullptr, &document, u"ConvertToText", u"\r\n"),
               AutomationFailure);
  EXPECT_EQ(
      boxes,
      (std::vector<Box>{
          {u"NULL IDispatch passed to AutoWrap()", u"AutoWrap Error 1"},
          {u"IDispatch::GetIDsOfNames(\"Bogus\") failed w/err 0x80020006\n", u"AutoWrap Error 2"},
          {u"IDispatch::Invoke(\"ConvertToText\"=fffffffc) failed w/err 0x800a1066\n", u"AutoWrap Error 3"},
      }));
  EXPECT_EQ(log.at(0).arguments, std::vector<std::u16string>{u"\"\r\n\""});
}

TEST_F(AutoWrapTest, TryAutoWrapReportsFailureQuietly) {
  EXPECT_EQ(automation.TryAutoWrap(AutomationKind::Call, &document, u"Quit", 0), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(automation.TryAutoWrap(AutomationKind::Call, nullptr, u"Quit"), E_POINTER);
  EXPECT_TRUE(boxes.empty());
}

// The real box, answered by a hook on this thread; needs a display (xvfb-run under Wine).
HHOOK boxHook = nullptr;
std::vector<std::u16string> seenBox;  // caption, text, owner, buttons

std::u16string WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return std::u16string(text.begin(), text.end());
}

bool IsDialogBox(HWND window) {
  return GetClassLongPtrW(window, GCW_ATOM) == 0x8002;
}  // "#32770"

LRESULT CALLBACK AnswerBox(int code, WPARAM window, LPARAM detail) {
  const auto box = reinterpret_cast<HWND>(window);
  if (code == HCBT_ACTIVATE && IsDialogBox(box)) {
    int buttons = 0;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM count) {
          constexpr LRESULT kButton = DLGC_BUTTON | DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON;
          if (SendMessageW(child, WM_GETDLGCODE, 0, 0) & kButton) ++*reinterpret_cast<int*>(count);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&buttons));
    seenBox = {WindowText(box), WindowText(GetDlgItem(box, 0xFFFF)),
               GetWindow(box, GW_OWNER) ? u"owned" : u"no owner",
               DecimalText(buttons) + (GetDlgItem(box, IDOK) ? u" with OK" : u"")};
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
  return CallNextHookEx(boxHook, code, window, detail);
}

TEST(OwnerlessErrorBox, HasNoOwnerAndOneOkButton) {
  boxHook = SetWindowsHookExW(WH_CBT, AnswerBox, nullptr, GetCurrentThreadId());
  ShowOwnerlessErrorBox(u"IDispatch::GetIDsOfNames(\"X\") failed w/err 0x80020006\n", u"AutoWrap Error 2");
  UnhookWindowsHookEx(boxHook);
  if (seenBox.empty()) GTEST_SKIP() << "no display to show a box on";
  EXPECT_EQ(seenBox, (std::vector<std::u16string>{
                         u"AutoWrap Error 2", u"IDispatch::GetIDsOfNames(\"X\") failed w/err 0x80020006\n",
                         u"no owner", u"1 with OK"}));
}

}  // namespace
}  // namespace lexiglean
