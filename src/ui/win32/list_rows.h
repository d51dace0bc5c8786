#pragma once
// The rows the word list control shows. The control is owner-data: it keeps no row of its own and asks
// for each text and check box as it paints, so a million rows cost what this store costs: one block of
// text and a flag per row.
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace lexiglean {

class ListRows {
 public:
  static constexpr int kColumns = 3;  // written form, spoken form, marker

  std::size_t size() const { return rows_.size(); }
  // A column's text; a text holding a NUL character is kept up to it, as the control would show it.
  std::u16string_view text(std::size_t row, int column) const;
  bool checked(std::size_t row) const { return rows_.at(row).checked; }

  void insert(std::size_t row, std::u16string_view written);
  void append(std::u16string_view written, std::u16string_view spoken, std::u16string_view marker, bool checked);
  void erase(std::size_t row) { rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row)); }
  void clear() { rows_ = std::vector<Row>(); }  // gives the memory back
  void setText(std::size_t row, int column, std::u16string_view text);
  void setChecked(std::size_t row, bool checked) { rows_.at(row).checked = checked; }

  // The first row from start on, wrapping around, whose written form begins with prefix ignoring
  // letter case (the control's typing-to-find); -1 when there is none.
  int findWrittenPrefix(std::u16string_view prefix, std::size_t start) const;

 private:
  struct Row {
    std::unique_ptr<char16_t[]> texts;  // the columns in order, each ended by a NUL
    bool checked = false;
  };
  static Row MakeRow(std::u16string_view written, std::u16string_view spoken, std::u16string_view marker,
                     bool checked);

  std::vector<Row> rows_;
};

}  // namespace lexiglean
