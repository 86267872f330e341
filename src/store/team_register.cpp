#include "store/team_register.h"

#include <utility>
#include <vector>

#include "store/file_io.h"
#include "store/results_file.h"
#include "store/text_ops.h"

namespace {

const std::string& emptyTeam() {
    static const std::string r = emptyRecord(layouts::get(layouts::Team));
    return r;
}

std::string nameKey(std::string_view name) {
    return padField(name, false, 20);
}

// The whole register, 200 records, blanks for whatever is missing.
bool readRegister(const std::string& path, std::string& out) {
    out = emptyRecords(layouts::get(layouts::Team), kTeamPositions);
    std::size_t got = 0;
    return fileio::readAt(path, 0, out.data(), out.size(), &got);
}

std::string_view teamNameOf(const std::string& reg, int index) {
    return std::string_view(reg).substr(
        std::size_t(index) * kTeamRecordLength + layouts::get(layouts::Team).offsets[team_field::TeamName], 20);
}

std::string readRecordBytes(const std::string& path, long offset, std::size_t length, const std::string& blank) {
    std::string buf = blank;
    std::size_t got = 0;
    fileio::readAt(path, offset, buf.data(), length, &got);
    return buf;
}

}  // namespace

bool createTeamRegister(const DataDir& dir) {
    return fileio::createFile(dir.path(files::kTeamRegister),
                              emptyRecords(layouts::get(layouts::Team), kTeamPositions));
}

bool readTeam(LeagueModel& m, const DataDir& dir) {
    m.teamCodec.clearRecord();
    bool ok = m.teamCodec.readRecord(dir.path(files::kTeamRegister), m.detailRecordNo);
    m.teamCodec.unpackRecord();
    return ok;
}

bool writeTeam(LeagueModel& m, const DataDir& dir) {
    m.teamCodec.packRecord();
    return m.teamCodec.writeRecord(dir.path(files::kTeamRegister), m.detailRecordNo);
}

bool writeTeamField(LeagueModel& m, const DataDir& dir, int k, std::string_view text) {
    if (k < 0 || k > team_field::Remarks || m.detailRecordNo < 1 || m.detailRecordNo > kTeamPositions) return false;
    FieldBuffer& f = m.teamCodec.field(k);
    if (k == team_field::Remarks && (text.empty() || text[0] == '\r' || text[0] == '\n'))
        f.clear();
    else
        f.assign(text);
    const RecordLayout& l = m.teamCodec.layout();
    return fileio::writeAt(dir.path(files::kTeamRegister),
                           long(m.detailRecordNo - 1) * kTeamRecordLength + l.offsets[k], f.bytes());
}

bool countRegisteredTeams(LeagueModel& m, const DataDir& dir) {
    m.registeredTeams.fill(0);
    std::string reg;
    if (!readRegister(dir.path(files::kTeamRegister), reg)) return false;
    for (int i = 0; i < kTeamPositions; ++i) {
        char first = reg[std::size_t(i) * kTeamRecordLength];
        if (first != ' ' && first != '\0') ++m.registeredTeams[i / kTeamsPerGroup];
    }
    return true;
}

int findTeamByName(LeagueModel& m, const DataDir& dir, std::string_view name) {
    (void)m;
    std::string reg;
    if (!readRegister(dir.path(files::kTeamRegister), reg)) return 0;
    const std::string key = nameKey(name);
    for (int i = 0; i < kTeamPositions; ++i)
        if (teamNameOf(reg, i) == key) return i + 1;
    return 0;
}

int findOrAllocateTeam(LeagueModel& m, const DataDir& dir, std::string_view name) {
    const std::string path = dir.path(files::kTeamRegister);
    if (!fileio::exists(path)) return 0;
    std::string reg;
    if (!readRegister(path, reg)) return 0;
    const std::string key = nameKey(name);
    for (int i = 0; i < kTeamPositions; ++i)
        if (teamNameOf(reg, i) == key) return i + 1;
    for (int i = 0; i < kTeamPositions; ++i) {
        if (teamNameOf(reg, i)[0] != ' ') continue;
        RecordCodec& c = m.teamCodec;
        c.record() = reg.substr(std::size_t(i) * kTeamRecordLength, kTeamRecordLength);
        c.unpackRecord();
        c.field(team_field::TeamName).setRaw(key);
        // Only the name field changes; every other byte of the record stays as it was.
        long at = long(i) * kTeamRecordLength + c.layout().offsets[team_field::TeamName];
        if (!fileio::writeAt(path, at, key)) return 0;
        c.record().replace(c.layout().offsets[team_field::TeamName], 20, key);
        return i + 1;
    }
    return 0;
}

bool swapTeams(const LeagueModel& m, const DataDir& dir, int a, int b) {
    const std::string reg = dir.path(files::kTeamRegister);
    const std::string res = dir.path(files::kResults);
    if (a < 1 || b < 1 || a > kTeamPositions || b > kTeamPositions || a == b) return false;
    if (!fileio::exists(reg) || !fileio::exists(res)) return false;
    const std::string blankResult = emptyRecord(layouts::get(layouts::Result));
    std::string ta = readRecordBytes(reg, long(a - 1) * kTeamRecordLength, kTeamRecordLength, emptyTeam());
    std::string tb = readRecordBytes(reg, long(b - 1) * kTeamRecordLength, kTeamRecordLength, emptyTeam());

    bool ok = true;
    const int group = slotOfPosition(a);
    if (group == slotOfPosition(b)) {
        // Within a group every record holds one result byte per row. The two rows trade
        // places in all ten records too, so that each pairing keeps its result.
        const int first = positionNumber(group, 0);
        std::string rows = emptyRecords(layouts::get(layouts::Result), kTeamsPerGroup);
        std::size_t got = 0;
        fileio::readAt(res, resultRecordOffset(m.termSlotIndex, first), rows.data(), rows.size(), &got);
        const int ra = rowOfPosition(a), rb = rowOfPosition(b);
        std::string recA = rows.substr(std::size_t(ra) * kResultRecordLength, kResultRecordLength);
        rows.replace(std::size_t(ra) * kResultRecordLength, kResultRecordLength, rows,
                     std::size_t(rb) * kResultRecordLength, kResultRecordLength);
        rows.replace(std::size_t(rb) * kResultRecordLength, kResultRecordLength, recA);
        const std::size_t firstResult = layouts::get(layouts::Result).offsets[result_field::FirstResult];
        for (int r = 0; r < kTeamsPerGroup; ++r) {
            const std::size_t at = std::size_t(r) * kResultRecordLength + firstResult;
            std::swap(rows[at + ra], rows[at + rb]);
        }
        ok &= fileio::writeAt(res, resultRecordOffset(m.termSlotIndex, first), rows);
    } else {
        std::string ra = readRecordBytes(res, resultRecordOffset(m.termSlotIndex, a), kResultRecordLength, blankResult);
        std::string rb = readRecordBytes(res, resultRecordOffset(m.termSlotIndex, b), kResultRecordLength, blankResult);
        ok &= fileio::writeAt(res, resultRecordOffset(m.termSlotIndex, a), rb);
        ok &= fileio::writeAt(res, resultRecordOffset(m.termSlotIndex, b), ra);
    }
    ok &= fileio::writeAt(reg, long(a - 1) * kTeamRecordLength, tb);
    ok &= fileio::writeAt(reg, long(b - 1) * kTeamRecordLength, ta);
    return ok;
}

bool moveTeam(const LeagueModel& m, const DataDir& dir, int fromNo, int toNo) {
    const std::string reg = dir.path(files::kTeamRegister);
    bool ok = true;
    if (fileio::exists(reg)) {
        std::string t = readRecordBytes(reg, long(fromNo - 1) * kTeamRecordLength, kTeamRecordLength, emptyTeam());
        ok &= fileio::writeAt(reg, long(toNo - 1) * kTeamRecordLength, t);
        ok &= fileio::writeAt(reg, long(fromNo - 1) * kTeamRecordLength, emptyTeam());
    }
    ok &= moveRecord(m, dir, fromNo, toNo);
    ok &= blankRecord(m, dir, fromNo);
    return ok;
}
