// A spreadsheet file as the input of the import: read, previewed against a league and, when
// the preview takes any team, written. Nothing may crash, and whatever is written keeps the
// two files whole.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "league/import_writing.h"
#include "league/team_import.h"
#include "store/file_io.h"
#include "store/record_layout.h"
#include "store/results_file.h"
#include "store/team_register.h"

namespace {

struct League {
    std::string root;
    LeagueModel model;
};

// One folder per process: groups A1, B2 and C3 of an empty term, laid afresh for each input.
League& league() {
    static League l = [] {
        League made;
        made.root = (std::filesystem::temp_directory_path() / ("tallyfold-import-fuzz-" + std::to_string(getpid())))
                        .string();
        made.model.groupBlock.replace(0, 6, "A1B2C3");
        fileio::testing::skipSyncs(true);
        return made;
    }();
    std::filesystem::remove_all(l.root);
    const DataDir dir(l.root);
    dir.ensureDataFolder();
    if (!createResultsFile(dir) || !createTeamRegister(dir)) std::abort();
    return l;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    League& l = league();
    const DataDir dir(l.root);
    LeagueModel m = l.model;
    const ImportPreview p = previewImportBytes(m, dir, std::string_view(reinterpret_cast<const char*>(data), size));
    for (const ImportTeam& t : p.teams)
        if (t.name.size() != std::size_t(kTeamNameWidth) || t.recordNo < 1 || t.recordNo > kTeamPositions) std::abort();
    writeImport(m, dir, p, LocalDateTime{});
    if (fileio::fileSize(dir.path(files::kTeamRegister)) != long(kTeamPositions) * kTeamRecordLength) std::abort();
    return 0;
}
