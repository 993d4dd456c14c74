#include "form_update/form_results.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace league {
namespace {

// Applies `results` to a small table and gives each row as "name form".
std::vector<std::string> apply(std::string_view results) {
  std::vector<FormEntry> table{{"Lions", FormString("WWDLWD")},
                               {"Tigers", FormString("WWDLWD")},
                               {"Bears", FormString("LLL")},
                               {"Lions", FormString("DDDDDD")}};
  apply_form_results(table, results);
  std::vector<std::string> rows;
  for (const FormEntry& entry : table)
    rows.push_back(entry.Team + " " + std::string(entry.form.text()));
  return rows;
}

TEST(ApplyFormResults, EachSideOnceTheFirstRowOfANameAndNothingForTeamsWithoutResult) {
  EXPECT_EQ(
      apply("Lions 2 - 1 Tigers"),
      (std::vector<std::string>{"Lions WDLWDW", "Tigers WDLWDL", "Bears    LLL", "Lions DDDDDD"}));
  EXPECT_EQ(
      apply("Bears 3 - 0 Tigers  Tigers 1 - 1 Bears  Lions 3 - 1 Lions"),
      (std::vector<std::string>{"Lions DLWDWL", "Tigers DLWDLD", "Bears  LLLWD", "Lions DDDDDD"}));
}

}  // namespace
}  // namespace league
