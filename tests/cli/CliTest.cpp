#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

#include "support/TempDir.h"

namespace quintara {
namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
};

// Runs quintara-cli with the arguments; standard error is folded into the output.
CliRun Cli(const std::string& arguments) {
    const std::string command = std::string(QUINTARA_CLI) + " " + arguments + " 2>&1";
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    std::array<char, 4096> buffer{};
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) {
        run.out.append(buffer.data(), n);
    }
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(CliTest, StatisticsAndDrawsOfTheShippedHistory) {
    const CliRun stats = Cli("--app-dir " QUINTARA_APP_DIR " stats --game lotto --json");
    EXPECT_EQ(stats.exitCode, 0);
    EXPECT_EQ(stats.out.rfind(
                  "{\"game\": \"Lotto\", \"draws\": 2065, \"frequency\": [{\"ball\": 38, \"count\": 327}", 0),
              0u);
    EXPECT_NE(stats.out.find("\"last_drawn\": [{\"ball\": "), std::string::npos);
    EXPECT_EQ(stats.out.find("thunderball_frequency"), std::string::npos);

    const CliRun thunderball = Cli("--app-dir " QUINTARA_APP_DIR " stats --game Thunderball");
    EXPECT_EQ(thunderball.exitCode, 0);
    EXPECT_EQ(thunderball.out.rfind("Number 4 has occured 159 times.\n", 0), 0u);

    const CliRun draws = Cli("--app-dir " QUINTARA_APP_DIR " draws --game lotto --json");
    EXPECT_EQ(
        draws.out.rfind("{\"game\": \"Lotto\", \"draws\": [{\"number\": 2065, \"date\": \"07/10/2015\", "
                        "\"balls\": [30, 7, 44, 11, 49, 5], \"extra\": 25, \"ball_set\": \"4\", "
                        "\"machine\": \"Guinevere\"}, ",
                        0),
        0u);
}

TEST(CliTest, UsageErrorsExitTwoAndFailuresOneNamingTheFile) {
    test::TempDir dir;
    EXPECT_EQ(Cli("").exitCode, 2);
    EXPECT_EQ(Cli("frobnicate").exitCode, 2);
    EXPECT_EQ(Cli("stats").exitCode, 2);
    EXPECT_EQ(Cli("stats --game keno").exitCode, 2);
    EXPECT_EQ(Cli("stats --game lotto --colour").exitCode, 2);
    EXPECT_EQ(Cli("stats --help").exitCode, 0);

    const CliRun missing = Cli("--app-dir " + dir.Path().string() + " stats --game daily-play");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.out.find("DailyPlayHistory.dat"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "DailyPlayHistory.dat"));

    dir.Write("bad.csv",
              "draw_date,ball1,ball2,ball3,ball4,ball5,ball6,ball_set,machine\n2005-01-01,1,2,3\n");
    const CliRun bad = Cli("--app-dir " + dir.Path().string() + " import-history --game lotto-extra --csv " +
                           (dir / "bad.csv").string());
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.out.find("bad.csv: line 2: 4 fields, expected 9"), std::string::npos);
}

}  // namespace
}  // namespace quintara
