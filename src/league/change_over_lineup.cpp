#include "league/change_over_lineup.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "league/change_over_rules.h"
#include "store/file_io.h"
#include "store/record_layout.h"
#include "store/results_file.h"
#include "store/text_ops.h"

namespace {

// One place of the line-up: the draft position it takes its team from, and that team.
struct Entry {
    int source = 0;
    int team = 0;
};

int clampCount(int c) {
    return std::clamp(c, 0, kTeamsPerGroup);
}

int lastGroupInUse(const std::array<int, kGroups>& counts) {
    for (int g = kGroups - 1; g >= 0; --g)
        if (counts[g] > 0) return g;
    return -1;
}

// The entries of the groups, each group's rows within its count, in order.
std::vector<Entry> groupEntries(const LeagueModel& m) {
    std::vector<Entry> e;
    for (int g = 0; g < kGroups; ++g)
        for (int r = 0; r < clampCount(m.resultTeams[g]); ++r) {
            const int slot = g * kTeamsPerGroup + r;
            e.push_back({m.ChangePositionMap[slot], m.NextTermTeam[slot]});
        }
    return e;
}

// Places the entries into the groups' rows with the counts of m, in order; the callers make
// sure the counts hold them all.
void pour(LeagueModel& m, const std::vector<Entry>& entries) {
    for (int i = 0; i < kSuspendedColumn; ++i) m.ChangePositionMap[i] = m.NextTermTeam[i] = 0;
    std::size_t k = 0;
    for (int g = 0; g < kGroups; ++g)
        for (int r = 0; r < clampCount(m.resultTeams[g]) && k < entries.size(); ++r, ++k) {
            const int slot = g * kTeamsPerGroup + r;
            m.ChangePositionMap[slot] = entries[k].source;
            m.NextTermTeam[slot] = entries[k].team;
        }
}

int findEntry(const std::vector<Entry>& e, int team) {
    for (std::size_t i = 0; i < e.size(); ++i)
        if (e[i].team == team) return int(i);
    return -1;
}

// The fifth column as a list: slots 200..299.
int findInSuspendedColumn(const LeagueModel& m, int team) {
    for (int i = kSuspendedColumn; i < kChangePositions; ++i)
        if (m.NextTermTeam[i] == team) return i;
    return -1;
}

void removeFromSuspendedColumn(LeagueModel& m, int slot) {
    for (int i = slot; i + 1 < kChangePositions; ++i) {
        m.NextTermTeam[i] = m.NextTermTeam[i + 1];
        m.ChangePositionMap[i] = m.ChangePositionMap[i + 1];
    }
    m.NextTermTeam[kChangePositions - 1] = m.ChangePositionMap[kChangePositions - 1] = 0;
}

void insertIntoSuspendedColumn(LeagueModel& m, int slot, const Entry& e) {
    for (int i = kChangePositions - 1; i > slot; --i) {
        m.NextTermTeam[i] = m.NextTermTeam[i - 1];
        m.ChangePositionMap[i] = m.ChangePositionMap[i - 1];
    }
    m.NextTermTeam[slot] = e.team;
    m.ChangePositionMap[slot] = e.source;
}

// The draft of one group: its teams by stored rank, teams sharing a rank at that rank in
// group order, those without a rank after all the ranked ones.
void draftGroup(LeagueModel& m, std::string_view block, int g) {
    struct Ranked {
        int rank, row;
    };
    std::vector<Ranked> teams;
    const int rankAt = layouts::offset(layouts::Result, result_field::Rank);
    for (int r = 0; r < kTeamsPerGroup; ++r) {
        const std::size_t at = std::size_t(positionNumber(g, r) - 1) * kResultRecordLength;
        if (!holdsTeam(block.substr(at, 1))) continue;
        int rank = int(parseLong(block.substr(at + rankAt, 2)));
        if (rank < 1 || rank > kTeamsPerGroup) rank = kTeamsPerGroup + 1;
        teams.push_back({rank, r});
    }
    std::stable_sort(teams.begin(), teams.end(), [](const Ranked& a, const Ranked& b) { return a.rank < b.rank; });
    for (int i = 0; i < kTeamsPerGroup; ++i)
        m.RankedTeamRecord[g * kTeamsPerGroup + i] = i < int(teams.size()) ? positionNumber(g, teams[i].row) : 0;
}

}  // namespace

const std::string& DraftTeams::name(int team) const {
    static const std::string none;
    return team >= 1 && team <= kChangePositions ? names[team - 1] : none;
}

DraftTeams prepareChangeOver(LeagueModel& m, const DataDir& dir) {
    DraftTeams d;
    countGroupTeams(m, dir);
    const std::string block = readTermBlock(dir, 0);  // unreadable: an empty draft
    m.RankedTeamRecord.fill(0);
    for (int g = 0; g < kGroups; ++g) draftGroup(m, block, g);
    for (int n = 1; n <= kTeamPositions; ++n) {
        const std::string name = block.substr(std::size_t(n - 1) * kResultRecordLength, kTeamNameWidth);
        if (holdsTeam(name)) d.names[n - 1] = name;
    }

    const int nameAt = layouts::offset(layouts::Team, team_field::TeamName);
    const auto suspended = fileio::readAll(dir.path(files::kSuspended));
    for (int k = 0; k < m.suspendedCount && k < kMaxSuspended; ++k) {
        m.RankedTeamRecord[kSuspendedColumn + k] = kTeamPositions + k + 1;
        const std::size_t at = std::size_t(k) * kTeamRecordLength + nameAt;
        if (suspended && at + kTeamNameWidth <= suspended->size())
            d.names[kTeamPositions + k] = suspended->substr(at, kTeamNameWidth);
    }

    Arrangement a = arrangeByRules(m.RankedTeamRecord, m.resultTeams, readChangeOverRules(dir));
    m.ChangePositionMap = a.sources;
    m.NextTermTeam = a.teams;
    m.resultTeams = a.counts;
    d.unusedRules = std::move(a.unused);
    return d;
}

LineUpChangeResult applyLineUpChange(LeagueModel& m, const DataDir& dir, int q, int p) {
    LineUpChangeResult result;
    if (q < 0 || q >= kChangePositions || p < 0 || p >= kChangePositions) return result;
    const int team = m.RankedTeamRecord[q];
    if (team == 0 || (!isGroupSlot(q) && !isGroupSlot(p))) return result;
    const Entry moving{q + 1, team};

    if (isGroupSlot(q) && isGroupSlot(p)) {
        result.saved = storeChangeOverRule(dir, q + 1, p + 1);
        if (!result.saved) {
            result.kind = LineUpChange::NotSaved;
            return result;
        }
        result.kind = LineUpChange::Moved;
        // The team sits in one place only; whoever held p leaves the line-up until placed again.
        for (int i = 0; i < kSuspendedColumn; ++i)
            if (i != p && m.ChangePositionMap[i] == q + 1) m.ChangePositionMap[i] = m.NextTermTeam[i] = 0;
        for (int i = findInSuspendedColumn(m, team); i >= 0; i = findInSuspendedColumn(m, team))
            removeFromSuspendedColumn(m, i);
        m.ChangePositionMap[p] = moving.source;
        m.NextTermTeam[p] = team;
        const int g = p / kTeamsPerGroup, r = p % kTeamsPerGroup;
        if (r >= m.resultTeams[g]) m.resultTeams[g] = r + 1;
        return result;
    }

    std::vector<Entry> entries = groupEntries(m);
    std::array<int, kGroups> counts = m.resultTeams;
    const int at = findEntry(entries, team);
    if (at >= 0) {
        entries.erase(entries.begin() + at);
        const int last = lastGroupInUse(counts);
        if (last >= 0) --counts[last];
    }

    if (isGroupSlot(q)) {  // into the suspended column
        const int listed = findInSuspendedColumn(m, team);
        if (listed < 0 && m.NextTermTeam[kChangePositions - 1] != 0) {
            result.kind = LineUpChange::SuspendedFull;
            return result;
        }
        if (listed >= 0) removeFromSuspendedColumn(m, listed);
        insertIntoSuspendedColumn(m, std::min(p, kSuspendedColumn + suspendedColumnLength(m.NextTermTeam)), moving);
        m.resultTeams = counts;
        pour(m, entries);
        result.kind = LineUpChange::Suspended;
        return result;
    }

    // Back from the suspended column.
    const int g = p / kTeamsPerGroup, r = p % kTeamsPerGroup;
    const int offset = std::accumulate(counts.begin(), counts.begin() + g, 0);
    int index = offset + r;
    if (r >= counts[g]) {
        // An empty row of a group that is not full: the team follows the group's last one.
        index = offset + counts[g];
        ++counts[g];
    } else {
        const int last = lastGroupInUse(counts);
        if (counts[last] < kTeamsPerGroup) {
            ++counts[last];
        } else if (last == g || last == kGroups - 1) {
            result.kind = LineUpChange::GroupFull;
            result.group = last;
            return result;
        } else {
            counts[last + 1] = 1;
        }
    }
    entries.insert(entries.begin() + index, moving);
    if (const int listed = findInSuspendedColumn(m, team); listed >= 0) removeFromSuspendedColumn(m, listed);
    m.resultTeams = counts;
    pour(m, entries);
    result.kind = LineUpChange::Returned;
    return result;
}

CountsChange reflowTeamsPerGroup(LeagueModel& m, const std::array<int, kGroups>& counts) {
    CountsChange c;
    for (int g = 0; g < kGroups; ++g)
        if (counts[g] < 0 || counts[g] > kTeamsPerGroup) {
            c.kind = CountsChange::OutOfRange;
            c.group = g;
            return c;
        }
    const std::vector<Entry> entries = groupEntries(m);
    c.entries = int(entries.size());
    if (std::accumulate(counts.begin(), counts.end(), 0) < c.entries) {
        c.kind = CountsChange::TooFew;
        return c;
    }
    m.resultTeams = counts;
    pour(m, entries);
    // A group counts what it received: the groups after the last one that received entries
    // hold none, and the last one no empty rows at its end.
    int left = c.entries;
    for (int g = 0; g < kGroups; ++g) {
        m.resultTeams[g] = std::min(m.resultTeams[g], left);
        left -= m.resultTeams[g];
    }
    return c;
}

LineUpProblem checkLineUp(const LeagueModel& m) {
    LineUpProblem p;
    for (int g = 0; g < kGroups; ++g)
        if (m.resultTeams[g] < 0 || m.resultTeams[g] > kTeamsPerGroup) return {LineUpProblem::BadCount, g};

    bool anyTeam = false;
    for (int i = 0; i < kSuspendedColumn; ++i) anyTeam |= m.NextTermTeam[i] != 0;
    if (!anyTeam) return {LineUpProblem::NoTeams};

    for (int g = 0; g < kGroups; ++g)
        for (int r = 0; r < kTeamsPerGroup; ++r) {
            const bool filled = m.NextTermTeam[g * kTeamsPerGroup + r] != 0;
            if (r < m.resultTeams[g] && !filled) return {LineUpProblem::Gap, g, r};
            if (r >= m.resultTeams[g] && filled) return {LineUpProblem::BeyondCount, g, r};
        }

    std::vector<int> seen(kChangePositions + 1, 0);
    for (int i = 0; i < kChangePositions; ++i) {
        const int team = m.NextTermTeam[i];
        if (team <= 0 || team > kChangePositions) continue;
        if (seen[team]++) return {LineUpProblem::Twice, -1, -1, team};
    }
    for (int i = 0; i < kSuspendedColumn; ++i) {
        const int team = m.RankedTeamRecord[i];
        if (team > 0 && team <= kChangePositions && !seen[team]) return {LineUpProblem::Missing, -1, -1, team};
    }

    // Suspended afterwards: those that stay, and those that go.
    int suspended = 0;
    for (int i = kSuspendedColumn; i < kChangePositions; ++i) {
        const int team = m.RankedTeamRecord[i];
        if (team != 0) suspended += seen[team] && findInSuspendedColumn(m, team) < 0 ? 0 : 1;
    }
    for (int i = kSuspendedColumn; i < kChangePositions; ++i) {
        const int team = m.NextTermTeam[i];
        if (team >= 1 && team <= kTeamPositions) ++suspended;
    }
    if (suspended > kMaxSuspended) return {LineUpProblem::TooManySuspended};
    return p;
}

int suspendedColumnLength(const std::array<int, kChangePositions>& teams) {
    for (int i = kChangePositions - 1; i >= kSuspendedColumn; --i)
        if (teams[i] != 0) return i - kSuspendedColumn + 1;
    return 0;
}
