#include "engine/word_tables.h"

#include <gtest/gtest.h>

namespace selenar {
namespace {

TEST(WordTables, Names) {
  EXPECT_EQ(SignGenitiveName(1), "Овна");
  EXPECT_EQ(SignGenitiveName(12), "Рыб");
  EXPECT_EQ(SignGenitiveName(0), "");
  EXPECT_EQ(SignGenitiveName(13), "");
  EXPECT_EQ(SignName(1), "Овен");
  EXPECT_EQ(SignName(12), "Рыбы");
  EXPECT_EQ(MonthName(3), "Март");
  EXPECT_EQ(MonthName(0), "");
  EXPECT_EQ(MonthGenitiveName(3), "марта");
}

TEST(WordTables, ZodiacSymbols) {
  EXPECT_EQ(ZodiacSymbolCode(1), 94);
  EXPECT_EQ(ZodiacSymbolCode(12), 105);
  EXPECT_EQ(ZodiacSymbolText(94), "\u2648");
  EXPECT_EQ(ZodiacSymbolText(105), "\u2653");
  EXPECT_EQ(ZodiacSymbolText(93), "");
  EXPECT_EQ(ZodiacSymbolText(106), "");
}

TEST(WordTables, PadNumber) {
  const std::tuple<int, int, const char*> cases[] = {
      {5, 2, "05"}, {12, 2, "12"}, {123, 2, "23"}, {-5, 3, "0-5"}, {7, 0, ""},
  };
  for (const auto& [number, width, text] : cases) EXPECT_EQ(PadNumber(number, width), text);
}

}  // namespace
}  // namespace selenar
