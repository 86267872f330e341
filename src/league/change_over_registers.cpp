#include "league/change_over_registers.h"

#include "store/record_layout.h"
#include "store/results_file.h"
#include "store/text_ops.h"

namespace {

int nameAt() {
    return layouts::offset(layouts::Team, team_field::TeamName);
}
int reservedAt() {
    return layouts::offset(layouts::Team, team_field::Reserved);
}

std::string recordAt(const std::string& image, int index) {
    std::string r = image.substr(std::size_t(index) * kTeamRecordLength, kTeamRecordLength);
    r.resize(kTeamRecordLength, ' ');
    return r;
}

bool isEmptyTeamRecord(std::string_view r) {
    for (std::size_t i = 0; i < r.size() && i + 2 < std::size_t(kTeamRecordLength); ++i)
        if (r[i] != ' ' && r[i] != '\0') return false;
    return true;
}

int wholeRecords(const std::string& image) {
    return int(image.size() / kTeamRecordLength);
}

// Places records into the free records of a register image.
class FreeRecords {
public:
    explicit FreeRecords(std::string& image) : image_(image) {}
    void take(int k, const std::string& record) {
        used_[k] = true;
        image_.replace(std::size_t(k) * kTeamRecordLength, kTeamRecordLength, record);
        if (k > last_) last_ = k;
    }
    bool isFree(int k) const { return !used_[k]; }
    // Where a record of no team in the line-up goes; -1 when nowhere.
    int placeFor(int own, int lineUpEnd) const {
        if (own > lineUpEnd && isFree(own)) return own;
        for (int k = lineUpEnd + 1; k < kTeamPositions; ++k)
            if (isFree(k)) return k;
        for (int k = lineUpEnd; k >= 0; --k)
            if (isFree(k)) return k;
        return -1;
    }
    int last() const { return last_; }

private:
    std::string& image_;
    std::array<bool, kTeamPositions> used_{};
    int last_ = -1;
};

}  // namespace

ChangeOverRegisters::ChangeOverRegisters(const LeagueModel& m, const ChangeOverSources& s) : m_(m), s_(s) {
    claimDetails();
}

std::string ChangeOverRegisters::name(int team) const {
    if (team >= 1 && team <= kTeamPositions) return s_.results.substr(resultRecordOffset(0, team), kTeamNameWidth);
    return suspendedRecord(team).substr(nameAt(), kTeamNameWidth);
}

std::string ChangeOverRegisters::teamRegister(std::vector<std::string>* lost) const {
    std::string out = emptyRecords(layouts::get(layouts::Team), kTeamPositions);
    FreeRecords records(out);
    for (int i = 0; i < kTeamPositions; ++i) {
        const int team = m_.NextTermTeam[i];
        if (team != 0) records.take(i, team <= kTeamPositions ? details(team) : suspendedRecord(team));
    }
    const int lineUpEnd = records.last();
    // Records of no team in the line-up: those of teams on the suspended list have their
    // details there and come last; a record under the name of a team that has its own is out
    // of date.
    std::vector<int> strays, listed;
    for (int j = 0; j < kTeamPositions; ++j) {
        if (claimed_[j]) continue;
        const std::string r = recordAt(s_.registry, j);
        const std::string n = r.substr(nameAt(), kTeamNameWidth);
        if (isEmptyTeamRecord(r) || names_.count(n)) continue;
        (suspendedNames_.count(n) ? listed : strays).push_back(j);
    }
    // Those whose own record lies after the line-up keep it; the others take what is left.
    struct Waiting {
        int record;
        bool named;  // its loss is told: its details are nowhere else
    };
    std::vector<Waiting> waiting;
    for (const std::vector<int>* group : {&strays, &listed})
        for (int j : *group) {
            if (j > lineUpEnd && records.isFree(j))
                records.take(j, recordAt(s_.registry, j));
            else
                waiting.push_back({j, group == &strays});
        }
    for (const Waiting& w : waiting) {
        const int k = records.placeFor(w.record, lineUpEnd);
        if (k >= 0)
            records.take(k, recordAt(s_.registry, w.record));
        else if (lost && w.named)
            lost->push_back(recordAt(s_.registry, w.record).substr(nameAt(), kTeamNameWidth));
    }
    return out;
}

std::string ChangeOverRegisters::suspendedRegister(std::string* kept, bool* anyReturned) const {
    std::string counted, uncounted;
    *anyReturned = false;
    for (int k = 0; k < wholeRecords(s_.suspended); ++k) {
        if (inGroups(kTeamPositions + k + 1)) {
            *anyReturned = true;
            continue;
        }
        (k < kMaxSuspended ? counted : uncounted) += recordAt(s_.suspended, k);
    }
    *kept = counted + uncounted;
    std::string out = counted;
    for (int i = kSuspendedColumn; i < kChangePositions; ++i) {
        const int team = m_.NextTermTeam[i];
        if (team < 1 || team > kTeamPositions) continue;
        std::string r = details(team);
        r.replace(nameAt(), kTeamNameWidth, name(team));
        r.replace(reservedAt(), kTeamRecordLength - 2 - reservedAt(), fillSpaces(kTeamRecordLength - 2 - reservedAt()));
        r.replace(kTeamRecordLength - 2, 2, " \n");
        out += r;
    }
    return out + uncounted;
}

bool ChangeOverRegisters::inGroups(int team) const {
    for (int i = 0; i < kSuspendedColumn; ++i)
        if (m_.NextTermTeam[i] == team) return true;
    return false;
}

std::string ChangeOverRegisters::suspendedRecord(int team) const {
    const int k = team - kTeamPositions - 1;
    if (k < 0 || k >= wholeRecords(s_.suspended)) return emptyRecord(layouts::get(layouts::Team));
    return recordAt(s_.suspended, k);
}

// A team's own record: the one at its position when that carries its name, else the first
// other one that does; a team without any gets a record holding just its name.
std::string ChangeOverRegisters::details(int team) const {
    const int j = record_[team];
    if (j >= 0) return recordAt(s_.registry, j);
    std::string r = emptyRecord(layouts::get(layouts::Team));
    r.replace(nameAt(), kTeamNameWidth, name(team));
    return r;
}

void ChangeOverRegisters::claimDetails() {
    record_.fill(-1);
    std::vector<int> teams;
    for (int i = 0; i < kChangePositions; ++i) {
        const int team = m_.NextTermTeam[i];
        if (team >= 1 && team <= kTeamPositions) teams.push_back(team);
        // The names whose teams have a record of their own in the new registers.
        if (team != 0 && (i < kSuspendedColumn || team <= kTeamPositions)) names_.insert(name(team));
    }
    for (int k = 0; k < wholeRecords(s_.suspended); ++k)
        if (!inGroups(kTeamPositions + k + 1))
            suspendedNames_.insert(recordAt(s_.suspended, k).substr(nameAt(), kTeamNameWidth));
    auto nameOfRecord = [&](int j) {
        return s_.registry.substr(std::size_t(j) * kTeamRecordLength + nameAt(), kTeamNameWidth);
    };
    for (int team : teams)
        if (record_[team] < 0 && !claimed_[team - 1] && nameOfRecord(team - 1) == name(team)) {
            record_[team] = team - 1;
            claimed_[team - 1] = true;
        }
    for (int team : teams) {
        if (record_[team] >= 0) continue;
        for (int j = 0; j < kTeamPositions; ++j)
            if (!claimed_[j] && nameOfRecord(j) == name(team)) {
                record_[team] = j;
                claimed_[j] = true;
                break;
            }
    }
}
