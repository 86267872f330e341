#include "store/settings_files.h"

#include <algorithm>
#include <vector>

#include "store/file_io.h"
#include "store/record_layout.h"
#include "store/text_ops.h"

namespace {

constexpr int kCreatedSettingsLength = 1000;

// Reads width bytes at offset 0 over what buf holds, or creates the file with createBytes.
bool loadFixed(const std::string& path, std::string& buf, std::size_t width, std::string_view createBytes) {
    std::string bytes(width, ' ');
    std::size_t got = 0;
    if (fileio::readAt(path, 0, bytes.data(), width, &got)) {
        buf.replace(0, got, bytes, 0, got);
        return true;
    }
    if (fileio::fileSize(path) >= 0 || !fileio::mayWrite(path)) return false;
    return fileio::replaceFile(path, createBytes);
}

std::string sortKey(std::string_view record) {
    std::string key(layouts::field(record, layouts::ChangePosition, rule_field::Target));
    std::replace(key.begin(), key.end(), ' ', '0');
    return key;
}

void setNumber(RecordCodec& c, int f, int value) {
    c.field(f).assign(formatNumber(value, std::size_t(c.field(f).width())), true);
}

}  // namespace

std::string changePositionRecord(int target, int source) {
    RecordCodec c(layouts::get(layouts::ChangePosition));
    setNumber(c, rule_field::Target, target);
    setNumber(c, rule_field::Source, source);
    c.packRecord();
    return c.record();
}

std::string changePositionWithSource(std::string_view record, int source) {
    RecordCodec c(layouts::get(layouts::ChangePosition));
    c.record() = std::string(record.substr(0, kChangePositionRecordLength));
    c.record().resize(kChangePositionRecordLength, ' ');
    c.unpackRecord();
    setNumber(c, rule_field::Source, source);
    c.packRecord();
    return c.record();
}

bool loadUserName(LeagueModel& m, const DataDir& dir) {
    m.userName.assign(kUserNameWidth, ' ');
    return loadFixed(dir.path(files::kUserName), m.userName, kUserNameWidth, std::string(kUserNameWidth, ' '));
}

SaveResult saveUserName(const LeagueModel& m, const DataDir& dir) {
    return SaveResult::check(
        fileio::writeAt(dir.path(files::kUserName), 0, padField(m.userName, false, kUserNameWidth)), files::kUserName);
}

bool loadGroups(LeagueModel& m, const DataDir& dir) {
    m.groupBlock.assign(kGroupBlockWidth, ' ');
    return loadFixed(dir.path(files::kGroups), m.groupBlock, kGroupBlockWidth,
                     std::string(kCreatedSettingsLength, ' '));
}

SaveResult saveGroups(const LeagueModel& m, const DataDir& dir) {
    std::string block = m.groupBlock;
    block.resize(kGroupBlockWidth, ' ');
    return SaveResult::check(fileio::writeAt(dir.path(files::kGroups), 0, block), files::kGroups);
}

bool loadTeamMax(LeagueModel& m, const DataDir& dir) {
    m.teamMax.fill(0);
    const std::string path = dir.path(files::kTeamMax);
    std::string bytes(std::size_t(layouts::get(layouts::TeamMaxima).recordLength), ' ');
    std::size_t got = 0;
    if (fileio::readAt(path, 0, bytes.data(), bytes.size(), &got)) {
        // An entry the file holds only in part reads as 0.
        const std::string_view entries = std::string_view(bytes).substr(0, got);
        for (int s = 0; s < kGroups; ++s) {
            if (m.registeredTeams[s] == 0) continue;
            const std::string_view entry = layouts::field(entries, layouts::TeamMaxima, s);
            long v = int(entry.size()) == layouts::width(layouts::TeamMaxima, s) ? parseLong(entry) : 0;
            m.teamMax[s] = v <= 0 || v < m.registeredTeams[s] ? m.registeredTeams[s] : int(v);
        }
        return true;
    }
    bool created = fileio::fileSize(path) < 0 && fileio::mayWrite(path) &&
                   fileio::replaceFile(path, std::string(kCreatedSettingsLength, ' '));
    for (int s = 0; s < kGroups; ++s)
        if (m.teamMax[s] == 0 || m.teamMax[s] < m.registeredTeams[s]) m.teamMax[s] = m.registeredTeams[s];
    return created;
}

bool loadChangePositions(LeagueModel& m, const DataDir& dir) {
    resetPositionMaps(m);
    auto bytes = fileio::readAll(dir.path(files::kChangePositions));
    if (!bytes) return false;
    RecordCodec c(layouts::get(layouts::ChangePosition));
    for (std::size_t at = 0; at + kChangePositionRecordLength <= bytes->size(); at += kChangePositionRecordLength) {
        c.record() = bytes->substr(at, kChangePositionRecordLength);
        c.unpackRecord();
        // A record says: the draft team at position target goes to position source of the
        // revised line-up, as the change-over screen made it and shows it.
        long target = parseLong(c.field(rule_field::Target).bytes());
        long source = parseLong(c.field(rule_field::Source).bytes());
        // A damaged record must not reach outside the map.
        if (source < 1 || source > kChangePositions || target < 1 || target > kChangePositions) continue;
        m.ChangePositionMap[source - 1] = int(target);
    }
    return true;
}

std::string readChangePosition(const DataDir& dir, int i) {
    RecordCodec c(layouts::get(layouts::ChangePosition));
    if (i >= 1) (void)c.readRecord(dir.path(files::kChangePositions), i);
    return c.record();
}

SaveResult writeChangeOverRule(const DataDir& dir, int target, int source) {
    const std::string path = dir.path(files::kChangePositions);
    const std::string record = changePositionRecord(target, source);
    auto bytes = fileio::readAll(path);
    if (!bytes) {
        if (fileio::fileSize(path) >= 0 || !fileio::mayWrite(path) || fileio::isRegularFile(path))
            return SaveResult::failed(files::kChangePositions);
        return SaveResult::check(fileio::replaceFile(path, record), files::kChangePositions);
    }
    const std::size_t count = bytes->size() / kChangePositionRecordLength;
    const fileio::EmptyPattern gap = layouts::emptyPattern(layouts::ChangePosition);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view at =
            std::string_view(*bytes).substr(i * kChangePositionRecordLength, kChangePositionRecordLength);
        if (parseLong(layouts::field(at, layouts::ChangePosition, rule_field::Target)) != target) continue;
        return SaveResult::check(
            fileio::writeAt(path, long(i) * kChangePositionRecordLength, changePositionWithSource(at, source), gap),
            files::kChangePositions);
    }
    return SaveResult::check(fileio::writeAt(path, long(count) * kChangePositionRecordLength, record, gap),
                             files::kChangePositions);
}

SaveResult sortChangePositions(const DataDir& dir) {
    const std::string path = dir.path(files::kChangePositions);
    auto bytes = fileio::readAll(path);
    if (!bytes) return SaveResult::failed(files::kChangePositions);
    const std::size_t n = bytes->size() / kChangePositionRecordLength;
    if (n <= 1) return SaveResult::saved();
    std::vector<std::string> records;
    for (std::size_t i = 0; i < n; ++i)
        records.push_back(bytes->substr(i * kChangePositionRecordLength, kChangePositionRecordLength));
    // The exchange sort of the older program is stable for equal keys only by accident;
    // a stable sort keeps records with the same target in their file order, so the rule
    // that wins at start-up stays the same.
    std::stable_sort(records.begin(), records.end(),
                     [](const std::string& a, const std::string& b) { return sortKey(a) < sortKey(b); });
    std::string sorted;
    for (auto& r : records) sorted += r;
    sorted += bytes->substr(sorted.size());  // a partial record at the end stays where it was
    if (sorted == *bytes) return SaveResult::saved();
    return SaveResult::check(fileio::replaceFile(path, sorted), files::kChangePositions);
}
