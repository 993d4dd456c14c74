#include "common/console/tool_error.h"

#include <gtest/gtest.h>

#include <sstream>

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

}  // namespace
}  // namespace league
