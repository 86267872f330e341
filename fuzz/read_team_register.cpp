// Data/Info.001 read alone: counted, indexed by name, every record and its detail fields.

#include "contacts/team_details.h"
#include "fuzz_folder.h"
#include "store/team_register.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzFolder& f = layFile(files::kTeamRegister, data, size);
    LeagueModel& m = f.model;
    (void)countRegisteredTeams(m, f.dir);
    m.registerNames.invalidate();
    for (int n = 1; n <= kTeamPositions; n += 13) {
        const std::string record = readTeam(f.dir, n);
        (void)findTeamByName(m, f.dir, layouts::field(record, layouts::Team, team_field::TeamName));
        for (int k = 0; k < details::kFieldCount; ++k) (void)details::trimForEditing(details::fieldBytes(record, k));
        (void)details::memoText(details::fieldBytes(record, team_field::Remarks));
    }
    (void)m.registerNames.firstFree();
    return 0;
}
