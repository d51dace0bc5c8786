#include "ui/win32/list_rows.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "platform/case_insensitive.h"

namespace lexiglean {
namespace {

std::u16string_view UpToNul(std::u16string_view text) { return text.substr(0, text.find(u'\0')); }

}  // namespace

ListRows::Row ListRows::MakeRow(std::u16string_view written, std::u16string_view spoken,
                                std::u16string_view marker, bool checked) {
  const std::array<std::u16string_view, kColumns> columns{UpToNul(written), UpToNul(spoken), UpToNul(marker)};
  std::size_t length = 0;
  for (const std::u16string_view column : columns) length += column.size() + 1;
  Row row{std::make_unique_for_overwrite<char16_t[]>(length), checked};
  char16_t* out = row.texts.get();
  for (const std::u16string_view column : columns) {
    out = std::copy(column.begin(), column.end(), out);
    *out++ = u'\0';
  }
  return row;
}

std::u16string_view ListRows::text(std::size_t row, int column) const {
  if (column < 0 || column >= kColumns) throw std::out_of_range("list column");
  const char16_t* at = rows_.at(row).texts.get();
  for (int skipped = 0; skipped < column; ++skipped) at += std::u16string_view(at).size() + 1;
  return at;
}

void ListRows::insert(std::size_t row, std::u16string_view written) {
  if (row > rows_.size()) throw std::out_of_range("list row");
  rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(row), MakeRow(written, {}, {}, false));
}

void ListRows::append(std::u16string_view written, std::u16string_view spoken, std::u16string_view marker,
                      bool checked) {
  rows_.push_back(MakeRow(written, spoken, marker, checked));
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
