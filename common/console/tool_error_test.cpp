#include "common/console/tool_error.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace league {
namespace {

TEST(ToolError, PrintsTheMessageAndWaitsForOneKeyOnlyWhenAsked) {
  std::istringstream in("xy");
  std::ostringstream out;
  EXPECT_EQ(report_tool_error(ToolError("\nNo key"), in, out), 1);
  EXPECT_EQ(in.tellg(), 0);
  EXPECT_EQ(report_tool_error(ToolError("\nKey", ToolError::Key::kWait), in, out), 1);
  EXPECT_EQ(in.tellg(), 1);
  EXPECT_EQ(out.str(), "\nNo key\nKey");
}

TEST(ToolError, PrintsAMessageWholeWhenANameInItHoldsANulByte) {
  using namespace std::string_literals;
  const std::string message = "\nError ! Team A\0B not found in the table !!"s;
  std::istringstream in;
  std::ostringstream out;
  report_tool_error(ToolError(message), in, out);
  EXPECT_EQ(out.str(), message);
}

}  // namespace
}  // namespace league
