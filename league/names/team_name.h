#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace league {

// A club's name has two forms. The written form is the name as people write
// it, with blanks ("St Mary's"); the stored form is the one word the four
// tools read from their files, each blank written as '_' ("St_Mary's").

// The longest stored form, in bytes: the width of the team column of form.txt
// and attendances.dat, so that every row of the tools' files stays aligned.
inline constexpr std::size_t kMaxStoredNameBytes = 30;

// The stored form of a name: the white space around it dropped and every run
// of white space inside it written as one '_'. A name already in the stored
// form comes back unchanged.
std::string stored_form(std::string_view written);

// The written form of a stored name: every '_' a blank.
std::string written_form(std::string_view stored);

// The written form of a name as typed in either form, or in a mixture of both:
// trimmed, runs of white space one blank, '_' a blank.
std::string normal_written_form(std::string_view typed);

// Why a name, typed in the written or the stored form, cannot be a team's
// name; nothing when it can. The reason is a text to show the user, in words
// that need no further context (a file and line may go before it). Refused: an
// empty name, bytes that are not UTF-8, control characters, spaces other than
// the plain blank (a no-break space looks like one but would not be one), '_'
// and blanks both, a '_' at either end or two in a row (they would not come
// back as the same written name), a dash or colon as a word of its own ("A -
// B": fixtures and results read it between two teams), a name starting with '#' (fixtures.txt
// would read it as a comment), "No" (table_update drops that row from
// attendances.dat) and a stored form over kMaxStoredNameBytes.
std::optional<std::string> check_written_name(std::string_view written);

// One problem of a list of names: the name at `index` of the list and why.
struct NameProblem {
  std::size_t index = 0;
  std::string what;
};

// Every problem of a league's list of names, in list order: each name that
// check_written_name refuses, and each name whose stored form a name before it
// already has ("St Mary's" and "St_Mary's"); that problem is given at the
// later name and names both. The tools compare names byte by byte, so names
// that differ only in letter case or accents are different names.
std::vector<NameProblem> check_team_names(const std::vector<std::string>& names);

}  // namespace league
