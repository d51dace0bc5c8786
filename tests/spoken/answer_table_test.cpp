// The run's answer table: every text added is found with its answer, through many growths.
#include "spoken/answer_table.h"

#include <gtest/gtest.h>

#include <string>

namespace lexiglean {
namespace {

TEST(AnswerTableTest, FindsEveryTextAddedWithItsAnswerAndNothingElse) {
  AnswerTable table;
  EXPECT_FALSE(table.Find("").has_value());
  table.Add("", false);
  for (int i = 0; i < 5000; ++i) table.Add("w" + std::to_string(i), i % 3 == 0);
  EXPECT_EQ(table.Find(""), false);
  for (int i = 0; i < 5000; ++i) EXPECT_EQ(table.Find("w" + std::to_string(i)), i % 3 == 0) << i;
  EXPECT_FALSE(table.Find("w").has_value());
  EXPECT_FALSE(table.Find("w5000").has_value());
  EXPECT_FALSE(table.Find("\xFCw1").has_value());
}

}  // namespace
}  // namespace lexiglean
