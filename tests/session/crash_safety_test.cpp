// Every operation that rewrites more than one record or file, stopped at each of its writes
// in turn as if the process had been killed there. After the next start the data folder holds
// exactly the state before the operation or exactly the state after it, never a mixture, and
// the league reads the same as from one of the two. And a copy's name in Backup/ only ever
// stands on a whole copy.

#include <gtest/gtest.h>

#include <filesystem>

#include "session/folder_tree.h"
#include "session/league_operations.h"
#include "store/data_folder_swap.h"
#include "store/file_io.h"
#include "store/file_transaction.h"

namespace fs = std::filesystem;

namespace {

void copyFolder(const TempFolder& from, const TempFolder& to) {
    for (const char* folder : {"Data", "Backup"})
        if (fs::exists(fs::path(from.root()) / folder))
            fs::copy(fs::path(from.root()) / folder, fs::path(to.root()) / folder, fs::copy_options::recursive);
}

class KilledAtEveryWrite : public ::testing::TestWithParam<LeagueOperation> {
protected:
    // A killed process loses nothing that a sync would have kept: no fsync needed here.
    void SetUp() override { fileio::testing::skipSyncs(true); }
    void TearDown() override {
        fileio::testing::reset();
        fileio::testing::skipSyncs(false);
    }

    void run(const TempFolder& t) {
        LeagueModel m = started_;
        GetParam().run(m, t.dir());
    }

    LeagueModel started_;
};

TEST_P(KilledAtEveryWrite, LeavesTheFolderBeforeOrAfterNeverBetween) {
    TempFolder base;
    started_ = layStartingPoint(base, GetParam());
    const FolderState before = dataFiles(base.root());
    const std::string beforeLeague = leagueDigest(base.root());
    const Copies copiesBefore = copiesIn(readTree(base.root()));

    TempFolder done;
    copyFolder(base, done);
    fileio::testing::crashAtStep(0);
    run(done);
    const long steps = fileio::testing::stepsTaken();
    const FolderState after = dataFiles(done.root());
    const std::string afterLeague = leagueDigest(done.root());
    const Copies copiesAfter = copiesIn(readTree(done.root()));
    ASSERT_FALSE(differences(after, before).empty()) << "the operation changed nothing";
    ASSERT_GT(steps, 0);

    for (long k = 1; k <= steps; ++k) {
        TempFolder t;
        copyFolder(base, t);
        bool stopped = false;
        fileio::testing::crashAtStep(k);
        try {
            run(t);
        } catch (const fileio::testing::SimulatedCrash&) {
            stopped = true;
        }
        fileio::testing::reset();
        EXPECT_TRUE(stopped) << "step " << k << " was never reached";
        ASSERT_TRUE(finishInterruptedSwap(t.dir()));
        ASSERT_TRUE(recoverInterruptedWrites(t.dir()));
        for (const char* leftover : {kIncomingDataFolder, kOutgoingDataFolder})
            EXPECT_FALSE(fs::exists(fs::path(t.root()) / leftover)) << leftover << " left after step " << k;
        const FolderState now = dataFiles(t.root());
        EXPECT_TRUE(now == before || now == after)
            << "killed before step " << k << " of " << steps << ": differs from before in " << differences(now, before)
            << "and from after in " << differences(now, after);
        const std::string league = leagueDigest(t.root());
        EXPECT_TRUE(league == beforeLeague || league == afterLeague) << "step " << k;
        for (const std::string& copy : copiesNotWhole(readTree(t.root()), copiesBefore, copiesAfter))
            ADD_FAILURE() << "killed before step " << k << ": " << copy;
        for (const auto& [name, bytes] : now) {
            EXPECT_EQ(name.find(".tf-new"), std::string::npos) << name << " left after step " << k;
            EXPECT_NE(name, "Tallyfold.jnl") << "after step " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Operations, KilledAtEveryWrite, ::testing::ValuesIn(leagueOperations()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
