#include "store/csv_writer.h"

namespace csv {

namespace {

// Whether the text is a run of apostrophes (maybe none) followed by a formula character.
bool leadsToFormula(std::string_view text) {
    const std::size_t first = text.find_first_not_of('\'');
    return first != std::string_view::npos && kFormulaStarts.find(text[first]) != std::string_view::npos;
}

}  // namespace

std::string neutralise(std::string_view utf8) {
    if (!leadsToFormula(utf8)) return std::string(utf8);
    return "'" + std::string(utf8);
}

std::string restoreNeutralised(std::string_view cell) {
    if (cell.starts_with('\'') && leadsToFormula(cell)) cell.remove_prefix(1);
    return std::string(cell);
}

std::string field(std::string_view utf8) {
    const std::string safe = neutralise(utf8);
    if (safe.find_first_of(",\"\r\n") == std::string::npos) return safe;
    std::string out = "\"";
    for (char c : safe) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string record(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        out += field(fields[i]);
    }
    return out + "\r\n";
}

}  // namespace csv
