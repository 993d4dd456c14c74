#pragma once

namespace league {

// The names of the files a league folder holds. Every program takes them from
// here, so that a name is spelled once.
inline constexpr const char* kSettingsFile = "league.dat";
inline constexpr const char* kTableFile = "table.txt";
inline constexpr const char* kFormFile = "form.txt";
inline constexpr const char* kAttendancesFile = "attendances.dat";
inline constexpr const char* kResultsFile = "results.txt";
inline constexpr const char* kTeamsDirFile = "teams.dir";
inline constexpr const char* kListingFile = "all_plrs.txt";
inline constexpr const char* kFixturesFile = "fixtures.txt";
// league's own: the rounds it applied, its journal and its lock.
inline constexpr const char* kHistoryDir = "history";
// The league's name, which `league new --name` and `league name` keep there.
inline constexpr const char* kLeagueNameFile = "history/name";
// While a command runs, its lock; while a transaction runs, its journal, or
// the rollback of a transaction that failed.
inline constexpr const char* kLockFile = "history/lock";
inline constexpr const char* kJournalFile = "history/journal";
inline constexpr const char* kRollbackFile = "history/rollback";
// The league's time zone ("Europe/London GMT0BST,M3.5.0/1,M10.5.0"), its
// season's identifier in calendar UIDs, and each team's ground.
inline constexpr const char* kTimeZoneFile = "history/timezone";
inline constexpr const char* kSeasonIdFile = "history/season";
inline constexpr const char* kGroundsFile = "history/grounds";

// A team sheet's file: the roster's name followed by "sht.txt" (ASHsht.txt).
inline constexpr const char* kSheetSuffix = "sht.txt";

}  // namespace league
