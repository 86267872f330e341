#include "store/team_register.h"

#include <utility>

#include "store/file_io.h"
#include "store/file_transaction.h"
#include "store/results_file.h"
#include "store/text_ops.h"

namespace {

std::string nameKey(std::string_view name) {
    return padField(name, false, kTeamNameWidth);
}

long teamOffset(int recordNo) {
    return long(recordNo - 1) * kTeamRecordLength;
}

bool validRecord(int recordNo) {
    return recordNo >= 1 && recordNo <= kTeamPositions;
}

}  // namespace

SaveResult createTeamRegister(const DataDir& dir) {
    return SaveResult::check(
        fileio::replaceFile(dir.path(files::kTeamRegister), emptyRecords(layouts::get(layouts::Team), kTeamPositions)),
        files::kTeamRegister);
}

std::string readRegisterImage(const DataDir& dir, bool* readable) {
    std::string image = emptyRecords(layouts::get(layouts::Team), kTeamPositions);
    std::string buf(image.size(), ' ');
    std::size_t got = 0;
    const bool ok = fileio::readAt(dir.path(files::kTeamRegister), 0, buf.data(), buf.size(), &got);
    image.replace(0, got, buf, 0, got);
    if (readable) *readable = ok;
    return image;
}

std::string readTeam(const DataDir& dir, int recordNo, bool* readable) {
    std::string record = emptyRecord(layouts::get(layouts::Team));
    if (!validRecord(recordNo)) {
        if (readable) *readable = false;
        return record;
    }
    std::string buf(record.size(), ' ');
    std::size_t got = 0;
    const bool ok = fileio::readAt(dir.path(files::kTeamRegister), teamOffset(recordNo), buf.data(), buf.size(), &got);
    record.replace(0, got, buf, 0, got);
    if (readable) *readable = ok;
    return record;
}

SaveResult writeTeam(LeagueModel& m, const DataDir& dir, int recordNo, std::string_view record) {
    if (!validRecord(recordNo) || record.size() != std::size_t(kTeamRecordLength))
        return SaveResult::failed(files::kTeamRegister);
    const std::string path = dir.path(files::kTeamRegister);
    if (!fileio::writeAt(path, teamOffset(recordNo), record, layouts::emptyPattern(layouts::Team)))
        return SaveResult::failed(files::kTeamRegister);
    m.registerNames.noteWritten(path, recordNo,
                                record.substr(layouts::offset(layouts::Team, team_field::TeamName), kTeamNameWidth));
    return SaveResult::saved();
}

SaveResult writeTeamField(LeagueModel& m, const DataDir& dir, int recordNo, int k, std::string_view text) {
    if (k < 0 || k > team_field::Remarks || !validRecord(recordNo)) return SaveResult::failed(files::kTeamRegister);
    FieldBuffer f(layouts::width(layouts::Team, k));
    if (k == team_field::Remarks && (text.empty() || text[0] == '\r' || text[0] == '\n'))
        f.clear();
    else
        f.assign(text);
    const long at = teamOffset(recordNo) + layouts::offset(layouts::Team, k);
    const std::string path = dir.path(files::kTeamRegister);
    if (!fileio::writeAt(path, at, f.bytes(), layouts::emptyPattern(layouts::Team)))
        return SaveResult::failed(files::kTeamRegister);
    m.registerNames.noteWritten(path);
    return SaveResult::saved();
}

bool countRegisteredTeams(LeagueModel& m, const DataDir& dir) {
    bool readable = false;
    const std::string reg = readRegisterImage(dir, &readable);
    countRegisteredTeams(m, readable ? std::string_view(reg) : std::string_view());
    return readable;
}

void countRegisteredTeams(LeagueModel& m, std::string_view registerBytes) {
    m.registeredTeams.fill(0);
    for (int i = 0; i < kTeamPositions; ++i) {
        const std::size_t at = std::size_t(i) * kTeamRecordLength;
        if (at < registerBytes.size() && holdsTeam(registerBytes.substr(at, 1)))
            ++m.registeredTeams[i / kTeamsPerGroup];
    }
}

int findTeamByName(LeagueModel& m, const DataDir& dir, std::string_view name) {
    if (!m.registerNames.refresh(dir.path(files::kTeamRegister))) return 0;
    return m.registerNames.find(nameKey(name));
}

TeamAllocation findOrAllocateTeam(LeagueModel& m, const DataDir& dir, std::string_view name) {
    TeamAllocation a;
    const std::string path = dir.path(files::kTeamRegister);
    if (!m.registerNames.refresh(path)) return a;
    const std::string key = nameKey(name);
    a.recordNo = m.registerNames.find(key);
    if (a.recordNo != 0) return a;
    const int free = m.registerNames.firstFree();
    if (free == 0) return a;
    // Only the name field changes; every other byte of the record stays as it was.
    const long at = teamOffset(free) + layouts::offset(layouts::Team, team_field::TeamName);
    if (!fileio::writeAt(path, at, key, layouts::emptyPattern(layouts::Team))) {
        a.saved = SaveResult::failed(files::kTeamRegister);
        return a;
    }
    m.registerNames.noteWritten(path, free, key);
    a.recordNo = free;
    return a;
}

SaveResult swapTeams(LeagueModel& m, const DataDir& dir, int termSlot, int a, int b) {
    if (!validRecord(a) || !validRecord(b) || a == b || termSlot < 0 || termSlot >= kTermSlots)
        return SaveResult::failed(files::kResults);
    bool registerReadable = false;
    std::string reg = readRegisterImage(dir, &registerReadable);
    if (!registerReadable) return SaveResult::failed(files::kTeamRegister);
    // Long enough for the whole group of the later position, whose rows may all change.
    const int lastOfGroup = positionNumber(slotOfPosition(std::max(a, b)), kTeamsPerGroup - 1);
    auto results = readImageCovering(dir, resultRecordOffset(termSlot, lastOfGroup) + kResultRecordLength);
    if (!results) return SaveResult::failed(files::kResults);

    const std::string ta = reg.substr(teamOffset(a), kTeamRecordLength);
    reg.replace(teamOffset(a), kTeamRecordLength, reg, teamOffset(b), kTeamRecordLength);
    reg.replace(teamOffset(b), kTeamRecordLength, ta);

    std::string& res = *results;
    const long ra = resultRecordOffset(termSlot, a), rb = resultRecordOffset(termSlot, b);
    const std::string recA = res.substr(ra, kResultRecordLength);
    res.replace(ra, kResultRecordLength, res, rb, kResultRecordLength);
    res.replace(rb, kResultRecordLength, recA);
    const int group = slotOfPosition(a);
    if (group == slotOfPosition(b)) {
        // Within a group every record holds one result byte per row. The two rows trade
        // places in all ten records too, so that each pairing keeps its result.
        const int firstResult = layouts::offset(layouts::Result, result_field::FirstResult);
        const int colA = rowOfPosition(a), colB = rowOfPosition(b);
        for (int r = 0; r < kTeamsPerGroup; ++r) {
            const long at = resultRecordOffset(termSlot, positionNumber(group, r)) + firstResult;
            std::swap(res[at + colA], res[at + colB]);
        }
    }

    FileTransaction t(dir);
    t.replace(files::kResults, std::move(res));
    t.replace(files::kTeamRegister, std::move(reg));
    SaveResult saved = t.commit();
    m.registerNames.invalidate();
    return saved;
}
