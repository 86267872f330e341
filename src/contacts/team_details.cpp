#include "contacts/team_details.h"

#include "store/record_layout.h"
#include "store/sjis.h"
#include "store/team_register.h"
#include "store/text_ops.h"

namespace details {

namespace {

bool isEditBlank(char c) {
    return c == ' ' || c == '\n';
}

}  // namespace

std::string fieldBytes(std::string_view record, int k) {
    const int at = layouts::offset(layouts::Team, k), width = layouts::width(layouts::Team, k);
    std::string bytes = record.size() > std::size_t(at) ? std::string(record.substr(at, width)) : std::string();
    bytes.resize(std::size_t(width), ' ');
    return bytes;
}

void putFieldBytes(std::string& record, int k, std::string_view bytes) {
    const std::size_t at = std::size_t(layouts::offset(layouts::Team, k));
    const std::size_t width = std::size_t(layouts::width(layouts::Team, k));
    if (record.size() < at + width) record.resize(at + width, ' ');
    std::string field(bytes.substr(0, width));
    field.resize(width, ' ');
    record.replace(at, width, field);
}

std::string trimForEditing(std::string_view text) {
    std::size_t first = 0, last = text.size();
    while (first < last && isEditBlank(text[first])) ++first;
    while (last > first && isEditBlank(text[last - 1])) --last;
    return std::string(text.substr(first, last - first));
}

std::string singleLineField(int k, std::string_view sjisText) {
    return padField(sjisText, false, std::size_t(layouts::width(layouts::Team, k)));
}

std::string memoField(std::string_view sjisText) {
    if (sjisText.empty() || sjisText[0] == '\n' || sjisText[0] == '\r') return fillSpaces(kMemoWidth);
    std::string bytes;
    for (char c : sjisText) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    bytes.resize(sjis::boundaryAtOrBefore(bytes, kMemoWidth));
    // A line break is CR LF or nothing: a CR alone would show as a stray character elsewhere.
    if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
    while (!bytes.empty() && bytes.back() == ' ') bytes.pop_back();
    bytes.resize(kMemoWidth, ' ');
    return bytes;
}

std::string memoText(std::string_view stored) {
    std::string text;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char c = stored[i];
        if (c == '\r') {
            text += '\n';
            if (i + 1 < stored.size() && stored[i + 1] == '\n') ++i;
        } else {
            text += c;
        }
        // The second byte of a double-byte character is never a line break or a blank.
        if (sjis::isLeadByte(static_cast<unsigned char>(c)) && i + 1 < stored.size()) text += stored[++i];
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) text.pop_back();
    return text;
}

int memoBytes(std::string_view sjisText) {
    int n = int(sjisText.size());
    for (char c : sjisText)
        if (c == '\n') ++n;
    return n;
}

SaveResult writeDetail(LeagueModel& m, const DataDir& dir, int recordNo, int k, std::string_view bytes) {
    if (k < 0 || k >= kFieldCount || bytes.size() != std::size_t(layouts::width(layouts::Team, k)))
        return SaveResult::failed(files::kTeamRegister);
    return writeTeamField(m, dir, recordNo, k, bytes);
}

}  // namespace details
