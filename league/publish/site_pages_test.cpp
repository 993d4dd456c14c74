#include "league/publish/site_pages.h"

#include <gtest/gtest.h>

namespace league {
namespace {

TEST(SitePages, NamedAfterThePageWithOnePerTeamAndLinksEncoded) {
  const SitePages pages =
      site_pages("site/index.html", {"Brighton_&_Hove", "Bayern_München", "Brighton_Hove", "?!"});
  EXPECT_EQ(pages.fixtures, "site/index-fixtures.html");
  EXPECT_EQ(pages.grid, "site/index-grid.html");
  ASSERT_EQ(pages.teams.size(), 4u);
  EXPECT_EQ(pages.teams[0].path, "site/index-team-brighton-hove.html");
  EXPECT_EQ(pages.teams[1].path, "site/index-team-bayern-münchen.html");
  EXPECT_EQ(pages.teams[2].path, "site/index-team-brighton-hove-2.html");
  EXPECT_EQ(pages.teams[3].path, "site/index-team-team.html");
  EXPECT_EQ(pages.team_page("Bayern_München"), pages.teams[1].path);
  EXPECT_EQ(page_link(pages.teams[1].path), "index-team-bayern-m%C3%BCnchen.html");
  EXPECT_EQ(site_pages("league", {}).grid, "league-grid.html");
}

}  // namespace
}  // namespace league
