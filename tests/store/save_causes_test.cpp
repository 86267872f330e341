// Why a save failed reaches the user: every failure keeps the errno it failed with, through
// the clean-up after it, and a save whose commit may not have reached the disk is a failed
// one that leaves the folder as it was.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <set>

#include "store/file_io.h"
#include "store/file_transaction.h"
#include "store/results_file.h"
#include "store/save_log.h"
#include "store/team_register.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace {

class SaveCauses : public ::testing::Test {
protected:
    void TearDown() override { fileio::testing::reset(); }
    // Data/ holds exactly these names.
    void expectOnly(std::initializer_list<std::string> names) {
        std::set<std::string> there;
        for (const auto& e : std::filesystem::directory_iterator(t.path("Data")))
            there.insert(e.path().filename().string());
        EXPECT_EQ(there, std::set<std::string>(names));
    }

    TempFolder t;
    LeagueModel m;
    DataDir dir = t.dir();
};

TEST_F(SaveCauses, EachFailureKeepsItsErrno) {
    std::filesystem::create_directories(t.path("Data"));
    const SaveResult missing = writeTeamField(m, dir, 1, 0, "x");
    EXPECT_EQ(missing.failedFile(), files::kTeamRegister);
    EXPECT_EQ(missing.cause(), ENOENT);

    std::filesystem::create_directories(t.path(files::kTeamRegister));
    EXPECT_EQ(writeTeamField(m, dir, 1, 0, "x").cause(), EISDIR) << "a folder where the file should be";

    std::filesystem::remove(t.path(files::kTeamRegister));
    fileio::testing::failWritesWhen(fileio::testing::diskFull, ENOSPC);
    EXPECT_EQ(createResultsFile(dir).cause(), ENOSPC);
    fileio::testing::reset();
    const SaveResult saved = createResultsFile(dir);
    EXPECT_TRUE(saved);
    EXPECT_EQ(saved.cause(), 0);
    EXPECT_EQ(SaveResult::failed("Data/League.001", 0).cause(), 0) << "no cause, as for a damaged file";
}

TEST_F(SaveCauses, ASaveOfSeveralFilesThatFailsMidwaySaysWhyAndLeavesNothingBehind) {
    t.write(files::kResults, "old results");
    t.write(files::kTeamRegister, "old register");
    const std::string registerTemp = t.path(files::kTeamRegister) + ".tf-new";
    fileio::testing::failWritesWhen([&](const auto& a) { return a.path == registerTemp; }, EDQUOT);
    FileTransaction tx(dir);
    tx.replace(files::kResults, "new results");
    tx.replace(files::kTeamRegister, "new register");
    const SaveResult r = tx.commit();
    EXPECT_EQ(r.failedFile(), files::kTeamRegister);
    EXPECT_EQ(r.cause(), EDQUOT) << "the removal of the staged results must not hide it";
    EXPECT_EQ(t.read(files::kResults), "old results");
    expectOnly({"Seiseki.001", "Info.001"});
}

TEST_F(SaveCauses, ACommitWhoseSyncFailsIsAFailedSaveAndIsTakenBack) {
    t.write(files::kResults, "old results");
    t.write(files::kTeamRegister, "old register");
    // The folder sync right after the journal has been renamed into place.
    const std::string journal = t.path(files::kJournal);
    fileio::testing::failWritesWhen([&](const auto& a) { return a.folderSync && std::filesystem::exists(journal); },
                                    EIO);
    FileTransaction tx(dir);
    tx.replace(files::kResults, "new results");
    tx.replace(files::kTeamRegister, "new register");
    const SaveResult r = tx.commit();
    fileio::testing::reset();
    EXPECT_FALSE(r);
    EXPECT_EQ(r.cause(), EIO);
    EXPECT_EQ(t.read(files::kResults), "old results");
    EXPECT_EQ(t.read(files::kTeamRegister), "old register");
    expectOnly({"Seiseki.001", "Info.001"});
    ASSERT_TRUE(recoverInterruptedWrites(dir));
    EXPECT_EQ(t.read(files::kResults), "old results") << "nothing left for a restart to complete";
}

TEST(SaveLog, HoldsRoomForItsLinesBeforeTheDiskFillsUp) {
    TempFolder t;
    reserveSaveLog(t.dir());
    struct stat st;
    ASSERT_EQ(::stat(t.path(kSaveLogName).c_str(), &st), 0);
    EXPECT_EQ(st.st_size, 0);
    if (st.st_blocks == 0) GTEST_SKIP() << "this file system reserves no room ahead";
    EXPECT_GE(long(st.st_blocks) * 512, long(kSaveLogLimit));
}

TEST(SaveLog, OneLinePerFailureWithTheCauseKeptToItsNewestLines) {
    TempFolder t;
    const LocalDateTime when{2026, 12, 8, 9, 5, 7};
    logSaveFailure(t.dir(), SaveResult::saved(), when);
    EXPECT_FALSE(t.exists(kSaveLogName)) << "a save that went through leaves no line";
    logSaveFailure(t.dir(), SaveResult::failed("Data/Info.001", EACCES), when);
    logSaveFailure(t.dir(), SaveResult::failed("Data/MyZip.001", 0), when);
    EXPECT_EQ(t.read(kSaveLogName),
              "2026/12/08 09:05:07 Data/Info.001 EACCES (13) Permission denied\n"
              "2026/12/08 09:05:07 Data/MyZip.001 - (0) no system error\n");

    for (int i = 0; i < 1000; ++i)
        logSaveFailure(t.dir(), SaveResult::failed("Data/Seiseki.001", ENOSPC),
                       LocalDateTime{2027, 1, 1, 0, 0, i % 60});
    const std::string log = t.read(kSaveLogName);
    EXPECT_LE(log.size(), kSaveLogLimit);
    EXPECT_GE(log.size(), kSaveLogLimit / 2 - 100);
    EXPECT_EQ(log.rfind("2027/01/01 00:00:", 0), 0u) << "it begins with a whole line";
    const LocalDateTime last{2027, 1, 1, 0, 0, 999 % 60};
    EXPECT_TRUE(log.ends_with(saveLogLine(SaveResult::failed("Data/Seiseki.001", ENOSPC), last)));
}

}  // namespace
