#include "wordlist/word_list.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "window/control_ids.h"
#include "wordlist/spoken_form_characters.h"
#include "support/recording_window.h"

namespace lexiglean {
namespace {

using ::lexiglean::testing::RecordingWindow;
using Events = std::vector<std::string>;

// The window's rows must show exactly the model, row for row.
void ExpectWindowMirrorsList(const RecordingWindow& window, const WordList& list) {
  ASSERT_EQ(window.Rows().size(), static_cast<std::size_t>(list.count()));
  for (int i = 0; i < list.count(); ++i) {
    EXPECT_EQ(window.Rows().text(i, 0), list.writtenForm(i)) << i;
    EXPECT_EQ(window.Rows().checked(i), list.isChecked(i)) << i;
  }
}

TEST(WordListTest, ItemsStaySortedAndInsertionsReturnTheirIndex) {
  RecordingWindow window;
  WordList list(window);
  EXPECT_EQ(list.addItem(u"Mango", u"", false), 0);
  EXPECT_EQ(list.addItem(u"apple", u"", false), 0);
  EXPECT_EQ(list.addItem(u"Zebra", u"", false), 2);
  EXPECT_EQ(list.addItem(u"banana", u"", false), 1);
  EXPECT_EQ(list.lastInsertedIndex(), 1);
  EXPECT_EQ(list.writtenForm(0), u"apple");
  EXPECT_EQ(list.writtenForm(3), u"Zebra");
  // Equal written forms keep the order they came in.
  EXPECT_EQ(list.addItem(u"Mango", u"second", false), 3);
  EXPECT_EQ(list.spokenForm(2), u"");
  EXPECT_EQ(list.spokenForm(3), u"second");
  ExpectWindowMirrorsList(window, list);
}

TEST(WordListTest, FormsAreReadBackAsTheirFirst127Characters) {
  RecordingWindow window;
  WordList list(window);
  const std::u16string longForm(200, u'w');
  list.addItem(longForm, longForm, true);
  EXPECT_EQ(list.writtenForm(0), std::u16string(127, u'w'));
  EXPECT_EQ(list.spokenForm(0), std::u16string(127, u'w'));
  const auto checked = list.checkedItems();
  ASSERT_EQ(checked.size(), 1u);
  EXPECT_EQ(checked[0].first.size(), 127u);
  // The row itself shows the whole form.
  EXPECT_EQ(window.Rows().text(0, 0), longForm);

  // A character outside the BMP that the limit would cut in two is left out whole.
  const std::u16string w126(126, u'w');
  for (const auto& [form, readBack] : {std::pair{w126 + u"\U0001F600w", w126},
                                       std::pair{w126.substr(1) + u"\U0001F600w", w126.substr(1) + u"\U0001F600"}}) {
    list.clear();
    list.addItem(form, form, true);
    EXPECT_EQ(list.writtenForm(0), readBack);
    EXPECT_EQ(list.checkedItems().at(0).second, readBack);
  }
}

TEST(WordListTest, CountsFollowEveryChangeAndCheckChangesRefreshTheStatusLine) {
  RecordingWindow window;
  WordList list(window);
  list.addItem(u"one", u"", false);  // a new, unchecked item changes no check box
  EXPECT_EQ(window.TakeEvents(), Events{});
  list.addItem(u"two", u"", true);
  EXPECT_EQ(window.TakeEvents(), Events{"status:   2 Items, 1 Checked"});
  list.setChecked(0, true);
  list.setChecked(0, true);  // no change, no refresh
  EXPECT_EQ(window.TakeEvents(), Events{"status:   2 Items, 2 Checked"});
  list.onUserChecked(1, false);
  EXPECT_EQ(window.TakeEvents(), Events{"status:   2 Items, 1 Checked"});
  list.removeItem(0);
  EXPECT_EQ(list.count(), 1);
  EXPECT_EQ(list.checkedCount(), 0);
  list.clear();
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(list.checkedCount(), 0);
  ExpectWindowMirrorsList(window, list);
}

TEST(WordListTest, CheckAllToggleFlipsEvenOnAnEmptyList) {
  RecordingWindow window;
  WordList list(window);
  list.toggleCheckAll();  // nothing visible but the status line; the toggle is now true
  EXPECT_TRUE(list.checkAllToggle());
  EXPECT_EQ(window.TakeEvents(), Events{"status:   0 Items, 0 Checked"});
  list.addItem(u"a", u"", true);
  list.addItem(u"b", u"", false);
  window.TakeEvents();
  list.toggleCheckAll();  // the next press clears every box
  EXPECT_FALSE(list.checkAllToggle());
  EXPECT_EQ(list.checkedCount(), 0);
  EXPECT_EQ(window.TakeEvents(), (Events{"status:   2 Items, 0 Checked", "status:   2 Items, 0 Checked"}));
  ExpectWindowMirrorsList(window, list);
}

TEST(WordListTest, SearchResultsLeaveTheToggleFalseSoTheFirstPressChecksAgain) {
  RecordingWindow window;
  WordList list(window);
  list.addItem(u"a", u"", true);
  list.addItem(u"b", u"", true);
  list.toggleCheckAll();
  EXPECT_EQ(list.checkedCount(), 2);  // no visible change
  list.toggleCheckAll();
  EXPECT_EQ(list.checkedCount(), 0);
}

TEST(WordListTest, ImportedItemsAreCheckedOnlyWithAPlainSpokenForm) {
  RecordingWindow window;
  WordList list(window);
  const int plain = list.addImportedItem(u"Zürich", u"Zürich");
  EXPECT_TRUE(list.isChecked(plain));
  EXPECT_TRUE(list.checkAllToggle());
  list.setCheckAllToggle(false);
  const int marked = list.addImportedItem(u"R2D2", u"R 2 D 2");
  EXPECT_FALSE(list.isChecked(marked));
  EXPECT_EQ(list.marker(marked), u"x");
  EXPECT_EQ(window.Rows().text(marked, 2), u"x");
  EXPECT_FALSE(list.checkAllToggle());
}

TEST(WordListTest, ClearAllEmptiesTheListAndStatusAndResetsTheButtons) {
  RecordingWindow window;
  WordList list(window);
  list.addItem(u"a", u"", true);
  list.onUserSelected(0);
  list.setCheckAllToggle(true);
  window.EnableControl(IDC_CREATE_SPOKEN_FORMS, false);
  window.TakeEvents();
  list.clearAll();
  EXPECT_EQ(window.TakeEvents(), (Events{"enabled: 1010 off", "enabled: 1018 on", "status: "}));
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(list.checkedCount(), 0);
  EXPECT_TRUE(list.checkAllToggle());  // the toggle and the selected index keep their values
  EXPECT_EQ(list.selectedIndex(), 0);
  EXPECT_TRUE(window.Rows().empty());
}

TEST(WordListTest, SelectionEnablesEditItemAndIsKeptWhenTheListChanges) {
  RecordingWindow window;
  WordList list(window);
  list.addItem(u"a", u"", false);
  list.addItem(u"b", u"", false);
  window.TakeEvents();
  list.onUserSelected(1);
  EXPECT_EQ(window.TakeEvents(), Events{"enabled: 1010 on"});
  list.removeItem(1);
  EXPECT_EQ(list.selectedIndex(), 1);
}

TEST(SpokenFormCharactersTest, AcceptsLettersBlanksAndTheSevenGermanLettersOnly) {
  EXPECT_TRUE(isPlainSpokenForm(u""));
  EXPECT_TRUE(isPlainSpokenForm(u"New York\tCity\r\n\v\f"));
  EXPECT_TRUE(isPlainSpokenForm(u"Grüße aus Köln ÄÖÜ äöüß"));
  EXPECT_FALSE(isPlainSpokenForm(u"x-ray"));
  EXPECT_FALSE(isPlainSpokenForm(u"R2"));
  EXPECT_FALSE(isPlainSpokenForm(u"it's"));
  EXPECT_FALSE(isPlainSpokenForm(u"café"));
  EXPECT_FALSE(isPlainSpokenForm(u"*"));
  EXPECT_FALSE(isPlainSpokenForm(u"\u00A0"));  // no-break space is not classic white space
  EXPECT_FALSE(isPlainSpokenForm(u"ok!"));      // the last character counts too
}



// Everything a person could see of a list: the rows with their three texts and check boxes, the
// counts, the toggle and every event line the window printed.
struct Seen {
  std::vector<std::string> events;
  std::vector<std::array<std::u16string, 3>> rows;
  std::vector<bool> checks;
  std::int32_t checked = 0;
  bool toggle = false;
  std::int32_t lastInserted = 0;
  bool operator==(const Seen&) const = default;
};

template <class Fill>
Seen Filled(Fill&& fill) {
  RecordingWindow window;
  WordList list(window);
  list.addItem(u"old", u"", true);  // replaced by the refill
  window.TakeEvents();
  fill(list);
  Seen seen{window.TakeEvents(), {}, {}, list.checkedCount(), list.checkAllToggle(), list.lastInsertedIndex()};
  const ListRows& rows = window.Rows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    seen.rows.push_back({std::u16string(rows.text(i, 0)), std::u16string(rows.text(i, 1)), std::u16string(rows.text(i, 2))});
    seen.checks.push_back(rows.checked(i));
  }
  return seen;
}

// Random batches with repeated and case-twinned written forms, plain and non-plain spoken forms.
TEST(WordListRefillTest, BatchRefillShowsWhatAddingOneByOneShows) {
  std::mt19937 random(7);
  // Forms alike in their first five or eight letters, folded, that the case-insensitive order and the
  // exact text put in different orders; a letter the folding leaves alone.
  const std::u16string words[] = {u"alpha",  u"Alpha",  u"ALPHA",     u"beta",      u"Ärger",     u"ärger", u"b",
                                  u"",       u"zeta 9", u"alphab",    u"alphaZ",    u"alphabetb", u"alphabetZ",
                                  u"\u03A9mega"};
  for (int round = 0; round < 200; ++round) {
    std::vector<std::pair<std::u16string, std::u16string>> batch(random() % 12);
    std::vector<bool> checks;
    for (auto& [written, spoken] : batch) {
      written = words[random() % std::size(words)];
      spoken = words[random() % std::size(words)];
      checks.push_back(random() % 2 == 0);
    }
    const Seen imported = Filled([&](WordList& list) { list.refillImported(batch); });
    EXPECT_EQ(imported, Filled([&](WordList& list) {
                list.clear();
                for (const auto& [written, spoken] : batch) list.addImportedItem(written, spoken);
              }));
    std::vector<WordListItem> items;
    for (std::size_t i = 0; i < batch.size(); ++i) items.push_back({batch[i].first, batch[i].second, checks[i], {}});
    EXPECT_EQ(Filled([&](WordList& list) { list.refill(items); }), Filled([&](WordList& list) {
                list.clear();
                for (std::size_t i = 0; i < batch.size(); ++i) list.addItem(batch[i].first, batch[i].second, checks[i]);
              }));
  }
}


}  // namespace
}  // namespace lexiglean
