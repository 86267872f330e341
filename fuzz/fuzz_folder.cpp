#include "fuzz_folder.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "league/team_moves.h"
#include "league/team_names.h"
#include "session/league_session.h"
#include "standings/result_codes.h"
#include "standings/standings.h"
#include "standings/term_choice.h"
#include "store/file_io.h"
#include "store/results_file.h"
#include "store/team_register.h"
#include "store/text_ops.h"

namespace fs = std::filesystem;

namespace {

std::string folderOnce() {
    static const std::string root = [] {
        // A folder in memory where there is one: renames over files on a disk wait for the disk.
        std::error_code ec;
        const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string templ = (base / "tallyfold-fuzz-XXXXXX").string();
        if (!::mkdtemp(templ.data())) std::abort();
        return templ;
    }();
    return root;
}

}  // namespace

std::string twoTermResults() {
    std::string r = "381380" + std::string(24, ' ') + " \n";
    for (int i = 0; i < 2 * kTeamPositions; ++i)
        r += (i % 50 == 0 ? std::string("T") + char('A' + i % 26) + std::string(43, ' ') : std::string(45, ' ')) + "\n";
    return r;
}

FuzzFolder& startOn(const char* relative, const std::uint8_t* data, std::size_t size,
                    std::initializer_list<std::pair<const char*, std::string>> besideIt) {
    static FuzzFolder f{LeagueModel(), DataDir(folderOnce())};
    fileio::testing::skipSyncs(true);
    const fs::path root(folderOnce());
    std::error_code ec;
    fs::remove_all(root / "Data", ec);
    fs::remove_all(root / "Zip", ec);
    fs::create_directories((root / relative).parent_path(), ec);
    for (const auto& [path, bytes] : besideIt) {
        fs::create_directories((root / path).parent_path(), ec);
        std::ofstream(root / path, std::ios::binary) << bytes;
    }
    std::ofstream(root / relative, std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    f.model = LeagueModel();
    loadLeague(f.model, f.dir, {2026, 12, 8});
    return f;
}

void workOn(FuzzFolder& f) {
    LeagueModel& m = f.model;
    const DataDir& dir = f.dir;
    const TermHeader header = readTermHeader(dir);
    for (int term = 0; term < 3; ++term) {
        if (term > 0 && !header.holdsTerm(term)) continue;
        m.termSlotIndex = term;
        (void)countTermTeams(m, dir);
        for (int g = 0; g < kGroups; ++g) {
            const auto rows = readGroupRecords(dir, term, g);
            std::array<std::string, kTeamsPerGroup> names;
            TeamRows teams{};
            for (int r = 0; r < kTeamsPerGroup; ++r) {
                names[r] = rows[r].substr(0, 20);
                teams[r] = holdsTeam(names[r]);
            }
            (void)registerShownTeams(m, dir, names);
            ResultsTable t = tableFromRecords(rows);
            t.results[0][1] = nextResultOnClick(t.results[0][1]);
            t.results[1][0] = mirrorResult(t.results[0][1]);
            (void)RecomputeStandings(t, dir, term, g, teams, (g % 2) == 1);
        }
    }
    m.termSlotIndex = 0;
    (void)selectTeam(m, dir, 0, 0);
    (void)storeTeamName(m, dir, 0, 19, 9, teamNameField("\x83\x65\x83\x58\x83\x67 "));
    (void)moveTeam(m, dir, 0, 0, 1, MoveDirection::Up);
    (void)findTerm(dir, "381");
    (void)newestStoredTerm(dir);
    (void)closeLeague(m, dir);
}
