// The journal's bytes, a transaction that fails in the middle, the recovery of
// what a killed run left, and the folder's lock. (tests/interruption_test.cpp
// kills the real commands at every step.)
#include "league/store/transaction.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "common/io/file_replacement.h"
#include "common/io/whole_file.h"
#include "league/app/run_league.h"
#include "league/store/folder_lock.h"
#include "tests/support/case_run.h"

namespace league {
namespace {

namespace fs = std::filesystem;
using testing::read_file;

// The files of the folder but the lock that each test's transactions go through.
std::vector<std::string> list_files(const std::string& dir) {
  std::vector<std::string> files = testing::list_files(dir);
  std::erase(files, "history/lock");
  return files;
}

// Writes a file, making its folders.
void write(const fs::path& path, const std::string& contents) {
  if (path.has_parent_path()) fs::create_directories(path.parent_path());
  testing::write_file(path, contents);
}

class TransactionTest : public ::testing::Test {
 protected:
  void TearDown() override { set_rename_check_for_testing({}); }
  testing::ScratchWorkDir dir_{"transaction_test"};
};

const std::string kAwkward = std::string("a\0b\nend 0123\nnew none\n", 23) + "\r\n";

TEST_F(TransactionTest, TheJournalReadsBackExactlyAndRefusesAnythingElse) {
  const Journal journal{"round 3",
                        {{"table.txt", "old\n", kAwkward},
                         {"history/3/applied", std::nullopt, ""},
                         {"history/2/" + kAwkward, kAwkward, std::nullopt}}};
  const std::string bytes = encode_journal(journal);
  const auto back = decode_journal(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->what, "round 3");
  ASSERT_EQ(back->entries.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(back->entries[i].path, journal.entries[i].path);
    EXPECT_EQ(back->entries[i].old_contents, journal.entries[i].old_contents);
    EXPECT_EQ(back->entries[i].new_contents, journal.entries[i].new_contents);
  }
  EXPECT_FALSE(decode_journal(bytes.substr(0, bytes.size() - 1)));
  EXPECT_FALSE(decode_journal(bytes.substr(0, bytes.size() / 2)));
  EXPECT_FALSE(decode_journal(bytes + "x"));
  std::string flipped = bytes;
  flipped[bytes.size() / 2] ^= 1;
  EXPECT_FALSE(decode_journal(flipped));

  // One left by the version before, without the index, reads too.
  const auto earlier = decode_journal(
      "league journal 1\nwhat 7\nround 3\nchanges 1\npath 9\ntable.txt\nold 4\nold\n\nnew none\n"
      "end af3ba5bdc7c32802\n");
  ASSERT_TRUE(earlier);
  EXPECT_EQ(earlier->entries.at(0).old_contents, "old\n");
  EXPECT_FALSE(earlier->entries.at(0).new_contents);
}

TEST_F(TransactionTest, MakesFoldersAndRemovesThoseItEmpties) {
  FolderLock lock;
  write("table.txt", "old table");
  write("history/1/applied", "stamp");
  ASSERT_FALSE(apply_transaction(lock, "round 2",
                                 {{"table.txt", kAwkward},
                                  {"history/2/before/table.txt", "old table"},
                                  {"history/1/applied", std::nullopt}}));
  EXPECT_EQ(read_file("table.txt"), kAwkward);
  EXPECT_EQ(list_files("."), (std::vector<std::string>{"history/2/before/table.txt", "table.txt"}));
  EXPECT_FALSE(fs::exists("history/1"));
}

TEST_F(TransactionTest, AWriteRefusedInTheMiddleLeavesEverythingAsItWas) {
  FolderLock lock;
  write("table.txt", "old table");
  write("form.txt", "old form");
  const auto before = list_files(".");
  set_rename_check_for_testing([](const std::string& target) { return target != "form.txt"; });
  const auto failed = apply_transaction(lock, "round 1",
                                        {{"history/1/after/table.txt", "new table"},
                                         {"table.txt", "new table"},
                                         {"form.txt", "new form"},
                                         {"history/1/applied", "stamp"}});
  ASSERT_TRUE(failed);
  EXPECT_EQ(describe(*failed), "form.txt: cannot be written; nothing changed");
  EXPECT_EQ(list_files("."), before);
  EXPECT_EQ(read_file("table.txt"), "old table");
  EXPECT_FALSE(fs::exists("history/1"));
}

TEST_F(TransactionTest, RecoveryCompletesAJournalAndRollsBackARollback) {
  FolderLock lock;
  // Killed after the first of three changes.
  write("table.txt", "new table");
  write("form.txt", "old form");
  write("history/journal", encode_journal({"round 4",
                                           {{"table.txt", "old table", "new table"},
                                            {"form.txt", "old form", "new form"},
                                            {"history/4/applied", std::nullopt, "stamp"}}}));
  Recovery recovery = recover_interrupted(lock);
  EXPECT_FALSE(recovery.failure);
  EXPECT_EQ(recovery.report, "Completed round 4, which an interrupted run had begun.");
  EXPECT_EQ(read_file("form.txt"), "new form");
  EXPECT_EQ(read_file("history/4/applied"), "stamp");
  EXPECT_FALSE(fs::exists("history/journal"));

  // Killed while putting the old files back after a failure.
  write("history/rollback", encode_journal({"the undo of round 4",
                                            {{"table.txt", "new table", "older table"},
                                             {"history/4/applied", "stamp", std::nullopt}}}));
  recovery = recover_interrupted(lock);
  EXPECT_EQ(recovery.report,
            "Rolled back the undo of round 4, which an interrupted run had begun.");
  EXPECT_EQ(list_files("."),
            (std::vector<std::string>{"form.txt", "history/4/applied", "table.txt"}));
  EXPECT_EQ(read_file("table.txt"), "new table");
}

TEST_F(TransactionTest, RecoveryRemovesTemporaryFilesAndTouchesNoDamagedJournal) {
  FolderLock lock;
  for (const char* file : {".tmp-12", "history/.tmp-3", "history/2/before/.tmp-999"})
    write(file, "partial");
  for (const char* kept : {".tmp-", ".tmp-1a", "tmp-1", "history/2/before/table.txt"})
    write(kept, "kept");
  Recovery recovery = recover_interrupted(lock);
  EXPECT_FALSE(recovery.report);
  EXPECT_EQ(list_files("."),
            (std::vector<std::string>{".tmp-", ".tmp-1a", "history/2/before/table.txt", "tmp-1"}));

  std::string journal = encode_journal({"round 2", {{"table.txt", std::nullopt, "new"}}});
  journal[journal.size() - 2] ^= 1;
  write("history/journal", journal);
  recovery = recover_interrupted(lock);
  ASSERT_TRUE(recovery.failure);
  EXPECT_NE(describe(*recovery.failure).find("history/journal: is damaged"), std::string::npos);
  EXPECT_FALSE(fs::exists("table.txt"));
  EXPECT_TRUE(fs::exists("history/journal"));
}

#ifndef _WIN32
TEST_F(TransactionTest, TheLockIsForOneCommandAndAKilledOnesNoteIsReported) {
  {
    const FolderLock first;
    ASSERT_EQ(first.state(), FolderLock::State::kHeld);
    const FolderLock second;
    EXPECT_EQ(second.state(), FolderLock::State::kBusy);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run_league({"check"}, out, err), 1);
    EXPECT_EQ(err.str(),
              "history/lock: another league command is running in this folder; nothing "
              "changed\n");
  }
  EXPECT_FALSE(fs::exists("history")) << "a lock leaves no folder of its own";

  // A lock file left by a run killed before its journal was in place.
  write("history/lock", "round 3\n");
  const FolderLock lock;
  ASSERT_EQ(lock.state(), FolderLock::State::kHeld);
  EXPECT_EQ(recover_interrupted(lock).report,
            "Rolled back round 3, which an interrupted run had begun.");
}
#endif

}  // namespace
}  // namespace league
