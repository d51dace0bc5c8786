#include "wordlist/word_list.h"

#include <algorithm>

#include "window/control_ids.h"
#include "wordlist/spoken_form_characters.h"
#include "platform/text.h"

namespace lexiglean {
namespace {

// Folds ASCII and Latin-1 capitals to small letters for the case-insensitive order.
char16_t FoldCase(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<char16_t>(c + 0x20);
  return c;
}

// The first eight case-folded units of a written form (0 past its end), packed into two numbers so
// that forms whose keys differ are ordered by their keys as WrittenFormSortsBefore orders them.
struct SortKey {
  std::uint64_t first;
  std::uint64_t second;
  friend auto operator<=>(const SortKey&, const SortKey&) = default;
};

SortKey SortKeyOf(std::u16string_view text) {
  const auto pack = [&](std::size_t from) {
    std::uint64_t packed = 0;
    for (std::size_t i = from; i < from + 4; ++i) packed = packed << 16 | (i < text.size() ? FoldCase(text[i]) : 0u);
    return packed;
  };
  return {pack(0), pack(4)};
}

// A refill visits items and texts in an order unrelated to where they lie in memory: it asks the
// processor to start loading what it will read a few steps later, so that the waits overlap.
constexpr std::size_t kPrefetchDistance = 8;
void Prefetch(const void* address) { __builtin_prefetch(address); }

// The arrivals made into items (item(arrival, index of arrival)) in list order: by written form
// (written(arrival)), equal forms in their order of arrival. lastArrival receives the last one's place.
template <class Arrival, class Written, class Item>
std::vector<WordListItem> InListOrder(std::vector<Arrival> arrivals, Written written, Item item, std::int32_t& lastArrival) {
  // Sorted by keys first, which sit together in memory; then each run of equal keys by the texts
  // themselves, whose loading starts for the whole run before it is sorted.
  struct Place {
    SortKey key;
    std::size_t arrival;
    std::u16string_view written;
  };
  std::vector<Place> order(arrivals.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    const std::u16string_view text = written(arrivals[i]);
    order[i] = {SortKeyOf(text), i, text};
  }
  std::stable_sort(order.begin(), order.end(), [](const Place& a, const Place& b) { return a.key < b.key; });
  for (auto run = order.begin(); run != order.end();) {
    const auto end = std::find_if(run, order.end(), [&](const Place& a) { return a.key != run->key; });
    if (end - run > 1) {
      for (auto a = run; a != end; ++a) Prefetch(a->written.data());
      std::stable_sort(run, end, [](const Place& a, const Place& b) { return WrittenFormSortsBefore(a.written, b.written); });
    }
    run = end;
  }
  std::vector<WordListItem> sorted;
  sorted.reserve(arrivals.size());
  for (std::size_t place = 0; place < order.size(); ++place) {
    if (place + kPrefetchDistance < order.size()) Prefetch(&arrivals[order[place + kPrefetchDistance].arrival]);
    const std::size_t arrival = order[place].arrival;
    sorted.push_back(item(std::move(arrivals[arrival]), arrival));
    if (arrival + 1 == order.size()) lastArrival = static_cast<std::int32_t>(place);
  }
  return sorted;
}

std::u16string ReadBack(const std::u16string& text) {
  return std::u16string(PrefixWithoutSplitPair(text, kItemTextReadLimit));
}

std::u16string StatusText(std::int32_t items, std::int32_t checked) {
  return u"  " + DecimalText(items) + u" Items, " + DecimalText(checked) + u" Checked";
}

}  // namespace

bool WrittenFormSortsBefore(std::u16string_view a, std::u16string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const char16_t fa = FoldCase(a[i]);
    const char16_t fb = FoldCase(b[i]);
    if (fa != fb) return fa < fb;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

std::u16string WordList::writtenForm(std::int32_t index) const { return ReadBack(items_.at(index).written); }

std::u16string WordList::spokenForm(std::int32_t index) const { return ReadBack(items_.at(index).spoken); }

std::vector<std::pair<std::u16string, std::u16string>> WordList::checkedItems() const {
  std::vector<std::pair<std::u16string, std::u16string>> result;
  for (const WordListItem& item : items_) {
    if (item.checked) result.emplace_back(ReadBack(item.written), ReadBack(item.spoken));
  }
  return result;
}

std::int32_t WordList::addItem(const std::u16string& written, const std::u16string& spoken, bool checked) {
  // Equal written forms keep the order they were added in.
  const auto place = std::upper_bound(items_.begin(), items_.end(), written,
                                      [](const std::u16string& value, const WordListItem& item) {
                                        return WrittenFormSortsBefore(value, item.written);
                                      });
  const auto index = static_cast<std::int32_t>(place - items_.begin());
  items_.insert(place, WordListItem{written, spoken, false, {}});
  window_.ListInsertRow(index, written);
  window_.ListSetText(index, 1, spoken);
  lastInsertedIndex_ = index;
  setChecked(index, checked);
  return index;
}

std::int32_t WordList::addImportedItem(const std::u16string& written, const std::u16string& spoken) {
  const std::int32_t index = addItem(written, spoken, false);
  if (isPlainSpokenForm(spoken)) {
    setChecked(index, true);
    checkAllToggle_ = true;
  } else {
    setMarker(index, u"x");
  }
  return index;
}

void WordList::refill(std::vector<WordListItem> arrivals) {
  std::vector<bool> checkedOnArrival(arrivals.size());
  for (std::size_t i = 0; i < arrivals.size(); ++i) checkedOnArrival[i] = arrivals[i].checked;
  std::vector<WordListItem> sorted = InListOrder(
      std::move(arrivals), [](const WordListItem& item) -> std::u16string_view { return item.written; },
      [](WordListItem&& item, std::size_t) { return std::move(item); }, lastInsertedIndex_);
  replaceWithSorted(std::move(sorted), checkedOnArrival);
}

void WordList::refillImported(std::vector<std::pair<std::u16string, std::u16string>> arrivals) {
  std::vector<bool> plain(arrivals.size());
  for (std::size_t i = 0; i < arrivals.size(); ++i) plain[i] = isPlainSpokenForm(arrivals[i].second);
  if (std::find(plain.begin(), plain.end(), true) != plain.end()) checkAllToggle_ = true;
  using Entry = std::pair<std::u16string, std::u16string>;
  std::vector<WordListItem> sorted = InListOrder(
      std::move(arrivals), [](const Entry& entry) -> std::u16string_view { return entry.first; },
      [&](Entry&& entry, std::size_t i) {
        return WordListItem{std::move(entry.first), std::move(entry.second), plain[i], plain[i] ? u"" : u"x"};
      },
      lastInsertedIndex_);
  replaceWithSorted(std::move(sorted), plain);
}

void WordList::replaceWithSorted(std::vector<WordListItem> sorted, const std::vector<bool>& checkedOnArrival) {
  clear();
  items_ = std::move(sorted);
  try {
    window_.ListAppendRows(items_.size(), [this](std::size_t i) {
      if (i + kPrefetchDistance < items_.size()) Prefetch(items_[i + kPrefetchDistance].written.data());
      const WordListItem& item = items_[i];
      return ListRowView{item.written, item.spoken, item.marker, item.checked};
    });
  } catch (...) {
    clear();  // the control holds only part of the rows: keep model and control alike
    throw;
  }
  // The status lines that adding the items one by one writes: one per item that ends up checked,
  // counting the items that have arrived so far.
  for (std::size_t i = 0; i < checkedOnArrival.size(); ++i) {
    if (!checkedOnArrival[i]) continue;
    ++checkedCount_;
    window_.SetStatusText(StatusText(static_cast<std::int32_t>(i + 1), checkedCount_));
  }
}

void WordList::setSpokenForm(std::int32_t index, const std::u16string& spoken) {
  items_.at(index).spoken = spoken;
  window_.ListSetText(index, 1, spoken);
}

void WordList::setMarker(std::int32_t index, const std::u16string& marker) {
  items_.at(index).marker = marker;
  window_.ListSetText(index, 2, marker);
}

void WordList::setChecked(std::int32_t index, bool checked) {
  if (items_.at(index).checked == checked) return;
  window_.ListSetCheck(index, checked);
  applyCheck(index, checked);
}

void WordList::onUserChecked(std::int32_t index, bool checked) {
  if (items_.at(index).checked == checked) return;
  applyCheck(index, checked);
}

void WordList::applyCheck(std::int32_t index, bool checked) {
  items_[index].checked = checked;
  checkedCount_ += checked ? 1 : -1;
  refreshStatus();
}

void WordList::removeItem(std::int32_t index) {
  if (items_.at(index).checked) --checkedCount_;
  items_.erase(items_.begin() + index);
  window_.ListDeleteRow(index);
}

void WordList::clear() {
  items_.clear();
  checkedCount_ = 0;
  window_.ListDeleteAllRows();
}

void WordList::select(std::int32_t index) {
  // An index the list has outgrown names nothing to select.
  if (index < 0 || index >= count()) return;
  window_.ListSelect(index);
  onUserSelected(index);
}

void WordList::onUserSelected(std::int32_t index) {
  selectedIndex_ = index;
  window_.EnableControl(IDC_EDIT_ITEM, true);
}

void WordList::ensureVisible(std::int32_t index) { window_.ListEnsureVisible(index); }

void WordList::refreshStatus() { window_.SetStatusText(StatusText(count(), checkedCount_)); }

void WordList::toggleCheckAll() {
  const bool check = !checkAllToggle_;
  for (std::int32_t i = 0; i < count(); ++i) setChecked(i, check);
  checkAllToggle_ = check;
  refreshStatus();
}

void WordList::clearAll() {
  clear();
  window_.EnableControl(IDC_EDIT_ITEM, false);
  window_.EnableControl(IDC_CREATE_SPOKEN_FORMS, true);
  window_.SetStatusText(u"");
}

}  // namespace lexiglean
