#include "common/round/round_update.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/io/league_files.h"

namespace league {
namespace {

// A small league whose names repeat, as hand-edited files may.
RoundTables league() {
  RoundTables tables;
  tables.table = std::vector<TableEntry>{{"Lions"}, {"Tigers"}, {"Bears"}, {"Lions"}};
  tables.form = std::vector<FormEntry>{{"Lions", FormString("WWDLWD")},
                                       {"Tigers", FormString("WWDLWD")},
                                       {"Bears", FormString("LLL")},
                                       {"Lions", FormString("DDDDDD")}};
  return tables;
}

std::vector<std::string> forms(const RoundTables& tables) {
  std::vector<std::string> rows;
  for (const FormEntry& entry : *tables.form)
    rows.push_back(entry.Team + " " + std::string(entry.form.text()));
  return rows;
}

TEST(ApplyRound, EachSideCountsOnceInTheFirstRowOfItsNameThenBothTablesAreOrdered) {
  RoundTables tables = league();
  const std::string text = "Bears 3 - 0 Tigers  Tigers 1 - 1 Bears  Lions 3 - 1 Lions";
  EXPECT_FALSE(apply_round(tables, read_results(text)).failure);
  EXPECT_EQ(forms(tables), (std::vector<std::string>{"Lions DLWDWL", "Tigers DLWDLD",
                                                     "Lions DDDDDD", "Bears  LLLWD"}));
  const std::vector<TableEntry>& table = *tables.table;
  EXPECT_EQ(table[0].Team, "Bears");
  EXPECT_EQ(table[0].Pts, 4);
  EXPECT_EQ(table[1].Team, "Lions");  // 3 - 1 against itself: a win and a loss, 3 points
  EXPECT_EQ(table[1].P, 2);
  EXPECT_EQ(table[3].P, 0) << "the second Lions row counts nothing";
}

TEST(ApplyRound, TheFirstFailureInFileOrderNamesItsTeamLineAndTable) {
  const auto failure_of = [](std::string_view text, bool form_only = false) {
    RoundTables tables = league();
    if (form_only) tables.table.reset();
    const auto failure = apply_round(tables, read_results(text)).failure;
    return failure ? std::to_string(static_cast<int>(failure->kind)) + " " + failure->team + " " +
                         std::to_string(failure->line) + " " + failure->file
                   : "none";
  };
  const std::string unknown = std::to_string(static_cast<int>(RoundFailure::Kind::kUnknownTeam));
  const std::string invalid = std::to_string(static_cast<int>(RoundFailure::Kind::kInvalidResult));
  EXPECT_EQ(failure_of("Lions 1 - 0 Tigers\nPumas 1 - 0 Jaguars\nLions 2-1 Bears"),
            unknown + " Pumas 2 " + kTableFile);
  EXPECT_EQ(failure_of("Lions 1 - 0 tigers"), unknown + " tigers 1 " + kTableFile);
  EXPECT_EQ(failure_of("Lions 2-1 Bears\nPumas 1 - 0 Jaguars"), invalid + " Lions 1 " + kTableFile);
  EXPECT_EQ(failure_of("Bears 1 - 1 Pumas", true), unknown + " Pumas 1 " + kFormFile);
  EXPECT_EQ(failure_of("Lions 2147483647 - 0 Tigers\nLions 1 - 0 Bears"),
            invalid + " Lions 2 " + kTableFile)
      << "goals for would overflow";
}

}  // namespace
}  // namespace league
