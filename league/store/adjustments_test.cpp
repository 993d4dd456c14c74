#include "league/store/adjustments.h"

#include <gtest/gtest.h>

#include "common/text/free_text.h"
#include "league/publish/adjustment_text.h"

namespace league {
namespace {

TEST(FreeText, UnicodeWordsPassLineBreaksControlsAndBrokenUtf8DoNot) {
  EXPECT_EQ(free_text_problem("Финансы — fielded Çelik & <others>"), std::nullopt);
  EXPECT_EQ(free_text_problem("a\r\nb"), "holds a line break");
  EXPECT_EQ(free_text_problem("a\xE2\x80\xA8"
                              "b"),
            "holds a line break");  // U+2028
  EXPECT_EQ(free_text_problem("a\tb"), "holds the control character U+0009");
  EXPECT_EQ(free_text_problem("a\x7F"), "holds the control character U+007F");
  EXPECT_EQ(free_text_problem("a\xC2\x9B"), "holds the control character U+009B");
  EXPECT_EQ(free_text_problem("ab\xC3"), "is not UTF-8 at byte 3");
  EXPECT_EQ(free_text_problem("\xC0\xAF"), "is not UTF-8 at byte 1");      // overlong '/'
  EXPECT_EQ(free_text_problem("\xED\xA0\x80"), "is not UTF-8 at byte 1");  // a surrogate
}

TEST(AdjustmentFile, ReadsWhatItWritesAndNamesTheLineThatDoesNot) {
  const Adjustment written{0, 1, "Bayern_München", -3, "fielded an ineligible player", ""};
  const AdjustmentFileRead read = read_adjustment_file(format_adjustment(written), "a");
  ASSERT_FALSE(read.problem) << read.problem->what;
  EXPECT_EQ(read.adjustment.team, written.team);
  EXPECT_EQ(read.adjustment.points, -3);
  EXPECT_EQ(read.adjustment.reason, written.reason);
  EXPECT_FALSE(read_adjustment_file("team A\r\npoints +2\r\nreason x\r\n\r\n", "a").problem);

  const auto problem = [](std::string_view text) {
    const AdjustmentFileRead damaged = read_adjustment_file(text, "a");
    return damaged.problem ? describe(*damaged.problem) : "";
  };
  EXPECT_EQ(problem("team A\npoints 0\nreason x\n"), "a:2: \"0\" is not a whole number of points");
  EXPECT_EQ(problem("team A\nreason x\n"),
            "a:2: \"reason x\" is not the line \"points ...\" that belongs here");
  EXPECT_EQ(problem("team A\npoints 1\n"), "a: ends before its reason line");
  EXPECT_EQ(problem("team A\npoints 1\nreason x\ty\n"),
            "a:3: the reason holds the control character U+0009");
  EXPECT_EQ(problem("team A\npoints 1\nreason x\nteam B\n"),
            "a:4: a line after the reason, where none belongs");
}

TEST(AdjustmentLine, SignsPointsAndDatesTheAdjustment) {
  Adjustment adjustment{0, 1, "Carrow", -3, "fielded an ineligible player", "2027-01-12 18:20"};
  EXPECT_EQ(adjustment_line(adjustment),
            "Carrow: -3 points on 2027-01-12: fielded an ineligible player");
  adjustment.points = 1;
  EXPECT_EQ(adjustment_line(adjustment),
            "Carrow: +1 point on 2027-01-12: fielded an ineligible player");
  EXPECT_EQ(signed_points(-2147483647 - 1, "\xE2\x88\x92"),
            "\xE2\x88\x92"
            "2147483648");
}

}  // namespace
}  // namespace league
