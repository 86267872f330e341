#include "print/shown_term.h"

#include "store/record_layout.h"
#include "store/results_file.h"
#include "store/text_ops.h"

std::optional<ShownTerm> readShownTerm(const LeagueModel& m, const DataDir& dir) {
    if (m.termSlotIndex < 0 || m.termSlotIndex >= kTermSlots) return std::nullopt;
    const TermHeader h = readTermHeader(dir);
    if (!h.readable) return std::nullopt;
    ShownTerm t;
    t.term.half = m.termHalf == 1 ? 1 : 0;
    if (h.holdsTerm(m.termSlotIndex)) {
        const int year = h.year(m.termSlotIndex);
        t.term.heiseiYear = year > 0 ? year : 0;
        t.term.half = h.half(m.termSlotIndex);
    }
    bool readable = false;
    t.block = readTermBlock(dir, m.termSlotIndex, &readable);
    if (!readable) return std::nullopt;
    return t;
}

ResultLine ShownTerm::line(int slot, int row) const {
    const RecordLayout& l = layouts::get(layouts::Result);
    const std::size_t at = std::size_t(positionNumber(slot, row) - 1) * l.recordLength;
    auto field = [&](int i) { return block.substr(at + l.offsets[i], l.widths[i]); };
    ResultLine r;
    r.name = field(result_field::TeamName);
    r.results = block.substr(at + l.offsets[result_field::FirstResult], kTeamsPerGroup);
    r.wins = field(result_field::Wins);
    r.losses = field(result_field::Losses);
    r.draws = field(result_field::Draws);
    r.points = field(result_field::Points);
    r.rank = field(result_field::Rank);
    return r;
}

int ShownTerm::teamCount() const {
    const int length = layouts::get(layouts::Result).recordLength;
    int n = 0;
    for (int i = 0; i < kTeamPositions; ++i)
        if (holdsTeam(std::string_view(block).substr(std::size_t(i) * length))) ++n;
    return n;
}

std::vector<CountedGroup> countedGroups(const LeagueModel& m) {
    std::vector<CountedGroup> out;
    for (int slot = 0; slot < kGroups; ++slot) {
        const std::size_t at = std::size_t(2 * slot);
        const char cls = at < m.groupBlock.size() ? m.groupBlock[at] : ' ';
        const char div = at + 1 < m.groupBlock.size() ? m.groupBlock[at + 1] : ' ';
        if (cls == ' ' || cls == '\0') break;
        out.push_back({slot, cls, div});
    }
    return out;
}
