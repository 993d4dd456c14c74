#include "common/console/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace league {
namespace {

const ToolInfo kTool{"demo_tool", "[name]", "Does a demonstration.\n"};

TEST(StandardOptions, VersionAndHelpAnswerWithStatusZero) {
  std::ostringstream out;
  EXPECT_EQ(answer_standard_option(kTool, {"--version"}, out), 0);
  EXPECT_EQ(out.str(), std::string("demo_tool ") + LEAGUE_VERSION + "\n");

  std::ostringstream help;
  EXPECT_EQ(answer_standard_option(kTool, {"--help"}, help), 0);
  EXPECT_EQ(help.str().rfind("Usage: demo_tool [name]\n\nDoes a demonstration.\n", 0), 0u);
}

TEST(StandardOptions, OtherArgumentsAreLeftToTheTool) {
  std::ostringstream out;
  EXPECT_EQ(answer_standard_option(kTool, {}, out), std::nullopt);
  EXPECT_EQ(answer_standard_option(kTool, {"Lions"}, out), std::nullopt);
  EXPECT_EQ(answer_standard_option(kTool, {"-v"}, out), std::nullopt);
  EXPECT_EQ(answer_standard_option(kTool, {"--version", "Lions"}, out), std::nullopt);
  EXPECT_EQ(out.str(), "");
}

TEST(StandardOptions, UsageLineAndStatusOne) {
  std::ostringstream out;
  EXPECT_EQ(report_usage(kTool, out), 1);
  EXPECT_EQ(out.str(), "Usage: demo_tool [name]\n");
}

}  // namespace
}  // namespace league
