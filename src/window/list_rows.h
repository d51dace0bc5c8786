#pragma once
// The rows a front-end's word list shows, kept cheaply: one block holding a row's three texts, their
// lengths and its check flag. The Win32 list is owner-data and asks for these rows as it paints; the
// script window prints them.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace lexiglean {

class ListRows {
 public:
  static constexpr int kColumns = 3;  // written form, spoken form, marker

  std::size_t size() const { return rows_.size(); }
  bool empty() const { return rows_.empty(); }
  std::u16string_view text(std::size_t row, int column) const;
  bool checked(std::size_t row) const { return rows_.at(row).checked; }

  void insert(std::size_t row, std::u16string_view written);
  void append(std::u16string_view written, std::u16string_view spoken, std::u16string_view marker, bool checked);
  void erase(std::size_t row);
  void clear() { rows_ = std::vector<Row>(); }  // gives the memory back
  void setText(std::size_t row, int column, std::u16string_view text);
  void setChecked(std::size_t row, bool checked) { rows_.at(row).checked = checked; }

  // The first row from start on, wrapping around, whose written form begins with prefix ignoring
  // letter case (typing to find a row); -1 when there is none.
  int findWrittenPrefix(std::u16string_view prefix, std::size_t start) const;

 private:
  struct Row {
    std::unique_ptr<char16_t[]> texts;  // the columns one after the other
    std::uint32_t lengths[kColumns] = {};
    bool checked = false;
  };
  static Row MakeRow(std::u16string_view written, std::u16string_view spoken, std::u16string_view marker,
                     bool checked);

  std::vector<Row> rows_;
};

}  // namespace lexiglean
