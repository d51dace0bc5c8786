// The item dialogs through the fake window, on the stand-in recogniser (vocabulary: the, cat, sat,
// mat, Asunción).
#include "spoken/item_dialogs.h"

#include <gtest/gtest.h>

#include "window/control_ids.h"
#include "app/main_dialog.h"
#include "platform/text.h"
#include "support/fake_recogniser.h"
#include "support/recording_window.h"
#include "engine/standin/standin_test_support.h"

namespace lexiglean {
namespace {

using ::lexiglean::testing::RecordingWindow;
using Events = std::vector<std::string>;
using Fields = ItemDialogFields;

// The fake window, keeping the fields each item dialog opened with.
class ItemWindow : public RecordingWindow {
 public:
  bool RunItemDialog(int dialogId, const ItemDialogFields& initial,
                     const std::function<bool(const ItemDialogFields&)>& onOk) override {
    opened.push_back(initial);
    return RecordingWindow::RunItemDialog(dialogId, initial, onOk);
  }
  std::vector<ItemDialogFields> opened;
};

// Each row as "[x] written | spoken".
std::vector<std::string> RowTexts(const RecordingWindow& window) {
  std::vector<std::string> rows;
  const ListRows& shown = window.Rows();
  for (std::size_t i = 0; i < shown.size(); ++i) {
    rows.push_back(std::string(shown.checked(i) ? "[x] " : "[ ] ") + Utf16ToUtf8(shown.text(i, 0)) + " | " +
                   Utf16ToUtf8(shown.text(i, 1)));
  }
  return rows;
}

int SelectedRow(const RecordingWindow& window) { return window.SelectedRow(); }

const std::string kAddDialog = "dialog: Add New Item";
const std::string kEditDialog = "dialog: Edit Item Dialog";
const std::string kInList =
    "box: Not a new word | The Written Form \\ Spoken Form you have entered already exists in the list.\\nEnter a "
    "different combination";
std::string InvalidCharacter(const std::string& character) {
  return "box: Invalid Character | The character > " + character +
         " < is invalid in the Spoken Form.\\nEnter a different Spoken Form.";
}

struct ItemCase {
  const char* name;
  std::vector<WordListItem> list;  // the list before
  int userSelects;                 // the row the user selects first, or -1
  int button;
  std::vector<Fields> oks;  // one per OK press; then the dialog is cancelled
  Events events;            // after the click
  std::vector<std::string> rows;
  int selectedRow;
};

// A main window on the stand-in, with items in its list and, when userSelects >= 0, one selected.
struct Session {
  Session(standin::StandinRecogniser&& standin, const std::vector<WordListItem>& items, int userSelects)
      : recogniser(std::move(standin)), dialog(window, {&recogniser, nullptr}) {
    dialog.OnInitDialog();
    for (const WordListItem& item : items) dialog.wordList().addItem(item.written, item.spoken, item.checked);
    if (userSelects >= 0) {
      window.UserSelectsRow(userSelects);
      dialog.OnListItemSelected(userSelects);
    }
    window.TakeEvents();
  }
  Events Click(int button, const std::vector<Fields>& oks) {
    for (const Fields& fields : oks) window.QueueFields(fields);
    dialog.OnCommand(button, BN_CLICKED);
    return window.TakeEvents();
  }

  ItemWindow window;
  standin::StandinRecogniser recogniser;
  MainDialog dialog;
};

using ItemDialogsTest = standin::testing::StandinTest;

TEST_F(ItemDialogsTest, ChecksInOrderStoreAndReselectAsTheTableSays) {
  const std::u16string w100(100, u'w');
  const WordListItem zorkChecked{u"Zork", u"zork", true, {}};
  const WordListItem zorkUnchecked{u"Zork", u"zork", false, {}};
  const WordListItem apple{u"Apple", u"apple", true, {}};
  const std::vector<ItemCase> cases = {
      {"110 characters are accepted", {}, -1, IDC_ADD_ITEM, {{w100, u"ssssssssss"}},
       {kAddDialog, "status:   1 Items, 1 Checked", "focus: 1008", "enabled: 1010 on"},
       {"[x] " + Utf16ToUtf8(w100) + " | ssssssssss"}, 0},
      {"111 are refused with 111, focus on the written form; Cancel on an empty list selects nothing",
       {}, -1, IDC_ADD_ITEM, {{w100, u"sssssssssss"}},
       {kAddDialog, "box: Too many characters | You have entered 111 characters.\\n\\n110 is the limit.",
        "answer: ok", "focus: 1015", "focus: 1008"},
       {}, -1},
      {"an empty spoken form: the vocabulary names the written form alone, and it is stored empty",
       {}, -1, IDC_ADD_ITEM, {{u"cat", u""}, {u"sat", u"sat down"}, {u"Kitty", u""}},
       {kAddDialog, "box: Not a new word | The word 'cat' already exists in the vocabulary.", "answer: ok",
        "focus: 1015", "box: Not a new word | The word 'sat \\\\ sat down' already exists in the vocabulary.",
        "answer: ok", "focus: 1015", "status:   1 Items, 1 Checked", "focus: 1008", "enabled: 1010 on"},
       {"[x] Kitty | "}, 0},
      {"the first invalid character is named, a non-BMP one whole; letters, spaces and umlauts pass",
       {}, -1, IDC_ADD_ITEM,
       {{u"R2", u"are 2"}, {u"X", u"ex-wife's"}, {u"Y", u"caf\u00e9"}, {u"Z", u"a*"}, {u"G", u"g \U0001F600 x"},
        {u"Gr\u00fc\u00df", u"gr \u00fc\u00df \u00c4\u00d6"}},
       {kAddDialog, InvalidCharacter("2"), "answer: ok", "focus: 1017", InvalidCharacter("-"), "answer: ok",
        "focus: 1017", InvalidCharacter("\u00e9"), "answer: ok", "focus: 1017", InvalidCharacter("*"), "answer: ok",
        "focus: 1017", InvalidCharacter("\U0001F600"), "answer: ok", "focus: 1017", "status:   1 Items, 1 Checked",
        "focus: 1008", "enabled: 1010 on"},
       {"[x] Gr\u00fc\u00df | gr \u00fc\u00df \u00c4\u00d6"}, 0},
      {"an empty written form with a spoken form passes the length and character checks",
       {}, -1, IDC_ADD_ITEM, {{u"", u"just spoken"}},
       {kAddDialog, "status:   1 Items, 1 Checked", "focus: 1008", "enabled: 1010 on"}, {"[x]  | just spoken"}, 0},
      {"the unchanged checked item is already in the list", {apple, zorkChecked}, 1, IDC_EDIT_ITEM, {{u"Zork", u"zork"}},
       {kEditDialog, kInList, "answer: ok", "focus: 1015", "focus: 1008"},
       {"[x] Apple | apple", "[x] Zork | zork"}, 1},
      {"the unchanged unchecked item is accepted and replaced, checked", {apple, zorkUnchecked}, 1, IDC_EDIT_ITEM,
       {{u"Zork", u"zork"}},
       {kEditDialog, "status:   2 Items, 2 Checked", "focus: 1008"}, {"[x] Apple | apple", "[x] Zork | zork"}, 1},
      {"an edit replaces the selected item and the new one stands at its sorted place", {apple, zorkChecked}, 1,
       IDC_EDIT_ITEM, {{u"Aardvark", u"ard vark"}},
       {kEditDialog, "status:   2 Items, 2 Checked", "focus: 1008"}, {"[x] Aardvark | ard vark", "[x] Apple | apple"}, 0},
      {"a pair equal to an unchecked item is added beside it", {zorkUnchecked}, -1, IDC_ADD_ITEM, {{u"Zork", u"zork"}},
       {kAddDialog, "status:   2 Items, 1 Checked", "focus: 1008", "enabled: 1010 on"},
       {"[ ] Zork | zork", "[x] Zork | zork"}, 1},
      {"Cancel re-selects the selected item", {apple, zorkChecked}, 1, IDC_ADD_ITEM, {},
       {kAddDialog, "focus: 1008"}, {"[x] Apple | apple", "[x] Zork | zork"}, 1},
      {"Cancel before any selection selects item 0", {apple, zorkChecked}, -1, IDC_ADD_ITEM, {},
       {kAddDialog, "enabled: 1010 on", "focus: 1008"}, {"[x] Apple | apple", "[x] Zork | zork"}, 0},
      {"OK with both fields empty is Cancel", {apple, zorkChecked}, 1, IDC_EDIT_ITEM, {{u"", u""}},
       {kEditDialog, "focus: 1008"}, {"[x] Apple | apple", "[x] Zork | zork"}, 1},
  };
  for (const ItemCase& c : cases) {
    SCOPED_TRACE(c.name);
    Session session(Restart(), c.list, c.userSelects);
    EXPECT_EQ(session.Click(c.button, c.oks), c.events);
    EXPECT_EQ(RowTexts(session.window), c.rows);
    EXPECT_EQ(SelectedRow(session.window), c.selectedRow);
  }
}

TEST_F(ItemDialogsTest, TheEditDialogOpensWithTheSelectedItemAndEmptyOnceTheListHasShrunkPastIt) {
  Session session(Restart(), {{u"Apple", u"apple", true, {}}, {u"Berry", u"", false, {}}, {u"Cherry", u"cherry", true, {}}}, 2);
  session.Click(IDC_EDIT_ITEM, {});
  // A command refills the list with fewer items; the selected index stays 2.
  session.dialog.wordList().clear();
  session.dialog.wordList().addItem(u"Damson", u"damson", true);
  session.window.TakeEvents();
  EXPECT_EQ(session.Click(IDC_EDIT_ITEM, {{u"Elder", u"elder"}}),
            (Events{kEditDialog, "status:   2 Items, 2 Checked", "focus: 1008"}));
  ASSERT_EQ(session.window.opened.size(), 2u);
  EXPECT_EQ(session.window.opened[0].written, u"Cherry");
  EXPECT_EQ(session.window.opened[0].spoken, u"cherry");
  EXPECT_EQ(session.window.opened[1].written, u"");
  EXPECT_EQ(session.window.opened[1].spoken, u"");
  EXPECT_EQ(RowTexts(session.window), (std::vector<std::string>{"[x] Damson | damson", "[x] Elder | elder"}));
}

TEST_F(ItemDialogsTest, AStoreSetsTheToggleSoTheNextCheckUncheckAllUnchecksEverything) {
  Session session(Restart(), {{u"Apple", u"apple", true, {}}}, -1);
  EXPECT_FALSE(session.dialog.wordList().checkAllToggle());
  session.Click(IDC_ADD_ITEM, {{u"Quince", u"quince"}});
  session.dialog.OnCommand(IDC_CHECK_UNCHECK_ALL, BN_CLICKED);
  EXPECT_EQ(session.dialog.wordList().checkedCount(), 0);
}

TEST(ItemDialogsComErrorTest, ARecogniserFailureIsShownTheDialogStaysOpenAndTheListIsUnchanged) {
  // The fake recogniser hands out no word collection: E_POINTER.
  ::lexiglean::testing::FakeRecogniser recogniser;
  ItemWindow window;
  MainDialog dialog(window, {&recogniser, nullptr});
  dialog.OnInitDialog();
  dialog.wordList().addItem(u"Apple", u"apple", true);
  window.TakeEvents();
  window.QueueFields(Fields{u"Pear", u"pear"});
  window.QueueFields(Fields{u"Plum", u"plum"});
  dialog.OnCommand(IDC_ADD_ITEM, BN_CLICKED);
  Events events = window.TakeEvents();
  ASSERT_EQ(events.size(), 7u);
  // The description is the system's text for E_POINTER, where it has one.
  for (const std::size_t box : {1, 3}) {
    EXPECT_EQ(events[box].rfind("box: Error | Error: 0x80004003 - ", 0), 0u) << events[box];
    events[box] = "box";
  }
  EXPECT_EQ(events, (Events{kAddDialog, "box", "answer: ok", "box", "answer: ok", "enabled: 1010 on", "focus: 1008"}));
  EXPECT_EQ(RowTexts(window), std::vector<std::string>{"[x] Apple | apple"});
}

}  // namespace
}  // namespace lexiglean
