#pragma once
// The word list: the program's one working set of items, kept sorted by written form and mirrored
// row for row into the window's list control, with its counts, check-all toggle and status line.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "window/window_port.h"

namespace lexiglean {

struct WordListItem {
  std::u16string written;
  std::u16string spoken;
  bool checked = false;
  std::u16string marker;  // "x" from imports, "+" from the spoken-form generator
};

// Commands read item texts back with room for this many characters; a character outside the BMP that
// the limit would cut in two is left out whole.
inline constexpr std::size_t kItemTextReadLimit = 127;

class WordList {
 public:
  explicit WordList(WindowPort& window) : window_(window) {}

  std::int32_t count() const { return static_cast<std::int32_t>(items_.size()); }
  std::int32_t checkedCount() const { return checkedCount_; }
  std::u16string writtenForm(std::int32_t index) const;
  std::u16string spokenForm(std::int32_t index) const;
  bool isChecked(std::int32_t index) const { return items_.at(index).checked; }
  const std::u16string& marker(std::int32_t index) const { return items_.at(index).marker; }
  // The checked items in list order, each form read back as writtenForm / spokenForm do.
  std::vector<std::pair<std::u16string, std::u16string>> checkedItems() const;

  std::int32_t addItem(const std::u16string& written, const std::u16string& spoken, bool checked);
  std::int32_t addImportedItem(const std::u16string& written, const std::u16string& spoken);
  // Replaces every item by a batch given in its order of arrival, with the outcome of clear() followed
  // by addItem (refill) or addImportedItem (refillImported) for each entry in turn: the same order (equal
  // written forms keep their order of arrival), check boxes, markers, counts, toggle and status lines.
  // It costs n log n: the batch is sorted once and the window receives the rows in order.
  void refill(std::vector<WordListItem> arrivals);
  void refillImported(std::vector<std::pair<std::u16string, std::u16string>> arrivals);
  void setSpokenForm(std::int32_t index, const std::u16string& spoken);
  void setMarker(std::int32_t index, const std::u16string& marker);
  void setChecked(std::int32_t index, bool checked);
  void removeItem(std::int32_t index);
  void clear();
  void select(std::int32_t index);
  void ensureVisible(std::int32_t index);
  void refreshStatus();
  void toggleCheckAll();
  void clearAll();

  // What the user did in the list control.
  void onUserChecked(std::int32_t index, bool checked);
  void onUserSelected(std::int32_t index);

  bool checkAllToggle() const { return checkAllToggle_; }
  void setCheckAllToggle(bool value) { checkAllToggle_ = value; }
  std::int32_t selectedIndex() const { return selectedIndex_; }
  std::int32_t lastInsertedIndex() const { return lastInsertedIndex_; }

 private:
  void applyCheck(std::int32_t index, bool checked);
  // The refills' last step: the sorted items replace the list and reach the window, with the status
  // lines of their arrival (checkedOnArrival in order of arrival).
  void replaceWithSorted(std::vector<WordListItem> sorted, const std::vector<bool>& checkedOnArrival);

  WindowPort& window_;
  std::vector<WordListItem> items_;
  std::int32_t checkedCount_ = 0;
  bool checkAllToggle_ = false;
  std::int32_t selectedIndex_ = 0;
  std::int32_t lastInsertedIndex_ = 0;
};

// The list's order: case-insensitive as the platform's sorted list compares, then by exact text.
bool WrittenFormSortsBefore(std::u16string_view a, std::u16string_view b);

}  // namespace lexiglean
