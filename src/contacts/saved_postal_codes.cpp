#include "contacts/saved_postal_codes.h"

#include <algorithm>
#include <vector>

#include "store/file_io.h"
#include "store/record_layout.h"
#include "store/sjis.h"
#include "store/team_register.h"
#include "store/text_ops.h"

namespace {

std::string_view upToBlank(std::string_view text) {
    std::size_t end = text.find(' ');
    return text.substr(0, end == std::string_view::npos ? text.size() : end);
}

}  // namespace

std::string shortAddress(std::string_view city, std::string_view street) {
    std::string joined(upToBlank(city.substr(0, std::size_t(layouts::width(layouts::Team, team_field::City)))));
    joined += upToBlank(street);
    return sjis::cutToWidth(joined, std::size_t(layouts::width(layouts::SavedPostalCode, saved_code_field::Address)));
}

bool countSavedCodes(LeagueModel& m, const DataDir& dir) {
    const RecordCount c = countOrCreate(dir, files::kSavedPostalCodes, kSavedCodeRecordLength, 1 << 20);
    m.savedCodeCount = c.count;
    return c.ready;
}

SaveResult mergeTeamRegisterCodes(LeagueModel& m, const DataDir& dir) {
    const auto bytes = fileio::readAll(dir.path(files::kTeamRegister));
    return mergeTeamRegisterCodes(m, dir, bytes ? std::string_view(*bytes) : std::string_view());
}

SaveResult mergeTeamRegisterCodes(LeagueModel& m, const DataDir& dir, std::string_view registerBytes) {
    const std::string path = dir.path(files::kSavedPostalCodes);
    auto saved = fileio::readAll(path);
    if (!saved) return SaveResult::failed(files::kSavedPostalCodes);
    std::vector<std::string> records;
    for (std::size_t at = 0; at + kSavedCodeRecordLength <= saved->size(); at += kSavedCodeRecordLength)
        records.push_back(saved->substr(at, kSavedCodeRecordLength));
    const std::size_t before = records.size();

    auto codeOf = [](std::string_view record) {
        return layouts::field(record, layouts::SavedPostalCode, saved_code_field::Code);
    };
    if (const std::string_view* reg = &registerBytes; !reg->empty()) {
        for (int i = 0; i < kTeamPositions; ++i) {
            std::size_t base = std::size_t(i) * kTeamRecordLength;
            if (base + kTeamRecordLength > reg->size()) break;
            std::string_view rec = std::string_view(*reg).substr(base, kTeamRecordLength);
            std::string_view code = layouts::field(rec, layouts::Team, team_field::PostalCode);
            if (isBlankField(code)) continue;
            bool known =
                std::any_of(records.begin(), records.end(), [&](const std::string& r) { return codeOf(r) == code; });
            if (known) continue;
            RecordCodec c(layouts::get(layouts::SavedPostalCode));
            c.clearRecord();
            c.field(saved_code_field::Code).setRaw(code);
            c.field(saved_code_field::Address)
                .assign(shortAddress(layouts::field(rec, layouts::Team, team_field::City),
                                     layouts::field(rec, layouts::Team, team_field::Street)));
            c.packRecord();
            records.push_back(c.record());
        }
    }
    std::vector<std::string> sorted = records;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&](const std::string& a, const std::string& b) { return codeOf(a) < codeOf(b); });
    m.savedCodeCount = int(sorted.size());
    if (sorted == records && records.size() == before) return SaveResult::saved();
    std::string bytes;
    for (auto& r : sorted) bytes += r;
    // A partial record at the end of the old file is kept after the whole ones.
    bytes += saved->substr(before * kSavedCodeRecordLength);
    return SaveResult::check(fileio::replaceFile(path, bytes), files::kSavedPostalCodes);
}
