#include "league/publish/standings_chart.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <unordered_map>

#include "league/publish/publish_text.h"

namespace league {

namespace {

// Twenty colours that stay apart from each other on white and in print.
constexpr std::array<std::string_view, 20> kPalette{
    "#1f77b4", "#d62728", "#2ca02c", "#ff7f0e", "#9467bd", "#8c564b", "#e377c2",
    "#17becf", "#bcbd22", "#7f7f7f", "#393b79", "#ad494a", "#637939", "#8c6d31",
    "#7b4173", "#3182bd", "#e6550d", "#31a354", "#756bb1", "#525252"};

// The chart's geometry, in the units of its viewBox.
constexpr double kLeft = 34;  // room for the position numbers
constexpr double kTop = 14;
constexpr double kWidth = 694;  // the whole chart: the names take room from the plot
constexpr double kMinPlotWidth = 320;
constexpr double kRowStep = 20;      // from one position to the next
constexpr double kLabelGap = 8;      // from a line's last point to the team's name
constexpr double kLabelSize = 12.5;  // the names' font size, as the page's style sets it
constexpr double kBottom = 34;       // room for the round numbers and the axis title

std::string number(double value) {
  std::array<char, 32> text{};
  const auto result =
      std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 1);
  std::string out(text.data(), result.ptr);
  if (out.size() > 2 && out.ends_with(".0")) out.resize(out.size() - 2);
  return out;
}

// Every how many'th mark an axis of `count` marks labels, so that at most
// about `most` labels stand on it.
std::size_t label_stride(std::size_t count, std::size_t most) {
  return count <= most ? 1 : (count + most - 1) / most;
}

// Marks 0, stride, 2 * stride ... and the last, leaving out the one that
// would stand too close before the last.
bool labelled(std::size_t index, std::size_t count, std::size_t stride) {
  if (index + 1 == count) return true;
  return index % stride == 0 && count - 1 - index >= stride;
}

// How wide a team's name is drawn, in ems: glyph widths of a wide bold
// sans-serif, slightly generous, so that the chart keeps room for the whole
// name in the fonts a reader is likely to have.
double name_width(std::string_view name) {
  constexpr std::string_view kNarrow = "ijlIJ'.,:;!|_ ";  // '_' is shown as a blank
  constexpr std::string_view kSlim = "frt()[]/-";
  constexpr std::string_view kBroad = "mwMW@";
  double width = 0;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) {
      // Count a letter beyond ASCII once, at its first byte: an accented Latin
      // letter is as wide as most, one of three or four bytes (CJK) a full em.
      if (byte >= 0xE0) {
        width += 1.0;
      } else if (byte >= 0xC0) {
        width += 0.72;
      }
    } else if (kNarrow.find(c) != std::string_view::npos) {
      width += 0.36;
    } else if (kSlim.find(c) != std::string_view::npos) {
      width += 0.5;
    } else if (kBroad.find(c) != std::string_view::npos) {
      width += 1.1;
    } else if (c >= 'A' && c <= 'Z') {
      width += 0.86;
    } else {
      width += 0.74;
    }
  }
  return width;
}

// Where the chart puts each round (x) and each position (y).
struct ChartFrame {
  std::size_t rounds = 0;
  double plot_width = 0;
  double plot_height = 0;
  double height = 0;

  double x_of(std::size_t index) const {
    if (rounds == 1) return kLeft + plot_width / 2;
    return kLeft + static_cast<double>(index) * plot_width / static_cast<double>(rounds - 1);
  }
  static double y_of(std::size_t position) {
    return kTop + static_cast<double>(position - 1) * kRowStep;
  }
};

// A line for each position and each round, labelled on the axes.
void chart_grid(std::string& svg, const ChartFrame& frame, const std::vector<RoundOrder>& rounds,
                std::size_t teams) {
  svg += "<g class=\"grid\">\n";
  const std::size_t row_stride = label_stride(teams, 24);
  for (std::size_t position = 1; position <= teams; ++position) {
    const std::string y = number(frame.y_of(position));
    svg += "<line x1=\"" + number(kLeft) + "\" y1=\"" + y + "\" x2=\"" +
           number(kLeft + frame.plot_width) + "\" y2=\"" + y + "\"/>\n";
    if (labelled(position - 1, teams, row_stride))
      svg += "<text class=\"y\" x=\"" + number(kLeft - 10) + "\" y=\"" +
             number(frame.y_of(position) + 4) + "\">" + std::to_string(position) + "</text>\n";
  }
  const std::size_t round_stride = label_stride(rounds.size(), 16);
  for (std::size_t index = 0; index < rounds.size(); ++index) {
    const std::string x = number(frame.x_of(index));
    svg += "<line x1=\"" + x + "\" y1=\"" + number(kTop) + "\" x2=\"" + x + "\" y2=\"" +
           number(kTop + frame.plot_height) + "\"/>\n";
    if (labelled(index, rounds.size(), round_stride))
      svg += "<text class=\"x\" x=\"" + x + "\" y=\"" + number(kTop + frame.plot_height + 16) +
             "\">" + std::to_string(rounds[index].round) + "</text>\n";
  }
  svg += "<text class=\"x\" x=\"" + number(kLeft + frame.plot_width / 2) + "\" y=\"" +
         number(frame.height - 2) + "\">Round</text>\n</g>\n";
}

// Each team's line through where it stood after each round, in its colour.
void team_lines(std::string& svg, const ChartFrame& frame, const Standings& standings) {
  const auto& rounds = standings.rounds;
  const std::size_t teams = standings.table.size();
  std::vector<std::unordered_map<std::string_view, std::size_t>> positions(rounds.size());
  for (std::size_t index = 0; index < rounds.size(); ++index) {
    const auto& order = rounds[index].teams;
    for (std::size_t place = 0; place < order.size(); ++place)
      positions[index].emplace(order[place], place + 1);
  }
  for (std::size_t place = 0; place < teams; ++place) {
    const std::string& team = standings.table[place].entry.Team;
    std::string points;
    std::string marks;
    double last_x = 0;
    double last_y = 0;
    for (std::size_t index = 0; index < rounds.size(); ++index) {
      const auto found = positions[index].find(team);
      if (found == positions[index].end() || found->second > teams) continue;
      last_x = frame.x_of(index);
      last_y = frame.y_of(found->second);
      if (!points.empty()) points += ' ';
      points += number(last_x) + "," + number(last_y);
      marks += "<circle cx=\"" + number(last_x) + "\" cy=\"" + number(last_y) +
               "\" r=\"3\"><title>" + display_name(team) + ", round " +
               std::to_string(rounds[index].round) + ": position " + std::to_string(found->second) +
               "</title></circle>\n";
    }
    if (points.empty()) continue;  // a team new since the last round
    const std::string colour(team_colour(place));
    svg += "<g class=\"team\" data-team=\"" + html_escape(team) + "\" stroke=\"" + colour +
           "\" fill=\"" + colour + "\">\n<polyline points=\"" + points + "\"/>\n" + marks +
           "<text x=\"" + number(last_x + kLabelGap) + "\" y=\"" + number(last_y + 4) + "\">" +
           display_name(team) + "</text>\n</g>\n";
  }
}

}  // namespace

std::string_view team_colour(std::size_t place) {
  return kPalette[place % kPalette.size()];
}

std::string position_chart(const Standings& standings) {
  const auto& rounds = standings.rounds;
  const std::size_t teams = standings.table.size();
  if (rounds.empty() || teams == 0) return {};

  // Room after the last round for the longest name.
  double label_room = 0;
  for (const StandingsRow& row : standings.table)
    label_room = std::max(label_room, kLabelGap + name_width(row.entry.Team) * kLabelSize + 4);
  label_room = std::ceil(label_room);
  ChartFrame frame;
  frame.rounds = rounds.size();
  frame.plot_width = std::max(kMinPlotWidth, kWidth - kLeft - label_room);
  frame.plot_height = static_cast<double>(teams - 1) * kRowStep;
  frame.height = kTop + frame.plot_height + kBottom;
  const double width = kLeft + frame.plot_width + label_room;

  std::string svg = "<svg class=\"chart\" xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " +
                    number(width) + " " + number(frame.height) +
                    "\" role=\"img\" aria-labelledby=\"chart-title\">\n"
                    "<title id=\"chart-title\">Position of every team after each round</title>\n";
  chart_grid(svg, frame, rounds, teams);
  team_lines(svg, frame, standings);
  svg += "</svg>\n";
  return svg;
}

}  // namespace league
