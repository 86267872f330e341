#include "league/line_up.h"

#include <algorithm>

#include "store/record_layout.h"
#include "store/text_ops.h"

namespace {

// The ten result bytes, then the counts, rate and rank, which travel with a team as one stretch.
const int kResultsAt = layouts::offset(layouts::Result, result_field::FirstResult);
const int kCountsAt = layouts::offset(layouts::Result, result_field::Wins);
const int kCountsWidth = layouts::offset(layouts::Result, result_field::Rank) +
                         layouts::width(layouts::Result, result_field::Rank) - kCountsAt;
inline int pos(int groupSlot, int row) {
    return groupSlot * kTeamsPerGroup + row;
}

std::string_view record(std::string_view block, int position) {
    const std::size_t at = std::size_t(position) * kResultRecordLength;
    return at < block.size() ? block.substr(at, kResultRecordLength) : std::string_view();
}

std::string_view nameOf(std::string_view block, int position) {
    return record(block, position).substr(0, kTeamNameWidth);
}

bool validRow(int groupSlot, int row) {
    return groupSlot >= 0 && groupSlot < kGroups && row >= 0 && row < kTeamsPerGroup;
}

LineUpChange unchanged() {
    LineUpChange c;
    for (int p = 0; p < kTeamPositions; ++p) c.plan[p] = p;
    return c;
}

LineUpChange refused(LineUpRefusal why) {
    LineUpChange c = unchanged();
    c.refusal = why;
    return c;
}

// Byte i of a record, blank where the record is short.
char byteAt(std::string_view rec, int i) {
    return std::size_t(i) < rec.size() ? rec[i] : ' ';
}

}  // namespace

int groupExtent(std::string_view block, int groupSlot) {
    if (groupSlot < 0 || groupSlot >= kGroups) return 0;
    for (int row = kTeamsPerGroup; row > 0; --row)
        if (holdsTeam(nameOf(block, pos(groupSlot, row - 1)))) return row;
    return 0;
}

LineUpChange planRemoval(std::string_view block, int groupSlot, int row, bool linked) {
    if (!validRow(groupSlot, row) || !holdsTeam(nameOf(block, pos(groupSlot, row))))
        return refused(LineUpRefusal::NoTeam);
    LineUpChange c = unchanged();
    for (int g = groupSlot, from = row;; ++g, from = 0) {
        const int last = groupExtent(block, g) - 1;
        for (int i = from; i < last; ++i) c.plan[pos(g, i)] = pos(g, i + 1);
        if (!linked || g + 1 >= kGroups || groupExtent(block, g + 1) == 0) {
            c.plan[pos(g, last)] = kEmptyRow;
            return c;
        }
        c.plan[pos(g, last)] = pos(g + 1, 0);
    }
}

LineUpChange planReturn(std::string_view block, int groupSlot, int row, bool linked) {
    if (!validRow(groupSlot, row)) return refused(LineUpRefusal::NoTeam);
    LineUpChange c = unchanged();
    const int count = groupExtent(block, groupSlot);
    const int arrival = std::min(row, count);
    c.arrival = pos(groupSlot, arrival);
    c.plan[c.arrival] = kReturningTeam;
    if (arrival == count) return c;  // below the last team: nobody moves
    if (!linked && count == kTeamsPerGroup) return refused(LineUpRefusal::GroupFull);

    for (int i = arrival + 1; i < count; ++i) c.plan[pos(groupSlot, i)] = pos(groupSlot, i - 1);
    int pushedOut = pos(groupSlot, count - 1);
    for (int g = groupSlot;; ++g) {
        const int n = groupExtent(block, g);
        const bool lastInUse = !linked || g + 1 >= kGroups || groupExtent(block, g + 1) == 0;
        if (lastInUse) {
            if (n < kTeamsPerGroup) {
                c.plan[pos(g, n)] = pushedOut;
                return c;
            }
            if (g + 1 >= kGroups) return refused(LineUpRefusal::NoGroupLeft);
            c.plan[pos(g + 1, 0)] = pushedOut;
            return c;
        }
        const int next = groupExtent(block, g + 1);
        c.plan[pos(g + 1, 0)] = pushedOut;
        for (int i = 1; i < next; ++i) c.plan[pos(g + 1, i)] = pos(g + 1, i - 1);
        pushedOut = pos(g + 1, next - 1);
    }
}

bool groupChanged(const LineUpPlan& plan, int groupSlot) {
    for (int row = 0; row < kTeamsPerGroup; ++row)
        if (plan[pos(groupSlot, row)] != pos(groupSlot, row)) return true;
    return false;
}

std::string applyLineUp(std::string_view block, const LineUpPlan& plan, std::string_view returningName) {
    std::string out(block);
    out.resize(std::size_t(kTeamPositions) * kResultRecordLength, ' ');
    for (int g = 0; g < kGroups; ++g) {
        if (!groupChanged(plan, g)) continue;
        for (int i = 0; i < kTeamsPerGroup; ++i) {
            const int from = plan[pos(g, i)];
            const std::string_view old = from >= 0 ? record(block, from) : std::string_view();
            // The name's bytes as stored, whatever they are.
            std::string rec(from >= 0                ? old.substr(0, std::min<std::size_t>(old.size(), kTeamNameWidth))
                            : from == kReturningTeam ? returningName.substr(0, kTeamNameWidth)
                                                     : std::string_view());
            rec.resize(kTeamNameWidth, ' ');
            for (int col = 0; col < kTeamsPerGroup; ++col) {
                const int against = plan[pos(g, col)];
                const bool sameGroupBefore =
                    col != i && from >= 0 && against >= 0 && from / kTeamsPerGroup == against / kTeamsPerGroup;
                rec += sameGroupBefore ? byteAt(old, kResultsAt + against % kTeamsPerGroup) : ' ';
            }
            const bool keepsGroup = from >= 0 && from / kTeamsPerGroup == g;
            for (int k = 0; k < kCountsWidth; ++k) rec += keepsGroup ? byteAt(old, kCountsAt + k) : ' ';
            rec += " \n";
            out.replace(std::size_t(pos(g, i)) * kResultRecordLength, kResultRecordLength, rec);
        }
    }
    return out;
}
