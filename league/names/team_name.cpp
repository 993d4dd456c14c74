#include "league/names/team_name.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

#include "common/io/league_files.h"
#include "common/text/spaces.h"
#include "common/text/utf8.h"
#include "common/text/wording.h"

namespace league {

namespace {

// Characters that look like a blank, or like nothing, but are not the plain
// blank: a name holding one would differ from the same name typed with blanks.
bool is_other_space(char32_t code) {
  return code == 0xA0 || code == 0x1680 || (code >= 0x2000 && code <= 0x200B) || code == 0x2028 ||
         code == 0x2029 || code == 0x202F || code == 0x205F || code == 0x3000 || code == 0xFEFF;
}

bool is_control(char32_t code) {
  return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

std::string code_point(char32_t code) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
  return text;
}

// What is wrong with the characters of a name, if anything: it must be UTF-8
// without control characters (white space apart, which becomes a blank) and
// without spaces other than the blank.
std::optional<std::string> character_problem(std::string_view name) {
  for (std::size_t i = 0; i < name.size();) {
    const Utf8Char next = decode_utf8(name.substr(i));
    if (next.length == 0) return "the name holds bytes that are not UTF-8 text";
    if (!is_space(name[i]) && is_control(next.code))
      return "the name holds a control character (" + code_point(next.code) + ")";
    if (is_other_space(next.code)) {
      return in_quotes(name) + " holds a space other than the plain blank (" +
             code_point(next.code) + "); write a plain blank";
    }
    i += next.length;
  }
  return std::nullopt;
}

}  // namespace

std::string stored_form(std::string_view written) {
  std::string stored;
  bool blank = false;
  for (const char c : trimmed(written)) {
    if (is_space(c)) {
      blank = true;
      continue;
    }
    if (blank) stored += '_';
    blank = false;
    stored += c;
  }
  return stored;
}

std::string written_form(std::string_view stored) {
  std::string written(stored);
  std::replace(written.begin(), written.end(), '_', ' ');
  return written;
}

std::string normal_written_form(std::string_view typed) {
  return written_form(stored_form(typed));
}

std::optional<std::string> check_written_name(std::string_view written) {
  const std::string_view name = trimmed(written);
  if (name.empty()) return "a team needs a name";
  if (auto problem = character_problem(name)) return problem;
  const std::string stored = stored_form(name);
  // Without white space in it, a name is its own stored form.
  if (stored != name && name.find('_') != std::string_view::npos) {
    return in_quotes(name) +
           " holds both blanks and _, which the tools' files write for a blank (write " +
           normal_written_form(name) + ")";
  }
  if (stored.front() == '_' || stored.back() == '_' || stored.find("__") != std::string::npos) {
    return in_quotes(name) +
           " has _ at an end or two in a row: in the tools' files _ stands for one blank between "
           "words";
  }
  for (const std::string_view dash : {"-", ":", "\u2013"}) {
    const std::string word = '_' + std::string(dash) + '_';
    if (('_' + stored + '_').find(word) != std::string::npos) {
      return in_quotes(name) + " has " + std::string(dash) +
             " as a word of its own, which fixtures and results read between two teams";
    }
  }
  if (stored.front() == '#')
    return in_quotes(name) + " starts with #, which fixtures.txt reads as a comment";
  if (stored.front() == '@')
    return in_quotes(name) + " starts with @, which fixtures.txt reads as a venue after a team";
  if (stored == "No") {
    return std::string("a team cannot be named No: table_update drops that name's row from ") +
           kAttendancesFile;
  }
  if (stored.size() > kMaxStoredNameBytes) {
    return in_quotes(name) + " is too long for the tools' files: " + std::to_string(stored.size()) +
           " bytes as " + stored + ", and they hold " + std::to_string(kMaxStoredNameBytes) +
           " (an accented letter takes two)";
  }
  return std::nullopt;
}

std::vector<NameProblem> check_team_names(const std::vector<std::string>& names) {
  std::vector<NameProblem> problems;
  std::unordered_map<std::string, std::size_t> first;  // stored form -> its first name
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (auto problem = check_written_name(names[i])) {
      problems.push_back({i, std::move(*problem)});
      continue;
    }
    const auto [earlier, added] = first.try_emplace(stored_form(names[i]), i);
    if (added) continue;
    // The same words apart by other white space are the same name given twice;
    // a name in the other form is the same name written differently.
    const std::string_view before = trimmed(names[earlier->second]);
    const std::string_view now = trimmed(names[i]);
    const auto underscores = [](std::string_view name) {
      return name.find('_') != std::string_view::npos;
    };
    problems.push_back({i, underscores(before) == underscores(now)
                               ? normal_written_form(now) + " is given twice"
                               : std::string(before) + " and " + std::string(now) +
                                     " are one name: both are " + earlier->first +
                                     " in the tools' files"});
  }
  return problems;
}

}  // namespace league
