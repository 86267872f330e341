// Data/Seiseki.001 read alone: the header, every term block, every group's table and ranks.

#include "fuzz_folder.h"
#include "standings/rank_explanation.h"
#include "standings/standings.h"
#include "standings/term_choice.h"
#include "store/results_file.h"
#include "store/text_ops.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzFolder& f = layFile(files::kResults, data, size);
    LeagueModel& m = f.model;
    (void)readTermSlots(m, f.dir);
    const TermHeader header = readTermHeader(f.dir);
    (void)findTerm(f.dir, header.key(0));
    (void)storedTerm(f.dir, 1);
    // Every term block is read and scanned; the tables of one term, chosen by the input, are
    // read in full and one of its groups is ranked and explained. The code is the same for
    // every term, so the time goes to new inputs rather than to the same code on other bytes.
    (void)countTermTeams(m, f.dir);
    const int chosen = int(size % kTermSlots), ranked = int(size / kTermSlots % kGroups);
    for (int s = 0; s < kTermSlots; ++s) {
        const std::string block = readTermBlock(f.dir, s);
        (void)scanTeamNames(block);
        if (s != chosen) continue;
        for (int g = 0; g < kGroups; ++g) {
            std::array<std::string, kTeamsPerGroup> rows, names;
            TeamRows teams{};
            for (int r = 0; r < kTeamsPerGroup; ++r) {
                rows[r] =
                    block.substr(std::size_t(positionNumber(g, r) - 1) * kResultRecordLength, kResultRecordLength);
                names[r] = rows[r].substr(0, kTeamNameWidth);
                teams[r] = holdsTeam(names[r]);
            }
            ResultsTable t = tableFromRecords(rows);
            if (g != ranked) continue;
            const int shown = t.standings[0].rank;
            computeStandings(t, teams, false);
            (void)groupResultFields(t, false);
            (void)explainShownRank(t, names, 0, shown, false);
        }
    }
    (void)readGroupRecords(f.dir, 0, 19);
    (void)countGroupTeams(m, f.dir);
    (void)readFullImage(f.dir);
    return 0;
}
