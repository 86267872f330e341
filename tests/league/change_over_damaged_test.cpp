// A change-over over folders damaged in the ways real ones are: it is carried out soundly or
// refused with every file left as it came, and no file it writes holds a NUL.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "league/change_over_execution.h"
#include "league/change_over_lineup.h"
#include "session/league_session.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

struct Damaged {
    const char* fixture;
    ChangeOverOutcome outcome;
    bool addTeams = false;  // a newest term with two teams, where the fixture has none
};

void PrintTo(const Damaged& d, std::ostream* os) {
    *os << d.fixture;
}

std::map<std::string, std::string> dataFiles(const TempFolder& t) {
    std::map<std::string, std::string> s;
    for (const auto& e : fs::directory_iterator(fs::path(t.root()) / "Data"))
        if (e.is_regular_file()) s[e.path().filename().string()] = t.read("Data/" + e.path().filename().string());
    return s;
}

class ChangeOverOnDamagedFolders : public ::testing::TestWithParam<Damaged> {};

TEST_P(ChangeOverOnDamagedFolders, IsCarriedOutSoundlyOrChangesNothing) {
    TempFolder t;
    fs::copy(fs::path(TALLYFOLD_FIXTURES) / "damaged" / GetParam().fixture, t.root(), fs::copy_options::recursive);
    if (GetParam().addTeams)
        t.write("Data/Seiseki.001",
                resultsHeader("381") + termBlock({{1, resultRecord("甲")}, {2, resultRecord("乙")}}));
    LeagueModel m;
    loadLeague(m, t.dir(), {2026, 12, 8});
    prepareChangeOver(m, t.dir());
    const auto before = dataFiles(t);
    const ChangeOverRun run = executeChangeOver(m, t.dir(), {2026, 12, 8, 9, 0, 0});
    EXPECT_EQ(run.outcome, GetParam().outcome) << run.saved.failedFile();
    if (run.outcome != ChangeOverOutcome::Done) {
        EXPECT_EQ(dataFiles(t), before);
        return;
    }
    for (const char* file : {"Data/Seiseki.001", "Data/Info.001", "Data/Kyuubu.001", "Data/Info.old"})
        EXPECT_EQ(t.read(file).find('\0'), std::string::npos) << file;
    EXPECT_EQ(t.size("Data/Seiseki.001"), 92032);
    EXPECT_EQ(t.size("Data/Info.001"), 200000);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, ChangeOverOnDamagedFolders,
                         ::testing::Values(Damaged{"results-cut-short", ChangeOverOutcome::Done},
                                           Damaged{"results-of-nuls", ChangeOverOutcome::Refused},
                                           Damaged{"suspended-register-is-a-folder", ChangeOverOutcome::Unreadable,
                                                   true},
                                           Damaged{"team-snapshot-cut-short", ChangeOverOutcome::Done},
                                           Damaged{"city-ends-in-half-a-character", ChangeOverOutcome::Refused}),
                         [](const auto& info) {
                             std::string n = info.param.fixture;
                             for (char& c : n)
                                 if (c == '-') c = '_';
                             return n;
                         });

}  // namespace
