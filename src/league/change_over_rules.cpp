#include "league/change_over_rules.h"

#include "store/capacities.h"
#include "store/file_io.h"
#include "store/record_layout.h"
#include "store/settings_files.h"
#include "store/text_ops.h"

std::vector<ChangeOverRule> readChangeOverRules(const DataDir& dir) {
    std::vector<ChangeOverRule> rules;
    auto bytes = fileio::readAll(dir.path(files::kChangePositions));
    if (!bytes) return rules;
    const std::string_view all(*bytes);
    for (std::size_t at = 0; at + kChangePositionRecordLength <= all.size(); at += kChangePositionRecordLength) {
        const std::string_view record = all.substr(at, kChangePositionRecordLength);
        rules.push_back({int(parseLong(layouts::field(record, layouts::ChangePosition, rule_field::Target))),
                         int(parseLong(layouts::field(record, layouts::ChangePosition, rule_field::Source)))});
    }
    return rules;
}

SaveResult storeChangeOverRule(const DataDir& dir, int target, int source) {
    const std::string path = dir.path(files::kChangePositions);
    const bool ownPlace = target == source;  // what every position does without a rule
    auto bytes = fileio::readAll(path);
    if (!bytes) {
        if (ownPlace && fileio::fileSize(path) < 0) return SaveResult::saved();
        return writeChangeOverRule(dir, target, source);
    }
    const std::vector<ChangeOverRule> rules = readChangeOverRules(dir);
    bool stale = false;
    int sameTarget = 0;
    for (const ChangeOverRule& r : rules) {
        stale |= r.source == source && r.target != target;
        sameTarget += r.target == target;
    }
    if (!stale && !ownPlace && sameTarget <= 1) return writeChangeOverRule(dir, target, source);
    if (!stale && sameTarget == 0) return SaveResult::saved();

    std::string out;
    bool placed = ownPlace;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const std::string record = bytes->substr(i * kChangePositionRecordLength, kChangePositionRecordLength);
        if (rules[i].target == target) {
            if (!placed) out += changePositionWithSource(record, source);  // the target's bytes as they were
            placed = true;
        } else if (rules[i].source != source) {
            out += record;
        }
    }
    if (!placed) out += changePositionRecord(target, source);
    out += bytes->substr(rules.size() * kChangePositionRecordLength);  // a partial record stays at the end
    return SaveResult::check(fileio::replaceFile(path, out), files::kChangePositions);
}

bool isLastingRule(const ChangeOverRule& r) {
    return r.target >= 1 && r.target <= kTeamPositions && r.source >= 1 && r.source <= kTeamPositions;
}

int ruleSourceFor(const DataDir& dir, int target) {
    for (const ChangeOverRule& r : readChangeOverRules(dir))
        if (r.target == target) return r.source;
    return 0;
}

SaveResult deleteChangeOverRule(const DataDir& dir, int index) {
    const std::string path = dir.path(files::kChangePositions);
    auto bytes = fileio::readAll(path);
    if (!bytes) return SaveResult::failed(files::kChangePositions);
    const std::size_t count = bytes->size() / kChangePositionRecordLength;
    if (index < 0 || std::size_t(index) >= count) return SaveResult::failed(files::kChangePositions);
    std::string kept = *bytes;
    kept.erase(std::size_t(index) * kChangePositionRecordLength, kChangePositionRecordLength);
    return SaveResult::check(fileio::replaceFile(path, kept), files::kChangePositions);
}
