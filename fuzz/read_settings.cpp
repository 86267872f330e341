// The small settings files read alone: the input stands for Data/UserName.001,
// Data/League.001 and Data/LeagueTeamMax.001 at once.

#include "fuzz_folder.h"
#include "print/shown_term.h"
#include "store/settings_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    layFile(files::kUserName, data, size);
    layFile(files::kGroups, data, size);
    FuzzFolder& f = layFile(files::kTeamMax, data, size);
    LeagueModel& m = f.model;
    (void)loadUserName(m, f.dir);
    (void)loadGroups(m, f.dir);
    for (int s = 0; s < kGroups; ++s) m.registeredTeams[s] = (s * 7 + int(size)) % 12;
    (void)loadTeamMax(m, f.dir);
    (void)countedGroups(m);
    return 0;
}
