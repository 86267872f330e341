#include "journal_states.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "session/league_session.h"
#include "store/file_io.h"

namespace fs = std::filesystem;

namespace {

void lay(const fs::path& root, const LeagueFiles& league) {
    std::error_code ec;
    fs::remove_all(root / "Data", ec);
    fs::create_directories(root / "Data");
    for (const auto& [name, bytes] : league) std::ofstream(root / name, std::ios::binary) << bytes;
}

FolderFiles dataOf(const fs::path& root) {
    FolderFiles out;
    for (const auto& e : fs::directory_iterator(root / "Data")) {
        std::ifstream in(e.path(), std::ios::binary);
        out.emplace_back("Data/" + e.path().filename().string(),
                         std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    }
    return out;
}

// Takes the first team out; true when the step given stopped it.
bool removeStoppingAt(const fs::path& root, Leaving how, long step) {
    const DataDir dir(root.string());
    LeagueModel m;
    (void)loadLeague(m, dir, {2026, 12, 8});
    fileio::testing::crashAtStep(step);
    bool stopped = false;
    try {
        (void)removeTeam(m, dir, LineUpRequest{}, how);
    } catch (const fileio::testing::SimulatedCrash&) {
        stopped = true;
    }
    fileio::testing::crashAtStep(0);
    return stopped;
}

}  // namespace

std::vector<FolderFiles> stoppedSaveStates(const LeagueFiles& league, Leaving how) {
    std::string templ = (fs::temp_directory_path() / "tallyfold-seeds-XXXXXX").string();
    if (!::mkdtemp(templ.data())) return {};
    const fs::path root(templ);
    fileio::testing::skipSyncs(true);
    std::vector<FolderFiles> states;
    for (long step = 1;; ++step) {
        lay(root, league);
        if (!removeStoppingAt(root, how, step)) break;
        states.push_back(dataOf(root));
    }
    std::error_code ec;
    fs::remove_all(root, ec);
    return states;
}

FolderFiles backupFolder(const LeagueFiles& league) {
    FolderFiles out;
    for (const char* name : {"Data/UserName.001", "Data/League.001", "Data/ChangePos.001"})
        out.emplace_back(name, league.at(name));
    char copy[64];
    for (int day = 1; day <= 11; ++day) {
        std::snprintf(copy, sizeof copy, "Backup/Data-202611%02d-0930%02d/League.001", day, day);
        out.emplace_back(copy, league.at("Data/League.001"));
    }
    out.emplace_back("Backup/Data-20261208-100000.tf-new/League.001", "half");
    out.emplace_back("Backup/Data-20991231-235959/UserName.001", league.at("Data/UserName.001"));
    return out;
}
