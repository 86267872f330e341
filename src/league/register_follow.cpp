#include "league/register_follow.h"

#include <vector>

#include "store/record_layout.h"
#include "store/text_ops.h"

namespace {

const int kNameAt = layouts::offset(layouts::Team, team_field::TeamName);

std::size_t at(int index) {
    return std::size_t(index) * kTeamRecordLength;
}

std::string_view registerName(const std::string& reg, int index) {
    return std::string_view(reg).substr(at(index) + kNameAt, kTeamNameWidth);
}

std::string_view termName(std::string_view block, int position) {
    const std::size_t from = std::size_t(position) * kResultRecordLength;
    return from < block.size() ? block.substr(from, kTeamNameWidth) : std::string_view();
}

bool isFree(const std::string& reg, int index) {
    return !holdsTeam(registerName(reg, index));
}

int firstFree(const std::string& reg) {
    for (int i = 0; i < kTeamPositions; ++i)
        if (isFree(reg, i)) return i;
    return -1;
}

int firstNamed(const std::string& reg, std::string_view name) {
    for (int i = 0; i < kTeamPositions; ++i)
        if (registerName(reg, i) == name) return i;
    return -1;
}

int recordsNamed(const std::string& reg, std::string_view name) {
    int n = 0;
    for (int i = 0; i < kTeamPositions; ++i) n += registerName(reg, i) == name ? 1 : 0;
    return n;
}

int teamsNamed(std::string_view block, std::string_view name) {
    int n = 0;
    for (int p = 0; p < kTeamPositions; ++p) n += termName(block, p) == name ? 1 : 0;
    return n;
}

std::string wholeRecord(std::string r) {
    r.resize(kTeamRecordLength, ' ');
    r[kTeamRecordLength - 2] = ' ';
    r[kTeamRecordLength - 1] = '\n';
    return r;
}

}  // namespace

RegisterFollow registerAfter(const std::string& reg, std::string_view oldBlock, std::string_view newBlock,
                             std::string_view newestBlock, const LineUpChange& change, int leaving,
                             const std::string& returning) {
    RegisterFollow f;
    f.image = reg;
    f.image.resize(at(kTeamPositions), ' ');
    std::string& work = f.image;
    const std::string empty = emptyRecord(layouts::get(layouts::Team));

    if (leaving >= 0) {
        const std::string name(termName(oldBlock, leaving));
        // Of two teams with one name, each has the record at its own position.
        const int own = !holdsTeam(name) ? -1 : registerName(work, leaving) == name ? leaving : firstNamed(work, name);
        if (own >= 0) {
            f.leavingRecord = work.substr(at(own), kTeamRecordLength);
            // Blanked unless every team still bearing the name needs one of its records.
            if (recordsNamed(work, name) > teamsNamed(newBlock, name) + teamsNamed(newestBlock, name))
                work.replace(at(own), kTeamRecordLength, empty);
        } else {
            f.leavingRecord = empty;
            f.leavingRecord.replace(kNameAt, kTeamNameWidth, padField(name, false, kTeamNameWidth));
        }
    }

    // Records in their team's position move with it. All are taken out first, so that each
    // finds the place another one left.
    struct Move {
        int from, to;
        std::string bytes;
    };
    std::vector<Move> moves;
    for (int to = 0; to < kTeamPositions; ++to) {
        const int from = change.plan[to];
        if (from < 0 || from == to) continue;
        const std::string_view name = termName(oldBlock, from);
        if (!holdsTeam(name) || registerName(reg, from) != name || recordsNamed(reg, name) != 1) continue;
        moves.push_back({from, to, work.substr(at(from), kTeamRecordLength)});
    }
    for (const Move& m : moves) work.replace(at(m.from), kTeamRecordLength, empty);
    for (const Move& m : moves) {
        int place = isFree(work, m.to) ? m.to : isFree(work, m.from) ? m.from : firstFree(work);
        if (place < 0) place = m.from;  // cannot happen: every record taken out left a place
        work.replace(at(place), kTeamRecordLength, m.bytes);
    }

    if (!returning.empty()) {
        const std::string record = wholeRecord(returning);
        const std::string_view name = std::string_view(record).substr(kNameAt, kTeamNameWidth);
        int place = teamsNamed(newBlock, name) == 1 ? firstNamed(work, name) : -1;
        if (place < 0) place = change.arrival >= 0 && isFree(work, change.arrival) ? change.arrival : firstFree(work);
        if (place < 0) {
            f.placed = false;
            return f;
        }
        work.replace(at(place), kTeamRecordLength, record);
    }
    return f;
}
