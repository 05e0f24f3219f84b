#include <nlohmann/json.hpp>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "engine/lunar_day.h"
#include "engine/month_layout.h"
#include "engine/word_tables.h"

namespace selenar::cli {

namespace {

constexpr const char* kHelp =
    "usage: selenar-cli month YYYY-MM [--json]\n"
    "The 42 cells of the month grid, Monday first: each day's lunar days and signs\n"
    "at 00:30 and 23:30 local time (TZ honoured).\n";

struct Cell {
  int day = 0;
  SerialDate date;
  DateSample sample;
};

std::vector<int> Signs(const DateSample& sample) {
  if (sample.firstSign == sample.secondSign) return {sample.firstSign};
  return {sample.firstSign, sample.secondSign};
}

std::string SignSymbols(const DateSample& sample) {
  std::string text;
  for (const int sign : Signs(sample)) text += ZodiacSymbolText(ZodiacSymbolCode(sign));
  return text;
}

std::string Title(const MonthLayout& layout) {
  return std::string(MonthName(layout.month)) + " " + std::to_string(layout.year);
}

// Pads to a width in characters, not bytes, so Cyrillic and symbols line up.
std::string Padded(const std::string& text, std::size_t width) {
  std::size_t characters = 0;
  for (const unsigned char c : text) characters += (c & 0xC0) != 0x80;
  return text + std::string(width > characters ? width - characters : 0, ' ');
}

std::string MonthText(const MonthLayout& layout, const std::vector<Cell>& cells) {
  static constexpr const char* kWeekdays[] = {"ПН", "ВТ", "СР", "ЧТ", "ПТ", "СБ", "ВС"};
  constexpr std::size_t kCellWidth = 12;
  std::string text = Title(layout) + "\n";
  std::string header;
  for (const char* weekday : kWeekdays) header += Padded(weekday, kCellWidth);
  text += header.erase(header.find_last_not_of(' ') + 1) + "\n";
  for (int row = 0; row < 6; ++row) {
    std::string line;
    for (int column = 0; column < 7; ++column) {
      const Cell& cell = cells[std::size_t(row * 7 + column)];
      std::string content;
      if (cell.day > 0) {
        content =
            Padded(std::to_string(cell.day), 3) +
            Padded(LunarDayPairText(cell.sample.firstLunarDay, cell.sample.secondLunarDay), 6) +
            SignSymbols(cell.sample);
      }
      line += Padded(content, kCellWidth);
    }
    line.erase(line.find_last_not_of(' ') + 1);
    text += line + "\n";
  }
  return text;
}

nlohmann::json MonthJson(const MonthLayout& layout, const std::vector<Cell>& cells) {
  nlohmann::json cellList = nlohmann::json::array();
  for (const Cell& cell : cells) {
    if (cell.day == 0) {
      cellList.push_back({{"day", 0}});
      continue;
    }
    cellList.push_back({
        {"day", cell.day},
        {"date", DateIsoText(cell.date)},
        {"lunar_days", {cell.sample.firstLunarDay, cell.sample.secondLunarDay}},
        {"lunar_day_text", LunarDayPairText(cell.sample.firstLunarDay, cell.sample.secondLunarDay)},
        {"signs", Signs(cell.sample)},
    });
  }
  return {{"year", layout.year},
          {"month", layout.month},
          {"title", Title(layout)},
          {"first_day_cell", layout.FirstDayCell()},
          {"cells", cellList}};
}

}  // namespace

std::string MonthCommand(const std::vector<std::string>& words) {
  const CommandLine line = SplitCommandLine(words, {});
  if (line.help) return kHelp;
  if (line.positional.size() != 1) throw UsageError("month takes one YYYY-MM (see month --help)");
  const YearMonth month = ParseYearMonth(line.positional[0]);
  const MonthLayout layout = LayoutOfMonth(month.year, month.month);
  std::vector<Cell> cells(kMonthCells);
  for (int i = 0; i < kMonthCells; ++i) {
    Cell& cell = cells[std::size_t(i)];
    cell.day = layout.DayOfCell(i);
    if (cell.day == 0) continue;
    cell.date = SerialDate::FromFields(month.year, month.month, cell.day);
    cell.sample = LunarDaysOfDate(cell.date);
  }
  return line.json ? MonthJson(layout, cells).dump() + "\n" : MonthText(layout, cells);
}

}  // namespace selenar::cli
