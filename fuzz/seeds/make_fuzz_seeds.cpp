// Writes the seed corpus of every fuzz target that full, real-shaped files need, and the
// largest input each target should be given (its file's full size, or a full folder's):
//     make_fuzz_seeds OUT     ->  OUT/<target>/<seed> ...  and  OUT/max_len.txt
// The seeds are built at run time because a full folder is far bigger than the repository
// should carry.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "../folder_image.h"
#include "full_league.h"
#include "journal_states.h"
#include "store/data_dir.h"
#include "store/results_file.h"

namespace fs = std::filesystem;

namespace {

class SeedWriter {
public:
    explicit SeedWriter(fs::path out) : out_(std::move(out)) {}

    void add(const std::string& target, const std::string& name, const std::string& bytes) {
        fs::create_directories(out_ / target);
        std::ofstream(out_ / target / name, std::ios::binary) << bytes;
        std::size_t& longest = maxLen_[target];
        longest = std::max(longest, bytes.size());
    }
    // At least the full size of the file, whatever the seeds hold.
    void atLeast(const std::string& target, std::size_t bytes) {
        std::size_t& longest = maxLen_[target];
        longest = std::max(longest, bytes);
    }
    void finish() const {
        std::ofstream list(out_ / "max_len.txt");
        for (const auto& [target, bytes] : maxLen_) list << target << ' ' << bytes << '\n';
    }

private:
    fs::path out_;
    std::map<std::string, std::size_t> maxLen_;
};

// A few different runs of an operation: no choices, then two streams of them.
std::vector<std::string> steerings() {
    std::vector<std::string> out = {""};
    for (unsigned seed : {7u, 1234567u}) {
        std::string s;
        for (int i = 0; i < 96; ++i) {
            seed = seed * 1103515245u + 12345u;
            s += char(seed >> 16);
        }
        out.push_back(s);
    }
    return out;
}

std::vector<std::pair<std::string, std::string>> pick(const LeagueFiles& league, std::vector<const char*> names) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const char* n : names) out.emplace_back(n, league.at(n));
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds OUT\n");
        return 2;
    }
    SeedWriter seeds(argv[1]);
    const LeagueFiles full = buildLeague(SeedShape{});
    const LeagueFiles small = buildLeague(SeedShape{3, 6, 2, 3, false});

    // One data file per target, full and as a small league has it.
    const std::vector<std::pair<std::string, const char*>> fileTargets = {
        {"results", files::kResults},
        {"read_results", files::kResults},
        {"team_register", files::kTeamRegister},
        {"read_team_register", files::kTeamRegister},
        {"team_snapshot", files::kTeamSnapshot},
        {"read_snapshots", files::kTeamSnapshot},
        {"suspended_register", files::kSuspended},
        {"read_suspended_register", files::kSuspended},
        {"suspended_snapshot", files::kSuspendedSnapshot},
        {"groups", files::kGroups},
        {"team_max", files::kTeamMax},
        {"user_name", files::kUserName},
        {"read_settings", files::kGroups},
        {"change_positions", files::kChangePositions},
        {"read_change_positions", files::kChangePositions},
        {"saved_codes", files::kSavedPostalCodes},
        {"read_saved_codes", files::kSavedPostalCodes},
    };
    for (const auto& [target, file] : fileTargets) {
        seeds.add(target, "full", full.at(file));
        seeds.add(target, "small", small.at(file));
    }
    seeds.atLeast("results", kResultsFullLength);
    seeds.atLeast("read_results", kResultsFullLength);
    seeds.atLeast("suspended_snapshot", full.at(files::kSuspended).size());
    seeds.atLeast("read_settings", full.at(files::kGroups).size());
    seeds.atLeast("user_name", full.at(files::kGroups).size());  // longer than it should be, as found
    // Twice the codes of a full league: the list keeps the codes of teams long gone.
    seeds.atLeast("saved_codes", 2 * kTeamPositions * kSavedCodeRecordLength);
    seeds.atLeast("read_saved_codes", 2 * kTeamPositions * kSavedCodeRecordLength);

    // Whole folders for the operations, each with the files it reads.
    const std::map<std::string, std::vector<const char*>> folderTargets = {
        {"change_over",
         {files::kResults, files::kTeamRegister, files::kSuspended, files::kChangePositions, files::kGroups,
          files::kTeamMax, files::kUserName}},
        {"rules", {files::kResults, files::kSuspended, files::kChangePositions, files::kGroups}},
        {"suspension", {files::kResults, files::kTeamRegister, files::kSuspended, files::kGroups, files::kTeamMax}},
        {"reports", {files::kResults, files::kTeamRegister, files::kGroups, files::kUserName}},
    };
    for (const auto& [target, names] : folderTargets) {
        int n = 0;
        for (const std::string& steering : steerings()) {
            seeds.add(target, "full-" + std::to_string(n), makeFolderImage(steering, pick(full, names)));
            seeds.add(target, "small-" + std::to_string(n++), makeFolderImage(steering, pick(small, names)));
        }
    }

    // Folders as a save stopped at each of its steps left them, and the journals they held.
    int n = 0;
    for (const auto& state : stoppedSaveStates(small, Leaving::Suspension)) {
        const std::string name = "stopped-" + std::to_string(n++);
        seeds.add("journal_recovery", name, makeFolderImage("", state));
        for (const auto& [file, bytes] : state)
            if (file == files::kJournal) seeds.add("read_journal", name, bytes);
    }
    const std::vector<FolderFiles> fullStates = stoppedSaveStates(full, Leaving::Withdrawal);
    if (!fullStates.empty())
        seeds.add("journal_recovery", "full", makeFolderImage("", fullStates[fullStates.size() / 2]));
    seeds.add("backup_listing", "ten-copies", makeFolderImage("", backupFolder(small)));
    seeds.finish();
    return 0;
}
