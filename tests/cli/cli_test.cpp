// Runs the selenar-cli binary as a script would and checks what it prints.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

namespace {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

CliRun RunCli(const std::string& zone, const std::string& arguments) {
  // One file per test process: ctest runs the tests of this file in parallel.
  const std::string errFile =
      ::testing::TempDir() + "selenar_cli_err_" + std::to_string(getpid()) + ".txt";
  const std::string command =
      "TZ=" + zone + " " + SELENAR_CLI_PATH + " " + arguments + " 2>" + errFile;
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> buffer{};
  while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
    run.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (FILE* err = fopen(errFile.c_str(), "r")) {
    while (std::size_t n = fread(buffer.data(), 1, buffer.size(), err))
      run.err.append(buffer.data(), n);
    fclose(err);
  }
  std::remove(errFile.c_str());
  return run;
}

nlohmann::json Json(const CliRun& run) {
  EXPECT_EQ(run.status, 0) << run.err;
  return nlohmann::json::parse(run.out);
}

TEST(Cli, DayJsonHasEveryKey) {
  const auto day = Json(RunCli("UTC", "day '2000-01-06 18:14' --json"));
  const char* keys[] = {"moment",
                        "moment_ut",
                        "moon_age",
                        "lunar_day",
                        "phase_angle",
                        "visible_share",
                        "visible_percent",
                        "longitude",
                        "sign",
                        "sign_position",
                        "course",
                        "course_text",
                        "element",
                        "element_text",
                        "phase_code",
                        "phase_text",
                        "previous_new_moon",
                        "next_new_moon",
                        "previous_full_moon",
                        "next_full_moon",
                        "day_keys",
                        "tooltip"};
  EXPECT_EQ(day.size(), std::size(keys));
  for (const char* key : keys) EXPECT_TRUE(day.contains(key)) << key;
  EXPECT_EQ(day["sign"], 10);
  EXPECT_EQ(day["sign_position"], "15° 44' Козерога");
  EXPECT_EQ(day["moment"], "2000-01-06T18:14:00");
  EXPECT_EQ(day["phase_text"], "Новолуние\r\n06.01.2000 18:14:45");
  EXPECT_EQ(day["day_keys"],
            (nlohmann::json{{"md", 30}, {"Zod", 10}, {"Faz", 1}, {"Qual", 3}, {"Vn", 1}}));
}

// Each phase takes the offset of its own date, whatever today's date is.
TEST(Cli, NeighbouringPhasesInLocalTime) {
  EXPECT_EQ(Json(RunCli("Europe/Berlin", "day '2000-01-06 12:00' --json"))["next_new_moon"],
            "2000-01-06T19:14:45");
  EXPECT_EQ(Json(RunCli("Europe/Berlin", "day '2000-07-06 12:00' --json"))["next_full_moon"],
            "2000-07-16T15:56:16");
}

TEST(Cli, MonthGrid) {
  const auto month = Json(RunCli("Etc/GMT-3", "month 2000-01 --json"));
  EXPECT_EQ(month["title"], "Январь 2000");
  EXPECT_EQ(month["first_day_cell"], 5);
  ASSERT_EQ(month["cells"].size(), 42u);
  EXPECT_EQ(month["cells"][0], (nlohmann::json{{"day", 0}}));
  const auto& fifth = month["cells"][9];
  EXPECT_EQ(fifth["date"], "2000-01-05");
  EXPECT_EQ(fifth["lunar_days"], (nlohmann::json{28, 29}));
  EXPECT_EQ(fifth["lunar_day_text"], "28/29");
  EXPECT_EQ(month["cells"][10]["lunar_day_text"], "29/1");
  EXPECT_EQ(month["cells"][11]["lunar_day_text"], "1/2");
  EXPECT_EQ(month["cells"][11]["signs"], (nlohmann::json{10}));

  const CliRun plain = RunCli("Etc/GMT-3", "month 2000-01");
  EXPECT_EQ(plain.status, 0);
  EXPECT_EQ(plain.out.substr(0, plain.out.find('\n')), "Январь 2000");
  EXPECT_NE(plain.out.find("29/1"), std::string::npos);
}

TEST(Cli, SearchListsMatchesInOrder) {
  const auto found =
      Json(RunCli("UTC",
                  "search --from '2006-01-10 12:00' --mode 3 --lunar-day 5 --to-day 7 "
                  "--sign 1 --limit 3 --json"));
  ASSERT_EQ(found["results"].size(), 3u);
  std::string previous;
  for (const auto& result : found["results"]) {
    const std::string moment = result;
    EXPECT_TRUE(moment.ends_with("T12:00:00")) << moment;
    EXPECT_GT(moment, previous);
    previous = moment;
    const auto day = Json(RunCli("UTC", "day " + moment + " --json"));
    EXPECT_EQ(day["sign"], 1);
    EXPECT_GE(day["lunar_day"], 5);
    EXPECT_LE(day["lunar_day"], 7);
  }
  const auto none = Json(RunCli("UTC", "search --from 2100-12-30T13:00 --json"));
  EXPECT_TRUE(none["results"].empty());
}

TEST(Cli, BadInputFailsWithOneLineAndNoOutput) {
  const char* cases[] = {
      "day 2101-01-01",
      "day '15.03.2006'",
      "day 1899-12-31",
      "day '2006-02-29 12:00'",
      "day '2006-03-15 24:00'",
      "day",
      "day 2006-03-15 --color",
      "month 2000-13",
      "month 2101-01",
      "search --from 2006-01-01 --mode 4",
      "search --from 2006-01-01 --sign 13",
      "search --from 2006-01-01 --lunar-day x",
      "search --mode 1",
      "moon 2006-01-01",
  };
  for (const char* arguments : cases) {
    SCOPED_TRACE(arguments);
    const CliRun run = RunCli("UTC", arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

TEST(Cli, HelpOnEveryCommand) {
  for (const char* command : {"--help", "day --help", "month --help", "search --help"}) {
    const CliRun run = RunCli("UTC", command);
    EXPECT_EQ(run.status, 0) << command;
    EXPECT_NE(run.out.find("usage: selenar-cli"), std::string::npos) << command;
  }
}

}  // namespace
