#include "print/shown_term.h"

#include "store/file_io.h"
#include "store/record_layout.h"
#include "store/text_ops.h"

namespace {

constexpr long kHeaderBytes = 32;  // ten 3-byte term slots, a blank and a line feed
constexpr int kSlotBytes = 3;

}  // namespace

std::optional<ShownTerm> readShownTerm(const LeagueModel& m, const DataDir& dir) {
    if (m.termSlotIndex < 0 || m.termSlotIndex >= kTermSlots) return std::nullopt;
    const std::string path = dir.path(files::kResults);
    const RecordLayout& layout = layouts::get(layouts::Result);

    char key[kSlotBytes];
    std::size_t got = 0;
    if (!fileio::readAt(path, long(m.termSlotIndex) * kSlotBytes, key, kSlotBytes, &got)) return std::nullopt;
    ShownTerm t;
    t.term.half = m.termHalf == 1 ? 1 : 0;
    if (got == kSlotBytes && key[0] != ' ') {
        const long year = parseLong(std::string_view(key, 2));
        t.term.heiseiYear = year > 0 ? int(year) : 0;
        t.term.half = key[2] == '1' ? 1 : 0;
    }

    const long blockBytes = long(layout.recordLength) * kTeamPositions;
    const std::string empty = emptyRecords(layout, kTeamPositions);
    t.block = empty;
    if (!fileio::readAt(path, kHeaderBytes + m.termSlotIndex * blockBytes, t.block.data(), t.block.size(), &got))
        return std::nullopt;
    // A file that ends inside the block: the rest reads as empty records.
    t.block.replace(got, std::string::npos, empty, got, std::string::npos);
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
