#include "window/list_rows.h"

#include <algorithm>
#include <array>
#include <limits>
#include <stdexcept>

#include "platform/case_insensitive.h"

namespace lexiglean {

ListRows::Row ListRows::MakeRow(std::u16string_view written, std::u16string_view spoken,
                                std::u16string_view marker, bool checked) {
  const std::array<std::u16string_view, kColumns> columns{written, spoken, marker};
  std::size_t length = 0;
  for (const std::u16string_view column : columns) {
    if (column.size() > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("list row text");
    length += column.size();
  }
  Row row{std::make_unique_for_overwrite<char16_t[]>(length), {}, checked};
  char16_t* out = row.texts.get();
  for (int i = 0; i < kColumns; ++i) {
    out = std::copy(columns[i].begin(), columns[i].end(), out);
    row.lengths[i] = static_cast<std::uint32_t>(columns[i].size());
  }
  return row;
}

std::u16string_view ListRows::text(std::size_t row, int column) const {
  if (column < 0 || column >= kColumns) throw std::out_of_range("list column");
  const Row& at = rows_.at(row);
  std::size_t offset = 0;
  for (int skipped = 0; skipped < column; ++skipped) offset += at.lengths[skipped];
  return {at.texts.get() + offset, at.lengths[column]};
}

void ListRows::insert(std::size_t row, std::u16string_view written) {
  if (row > rows_.size()) throw std::out_of_range("list row");
  rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(row), MakeRow(written, {}, {}, false));
}

void ListRows::append(std::u16string_view written, std::u16string_view spoken, std::u16string_view marker,
                      bool checked) {
  rows_.push_back(MakeRow(written, spoken, marker, checked));
}

void ListRows::erase(std::size_t row) {
  if (row >= rows_.size()) throw std::out_of_range("list row");
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
}

void ListRows::setText(std::size_t row, int column, std::u16string_view text) {
  if (column < 0 || column >= kColumns) throw std::out_of_range("list column");
  std::array<std::u16string_view, kColumns> columns{};
  for (int i = 0; i < kColumns; ++i) columns[i] = i == column ? text : this->text(row, i);
  rows_.at(row) = MakeRow(columns[0], columns[1], columns[2], rows_[row].checked);
}

int ListRows::findWrittenPrefix(std::u16string_view prefix, std::size_t start) const {
  const std::size_t count = rows_.size();
  for (std::size_t step = 0; step < count; ++step) {
    const std::size_t row = (start + step) % count;
    const std::u16string_view written = text(row, 0);
    if (written.size() >= prefix.size() && EqualIgnoringCase(written.substr(0, prefix.size()), prefix)) {
      return static_cast<int>(row);
    }
  }
  return -1;
}

}  // namespace lexiglean
