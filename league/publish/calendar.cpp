#include "league/publish/calendar.h"

#include <algorithm>
#include <cstddef>
#include <set>
#include <utility>

#include "common/text/spaces.h"
#include "common/text/utf8.h"
#include "common/text/wording.h"
#include "league/names/team_name.h"
#include "league/publish/percent_encoding.h"

namespace league {

namespace {

constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;

// A TEXT value: backslash, semicolon, comma and line breaks escaped, other
// control characters dropped, and every byte that is no part of UTF-8 replaced
// by U+FFFD, so that the file is UTF-8 whatever the league files hold.
std::string text_value(std::string_view text) {
  std::string out;
  while (!text.empty()) {
    const std::size_t length = decode_utf8(text).length;
    if (length == 0) {
      out += "\xEF\xBF\xBD";
      text.remove_prefix(1);
      continue;
    }
    if (length == 1) {
      const char c = text.front();
      if (c == '\\' || c == ';' || c == ',') {
        out += '\\';
        out += c;
      } else if (c == '\n') {
        out += "\\n";
      } else if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
        out += c;
      }
    } else {
      out.append(text.substr(0, length));
    }
    text.remove_prefix(length);
  }
  return out;
}

// A part of a UID: letters, digits, '_' and '.' as they are, every other byte
// as %XX, so that no two names give the same part and '-' and '@' can join
// the parts; the part after the '@' keeps its '-' too.
std::string uid_part(std::string_view text, bool keep_dash = false) {
  return percent_encoded(text, keep_dash ? "_.-" : "_.");
}

std::string compact_date(const Date& date) {
  std::string text = format_date(date);
  std::erase(text, '-');
  return text;
}

// YYYYMMDDTHHMMSSZ for a moment given in seconds since 1970-01-01 UTC; nothing
// outside the years 1 to 9999.
std::optional<std::string> utc_date_time(std::int64_t seconds) {
  std::int64_t days = seconds / kSecondsPerDay;
  std::int64_t rest = seconds % kSecondsPerDay;
  if (rest < 0) {
    rest += kSecondsPerDay;
    --days;
  }
  const auto date = date_from_days(days);
  if (!date) return std::nullopt;
  return compact_date(*date) + 'T' + two_digits(rest / 3600) + two_digits(rest / 60 % 60) +
         two_digits(rest % 60) + 'Z';
}

// Collects content lines, each folded to lines of at most 75 octets (the
// continuation lines start with a blank) without splitting a UTF-8 sequence,
// and ended with CR LF.
class ContentLines {
 public:
  void add(std::string_view line) {
    std::string_view rest = line;
    std::size_t room = 75;
    while (rest.size() > room) {
      std::size_t cut = room;
      while ((static_cast<unsigned char>(rest[cut]) & 0xC0) == 0x80) --cut;
      text_.append(rest.substr(0, cut));
      text_ += "\r\n ";
      rest.remove_prefix(cut);
      room = 74;
    }
    text_.append(rest);
    text_ += "\r\n";
  }

  std::string take() { return std::move(text_); }

 private:
  std::string text_;
};

}  // namespace

namespace {

// The DTSTART and DTEND lines of an event of a dated round; nothing when they
// fall outside the years the calendar can write.
std::optional<std::pair<std::string, std::string>> event_times(const FixtureRound& round,
                                                               const CalendarSettings& settings) {
  if (round.time) {
    const std::int64_t local_minutes =
        days_since_epoch(*round.date) * 24 * 60 + round.time->hour * 60 + round.time->minute;
    const std::int64_t offset =
        settings.utc_offset ? settings.utc_offset(*round.date, *round.time) : 0;
    const std::int64_t utc_seconds = (local_minutes - offset) * 60;
    const auto begins = utc_date_time(utc_seconds);
    const auto ends = utc_date_time(utc_seconds + std::int64_t{settings.match_minutes} * 60);
    if (!begins || !ends) return std::nullopt;
    return std::pair{"DTSTART:" + *begins, "DTEND:" + *ends};
  }
  const auto next_day = date_from_days(days_since_epoch(*round.date) + 1);
  if (!next_day) return std::nullopt;
  return std::pair{"DTSTART;VALUE=DATE:" + compact_date(*round.date),
                   "DTEND;VALUE=DATE:" + compact_date(*next_day)};
}

// An event's SEQUENCE and STATUS, when it has them, its SUMMARY and its
// DESCRIPTION.
void add_event_text(ContentLines& out, const FixtureRound& round, const FixtureMatch& match,
                    const PlayedLookup& played, const CalendarSettings& settings) {
  std::string summary = written_form(match.home);
  const auto score = played && !match.is_void ? played(round, match) : std::nullopt;
  if (score) {
    summary += ' ' + std::to_string(score->home) + " - " + std::to_string(score->away) + ' ';
  } else {
    summary += " - ";
  }
  summary += written_form(match.away);
  const int sequence = settings.sequence ? settings.sequence(match) : 0;
  out.add("SEQUENCE:" + std::to_string(sequence));
  if (match.postponed) {
    out.add("STATUS:CANCELLED");
    summary += " (postponed)";
  }
  // A withdrawn club's match is off: the same UID, cancelled.
  if (match.is_void && !match.postponed) out.add("STATUS:CANCELLED");
  out.add("SUMMARY:" + text_value(summary));
  std::string description = "Round " + std::to_string(round.number);
  if (match.date) description += ", rearranged";
  if (const std::string reason = settings.awarded ? settings.awarded(match) : std::string();
      !reason.empty())
    description += ", awarded: " + reason;
  out.add("DESCRIPTION:" + text_value(description));
}

}  // namespace

std::string calendar_text(const Fixtures& fixtures, const PlayedLookup& played,
                          const CalendarSettings& settings) {
  const std::string league_id = uid_part(!settings.league_id.empty()     ? settings.league_id
                                         : !settings.league_name.empty() ? settings.league_name
                                                                         : "league",
                                         true);
  const std::string dtstamp = utc_date_time(settings.dtstamp).value_or("19700101T000000Z");

  ContentLines out;
  out.add("BEGIN:VCALENDAR");
  out.add("VERSION:2.0");
  out.add("PRODID:-//league-tools//league fixtures//EN");
  out.add("CALSCALE:GREGORIAN");
  out.add("METHOD:PUBLISH");
  if (!settings.league_name.empty()) {
    // The standard property and the older one that more programs show.
    out.add("NAME:" + text_value(settings.league_name));
    out.add("X-WR-CALNAME:" + text_value(settings.league_name));
  }
  // The zone programs may show the times in; the times themselves are UTC.
  if (!settings.zone_name.empty()) out.add("X-WR-TIMEZONE:" + text_value(settings.zone_name));

  std::set<std::string> uids;
  for (const FixtureRound& round : fixtures.rounds) {
    for (const FixtureMatch& match : round.matches) {
      // A rearranged match is on its own day, at its own kick-off.
      FixtureRound day{round.number,
                       match.date ? match.date : round.date,
                       match.date ? match.time : round.time,
                       {},
                       round.line};
      if (!day.date) continue;
      const auto times = event_times(day, settings);
      if (!times) continue;
      const auto& [start, end] = *times;

      // A pairing that a faulty file repeats still gets a UID of its own.
      const std::string base = uid_part(match.home) + '-' + uid_part(match.away);
      std::string uid = base + '@' + league_id;
      for (int copy = 2; !uids.insert(uid).second; ++copy)
        uid = base + '-' + std::to_string(copy) + '@' + league_id;

      out.add("BEGIN:VEVENT");
      out.add("UID:" + uid);
      out.add("DTSTAMP:" + dtstamp);
      out.add(start);
      out.add(end);
      add_event_text(out, round, match, played, settings);
      if (const auto venue = settings.venue ? settings.venue(round, match) : std::nullopt)
        out.add("LOCATION:" + text_value(ground_text(*venue)));
      out.add("END:VEVENT");
    }
  }
  out.add("END:VCALENDAR");
  return out.take();
}

std::size_t calendar_events(const Fixtures& fixtures) {
  std::size_t events = 0;
  for (const FixtureRound& round : fixtures.rounds) {
    for (const FixtureMatch& match : round.matches) {
      if (match.date || round.date) ++events;
    }
  }
  return events;
}

std::string league_id_of_teams(std::vector<std::string> teams) {
  std::sort(teams.begin(), teams.end());
  std::string names;
  for (const std::string& team : teams) names += team + '\n';
  return "league-" + hex16(fnv1a(names));
}

std::string fixtures_calendar(const Fixtures& fixtures, const SeasonSchedule& schedule,
                              const LeagueCalendar& league) {
  CalendarSettings settings;
  settings.league_name = league.league_name;
  settings.league_id =
      league.season_id ? "season-" + *league.season_id : league_id_of_teams(league.table_teams);
  settings.dtstamp = league.now;
  settings.zone_name = league.zone.name;
  if (const auto rule = zone::parse_zone_rule(league.zone.rule)) {
    settings.utc_offset = [rule = *rule](const Date& date, const TimeOfDay& time) {
      return zone::utc_offset_at(rule,
                                 {date.year, date.month, date.day, time.hour, time.minute, 0}) /
             60;
    };
  }
  settings.venue = [&league](const FixtureRound&, const FixtureMatch& match) {
    return match_venue(league.grounds, match.home, match.venue);
  };
  const PlayedLookup played = [&](const FixtureRound&,
                                  const FixtureMatch& match) -> std::optional<Score> {
    const FixtureState* fixture = schedule.find(match.home, match.away);
    if (fixture == nullptr || !fixture->played) return std::nullopt;
    return fixture->played->score;
  };
  settings.sequence = [&](const FixtureMatch& match) {
    const std::string pairing = pairing_text(match.home, match.away);
    return static_cast<int>(std::count(league.changed.begin(), league.changed.end(), pairing));
  };
  settings.awarded = [&](const FixtureMatch& match) {
    const FixtureState* fixture = schedule.find(match.home, match.away);
    return fixture && fixture->played ? fixture->played->awarded : std::string();
  };
  return calendar_text(fixtures, played, settings);
}

}  // namespace league
