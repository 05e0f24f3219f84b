#include "engine/date_text.h"

#include <gtest/gtest.h>

namespace selenar {
namespace {

TEST(DateText, GeneralDateTextLeavesOutMidnight) {
  EXPECT_EQ(GeneralDateText(SerialDate::FromFields(2000, 1, 6, 18, 14, 45)), "06.01.2000 18:14:45");
  EXPECT_EQ(GeneralDateText(SerialDate::FromFields(2006, 3, 5, 7, 5, 9)), "05.03.2006 7:05:09");
  EXPECT_EQ(GeneralDateText(SerialDate::FromFields(2006, 3, 1)), "01.03.2006");
  EXPECT_EQ(GeneralDateText(SerialDate::FromFields(2006, 3, 1, 0, 0, 1)), "01.03.2006 0:00:01");
  // Rounds to the nearest second first.
  EXPECT_EQ(GeneralDateText({SerialDate::FromFields(2006, 3, 1).value - 1e-9}), "01.03.2006");
}

TEST(DateText, LongDateTextUsesGenitiveMonths) {
  EXPECT_EQ(LongDateText(SerialDate::FromFields(2006, 3, 5)), "5 марта 2006");
  EXPECT_EQ(LongDateText(SerialDate::FromFields(2006, 3, 5), true), "05 марта 2006");
  EXPECT_EQ(LongDateText(SerialDate::FromFields(1900, 12, 31, 13)), "31 декабря 1900");
}

TEST(DateText, GeneralDateTextReadsBack) {
  for (const char* text : {"06.01.2000 18:14:45", "05.03.2006 7:05:09", "01.03.2006"}) {
    const auto moment = ParseGeneralDateText(text);
    ASSERT_TRUE(moment.has_value()) << text;
    EXPECT_EQ(GeneralDateText(*moment), text);
  }
  for (const char* text : {"", "31.02.2006", "2006-03-01", "01.03.2006 25:00:00", "1.3.2006"}) {
    EXPECT_FALSE(ParseGeneralDateText(text).has_value()) << text;
  }
}

TEST(DateText, DtCorCutsAfterTheSeconds) {
  const std::pair<const char*, const char*> cases[] = {
      {"21.01.2000 7:41:27", "21.01.2000 7:41:27"},
      {"21.01.2000 7:41:27 extra", "21.01.2000 7:41:27"},
      {"01.03.2006", "01.03.2006"},  // midnight: no colon
      {"12:34", "12:34"},            // last colon among the first three characters
      {"", ""},
  };
  for (const auto& [text, kept] : cases) EXPECT_EQ(DtCor(text), kept) << text;
}

}  // namespace
}  // namespace selenar
