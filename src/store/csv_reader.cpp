#include "store/csv_reader.h"

namespace csv {

Table parse(std::string_view text) {
    Table table;
    Record record;
    std::string field;
    bool fieldStarted = false;  // something of the current field has been read
    int row = 1;
    std::size_t i = 0;
    auto endField = [&] {
        record.fields.push_back(std::move(field));
        field.clear();
        fieldStarted = false;
    };
    auto endRecord = [&] {
        endField();
        record.row = row++;
        table.records.push_back(std::move(record));
        record = Record{};
    };
    // A line break: CR LF, LF or a lone CR. Returns its length at i, 0 when there is none.
    auto lineBreakAt = [&](std::size_t at) -> std::size_t {
        if (at >= text.size()) return 0;
        if (text[at] == '\n') return 1;
        if (text[at] == '\r') return at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
        return 0;
    };

    while (i < text.size()) {
        if (text[i] == '"' && !fieldStarted) {
            // A quoted field runs to the quote that is not doubled.
            std::size_t at = i + 1;
            bool closed = false;
            while (at < text.size()) {
                if (text[at] != '"') {
                    field += text[at++];
                } else if (at + 1 < text.size() && text[at + 1] == '"') {
                    field += '"';
                    at += 2;
                } else {
                    closed = true;
                    ++at;
                    break;
                }
            }
            if (!closed) {
                table.unclosedQuoteRow = row;
                return table;
            }
            i = at;
            fieldStarted = true;
            continue;
        }
        if (text[i] == ',') {
            endField();
            ++i;
        } else if (const std::size_t br = lineBreakAt(i)) {
            endRecord();
            i += br;
        } else {
            field += text[i++];
            fieldStarted = true;
        }
    }
    // The last record, unless the text ended with its line break (or is empty).
    if (fieldStarted || !record.fields.empty()) endRecord();
    return table;
}

}  // namespace csv
