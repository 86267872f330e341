#include "fuzz_folder.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "contacts/team_details.h"
#include "folder_image.h"
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
    // Registered after the name is made, so it runs before the name goes.
    static const bool removedAtExit = std::atexit([] {
                                          std::error_code ec;
                                          fs::remove_all(root, ec);
                                      }) == 0;
    (void)removedAtExit;
    return root;
}

FuzzFolder& fuzzFolder() {
    static FuzzFolder f{LeagueModel(), DataDir(folderOnce())};
    fileio::testing::skipSyncs(true);
    return f;
}

void clearFolder() {
    fileio::testing::reset();
    const fs::path root(folderOnce());
    std::error_code ec;
    for (const char* sub : {"Data", "Zip", "Backup", "Export"}) fs::remove_all(root / sub, ec);
}

void writeFile(const std::string& relative, std::string_view bytes) {
    const fs::path path = fs::path(folderOnce()) / relative;
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

FuzzFolder& start() {
    FuzzFolder& f = fuzzFolder();
    f.model = LeagueModel();
    (void)loadLeague(f.model, f.dir, kFuzzToday);
    return f;
}

}  // namespace

std::string twoTermResults() {
    std::string r = "381380" + std::string(24, ' ') + " \n";
    for (int i = 0; i < 2 * kTeamPositions; ++i)
        r += (i % 50 == 0 ? std::string("T") + char('A' + i % 26) + std::string(43, ' ') : std::string(45, ' ')) + "\n";
    return r;
}

FuzzFolder& layFile(const char* relative, const std::uint8_t* data, std::size_t size) {
    FuzzFolder& f = fuzzFolder();
    writeFile(relative, std::string_view(reinterpret_cast<const char*>(data), size));
    return f;
}

FuzzFolder& startOn(const char* relative, const std::uint8_t* data, std::size_t size,
                    std::initializer_list<std::pair<const char*, std::string>> besideIt) {
    clearFolder();
    fs::create_directories((fs::path(folderOnce()) / relative).parent_path());
    for (const auto& [path, bytes] : besideIt) writeFile(path, bytes);
    writeFile(relative, std::string_view(reinterpret_cast<const char*>(data), size));
    return start();
}

FuzzFolder& startOnImage(const std::uint8_t* data, std::size_t size, std::string_view* steering) {
    clearFolder();
    fs::create_directories(fs::path(folderOnce()) / "Data");
    const FolderImage image = parseFolderImage(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& [name, bytes] : image.files) writeFile(name, bytes);
    *steering = image.steering;
    return start();
}

void failWrites(int choice) {
    static const char* const refusing[] = {files::kResults, files::kTeamRegister, files::kSuspended};
    if (choice == 0) {
        fileio::testing::failWritesWhen(fileio::testing::diskFull);
    } else if (choice >= 1 && choice <= 3) {
        const std::string path = fuzzFolder().dir.path(refusing[choice - 1]);
        fileio::testing::failWritesWhen([path](const fileio::testing::WriteAttempt& a) {
            return a.path.rfind(path, 0) == 0;  // the file and its staged copy
        });
    }
}

std::map<std::string, std::string> dataFiles(const DataDir& dir) {
    std::map<std::string, std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(dir.path("Data"), ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec))
            if (auto bytes = fileio::readAll(it->path().string())) files[it->path().filename().string()] = *bytes;
    return files;
}

void require(bool condition, const char* promise) {
    if (condition) return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
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
    for (int k = 0; k < details::kFieldCount; k += 5) {
        const char* typed = "\x93\x8c\x8b\x9e 1-2";  // 東京 1-2
        (void)details::writeDetail(
            dir, m.detailRecordNo, k,
            k == team_field::Remarks ? details::memoField(typed) : details::singleLineField(k, typed));
    }
    (void)moveTeam(m, dir, 0, 0, 1, MoveDirection::Up);
    (void)findTerm(dir, "381");
    (void)newestStoredTerm(dir);
    (void)closeLeague(m, dir);
}
