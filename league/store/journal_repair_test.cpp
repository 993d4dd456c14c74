// league recover on journals cut short or with a byte changed: decided from
// the files, or refused with each file named.
#include "league/store/journal_repair.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "league/app/run_league.h"
#include "tests/support/case_run.h"

namespace league {
namespace {

namespace fs = std::filesystem;
using testing::read_file;

struct Outcome {
  int status = 0;
  std::string out;
  std::string err;
};

Outcome league(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = run_league(args, out, err);
  return {status, out.str(), err.str()};
}

// a.txt changed, b.txt made, c.txt removed, in that order.
const Journal kJournal{"round 4",
                       {{"a.txt", "a old", "a new"},
                        {"b.txt", std::nullopt, "b new"},
                        {"c.txt", "c old", std::nullopt}}};

class JournalRepairTest : public ::testing::Test {
 protected:
  // The files with the first `changed` changes made, and the journal.
  void set_up(std::size_t changed, const std::string& journal,
              const char* path = "history/journal") {
    fs::create_directories("history");
    testing::write_file("c.txt", "c old");
    testing::write_file("a.txt", "a old");
    for (std::size_t i = 0; i < changed; ++i) {
      const Journal::Entry& entry = kJournal.entries[i];
      if (entry.new_contents)
        testing::write_file(entry.path, *entry.new_contents);
      else
        fs::remove(entry.path);
    }
    testing::write_file(path, journal);
  }
  testing::ScratchWorkDir dir_{"journal_repair_test"};
};

TEST_F(JournalRepairTest, ACutJournalIsRolledBackWhenAFileStillHoldsItsOldBytes) {
  const std::string journal = encode_journal(kJournal);
  // Cut inside b.txt's new bytes: a.txt made, b.txt not yet, so c.txt neither.
  set_up(1, journal.substr(0, journal.find("b new") + 2));
  const Outcome status = league({"status"});
  EXPECT_EQ(status.status, 1);
  EXPECT_NE(status.err.find("history/journal: is damaged"), std::string::npos) << status.err;
  EXPECT_NE(status.err.find("league recover"), std::string::npos) << status.err;

  const Outcome run = league({"recover"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "history/journal of round 4, cut short:\n"
            "  a.txt: as the change leaves it\n"
            "  b.txt: as it was before\n"
            "  c.txt: as it was before\n"
            "Rolled back round 4 from what the files hold, and removed history/journal.\n");
  EXPECT_EQ(read_file("a.txt"), "a old");
  EXPECT_FALSE(fs::exists("b.txt"));
  EXPECT_EQ(read_file("c.txt"), "c old");
  EXPECT_FALSE(fs::exists("history/journal"));
}

TEST_F(JournalRepairTest, TheIndexTellsEveryFileEvenWhenTheJournalIsCutInItsFirstBytes) {
  const std::string journal = encode_journal(kJournal);
  // Every change made; the journal cut inside a.txt's old bytes, so that
  // only its index tells the files' states.
  set_up(3, journal.substr(0, journal.find("a old") + 2));
  const Outcome run = league({"recover"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "history/journal of round 4, cut short:\n"
            "  a.txt: as the change leaves it\n"
            "  b.txt: as the change leaves it\n"
            "  c.txt: as the change leaves it\n"
            "Completed round 4 from what the files hold, and removed history/journal.\n");
  EXPECT_EQ(read_file("b.txt"), "b new");
  EXPECT_FALSE(fs::exists("history/journal"));
}

TEST_F(JournalRepairTest, AWholeJournalCutInItsEndLineIsCompleted) {
  const std::string journal = encode_journal(kJournal);
  set_up(1, journal.substr(0, journal.size() - 5));
  const Outcome run = league({"recover"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Completed round 4"), std::string::npos) << run.out;
  EXPECT_EQ(read_file("a.txt"), "a new");
  EXPECT_EQ(read_file("b.txt"), "b new");
  EXPECT_FALSE(fs::exists("c.txt"));
}

TEST_F(JournalRepairTest, AByteChangedWritesNothingFromTheJournalAndAFileOfItsOwnIsNamed) {
  std::string journal = encode_journal(kJournal);
  journal[journal.find("a new") + 2] = 'N';
  set_up(2, journal);
  testing::write_file("a.txt", "a by hand");
  Outcome run = league({"recover"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("  a.txt: neither as it was nor as the change leaves it\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.err.find("league recover --keep-files"), std::string::npos) << run.err;
  EXPECT_TRUE(fs::exists("history/journal"));
  EXPECT_EQ(read_file("a.txt"), "a by hand");

  run = league({"recover", "--keep-files"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(fs::exists("history/journal"));
  EXPECT_EQ(read_file("b.txt"), "b new");
  EXPECT_EQ(read_file("c.txt"), "c old");
  EXPECT_EQ(league({"recover"}).out,
            "Nothing to recover: no damaged history/journal or history/rollback.\n");
}

TEST_F(JournalRepairTest, ADamagedRollbackIsRolledBackWhenBothWaysAreOpen) {
  std::string journal = encode_journal(kJournal);
  journal[journal.size() - 3] ^= 1;
  set_up(1, journal, "history/rollback");
  const Outcome run = league({"recover"});
  EXPECT_EQ(run.status, 1) << "a changed byte: nothing is written from it";
  std::string cut = encode_journal(kJournal);
  set_up(1, cut.substr(0, cut.size() - 5), "history/rollback");
  const Outcome again = league({"recover"});
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_NE(again.out.find("Rolled back round 4"), std::string::npos) << again.out;
  EXPECT_EQ(read_file("a.txt"), "a old");
  EXPECT_FALSE(fs::exists("history/rollback"));
  EXPECT_FALSE(fs::exists("history/journal"));
}

}  // namespace
}  // namespace league
