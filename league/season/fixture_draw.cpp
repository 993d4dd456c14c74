#include "league/season/fixture_draw.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <random>
#include <set>
#include <utility>

namespace league {

namespace {

// A pairing of two places of the schedule, the first at home.
struct Pairing {
  std::size_t home;
  std::size_t away;
};
using Schedule = std::vector<std::vector<Pairing>>;

// The circle method for `places` places (an even number): the last place
// stands still, the others turn around it one step a round. In round r the
// last place meets place r, and places r+k and r-k (around the circle of
// places-1) meet for k = 1 .. places/2 - 1. Home and away follow the Berger
// tables' rule: the still place is away in even rounds and at home in odd
// ones; of r+k and r-k the second is at home when k is odd, the first when k
// is even. That leaves places-2 breaks, the fewest any single round-robin can
// have (de Werra), and every break lies next to a match against the still
// place, so when that place is a bye no team has a break.
Schedule circle_schedule(std::size_t places) {
  const std::size_t circle = places - 1;
  const std::size_t still = places - 1;
  Schedule rounds(circle);
  for (std::size_t r = 0; r < circle; ++r) {
    auto& round = rounds[r];
    round.push_back(r % 2 == 0 ? Pairing{r, still} : Pairing{still, r});
    for (std::size_t k = 1; k < places / 2; ++k) {
      const std::size_t ahead = (r + k) % circle;
      const std::size_t behind = (r + circle - k) % circle;
      round.push_back(k % 2 == 1 ? Pairing{behind, ahead} : Pairing{ahead, behind});
    }
  }
  return rounds;
}

// The second half of a double round-robin: the rounds of the first backwards,
// starting from its third-last round (the last two come at the end), every
// match reversed. Played straight after the first half in the same order it
// would begin with the last round's pairs again and give a break at the join
// to many teams, three in a row to some; this order has neither, for every
// number of teams.
Schedule second_half(const Schedule& first) {
  const std::size_t count = first.size();
  Schedule second;
  for (std::size_t k = 0; k < count; ++k) {
    const std::size_t backwards = (k + 2) % count;
    auto round = first[count - 1 - backwards];
    for (Pairing& pairing : round) std::swap(pairing.home, pairing.away);
    second.push_back(std::move(round));
  }
  return second;
}

// A number below `bound` (at least 1) from the generator, every value equally
// likely: raw outputs below 2^32 mod bound are drawn again. The generator's
// outputs are fixed by the C++ standard; the distributions of <random> are not,
// hence this.
std::uint32_t draw_below(std::mt19937& generator, std::uint32_t bound) {
  const std::uint32_t rejected = (0u - bound) % bound;
  std::uint32_t value = static_cast<std::uint32_t>(generator());
  while (value < rejected) value = static_cast<std::uint32_t>(generator());
  return value % bound;
}

// 0 .. count-1 in an order the seed decides: Fisher-Yates with std::mt19937
// seeded with `seed`, the last place swapped first.
std::vector<std::size_t> shuffled_places(std::size_t count, std::uint32_t seed) {
  std::vector<std::size_t> order(count);
  for (std::size_t k = 0; k < count; ++k) order[k] = k;
  std::mt19937 generator(seed);
  for (std::size_t k = count; k > 1; --k) {
    const std::size_t pick = draw_below(generator, static_cast<std::uint32_t>(k));
    std::swap(order[k - 1], order[pick]);
  }
  return order;
}

}  // namespace

Draw draw_fixtures(const std::vector<std::string>& teams, const DrawSettings& settings) {
  Draw draw;
  if (std::set<std::string>(teams.begin(), teams.end()).size() != teams.size() ||
      teams.size() > std::numeric_limits<std::uint32_t>::max() / 2)
    draw.problem = Draw::Problem::kTeamTwice;
  if (teams.size() < 2 || draw.problem != Draw::Problem::kNone) return draw;
  Fixtures& fixtures = draw.fixtures;

  // With an odd number of teams the still place is nobody's: whoever meets it
  // has a bye.
  const std::size_t places = teams.size() + teams.size() % 2;
  Schedule schedule = circle_schedule(places);
  if (settings.double_round) {
    Schedule second = second_half(schedule);
    schedule.insert(schedule.end(), second.begin(), second.end());
  }

  // The places are dealt out to the teams in name order, so that the draw
  // depends on which teams there are, not on the order the table has them in.
  std::vector<std::string> sorted = teams;
  std::sort(sorted.begin(), sorted.end());
  const std::vector<std::size_t> team_at = shuffled_places(sorted.size(), settings.seed);
  for (std::size_t r = 0; r < schedule.size(); ++r) {
    FixtureRound round;
    round.number = static_cast<int>(r + 1);
    if (settings.start) {
      const auto date = date_from_days(days_since_epoch(*settings.start) +
                                       static_cast<std::int64_t>(r) * settings.every_days);
      if (!date) return {{}, Draw::Problem::kPastYear9999};
      round.date = date;
      round.time = settings.time;
    }
    for (const Pairing& pairing : schedule[r]) {
      if (pairing.home >= teams.size() || pairing.away >= teams.size()) continue;  // a bye
      round.matches.push_back(
          FixtureMatch{sorted[team_at[pairing.home]], sorted[team_at[pairing.away]], 0});
    }
    fixtures.rounds.push_back(std::move(round));
  }
  return draw;
}

std::string draw_comment(const DrawSettings& settings) {
  std::string command = "league fixtures";
  if (settings.double_round) command += " --double";
  command += " --seed " + std::to_string(settings.seed);
  if (settings.start) {
    command += " --start " + format_date(*settings.start);
    command += " --every " + std::to_string(settings.every_days);
    if (settings.time) command += " --time " + format_time(*settings.time);
  }
  return "Drawn with seed " + std::to_string(settings.seed) + "; `" + command +
         "` draws these fixtures again.";
}

std::uint32_t fresh_seed() {
  std::random_device source;
  return static_cast<std::uint32_t>(source());
}

}  // namespace league
