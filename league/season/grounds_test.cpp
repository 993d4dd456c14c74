#include "league/season/grounds.h"

#include <gtest/gtest.h>

namespace league {
namespace {

TEST(Grounds, ReadBackWhatIsWrittenAndNameBadLines) {
  const Grounds grounds{{"Ashford", {"The Homelands", "Ashford Road, TN26 1NJ"}},
                        {"Fenwick", {"Mill Lane", ""}}};
  const GroundsRead again = read_grounds(format_grounds(grounds));
  EXPECT_EQ(again.grounds, grounds);
  EXPECT_TRUE(again.problems.empty());

  const GroundsRead read =
      read_grounds("Ashford\tThe Homelands\r\n\nFenwick\n\tNo Team\nA\tB\tC\tD\nGlen \t Park \n");
  EXPECT_EQ(read.grounds, (Grounds{{"Ashford", {"The Homelands", ""}}, {"Glen", {"Park", ""}}}));
  ASSERT_EQ(read.problems.size(), 3u);
  EXPECT_EQ(read.problems[0].first, 3);
  EXPECT_EQ(read.problems[2].first, 5);
}

TEST(Grounds, AMatchIsAtItsOwnVenueElseAtTheHomeGround) {
  const Grounds grounds{{"Ashford", {"The Homelands", "Ashford Road"}}};
  EXPECT_EQ(ground_text(*match_venue(grounds, "Ashford")), "The Homelands, Ashford Road");
  EXPECT_EQ(match_venue(grounds, "Ashford", "Wembley")->name, "Wembley");
  EXPECT_EQ(match_venue(grounds, "Ashford", std::string())->name, "The Homelands");
  EXPECT_FALSE(match_venue(grounds, "Fenwick"));
}

}  // namespace
}  // namespace league
